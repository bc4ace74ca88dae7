#pragma once
// The compiled form of a search pattern: a flat node list that the walker
// steps through. Every repeated element sits between a group open and a
// group close, directly followed by its quantifier, so repeated ranges nest.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace tessorin {

// Class members; the first 256 characters in a bit set, wider ones as ranges.
class TRegExprCharSet {
public:
    void AddRange(char16_t first, char16_t last) {
        if (last < first)
            return;
        for (int c = first; c <= std::min<int>(last, 255); ++c)
            FNarrow.set(c);
        if (last > 255)
            FWide.emplace_back(std::max<int>(first, 256), last);
    }
    bool Contains(char16_t c) const {
        if (c < 256)
            return FNarrow[c];
        return std::any_of(FWide.begin(), FWide.end(), [c](const auto& range) {
            return range.first <= c && c <= range.second;
        });
    }
    bool Empty() const { return FNarrow.none() && FWide.empty(); }

private:
    std::bitset<256> FNarrow;
    std::vector<std::pair<char16_t, char16_t>> FWide;
};

enum class TRegExprKind : std::uint8_t {
    rkLiteral,
    rkAny,
    rkClass,
    rkLineStart,
    rkLineEnd,
    rkGroupOpen,
    rkGroupClose,
    rkOneOrMore,
    rkZeroOrMore,
    rkEnd,
};

struct TRegExprNode {
    TRegExprKind Kind = TRegExprKind::rkEnd;
    // Group open: index of the quantifier that repeats the group, or -1.
    // Quantifier: index of the group open it repeats, or -1 when it follows
    // a lone brace and so repeats nothing.
    int Link = -1;
    char16_t Char = 0; // literal, upper-cased when not case-sensitive
    bool Negated = false;
    TRegExprCharSet Set;
};

using TRegExprNodes = std::vector<TRegExprNode>;

// Without case sensitivity patterns and lines compare with only a to z
// folded, whatever the locale.
inline char16_t RegExprUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
}

// Raises "<pattern> is invalid mask at (<n>)" on an invalid pattern.
TRegExprNodes CompileRegExpr(std::u16string_view pattern, bool caseSensitive);

} // namespace tessorin
