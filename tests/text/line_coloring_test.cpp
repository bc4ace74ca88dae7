// Lazy and incremental colouring: which lines get parsed, when, and what a
// view is told to repaint; URL marking and its undo records.
#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::Load;

std::string Hex(const std::string& colors) {
    std::string s;
    for (unsigned char b : colors)
        s.push_back("0123456789abcdef"[b & 15]);
    return s;
}

// "{" opens a comment that may run over several lines (state 1) up to "}".
// Comment characters are 2, blanks 0, everything else 3.
class TBraceParser final : public TLineParser {
public:
    std::vector<int> Parsed; // line indexes, in parsing order

    void SetLinePos(int line) override { FLine = line; }
    void PrepareColorData(int, const std::u16string& text, std::string& colors) override {
        colors.assign(text.size(), '\0');
    }
    int ParseLine(const std::u16string& text, int state, std::string& colors) override {
        Parsed.push_back(FLine);
        for (size_t i = 0; i < text.size(); ++i) {
            const bool comment = state == 1 || text[i] == u'{';
            colors[i] = comment ? 2 : (text[i] == u' ' ? 0 : 3);
            if (text[i] == u'{')
                state = 1;
            else if (text[i] == u'}')
                state = 0;
        }
        return state;
    }
    void RegisterClient(TComponent*, TRulesChangedEvent changed) override {
        FChanged = std::move(changed);
    }
    void UnregisterClient(TComponent*) override { FChanged = nullptr; }
    void ChangeRules() { FChanged(); }

private:
    int FLine = -1;
    TRulesChangedEvent FChanged;
};

struct TRepaint {
    int First, Last;
};

// A document of `lines` lines "a b", coloured through, with a view that runs
// the driver over each changed range as a painting view does.
struct TColouredDoc {
    TMemoSource M;
    TBraceParser Parser;
    TComponent View;
    std::vector<TRepaint> Repaints;

    explicit TColouredDoc(int lines) {
        std::u16string text;
        for (int i = 0; i < lines; ++i)
            text += u"a b\r\n";
        M.Lines().SetText(text);
        M.SetSyntaxParser(&Parser);
        M.ColorLines(0, lines - 1);
        M.AttachView(
            [this](TCustomMemoSource& s, int first, int last) {
                s.ColorLines(s.FirstUnparsedLine(), std::min(last, s.LineCount() - 1));
                Repaints.push_back(
                    {first, std::max(last == INT_MAX ? first : last, s.ColorsChangedThrough())});
            },
            &View, false);
        Parser.Parsed.clear();
    }
    void Edit(int line, int column, const char16_t* text) {
        M.SetCaret(column, line);
        Parser.Parsed.clear();
        Repaints.clear();
        M.InsertText(text);
    }
};

TEST(LineColoring, ParsesLazilyAheadInBlocks) {
    TMemoSource m;
    TBraceParser parser;
    std::u16string text;
    for (int i = 0; i < 300; ++i)
        text += u"x\r\n";
    m.Lines().SetText(text);
    m.SetSyntaxParser(&parser);
    EXPECT_TRUE(parser.Parsed.empty());
    EXPECT_EQ(Hex(*m.GetLineColorData(3)), "3");
    EXPECT_EQ(parser.Parsed.size(), 104u); // lines 0 to 103
    EXPECT_EQ(m.FirstUnparsedLine(), 104);
    m.GetLineColorData(50);
    m.GetLineColorData(103);
    EXPECT_EQ(parser.Parsed.size(), 104u);
    m.GetLineColorData(104);
    EXPECT_EQ(parser.Parsed.back(), 204);
    m.GetLineColorData(280);
    EXPECT_EQ(parser.Parsed.back(), 299); // clipped at the last line
    EXPECT_EQ(m.GetLineColorData(300), nullptr);
}

TEST(LineColoring, EditsRecolourExactlyTheLinesTheyShould) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char16_t*>> setup; // edits before
        int line;
        const char16_t* insert;  // at column 0
        std::vector<int> parsed; // by the edit and the view's run
        TRepaint repaint;        // as the view is told
    } cases[] = {
        {"same end state", {}, 4, u"c", {4}, {4, 4}},
        {"comment opened and closed further down", {{8, u"}"}}, 4, u"{", {4, 5, 6, 7, 8}, {4, 8}},
        {"comment opened to the end", {}, 7, u"{", {7, 8, 9}, {7, 10}},
        {"comment closed early", {{3, u"{"}, {6, u"}"}}, 4, u"}", {4, 5, 6}, {4, 6}},
        {"edit inside an open comment", {{3, u"{"}}, 5, u"x", {5}, {5, 5}},
    };
    for (const auto& c : cases) {
        TColouredDoc doc(10);
        for (const auto& [line, text] : c.setup)
            doc.Edit(line, 0, text);
        doc.Edit(c.line, 0, c.insert);
        EXPECT_EQ(doc.Parser.Parsed, c.parsed) << c.name;
        ASSERT_EQ(doc.Repaints.size(), 1u) << c.name;
        EXPECT_EQ(doc.Repaints[0].First, c.repaint.First) << c.name;
        EXPECT_EQ(doc.Repaints[0].Last, c.repaint.Last) << c.name;
        // Whatever was parsed, every line now has the colours a full pass gives.
        TBraceParser fresh;
        int state = 0;
        for (int i = 0; i < doc.M.LineCount(); ++i) {
            std::string expected;
            fresh.PrepareColorData(i, doc.M.LineText(i), expected);
            fresh.SetLinePos(i);
            state = fresh.ParseLine(doc.M.LineText(i), state, expected);
            EXPECT_EQ(Hex(*doc.M.GetLineColorData(i)), Hex(expected)) << c.name << " " << i;
        }
    }
}

TEST(LineColoring, UndoRecoloursTheLinesBelow) {
    TColouredDoc doc(6);
    doc.Edit(2, 0, u"{");
    EXPECT_EQ(Hex(*doc.M.GetLineColorData(5)), "222");
    doc.Parser.Parsed.clear();
    doc.M.Undo();
    EXPECT_EQ(doc.Parser.Parsed, (std::vector<int>{2, 3, 4, 5}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Hex(*doc.M.GetLineColorData(i)), "303") << i;
}

TEST(LineColoring, LinesAfterTheWatermarkCatchUpWhenRead) {
    // Without a view nobody runs the driver after an edit: reading a line
    // below must still give colours that follow from the lines above.
    TColouredDoc doc(5);
    doc.M.DetachView(&doc.View);
    doc.Edit(1, 0, u"{");
    EXPECT_EQ(Hex(*doc.M.GetLineColorData(3)), "222");
    EXPECT_EQ(Hex(*doc.M.GetLineColorData(0)), "303");
}

TEST(LineColoring, EmptyLinesPassTheirStateThrough) {
    TMemoSource m;
    TBraceParser parser;
    Load(m, {"{", "", "x"});
    m.SetSyntaxParser(&parser);
    EXPECT_EQ(*m.GetLineColorData(1), "");
    EXPECT_EQ(m.LineItem(1)->StartState, 1);
    EXPECT_EQ(m.LineItem(1)->EndState, 1);
    EXPECT_EQ(Hex(*m.GetLineColorData(2)), "2");
}

TEST(LineColoring, RuleChangesAndUrlSwitchStartAgain) {
    TColouredDoc doc(4);
    doc.Repaints.clear();
    doc.Parser.ChangeRules();
    ASSERT_EQ(doc.Repaints.size(), 1u);
    EXPECT_EQ(doc.Repaints[0].First, 0);
    EXPECT_EQ(doc.Parser.Parsed, (std::vector<int>{0, 1, 2, 3}));
    doc.Parser.Parsed.clear();
    doc.M.SetHighlightUrls(true);
    EXPECT_EQ(doc.Parser.Parsed, (std::vector<int>{0, 1, 2, 3}));
    doc.Parser.Parsed.clear();
    doc.M.SetHighlightUrls(true); // unchanged: nothing
    EXPECT_TRUE(doc.Parser.Parsed.empty());
}

TEST(LineColoring, UrlsAreMarked) {
    struct Case {
        const char* line;
        const char* colors; // without a parser
    } cases[] = {
        {"see http://a.b/c?x=1 now", "0000cccccccccccccccc0000"},
        {"WwW.x.org", "ccccccccc"},
        {"ftp://h gopher://h", "ccccccc0cccccccccc"},
        {"mailto:me x", "ccccccccc00"},
        {"me@host.org.", "cccccccccccc"},
        {"me@host", "0000000"},
        {"me@.org", "0000000"},
        {"a@b@c.d", "0000000"},
        {"x.www.y", "0000000"},
        {"(www.a)", "0ccccc0"},
        {"", ""},
    };
    for (const auto& c : cases) {
        TMemoSource m;
        Load(m, {c.line});
        m.SetHighlightUrls(true);
        const std::string* colors = m.GetLineColorData(0);
        EXPECT_EQ(colors ? Hex(*colors) : "", c.colors) << c.line;
    }
}

TEST(LineColoring, NothingColoursWithoutParserOrUrls) {
    TMemoSource m;
    Load(m, {"www.a.b"});
    EXPECT_EQ(*m.GetLineColorData(0), "");
    EXPECT_FALSE(m.LineItem(0)->HasFlag(lfParsed));
}

TEST(LineColoring, UrlMarksOfAnEditAreUndoable) {
    TMemoSource m;
    TBraceParser parser;
    Load(m, {"{ ww.a.bc"});
    m.SetSyntaxParser(&parser);
    m.SetHighlightUrls(true);
    m.ColorLines(0, 0);
    EXPECT_TRUE(m.UndoList().Empty()); // colouring alone is no edit
    m.SetCaret(2, 0);
    m.TypeChar(u'w');
    EXPECT_EQ(Hex(*m.GetLineColorData(0)), "22cccccccc");
    const TUndoRecord& r = m.UndoList().Top();
    EXPECT_EQ(r.Kind, TUndoKind::ukColor);
    EXPECT_EQ(r.A, 0);
    EXPECT_EQ(r.B, 3);
    EXPECT_EQ(Hex(r.Colors), "22222222");
    m.Undo();
    EXPECT_EQ(m.LineText(0), u"{ ww.a.bc");
    EXPECT_EQ(Hex(*m.GetLineColorData(0)), "222222222");
    m.Redo();
    EXPECT_EQ(Hex(*m.GetLineColorData(0)), "22cccccccc");
}

} // namespace
} // namespace tessorin
