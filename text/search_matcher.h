#pragma once
// Finds the text to find in one row at a time: a plain string, compared in
// the locale's upper case unless case-sensitive, or a pattern.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/reg_expr.h"

namespace tessorin {

class TSearchMatcher {
public:
    // Raises the matcher's invalid-mask error for a bad pattern.
    TSearchMatcher(std::u16string_view text, bool caseSensitive, bool regular);

    bool SameSearch(std::u16string_view text, bool caseSensitive, bool regular) const;
    bool Regular() const { return FRegExpr.has_value(); }
    // Forward: the first hit beginning at or after the 1-based position;
    // backward: the last one beginning at or before it. On a hit, position
    // becomes its 1-based start and length its character count.
    bool Find(std::u16string_view row, int& position, bool forward, int& length);

private:
    char16_t Fold(char16_t c) const { return FFold.empty() ? c : FFold[c]; }
    bool MatchesAt(std::u16string_view row, int index) const;
    int FindForward(std::u16string_view row, int from) const;
    template <typename TFold> int Horspool(std::u16string_view row, int from, TFold fold) const;
    int FindBackward(std::u16string_view row, int from) const;

    std::u16string FText;
    bool FCaseSensitive;
    std::optional<TRegExpr> FRegExpr;
    std::u16string FPlain;        // the text to find, folded
    std::vector<char16_t> FFold;  // every character's upper case; empty when case-sensitive
    std::array<int, 256> FSkip{}; // shifts by the low byte of the folded character
};

} // namespace tessorin
