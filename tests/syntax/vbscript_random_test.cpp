// Arbitrary lines through the VBScript parser, alone, as a token stream and
// inside a text model: colour data always as long as the line, no crash.
#include <random>

#include <gtest/gtest.h>

#include "syntax/vbscript_parser.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

// Mostly the characters the handlers care about, some of anything.
std::u16string RandomLine(std::mt19937& rng) {
    static const std::u16string pieces[] = {
        u"Rem",   u"rem ",   u"'",
        u"\"",    u"\"\"",   u"&H",
        u"&h",    u"&",      u"1.5E+",
        u"E",     u"e",      u".",
        u"-",     u"+",      u"If",
        u"end",   u" ",      u"\t",
        u"x_",    u"9",      u"http://a.b?c=d",
        u"a@b.c", u"\r",     u"\n",
        u"\xff",  u"\x4e00", std::u16string(1, u'\0'),
    };
    std::u16string line;
    for (int n = rng() % 24; n > 0; --n) {
        if (rng() % 4 == 0)
            line.push_back(static_cast<char16_t>(rng() % 0x3000));
        else
            line += pieces[rng() % std::size(pieces)];
    }
    return line;
}

TEST(VBScriptRandom, ColourDataFitsEveryLine) {
    std::mt19937 rng(20240611);
    TVBScriptParser parser;
    for (int i = 0; i < 200000; ++i) {
        if (i % 50000 == 0)
            parser.SetCaseSensitive(!parser.CaseSensitive());
        const std::u16string line = RandomLine(rng);
        std::string colors;
        parser.PrepareColorData(i, line, colors);
        parser.SetLinePos(i);
        ASSERT_EQ(parser.ParseLine(line, 0, colors), 0);
        ASSERT_EQ(colors.size(), line.size());
        const size_t zero = line.find(u'\0');
        for (size_t k = 0; k < colors.size(); ++k) {
            ASSERT_LE(colors[k], 7) << i;
            if (k >= zero) {
                ASSERT_EQ(colors[k], 0) << i; // a 0 ends the line for the tokenizer
            }
        }
    }
}

TEST(VBScriptRandom, TokenStreamEnds) {
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::u16string> script;
        for (int n = rng() % 6; n > 0; --n)
            script.push_back(RandomLine(rng));
        TVBScriptParser parser;
        parser.SetStrings(&script);
        parser.SetEolIsToken(rng() % 2 == 0);
        int tokens = 0;
        while (parser.NextToken() != tcEnd) {
            if (parser.Token() != tcEol) {
                ASSERT_FALSE(parser.TokenString().empty());
            }
            ASSERT_LT(++tokens, 10000);
        }
    }
}

TEST(VBScriptRandom, EditedDocumentsStayAligned) {
    std::mt19937 rng(99);
    TVBScriptParser parser;
    TMemoSource m;
    m.SetSyntaxParser(&parser);
    m.SetHighlightUrls(true);
    std::u16string text;
    for (int i = 0; i < 300; ++i)
        text += RandomLine(rng) + u"\r\n";
    m.Lines().SetText(text);
    for (int step = 0; step < 5000; ++step) {
        const int line = static_cast<int>(rng() % (m.LineCount() + 1));
        m.SetCaret(static_cast<int>(rng() % 30), line);
        switch (rng() % 4) {
        case 0:
            m.InsertText(RandomLine(rng));
            break;
        case 1:
            m.DeleteChars(static_cast<int>(rng() % 8));
            break;
        case 2:
            m.Undo();
            break;
        default:
            m.SplitLine();
        }
        const int probe = static_cast<int>(rng() % (m.LineCount() + 1));
        if (const std::string* colors = m.GetLineColorData(probe)) {
            ASSERT_EQ(colors->size(), m.LineText(probe).size()) << step;
        }
    }
}

} // namespace
} // namespace tessorin
