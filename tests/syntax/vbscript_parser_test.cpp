// VBScript colouring, line by line: each case is a line and the colour byte
// of every character, as hex digits.
#include <gtest/gtest.h>

#include "colour_strings.h"
#include "syntax/vbscript_parser.h"

namespace tessorin {
namespace {

using testing::Hex;
using testing::U;

std::string Colour(TVBScriptParser& parser, const std::u16string& line, int* endState = nullptr) {
    std::string colors;
    parser.PrepareColorData(0, line, colors);
    const int end = parser.ParseLine(line, 0, colors);
    if (endState)
        *endState = end;
    return colors;
}

TEST(VBScriptParser, ColoursLines) {
    struct Case {
        std::u16string line;
        const char* insensitive;
        const char* sensitive; // with CaseSensitive on
    } cases[] = {
        {u"If x Then", "660306666", "660306666"},
        {u"IF x THEN", "660306666", "330303333"},
        {u"if", "66", "33"},
        {u"end END End", "66606660666", "66603330333"},
        {u"Sub Main", "33303333", "33303333"},
        {u"Endif Endwhile Return", "666660666666660666666", "666660666666660666666"},
        {u"x = \"a\"\"b\"", "3070111111", "3070111111"},
        {u"s = \"abc", "30701111", "30701111"},
        {u"s = \"a\" & t", "30701110703", "30701110703"},
        {u"' If \"x", "2222222", "2222222"},
        {u"x = 1 ' c", "307040222", "307040222"},
        {u"Rem If x", "22222222", "22222222"},
        {u"x: REM y", "37022222", "37033303"},
        {u"rem", "222", "333"},
        {u"Remark Rem2", "33333303333", "33333303333"},
        {u"&HFF", "4444", "4444"},
        {u"&H1F", "4444", "4444"},
        {u"&h", "44", "44"},
        {u"&hfg", "4443", "4443"},
        {u"a & b", "30703", "30703"},
        {u"&O17", "7333", "7333"},
        {u"12", "44", "44"},
        {u"1.5", "555", "555"},
        {u"1.5E+3", "555555", "555555"},
        {u"1.5e3x", "555553", "555553"},
        {u"1.x", "473", "473"},
        {u"1E", "55", "55"},
        {u"1e-", "555", "555"},
        {u"2x", "43", "43"},
        {u"x_1(2)", "333747", "333747"},
        {u"\tx", "03", "03"},
        {u" \x01\x1f ", "0000", "0000"},
        {u"   ", "000", "000"},
        {u"a \xe9 \x4e00", "30707", "30707"},
        {std::u16string(u"a\0b c", 5), "30000", "30000"},
        {u"", "", ""},
    };
    for (const bool caseSensitive : {false, true}) {
        TVBScriptParser parser;
        parser.SetCaseSensitive(caseSensitive);
        for (const auto& c : cases) {
            int end = -1;
            const std::string colors = Colour(parser, c.line, &end);
            EXPECT_EQ(Hex(colors), caseSensitive ? c.sensitive : c.insensitive)
                << std::string(c.line.begin(), c.line.end()) << " case " << caseSensitive;
            EXPECT_EQ(end, 0); // no handler leaves state 0
        }
    }
}

TEST(VBScriptParser, UnterminatedStringsAreFlagged) {
    TVBScriptParser parser;
    Colour(parser, u"s = \"abc");
    EXPECT_TRUE(parser.Unterminated());
    Colour(parser, u"s = \"a\"\"\"");
    EXPECT_FALSE(parser.Unterminated());
    Colour(parser, u"s = \"a\"\"");
    EXPECT_TRUE(parser.Unterminated());
}

TEST(VBScriptParser, KnowsItsWordsAndRem) {
    TVBScriptParser parser;
    ASSERT_EQ(parser.ReservedWords().size(), 27u);
    EXPECT_EQ(parser.ReservedWords()[12], u"end");
    ASSERT_GE(parser.SpecialWordId(), 0);
    EXPECT_EQ(parser.WordList()[parser.SpecialWordId()], u"Rem");
}

TEST(VBScriptParser, WalksAScriptTokenByToken) {
    const std::vector<std::u16string> script = {u"If a Then ' why", u"", u"  b = &H1F"};
    TVBScriptParser parser;
    parser.SetStrings(&script);
    parser.SetEolIsToken(true);
    struct Seen {
        int token;
        std::u16string text;
        int x, y;
    };
    std::vector<Seen> seen;
    for (int t = parser.NextSignificantToken(); t != tcEnd; t = parser.NextSignificantToken())
        seen.push_back({t, parser.TokenString(), parser.GetTokenPos().X, parser.GetTokenPos().Y});
    const std::vector<Seen> expected = {
        {6, u"If", 1, 1}, {3, u"a", 4, 1}, {6, u"Then", 6, 1}, {12, u"", 1, 2}, {12, u"", 1, 3},
        {3, u"b", 3, 3},  {7, u"=", 5, 3}, {4, u"&H1F", 7, 3}, {12, u"", 1, 4},
    };
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].token, expected[i].token) << i;
        EXPECT_EQ(seen[i].text, expected[i].text) << i;
        EXPECT_EQ(seen[i].x, expected[i].x) << i;
        EXPECT_EQ(seen[i].y, expected[i].y) << i;
    }
}

} // namespace
} // namespace tessorin
