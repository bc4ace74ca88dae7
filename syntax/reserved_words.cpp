#include "syntax/reserved_words.h"

#include <algorithm>

namespace tessorin {
namespace {

std::u16string_view Trimmed(std::u16string_view s) {
    while (!s.empty() && s.front() <= u' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() <= u' ')
        s.remove_suffix(1);
    return s;
}

bool WordLess(std::u16string_view a, std::u16string_view b) {
    return CompareWords(a, b) < 0;
}

} // namespace

int CompareWords(std::u16string_view a, std::u16string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t x = FoldCase(a[i]);
        const char16_t y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int TReservedWordTable::Bucket(std::u16string_view word) {
    TWordHash hash;
    for (char16_t c : word)
        hash.Add(c);
    return hash.Bucket(word.size());
}

void TReservedWordTable::Rebuild(const std::vector<std::u16string>& words) {
    FWords.clear();
    for (const std::u16string& entry : words) {
        const std::u16string_view word = Trimmed(entry);
        auto at = std::lower_bound(FWords.begin(), FWords.end(), word, WordLess);
        if (!word.empty() && (at == FWords.end() || CompareWords(*at, word) != 0))
            FWords.emplace(at, word);
    }
    FFolded.clear();
    FEntries.clear();
    for (int i = 0; i < static_cast<int>(FWords.size()); ++i) {
        const std::u16string& word = FWords[i];
        FEntries.push_back({static_cast<std::uint32_t>(FFolded.size()),
                            static_cast<std::uint32_t>(word.size()), i});
        std::transform(word.begin(), word.end(), std::back_inserter(FFolded), FoldCase);
    }
    // Stable, so every bucket keeps the sorted order of the words.
    std::stable_sort(FEntries.begin(), FEntries.end(), [&](const TEntry& a, const TEntry& b) {
        return Bucket(FWords[a.Index]) < Bucket(FWords[b.Index]);
    });
    FBucketStart.fill(0);
    for (const TEntry& entry : FEntries)
        ++FBucketStart[Bucket(FWords[entry.Index]) + 1];
    for (size_t b = 1; b < FBucketStart.size(); ++b)
        FBucketStart[b] += FBucketStart[b - 1];
}

} // namespace tessorin
