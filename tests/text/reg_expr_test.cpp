// The pattern matcher: matches and rejections of single patterns, the case
// mapping it upper-cases through, and lines far longer than the call stack
// could follow.
#include <string>

#include <gtest/gtest.h>

#include "core/case_mapping.h"
#include "core/exception.h"
#include "text/reg_expr.h"

namespace tessorin {
namespace {

std::u16string U(const char* s) {
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

struct TMatchCase {
    const char* Pattern;
    const char* Text;
    bool Forward;
    int Start;
    bool CaseSensitive;
    bool Found;
    int Position;
    int Length;
};

constexpr bool fwd = true, back = false, cs = true, ci = false;

const TMatchCase matchCases[] = {
    // braces group; parentheses and the other characters are literal
    {"a{bc}+d", "abcbcd", fwd, 1, cs, true, 1, 6},
    {"a{bc}+d", "abcd", fwd, 1, cs, true, 1, 4},
    {"a{bc}+d", "ad", fwd, 1, cs, false, 0, 0},
    {"(a)", "x(a)", fwd, 1, cs, true, 2, 3},
    {"a?b|c", "a?b|c", fwd, 1, cs, true, 1, 5},
    {"a?b", "ab", fwd, 1, cs, false, 0, 0},
    // greedy repetition, fewer repetitions from the resume points
    {"ab*", "a", fwd, 1, cs, true, 1, 1},
    {"ab*", "ab", fwd, 1, cs, true, 1, 2},
    {"ab*", "abbb", fwd, 1, cs, true, 1, 4},
    {"ab*", "abbbc", fwd, 1, cs, true, 1, 4},
    {"a*a", "aaa", fwd, 1, cs, true, 1, 3},
    {"a*a", "a", fwd, 1, cs, true, 1, 1},
    {"a+ab", "aaab", fwd, 1, cs, true, 1, 4},
    {"{ab}*ab", "ababab", fwd, 1, cs, true, 1, 6},
    {".*x", "axbxc", fwd, 1, cs, true, 1, 4},
    {"b*", "abc", fwd, 1, cs, true, 1, 0},
    {"x*", "abc", back, 3, cs, true, 3, 0},
    // repetitions inside repetitions, and resuming inside a failed one
    {"{a*b}+", "aabab", fwd, 1, cs, true, 1, 5},
    {"{a*a}+", "aa", fwd, 1, cs, true, 1, 2},
    {"{ba*a}+", "baabaa", fwd, 1, cs, true, 1, 6},
    {"{a{bc}+}+d", "abcabcbcd", fwd, 1, cs, true, 1, 9},
    // a repetition that consumes nothing has failed
    {"{}*x", "x", fwd, 1, cs, true, 1, 1},
    {"{}+", "x", fwd, 1, cs, false, 0, 0},
    {"{a*}+b", "b", fwd, 1, cs, false, 0, 0},
    {"{a*}+b", "ab", fwd, 1, cs, true, 1, 2},
    {"{*}x", "x", fwd, 1, cs, true, 1, 1},
    {"{+}x", "x", fwd, 1, cs, false, 0, 0},
    // at the end of the text "+" fails and "*" repeats zero times
    {"a{b}+", "a", fwd, 1, cs, false, 0, 0},
    {"a{b}*", "a", fwd, 1, cs, true, 1, 1},
    {"a.+", "a", fwd, 1, cs, false, 0, 0},
    // the end of the line counts as one character for "." and [^..]
    {"abc.", "xabc", fwd, 1, cs, true, 2, 3},
    {"abc.$", "abc", fwd, 1, cs, true, 1, 3},
    {"abc..", "abc", fwd, 1, cs, false, 0, 0},
    {"abc[^x]", "abc", fwd, 1, cs, true, 1, 3},
    {"abc[x]", "abc", fwd, 1, cs, false, 0, 0},
    {"abcd", "abc", fwd, 1, cs, false, 0, 0},
    // line start and end
    {"x$", "xax", fwd, 1, cs, true, 3, 1},
    {"x$", "xa", fwd, 1, cs, false, 0, 0},
    {"^x", "xax", fwd, 1, cs, true, 1, 1},
    {"^x", "xax", fwd, 2, cs, false, 0, 0},
    {"^x", "axa", fwd, 1, cs, false, 0, 0},
    {"x$", "xax", back, 3, cs, true, 3, 1},
    {"x$", "xax", back, 2, cs, false, 0, 0},
    {"^x", "xax", back, 3, cs, true, 1, 1},
    {"^$", "a", fwd, 1, cs, false, 0, 0},
    {"$", "abc", fwd, 1, cs, true, 4, 0},
    {"$", "abc", back, 3, cs, true, 4, 0},
    {"$", "abc", back, 2, cs, false, 0, 0},
    {"x*$", "abc", fwd, 1, cs, false, 0, 0},
    // an empty line matches only the pure line patterns, at the given position
    {"^", "", fwd, 1, cs, true, 1, 0},
    {"$", "", back, 1, cs, true, 1, 0},
    {"^$", "", fwd, 1, cs, true, 1, 0},
    {"a*", "", fwd, 1, cs, false, 0, 0},
    {".", "", fwd, 1, cs, false, 0, 0},
    // escapes
    {"\\{", "a{", fwd, 1, cs, true, 2, 1},
    {"\\.\\*\\+\\[\\$\\^\\\\", "x.*+[$^\\", fwd, 1, cs, true, 2, 7},
    {"\\a+", "baab", fwd, 1, cs, true, 2, 2},
    // classes
    {"[a-c]+", "AbC", fwd, 1, ci, true, 1, 3},
    {"[a-c]+", "AbC", fwd, 1, cs, true, 2, 1},
    {"[^a]", "aab", fwd, 1, cs, true, 3, 1},
    {"[^a]", "A", fwd, 1, ci, false, 0, 0},
    {"[a-cx-z]+", "mbyz", fwd, 1, cs, true, 2, 3},
    {"[a-c-e]+", "edcf", fwd, 1, cs, true, 1, 3},
    {"[c-ax]", "abx", fwd, 1, cs, true, 3, 1},
    {"[z-a]", "az", fwd, 1, cs, true, 2, 1},
    {"[\\]\\-]+", "a]-", fwd, 1, cs, true, 2, 2},
    {"[\\d]", "d", fwd, 1, cs, true, 1, 1},
    {"[\\d]", "\\", fwd, 1, cs, true, 1, 1},
    {"[.]", "a.", fwd, 1, cs, true, 2, 1},
    // case
    {"ABC", "xabc", fwd, 1, ci, true, 2, 3},
    {"abc", "ABC", fwd, 1, cs, false, 0, 0},
    {"\\a", "A", fwd, 1, ci, true, 1, 1},
    // candidate starts: forward from the start, backward down to the first
    {"a+", "aaaaaa", back, 5, cs, true, 5, 2},
    {"a+", "aaaaaa", back, 9, cs, true, 6, 1},
    {"ab", "abab", back, 4, cs, true, 3, 2},
    {"ab", "abab", back, 2, cs, true, 1, 2},
    {"ab", "abab", back, 0, cs, false, 0, 0},
    {"ab", "abab", fwd, 2, cs, true, 3, 2},
    {"ab", "abab", fwd, 4, cs, false, 0, 0},
    {"b", "ab", fwd, 5, cs, true, 2, 1},
    {"", "ab", fwd, 2, cs, true, 2, 0},
};

TEST(RegExprTest, MatchesOneLine) {
    for (const auto& c : matchCases) {
        SCOPED_TRACE(std::string(c.Pattern) + " in \"" + c.Text + "\" from " +
                     std::to_string(c.Start) + (c.Forward ? " forward" : " backward"));
        TRegExpr expr(U(c.Pattern), c.CaseSensitive);
        int position = c.Start, length = -1;
        EXPECT_EQ(expr.Match(U(c.Text), position, c.Forward, length), c.Found);
        EXPECT_EQ(position, c.Position);
        EXPECT_EQ(length, c.Length);
    }
}

TEST(RegExprTest, RejectsInvalidPatterns) {
    const struct {
        const char* Pattern;
        const char* Message;
    } cases[] = {
        {"*a", "*a is invalid mask at (1)"},
        {"+", "+ is invalid mask at (1)"},
        {"a**", "a** is invalid mask at (3)"},
        {"{a}*+", "{a}*+ is invalid mask at (5)"},
        {"^*", "^* is invalid mask at (2)"},
        {"x$+", "x$+ is invalid mask at (3)"},
        {"\\", "\\ is invalid mask at (1)"},
        {"ab\\", "ab\\ is invalid mask at (3)"},
        {"[]", "[] is invalid mask at (2)"},
        {"[^]", "[^] is invalid mask at (3)"},
        {"[abc", "[abc is invalid mask at (5)"},
        {"[a-", "[a- is invalid mask at (4)"},
        {"[\\]", "[\\] is invalid mask at (4)"},
        {"[-a]", "[-a] is invalid mask at (2)"},
        {"[^-a]", "[^-a] is invalid mask at (3)"},
        // unbalanced braces are reported at the end, after any other error
        {"{a", "{a is invalid mask at (3)"},
        {"{{a}", "{{a} is invalid mask at (5)"},
        {"a}", "a} is invalid mask at (3)"},
        {"}{", "}{ is invalid mask at (3)"},
        {"}a**", "}a** is invalid mask at (4)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        for (const bool caseSensitive : {true, false}) {
            try {
                TRegExpr expr(U(c.Pattern), caseSensitive);
                ADD_FAILURE() << "accepted";
            } catch (const TException& e) {
                EXPECT_EQ(e.Message(), U(c.Message));
            }
        }
    }
}

TEST(RegExprTest, KeepsMatchingAfterAFailedSearch) {
    TRegExpr expr(u"{a*b}+c", true);
    int position = 1, length = 0;
    EXPECT_FALSE(expr.Match(u"aababab", position, true, length));
    position = 1;
    EXPECT_TRUE(expr.Match(u"xabbc", position, true, length));
    EXPECT_EQ(position, 2);
    EXPECT_EQ(length, 4);
}

// Greek small letters to capitals, as a locale's mapping would fold them.
class TGreekCaseMapping final : public TCaseMapping {
public:
    std::u16string ToUpper(std::u16string_view text) const override {
        std::u16string result(text);
        for (auto& c : result)
            if (c >= u'\u03B1' && c <= u'\u03C9' && c != u'\u03C2')
                c -= 0x20;
        return result;
    }
    std::u16string ToLower(std::u16string_view text) const override { return std::u16string(text); }
};

class RegExprCaseTest : public ::testing::Test {
protected:
    void SetUp() override { SetCaseMapping(&FGreek); }
    void TearDown() override { SetCaseMapping(nullptr); }

    static int Find(const char16_t* pattern, const char16_t* text, bool caseSensitive) {
        TRegExpr expr(pattern, caseSensitive);
        int position = 1, length = 0;
        return expr.Match(text, position, true, length) ? position : 0;
    }

private:
    TGreekCaseMapping FGreek;
};

// Only a to z fold, in the pattern and in the line alike, whatever mapping
// the platform has installed.
TEST_F(RegExprCaseTest, FoldsOnlyAsciiLettersWhateverTheInstalledMapping) {
    EXPECT_EQ(Find(u"\u03B2+", u"x\u0392\u03B2", false), 3);
    EXPECT_EQ(Find(u"\u0392", u"x\u03B2\u0392", false), 3);
    EXPECT_EQ(Find(u"[\u03B1-\u03C9]", u"a\u03A3\u03C3", false), 3);
    EXPECT_EQ(Find(u"[^\u03B1-\u03C9]", u"\u03C3\u03A3", false), 2);
    EXPECT_EQ(Find(u"\u00E4", u"\u00C4\u00E4", false), 2);
    EXPECT_EQ(Find(u"\u00C4", u"\u00E4\u00C4", false), 2);
    EXPECT_EQ(Find(u"[\u00E0-\u00FE]", u"\u00C4\u00E4", false), 2);
    EXPECT_EQ(Find(u"\u00E9", u"x\u00E9", false), 2);
    // class members beyond the first 256 characters
    EXPECT_EQ(Find(u"[\u03B1\u03C9]", u"\u03B2\u03C9", true), 2);
    EXPECT_EQ(Find(u"Ab", u"xaB", false), 2);
}

// A million characters: every repetition is a resume point on the heap.
TEST(RegExprTest, MatchesAMillionCharacterLine) {
    const int n = 1'000'000;
    const std::u16string as(n, u'a');
    std::u16string abs;
    for (int i = 0; i < n / 2; ++i)
        abs += u"ab";
    const struct {
        const char16_t* Pattern;
        const std::u16string Text;
        bool CaseSensitive;
        int Position;
        int Length;
    } cases[] = {
        {u"a*", as, true, 1, n},
        {u"A+", as, false, 1, n},
        {u".*b", as + u"b", true, 1, n + 1},
        {u"{a*}*b", as + u"b", true, 1, n + 1},
        {u"{ab}+$", abs, true, 1, n},
        {u"[^b]*b", as + u"b", true, 1, n + 1},
    };
    for (const auto& c : cases) {
        TRegExpr expr(c.Pattern, c.CaseSensitive);
        int position = 1, length = 0;
        EXPECT_TRUE(expr.Match(c.Text, position, true, length))
            << ::testing::PrintToString(std::u16string(c.Pattern));
        EXPECT_EQ(position, c.Position) << ::testing::PrintToString(std::u16string(c.Pattern));
        EXPECT_EQ(length, c.Length) << ::testing::PrintToString(std::u16string(c.Pattern));
    }
}

} // namespace
} // namespace tessorin
