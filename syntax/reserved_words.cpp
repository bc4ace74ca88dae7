#include "syntax/reserved_words.h"

#include <algorithm>
#include <cstdint>

namespace tessorin {
namespace {

char16_t FoldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}

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
    std::uint32_t h = static_cast<std::uint32_t>(word.size()) - 1;
    for (char16_t c : word)
        h = (h ^ FoldCase(c)) * 2;
    return static_cast<int>((h >> 1) & 255);
}

void TReservedWordTable::Rebuild(const std::vector<std::u16string>& words) {
    FWords.clear();
    for (const std::u16string& entry : words) {
        const std::u16string_view word = Trimmed(entry);
        auto at = std::lower_bound(FWords.begin(), FWords.end(), word, WordLess);
        if (!word.empty() && (at == FWords.end() || CompareWords(*at, word) != 0))
            FWords.emplace(at, word);
    }
    for (auto& bucket : FBuckets)
        bucket.clear();
    FLongest = 0;
    for (const std::u16string& word : FWords)
        FLongest = std::max(FLongest, word.size());
    // Words go in sorted order, so every bucket is sorted too.
    for (int i = 0; i < static_cast<int>(FWords.size()); ++i)
        FBuckets[Bucket(FWords[i])].push_back({FWords[i], i});
}

int TReservedWordTable::Find(std::u16string_view word) const {
    if (word.size() > FLongest)
        return -1;
    const std::vector<TEntry>& bucket = FBuckets[Bucket(word)];
    auto at = std::lower_bound(
        bucket.begin(), bucket.end(), word,
        [](const TEntry& e, std::u16string_view w) { return CompareWords(e.Word, w) < 0; });
    return at != bucket.end() && CompareWords(at->Word, word) == 0 ? at->Index : -1;
}

} // namespace tessorin
