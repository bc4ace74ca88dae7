#include "text/search_matcher.h"

#include <algorithm>

#include "core/case_mapping.h"

namespace tessorin {
namespace {

// The installed mapping upper-cases character by character, so one call
// over every code unit gives the table for all rows.
std::vector<char16_t> FoldTable() {
    std::u16string all(0x10000, u'\0');
    for (size_t c = 0; c < all.size(); ++c)
        all[c] = static_cast<char16_t>(c);
    const std::u16string upper = UpperCase(all);
    return upper.size() == all.size() ? std::vector<char16_t>(upper.begin(), upper.end())
                                      : std::vector<char16_t>(all.begin(), all.end());
}

} // namespace

TSearchMatcher::TSearchMatcher(std::u16string_view text, bool caseSensitive, bool regular)
    : FText(text), FCaseSensitive(caseSensitive) {
    if (regular) {
        FRegExpr.emplace(text, caseSensitive);
        return;
    }
    if (!caseSensitive)
        FFold = FoldTable();
    FPlain = FText;
    for (auto& c : FPlain)
        c = Fold(c);
    const int n = static_cast<int>(FPlain.size());
    FSkip.fill(std::max(n, 1));
    for (int k = 0; k + 1 < n; ++k)
        FSkip[FPlain[k] & 0xFF] = n - 1 - k;
}

bool TSearchMatcher::SameSearch(std::u16string_view text, bool caseSensitive, bool regular) const {
    return text == FText && caseSensitive == FCaseSensitive && regular == Regular();
}

bool TSearchMatcher::Find(std::u16string_view row, int& position, bool forward, int& length) {
    if (FRegExpr)
        return FRegExpr->Match(row, position, forward, length);
    const int at =
        forward ? FindForward(row, std::max(position, 1) - 1) : FindBackward(row, position - 1);
    length = at < 0 ? 0 : static_cast<int>(FPlain.size());
    position = at + 1;
    return at >= 0;
}

bool TSearchMatcher::MatchesAt(std::u16string_view row, int index) const {
    for (size_t k = 0; k < FPlain.size(); ++k)
        if (Fold(row[index + k]) != FPlain[k])
            return false;
    return true;
}

int TSearchMatcher::FindForward(std::u16string_view row, int from) const {
    if (FFold.empty())
        return Horspool(row, from, [](char16_t c) { return c; });
    const char16_t* fold = FFold.data();
    return Horspool(row, from, [fold](char16_t c) { return fold[c]; });
}

// Horspool's shifts over the last character of each window; the folding
// is a parameter so that the loop is compiled once for each kind.
template <typename TFold>
int TSearchMatcher::Horspool(std::u16string_view row, int from, TFold fold) const {
    const int n = static_cast<int>(FPlain.size());
    const int size = static_cast<int>(row.size());
    if (n == 0)
        return -1; // an empty text is found nowhere, so no search repeats on the spot
    const char16_t* text = row.data();
    const char16_t* plain = FPlain.data();
    const char16_t last = plain[n - 1];
    for (int i = from + n - 1; i < size;) {
        const char16_t c = fold(text[i]);
        if (c == last) {
            int k = n - 2;
            while (k >= 0 && fold(text[i - n + 1 + k]) == plain[k])
                --k;
            if (k < 0)
                return i - n + 1;
        }
        i += FSkip[c & 0xFF];
    }
    return -1;
}

int TSearchMatcher::FindBackward(std::u16string_view row, int from) const {
    const int n = static_cast<int>(FPlain.size());
    if (n == 0)
        return -1;
    for (int i = std::min(from, static_cast<int>(row.size()) - n); i >= 0; --i)
        if (MatchesAt(row, i))
            return i;
    return -1;
}

} // namespace tessorin
