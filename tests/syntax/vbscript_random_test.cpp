// Arbitrary lines through the VBScript parser, alone, as a token stream and
// inside a text model: colour data always as long as the line, no crash.
#include <algorithm>
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

// The colouring rules written out plainly, one character class after the
// other, to hold the table-driven tokenizer to them.
class TReferenceColouring {
public:
    TReferenceColouring(const std::u16string& line, bool caseSensitive)
        : FLine(line.substr(0, line.find(u'\0'))), FCaseSensitive(caseSensitive),
          FColors(line.size(), '\0') {}

    std::string Run() {
        while (FAt < FLine.size())
            Step();
        return FColors;
    }

private:
    static bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
    static bool IsLetter(char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    }
    static bool IsHex(char16_t c) {
        return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    }
    static char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; }
    static bool SameLetters(std::u16string_view a, std::u16string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
    }

    char16_t At(size_t i) const { return i < FLine.size() ? FLine[i] : u'\0'; }
    void Take(size_t end, int token) {
        std::fill(FColors.begin() + FAt, FColors.begin() + end, static_cast<char>(token));
        FAt = end;
    }
    size_t RestOfLine(size_t from) const {
        while (At(from) >= u' ' || At(from) == u'\t')
            ++from;
        return from;
    }
    size_t Digits(size_t from) const {
        while (IsDigit(At(from)))
            ++from;
        return from;
    }

    void Step() {
        const char16_t c = FLine[FAt];
        if (IsLetter(c))
            Word();
        else if (IsDigit(c))
            Number();
        else if (c == u'"')
            String();
        else if (c == u'\'')
            Take(RestOfLine(FAt), tcComment);
        else if (c == u'&')
            Ampersand();
        else if (c == u'\r' || c == u'\n')
            FAt += At(FAt + 1) == (c == u'\r' ? u'\n' : u'\r') ? 2 : 1;
        else if (c > u' ')
            Take(FAt + 1, tcDelimiter);
        else
            ++FAt;
    }

    void Word() {
        size_t end = FAt + 1;
        while (IsLetter(At(end)) || IsDigit(At(end)))
            ++end;
        const std::u16string_view word(FLine.data() + FAt, end - FAt);
        static const char16_t* const reserved[] = {
            u"And",   u"For",   u"Function", u"If",       u"Then",  u"Else",    u"Mod",
            u"Next",  u"Not",   u"Or",       u"While",    u"Rem",   u"end",     u"To",
            u"With",  u"Endif", u"Local",    u"Endwhile", u"Goto",  u"Endfunc", u"Step",
            u"Break", u"Gosub", u"Repeat",   u"Continue", u"Until", u"Return"};
        const char16_t* const* found =
            std::find_if(std::begin(reserved), std::end(reserved),
                         [&](const char16_t* r) { return SameLetters(word, r); });
        const bool isReserved = found != std::end(reserved) && (!FCaseSensitive || word == *found);
        if (isReserved && SameLetters(word, u"REM"))
            Take(RestOfLine(end), tcComment);
        else
            Take(end, isReserved ? tcReserved : tcIdentifier);
    }

    void Number() {
        size_t end = Digits(FAt + 1);
        bool real = false;
        if (At(end) == u'.' && IsDigit(At(end + 1))) {
            end = Digits(end + 1);
            real = true;
        }
        if (At(end) == u'E' || At(end) == u'e') {
            ++end;
            if (At(end) == u'+' || At(end) == u'-')
                ++end;
            end = Digits(end);
            real = true;
        }
        Take(end, real ? tcFloat : tcInteger);
    }

    void String() {
        size_t end = FAt;
        bool closed;
        do {
            ++end;
            while (At(end) != u'"' && (At(end) >= u' ' || At(end) == u'\t'))
                ++end;
            closed = At(end) == u'"';
            if (closed)
                ++end;
        } while (closed && At(end) == u'"');
        Take(end, tcString);
    }

    void Ampersand() {
        if (Upper(At(FAt + 1)) != u'H')
            return Take(FAt + 1, tcDelimiter);
        size_t end = FAt + 2;
        while (IsHex(At(end)))
            ++end;
        Take(end, tcInteger);
    }

    std::u16string FLine;
    bool FCaseSensitive;
    std::string FColors;
    size_t FAt = 0;
};

TEST(VBScriptRandom, ColoursAsTheRulesSay) {
    std::mt19937 rng(31337);
    for (const bool caseSensitive : {false, true}) {
        TVBScriptParser parser;
        parser.SetCaseSensitive(caseSensitive);
        std::string colors;
        for (int i = 0; i < 100000; ++i) {
            const std::u16string line = RandomLine(rng);
            parser.PrepareColorData(i, line, colors);
            parser.ParseLine(line, 0, colors);
            ASSERT_EQ(colors, TReferenceColouring(line, caseSensitive).Run())
                << i << ": " << std::string(line.begin(), line.end());
        }
    }
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
