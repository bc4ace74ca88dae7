// The tokenizer framework: word tables, the handler library, the token
// stack, errors, the colour-data hook, and parsers attached to text models.
#include <gtest/gtest.h>

#include "colour_strings.h"
#include "syntax/vbscript_parser.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

using testing::Hex;
using testing::U;

// A C-like language built from the handler library: "/* */" comments that
// span lines in state 2, backslash strings, and "//" comments.
class TBlockCommentParser final : public TCustomDCParser {
public:
    TBlockCommentParser() {
        SetReservedWords({u"while", u" Alpha ", u"ALPHA", u"", u"beta"});
        InitHandlers();
        AddHandler(CharRange(u'a', u'z') | CharRange(u'A', u'Z'),
                   &TBlockCommentParser::ReadIdentifier);
        AddHandler(CharRange(u'0', u'9'), &TBlockCommentParser::ReadNumber);
        AddHandler(Chars(u"\"'"), &TBlockCommentParser::ReadBackslashString);
        AddHandler(Chars(u"/"), &TBlockCommentParser::ReadSlash);
        AddStateHandler({2}, CharRange(1, 255), &TBlockCommentParser::ReadCommentRest);
    }

private:
    int ReadSlash() {
        if (FScan[1] == u'/')
            return ReadRestOfLine();
        if (FScan[1] != u'*')
            return ReadDelimiter();
        FScan += 2;
        return ReadBlockCommentRest(u'/');
    }
    int ReadCommentRest() { return ReadBlockCommentRest(u'/'); }
};

std::string Colour(TCustomDCParser& parser, const std::u16string& line, int state, int& end) {
    std::string colors;
    parser.PrepareColorData(0, line, colors);
    end = parser.ParseLine(line, state, colors);
    return colors;
}

TEST(DCParser, HandlerLibrary) {
    struct Case {
        std::u16string line;
        int state;
        const char* colors;
        int end;
    } cases[] = {
        {u"a /* b */ c", 0, "30222222203", 0},
        {u"a /* b", 0, "302222", 2},
        {u"still */ x", 2, "2222222203", 0},
        {u"still", 2, "22222", 2},
        {u"**/", 2, "222", 0},
        {u"", 2, "", 2}, // an empty line passes its state through
        {u"x // y */", 0, "302222222", 0},
        {u"\"a\\\"b\" c", 0, "11111103", 0},
        {u"\"a\\\\\"b", 0, "111113", 0},
        {u"'it\\'s", 0, "111111", 0},
        {u"a\r\nb", 0, "3003", 0},
        {u"while While", 0, "66666066666", 0},
    };
    TBlockCommentParser parser;
    for (const auto& c : cases) {
        int end = -1;
        EXPECT_EQ(Hex(Colour(parser, c.line, c.state, end)), c.colors)
            << std::string(c.line.begin(), c.line.end());
        EXPECT_EQ(end, c.end) << std::string(c.line.begin(), c.line.end());
    }
}

TEST(DCParser, WordTables) {
    TBlockCommentParser parser;
    // Trimmed, sorted, empty entries dropped, the first of equal words kept.
    EXPECT_EQ(parser.WordList(), (std::vector<std::u16string>{u"Alpha", u"beta", u"while"}));
    struct Case {
        const char16_t* word;
        bool insensitive, sensitive;
    } cases[] = {
        {u"alpha", true, false}, {u"Alpha", true, true}, {u"ALPHA", true, false},
        {u"BETA", true, false},  {u"beta", true, true},  {u"alph", false, false},
        {u"", false, false},
    };
    for (const bool sensitive : {false, true}) {
        parser.SetCaseSensitive(sensitive);
        for (const auto& c : cases) {
            EXPECT_EQ(parser.IsReservedWord(c.word), sensitive ? c.sensitive : c.insensitive)
                << std::string(c.word, c.word + std::char_traits<char16_t>::length(c.word));
        }
    }
    // Found, even where the case then decides against it.
    EXPECT_FALSE(parser.IsReservedWord(u"BETA"));
    EXPECT_EQ(parser.WordId(), 1);
}

TEST(DCParser, WordHash) {
    // h = length - 1; per character (folded to upper case) h = (h xor c) * 2.
    EXPECT_EQ(TReservedWordTable::Bucket(u"If"), 214);
    EXPECT_EQ(TReservedWordTable::Bucket(u"iF"), 214);
    EXPECT_EQ(TReservedWordTable::Bucket(u"A"), 65);
    // The rule step by step, for every length up to past the 32 bits of h.
    std::u16string word;
    for (int length = 0; length <= 40; ++length) {
        std::uint32_t h = static_cast<std::uint32_t>(word.size()) - 1;
        for (char16_t c : word)
            h = (h ^ (c >= u'a' && c <= u'z' ? c - 32 : c)) * 2;
        EXPECT_EQ(TReservedWordTable::Bucket(word), static_cast<int>((h >> 1) & 255)) << length;
        word.push_back(u"aZ_9x\xe9"[length % 6]);
    }
}

TEST(DCParser, GetColorDataHookReplacesTheTokenizer) {
    struct Case {
        const char* name;
        std::function<void(std::string&)> hook;
        const char* colors;
    } cases[] = {
        {"unchanged", [](std::string&) {}, "\xff\xff\xff\xff"},
        {"shorter", [](std::string& c) { c.assign(1, '\x02'); }, "\x02\xff\xff\xff"},
        {"longer", [](std::string& c) { c = "\x01\x02\x03\x04\x05\x06"; }, "\x01\x02\x03\x04"},
    };
    for (const auto& c : cases) {
        TVBScriptParser parser;
        int token = 0;
        std::u16string text;
        parser.OnGetColorData = [&](TComponent&, int t, const std::u16string& s,
                                    std::string& colors) {
            token = t;
            text = s;
            c.hook(colors);
        };
        int end = -1;
        EXPECT_EQ(Colour(parser, u"If x", 0, end), c.colors) << c.name;
        EXPECT_EQ(token, -1);
        EXPECT_EQ(text, u"If x");
    }
}

TEST(DCParser, TokenStackAndErrors) {
    const std::vector<std::u16string> script = {u"If a", u"  Then b"};
    TVBScriptParser parser;
    try {
        parser.PopState();
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), u"Token list is empty at Line:1, Char:1. ");
    }
    try {
        parser.NextToken();
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), u"Strings are not specified at Line:1, Char:1. ");
    }
    parser.SetStrings(&script);
    parser.NextToken(); // If
    parser.NextToken(); // a
    // Looking ahead over a line end comes back to the same token.
    EXPECT_EQ(parser.PeekTokenString(), u"Then");
    EXPECT_EQ(parser.TokenString(), u"a");
    EXPECT_EQ(parser.PushState(), 0);
    parser.NextToken();
    parser.NextToken();
    EXPECT_EQ(parser.TokenString(), u"b");
    parser.PopState();
    EXPECT_EQ(parser.TokenString(), u"a");
    ASSERT_TRUE(parser.SkipToWord(parser.WordIndex(u"then")));
    try {
        parser.TokenError(u"Expected name");
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), u"Expected name at Line:2, Char:3. ");
    }
    EXPECT_FALSE(parser.SkipToWord(parser.WordIndex(u"If")));
    EXPECT_TRUE(parser.AtEnd());
}

TEST(DCParser, RuleChangesRecolourAttachedTextModels) {
    auto parser = std::make_unique<TVBScriptParser>();
    TMemoSource m;
    m.Lines().SetText(u"IF x\r\n");
    m.SetSyntaxParser(parser.get());
    EXPECT_EQ(Hex(*m.GetLineColorData(0)), "6603");
    int heard = 0;
    TComponent view;
    m.AttachView(
        [&](TCustomMemoSource& s, int, int) {
            if (s.UpdateStates().Contains(msParserChanged))
                ++heard;
        },
        &view, false);
    parser->SetCaseSensitive(true);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(m.FirstUnparsedLine(), 0);
    EXPECT_EQ(Hex(*m.GetLineColorData(0)), "3303");
    parser.reset();
    EXPECT_EQ(m.SyntaxParser(), nullptr);
    EXPECT_EQ(heard, 2);
}

TEST(DCParser, TextModelGoesBeforeItsParser) {
    TVBScriptParser parser;
    auto m = std::make_unique<TMemoSource>();
    m->SetSyntaxParser(&parser);
    m.reset();
    parser.SetCaseSensitive(true); // must not reach the memo source that is gone
}

TEST(DCParser, OpeningAndClosingACommentRecoloursTheLinesBelow) {
    TBlockCommentParser parser;
    TMemoSource m;
    std::u16string text;
    for (int i = 0; i < 12; ++i)
        text += u"x y\r\n";
    m.Lines().SetText(text);
    m.SetSyntaxParser(&parser);
    auto colourAll = [&] {
        // What a view does before it repaints.
        m.ColorLines(m.FirstUnparsedLine(), m.LineCount() - 1);
        std::vector<std::string> all;
        for (int i = 0; i < m.LineCount(); ++i)
            all.push_back(Hex(*m.GetLineColorData(i)));
        return all;
    };
    colourAll();
    m.SetCaret(3, 5);
    m.InsertText(u" /*");
    auto colours = colourAll();
    EXPECT_EQ(colours[5], "303022");
    for (int i = 6; i < 12; ++i)
        EXPECT_EQ(colours[i], "222") << i;
    m.SetCaret(3, 7);
    m.InsertText(u"*/");
    colours = colourAll();
    EXPECT_EQ(colours[7], "22222");
    for (int i = 8; i < 12; ++i)
        EXPECT_EQ(colours[i], "303") << i;
    EXPECT_EQ(colours[4], "303");
}

} // namespace
} // namespace tessorin
