// Seeded random patterns and lines: compiling either succeeds or raises the
// invalid-mask error, matching stays inside the line, and patterns built
// from a syntax tree find what a plain recursive matcher over that tree
// finds.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/exception.h"
#include "reg_expr_patterns.h"
#include "text/reg_expr.h"

namespace tessorin {
namespace {

using namespace testing;

// The message must name the pattern and a position from 1 to one past its end.
void ExpectInvalidMask(const std::u16string& pattern, const std::u16string& message) {
    const std::u16string prefix = pattern + u" is invalid mask at (";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix);
    ASSERT_EQ(message.back(), u')');
    const std::u16string digits = message.substr(prefix.size(), message.size() - prefix.size() - 1);
    ASSERT_FALSE(digits.empty());
    int at = 0;
    for (const char16_t c : digits) {
        ASSERT_TRUE(c >= u'0' && c <= u'9');
        at = at * 10 + (c - u'0');
    }
    EXPECT_GE(at, 1);
    EXPECT_LE(at, static_cast<int>(pattern.size()) + 1);
}

void ExpectMatchInsideLine(TRegExpr& expr, const std::u16string& line, std::mt19937& rng) {
    const int size = static_cast<int>(line.size());
    const int start = static_cast<int>(rng() % (size + 4)) - 1;
    const bool forward = rng() % 2 == 0;
    int position = start, length = -1;
    if (!expr.Match(line, position, forward, length)) {
        EXPECT_EQ(position, 0);
        EXPECT_EQ(length, 0);
    } else if (size == 0) {
        EXPECT_EQ(position, start);
        EXPECT_EQ(length, 0);
    } else {
        EXPECT_GE(position, 1);
        EXPECT_GE(length, 0);
        EXPECT_LE(position - 1 + length, size);
    }
}

TEST(RegExprFuzzTest, RandomPatternsCompileOrRaiseAndMatchInsideTheLine) {
    std::mt19937 rng(flatSeed);
    for (int round = 0; round < 60000; ++round) {
        const std::u16string pattern = RandomText(rng, flatPatternChars, 10);
        const bool caseSensitive = rng() % 2 == 0;
        try {
            TRegExpr expr(pattern, caseSensitive);
            for (int k = 0; k < 4; ++k)
                ExpectMatchInsideLine(expr, RandomText(rng, flatLineChars, 14), rng);
        } catch (const TException& e) {
            ExpectInvalidMask(pattern, e.Message());
        }
        if (::testing::Test::HasFailure())
            FAIL() << "round " << round;
    }
}

char16_t FoldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 0x20 : c;
}

// A range's first bound is a member even when the range itself is empty.
// Continuation-passing backtracking over the tree: each choice tries its
// greedy branch with the rest of the pattern as continuation before the
// next branch. Fine for the few characters used here.
class TReference {
public:
    using TRest = std::function<int(int position, bool endUsed)>;

    TReference(const std::u16string& text, bool caseSensitive)
        : FText(text), FCaseSensitive(caseSensitive) {
        for (auto& c : FText)
            c = Fold(c);
    }

    int Length() const { return static_cast<int>(FText.size()); }

    int Sequence(const TRefSequence& items, size_t i, int pos, bool endUsed,
                 const TRest& rest) const {
        if (i == items.size())
            return rest(pos, endUsed);
        return Item(items[i], pos, endUsed,
                    [&](int p, bool e) { return Sequence(items, i + 1, p, e, rest); });
    }

private:
    char16_t Fold(char16_t c) const { return FCaseSensitive ? c : FoldAscii(c); }

    int Item(const TRefItem& item, int pos, bool endUsed, const TRest& rest) const {
        if (!item.Quantifier)
            return Atom(item.Atom, pos, endUsed, rest);
        if (pos == Length())
            return item.Quantifier == u'*' ? rest(pos, endUsed) : -1;
        return Repeat(item.Atom, pos, endUsed, item.Quantifier == u'*', rest);
    }

    // One more repetition from pos, which lies before the end; failing
    // that, the rest from pos when the repetitions so far are enough.
    int Repeat(const TRefAtom& atom, int pos, bool endUsed, bool enough, const TRest& rest) const {
        const int end = Atom(atom, pos, endUsed, [&](int p, bool e) {
            if (p == pos)
                return -1;
            return p == Length() ? rest(p, e) : Repeat(atom, p, e, true, rest);
        });
        return end >= 0 || !enough ? end : rest(pos, endUsed);
    }

    int Atom(const TRefAtom& atom, int pos, bool endUsed, const TRest& rest) const {
        switch (atom.Kind) {
        case TRefAtom::rStart:
            return pos == 0 ? rest(pos, endUsed) : -1;
        case TRefAtom::rEnd:
            return pos == Length() ? rest(pos, endUsed) : -1;
        case TRefAtom::rGroup:
            return Sequence(atom.Body, 0, pos, endUsed, rest);
        default:
            break;
        }
        if (pos < Length())
            return Accepts(atom, FText[pos]) ? rest(pos + 1, endUsed) : -1;
        const bool takesEnd =
            atom.Kind == TRefAtom::rAny || (atom.Kind == TRefAtom::rClass && atom.Negated);
        return takesEnd && !endUsed ? rest(pos, true) : -1;
    }

    bool Accepts(const TRefAtom& atom, char16_t c) const {
        if (atom.Kind == TRefAtom::rAny)
            return true;
        if (atom.Kind == TRefAtom::rChar)
            return c == Fold(atom.Char);
        bool member = false;
        for (const char16_t m : atom.Members)
            member = member || c == Fold(m);
        for (const auto& [low, high] : atom.Ranges)
            member = member || c == Fold(low) || (Fold(low) <= c && c <= Fold(high));
        return member != atom.Negated;
    }

    std::u16string FText;
    bool FCaseSensitive;
};

TEST(RegExprFuzzTest, TreePatternsMatchLikeARecursiveReference) {
    std::mt19937 rng(treeSeed);
    for (int round = 0; round < 50000; ++round) {
        const TRefSequence tree = RandomSequence(rng, 0);
        const std::u16string pattern = Print(tree);
        const std::u16string line = RandomText(rng, treeLineChars, 8);
        // The lone "$" and empty lines follow rules of their own.
        if (pattern == u"$" || line.empty())
            continue;
        const bool caseSensitive = rng() % 2 == 0;
        const bool forward = rng() % 2 == 0;
        const int size = static_cast<int>(line.size());
        const int start = 1 + static_cast<int>(rng() % size);

        const TReference reference(line, caseSensitive);
        int expectedPosition = 0, expectedLength = 0;
        for (int p = start; p >= 1 && p <= size; p += forward ? 1 : -1) {
            const int end =
                reference.Sequence(tree, 0, p - 1, false, [](int q, bool) { return q; });
            if (end >= 0) {
                expectedPosition = p;
                expectedLength = end - (p - 1);
                break;
            }
        }
        TRegExpr expr(pattern, caseSensitive);
        int position = start, length = 0;
        expr.Match(line, position, forward, length);
        ASSERT_EQ(position, expectedPosition)
            << "round " << round << " pattern " << ::testing::PrintToString(pattern) << " line "
            << ::testing::PrintToString(line) << " from " << start << (forward ? " fwd" : " back");
        ASSERT_EQ(length, expectedLength) << "round " << round;
    }
}

} // namespace
} // namespace tessorin
