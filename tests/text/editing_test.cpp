#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::L;
using testing::LinesOf;
using testing::Load;

TStringsOptions With(TStringsOptions o, std::initializer_list<TStringsOption> on,
                     std::initializer_list<TStringsOption> off = {}) {
    for (auto x : on)
        o.Include(x);
    for (auto x : off)
        o.Exclude(x);
    return o;
}

TEST(Primitives, InsertTextPadsPastTheLineEnd) {
    TMemoSource m;
    Load(m, {"ab"});
    m.SetCaret(5, 0);
    EXPECT_TRUE(m.InsertText(u"x"));
    EXPECT_EQ(LinesOf(m), L({"ab   x"}));
    EXPECT_EQ(m.CaretChar(), 5);
    EXPECT_FALSE(m.InsertText(u""));
}

TEST(Primitives, InsertInsideATabKeepsColumns) {
    TMemoSource m;
    m.SetOptions(With(m.Options(), {soUseTabCharacter}));
    m.Lines().SetText(u"\tb");
    m.SetCaret(3, 0);
    m.InsertText(u"x");
    EXPECT_EQ(m.Lines().Get(0), u"   x     b"); // b stays at column 9
    m.Undo();
    EXPECT_EQ(m.LineText(0), u"\tb");
}

TEST(Primitives, ColourBytesStayAlignedWithTheText) {
    TMemoSource m;
    Load(m, {"ab", "cd"});
    m.LineItem(0)->ColorData = "\x03\x04";
    m.LineItem(1)->ColorData = "\x05\x06";
    m.SetCaret(1, 0);
    m.InsertText(u"xy"); // typed text takes the style at the caret
    EXPECT_EQ(m.LineItem(0)->ColorData, "\x03\x04\x04\x04");
    const std::string given = "\x07";
    m.InsertText(u"zz", &given); // given colours are padded with 0
    EXPECT_EQ(m.LineItem(0)->ColorData, std::string("\x03\x07\x00\x04\x04\x04", 6));
    m.SetCaret(7, 0);
    m.JoinLines(); // padding takes the last colour
    EXPECT_EQ(m.LineItem(0)->ColorData, std::string("\x03\x07\x00\x04\x04\x04\x04\x05\x06", 9));
    m.LineItem(0)->ColorData = "\x01"; // stale colours are dropped, never misread
    m.InsertText(u"q");
    EXPECT_EQ(m.LineItem(0)->ColorData, "");
}

TEST(Primitives, JoinOnlyAtOrAfterTheLineEnd) {
    TMemoSource m;
    Load(m, {"abc", "def"});
    m.SetCaret(1, 0);
    m.JoinLines();
    EXPECT_EQ(LinesOf(m), L({"abc", "def"}));
    m.SetCaret(5, 0);
    m.JoinLines();
    EXPECT_EQ(LinesOf(m), L({"abc  def"}));
}

TEST(Primitives, SplitCarriesAttributesDownAtColumnZero) {
    TMemoSource m;
    Load(m, {"abc"});
    m.LineItem(0)->LineStyle = 3;
    m.LineItem(0)->GutterImages = 5;
    m.LineItem(0)->LineTag = u"tag";
    m.SplitLine();
    EXPECT_EQ(LinesOf(m), L({"", "abc"}));
    EXPECT_EQ(m.LineItem(0)->LineStyle, 0);
    EXPECT_EQ(m.LineItem(1)->LineStyle, 3);
    EXPECT_EQ(m.LineItem(1)->GutterImages, 5);
    EXPECT_EQ(m.LineItem(1)->LineTag, u"tag");
}

TEST(Primitives, DeletingTheLastCharacterEmptiesTheDocument) {
    TMemoSource m;
    Load(m, {"x"});
    m.DeleteChars(INT_MAX);
    EXPECT_EQ(m.LineCount(), 0);
    m.DeleteChars(0);
    m.DeleteChars(1); // nothing left to delete
    EXPECT_EQ(m.LineCount(), 0);
}

TEST(Primitives, PositionAdjustmentFollowsEachEditKind) {
    TMemoSource m;
    Load(m, {"abcdef", "ghij"});
    TPosition* at = m.AddTempPosition(4, 0);
    TPosition* below = m.AddTempPosition(2, 1);
    m.SetCaret(2, 0);
    m.InsertText(u"xy");
    EXPECT_EQ(*at, TPosition(6, 0));
    m.DeleteChars(3); // deletes "xyc"
    EXPECT_EQ(*at, TPosition(3, 0));
    m.SplitLine();
    EXPECT_EQ(*at, TPosition(1, 1));
    EXPECT_EQ(*below, TPosition(2, 2));
    m.JoinLines();
    EXPECT_EQ(*at, TPosition(3, 0));
    EXPECT_EQ(*below, TPosition(2, 1));
}

TEST(Commands, EnterWithAutoIndent) {
    struct Case {
        int column;
        std::vector<std::u16string> lines;
        int caretChar;
    } cases[] = {
        {7, L({"    foo", "    "}), 4}, // at the end: indent like the line
        {2, L({"", "    foo"}), 2},     // inside the blanks: keep the column
        {0, L({"", "    foo"}), 0},     // at column 0 of an indented line
    };
    for (const auto& c : cases) {
        TMemoSource m;
        m.SetKeepTrailingBlanks(true); // the new line's indent stays visible
        Load(m, {"    foo"});
        m.SetCaret(c.column, 0);
        m.NewLine();
        EXPECT_EQ(LinesOf(m), c.lines) << c.column;
        EXPECT_EQ(m.CaretLine(), 1);
        EXPECT_EQ(m.CaretChar(), c.caretChar) << c.column;
    }
}

TEST(Commands, EnterWithOptimalFillUsesTabs) {
    TMemoSource m;
    m.SetOptions(With(m.Options(), {soUseTabCharacter, soOptimalFill}));
    m.SetTabStops(u"4");
    m.SetKeepTrailingBlanks(true);
    m.Lines().SetText(u"      x"); // indent 6
    m.SetCaret(7, 0);
    m.NewLine();
    EXPECT_EQ(m.LineText(1), u"\t  ");
    EXPECT_EQ(m.CaretChar(), 6);
}

TEST(Commands, BackspaceUnindentsToAnEarlierIndent) {
    TMemoSource m;
    Load(m, {"  y", "    x"});
    m.SetCaret(4, 1);
    m.Backspace();
    EXPECT_EQ(LinesOf(m), L({"  y", "  x"}));
    EXPECT_EQ(m.CaretChar(), 2);
    m.Backspace(); // to line 0's indentation: column 0
    EXPECT_EQ(LinesOf(m), L({"  y", "x"}));
    EXPECT_EQ(m.CaretChar(), 0);
}

TEST(Commands, BackspaceCases) {
    TMemoSource m;
    Load(m, {"ab", "cd"});
    m.Backspace(); // column 0 of line 0
    EXPECT_EQ(LinesOf(m), L({"ab", "cd"}));
    m.SetCaret(0, 1);
    m.Backspace(); // joins with the line above
    EXPECT_EQ(LinesOf(m), L({"abcd"}));
    EXPECT_EQ(m.CaretChar(), 2);
    m.SetCaret(7, 0);
    m.Backspace(); // beyond the end: only the caret moves
    EXPECT_EQ(LinesOf(m), L({"abcd"}));
    EXPECT_EQ(m.CaretChar(), 6);
    m.SetCaret(3, 0);
    m.Backspace();
    EXPECT_EQ(LinesOf(m), L({"abd"}));
}

TEST(Commands, DeleteCharJoinsAtTheLineEnd) {
    TMemoSource m;
    Load(m, {"ab", "cd"});
    m.SetCaret(1, 0);
    m.DeleteChar();
    EXPECT_EQ(LinesOf(m), L({"a", "cd"}));
    m.DeleteChar();
    EXPECT_EQ(LinesOf(m), L({"acd"}));
}

TEST(Commands, DeleteLine) {
    TMemoSource m;
    Load(m, {"a", "b", "c"});
    m.SetCaret(1, 1);
    m.DeleteLine();
    EXPECT_EQ(LinesOf(m), L({"a", "c"}));
    m.SetCaret(0, 1);
    m.DeleteLine(); // the last line is emptied
    EXPECT_EQ(LinesOf(m), L({"a", ""}));
    TMemoSource one;
    Load(one, {"only"});
    one.DeleteLine();
    EXPECT_EQ(one.LineCount(), 0);
}

TEST(Commands, DeleteSelection) {
    struct Case {
        TSelectionType type;
        TRect rect;
        std::vector<std::u16string> result;
        TPosition caret;
    } cases[] = {
        {stStreamSel, {2, 0, 3, 2}, L({"ablmn"}), TPosition(2, 0)},
        {stStreamSel, {1, 1, 3, 1}, L({"abcdef", "gj", "ijklmn"}), TPosition(1, 1)},
        // A column selection does not carry the caret along.
        {stBlockSel, {1, 0, 2, 2}, L({"adef", "gj", "ilmn"}), TPosition(2, 2)},
    };
    for (const auto& c : cases) {
        TMemoSource m;
        Load(m, {"abcdef", "ghij", "ijklmn"});
        m.SetCaret(c.rect.Right, c.rect.Bottom);
        m.SetSelection(c.type, c.rect.Left, c.rect.Top, c.rect.Right, c.rect.Bottom);
        m.DeleteSelection();
        EXPECT_EQ(LinesOf(m), c.result);
        EXPECT_EQ(m.Caret(), c.caret);
        EXPECT_EQ(m.SelectionType(), stNotSelected);
    }
}

TEST(Commands, TypingReplacesASelectionWithOverwriteBlocks) {
    TMemoSource m;
    Load(m, {"abcdef"});
    m.SetCaret(1, 0);
    m.SelectRight();
    m.SelectRight();
    m.TypeChar(u'X');
    EXPECT_EQ(LinesOf(m), L({"aXdef"}));
    EXPECT_EQ(m.CaretChar(), 2);
}

TEST(Commands, OverwriteModeReplacesTheCharacter) {
    TMemoSource m;
    Load(m, {"abc"});
    m.ToggleInsertMode();
    m.TypeChar(u'X');
    m.ToggleInsertMode();
    EXPECT_TRUE(TCustomMemoSource::InsertMode());
    EXPECT_EQ(LinesOf(m), L({"Xbc"}));
}

TEST(Commands, TabMovesToTheNextStopOrTheSmartTarget) {
    TMemoSource m;
    m.SetTabStops(u"2,4,6,8,10,12");
    Load(m, {"if x then   y", ""});
    m.SetCaret(0, 1);
    m.TabKey(); // smart: next word start on the line above
    EXPECT_EQ(m.CaretChar(), 3);
    m.TabKey();
    EXPECT_EQ(m.CaretChar(), 5);
    m.TabKey();
    EXPECT_EQ(m.CaretChar(), 12);
    EXPECT_EQ(m.LineText(1), std::u16string(12, u' '));
    m.SetOptions(With(m.Options(), {}, {soSmartTab}));
    m.TabKey();
    EXPECT_EQ(m.CaretChar(), 14);
    m.BackTab();
    EXPECT_EQ(m.CaretChar(), 12);
}

TEST(Commands, TabAndBackTabIndentSelectedLines) {
    TMemoSource m;
    m.SetOptions(With(m.Options(), {}, {soSmartTab}));
    m.SetTabStops(u"2,4");
    Load(m, {"a", "", "b", "c"});
    m.SetSelection(stStreamSel, 0, 0, 0, 3);
    m.TabKey();
    EXPECT_EQ(LinesOf(m), L({"  a", "", "  b", "c"}));
    m.BackTab();
    EXPECT_EQ(LinesOf(m), L({"a", "", "b", "c"}));
}

TEST(Commands, WordMoves) {
    TMemoSource m;
    Load(m, {"alpha  beta", "gamma"});
    m.CaretWordRight();
    EXPECT_EQ(m.Caret(), TPosition(7, 0));
    m.CaretWordRight();
    m.CaretWordRight(); // at the end: next line
    EXPECT_EQ(m.Caret(), TPosition(0, 1));
    m.CaretWordLeft(); // only delimiters before: end of the previous line
    EXPECT_EQ(m.Caret(), TPosition(11, 0));
    m.CaretWordLeft();
    EXPECT_EQ(m.Caret(), TPosition(7, 0));
}

TEST(Commands, WordAtPosition) {
    TMemoSource m;
    m.SetDelimeters(u".");
    Load(m, {"obj.name  next"});
    struct Case {
        int column;
        TWordSelectionType type;
        int start, end;
    } cases[] = {
        {1, wsWordOnly, 0, 3},    {3, wsWordOnly, 0, 3},      {5, wsWordOnly, 4, 8},
        {8, wsWordOnly, 4, 8},    {5, wsWordWithSpace, 4, 9}, {5, wsUntilNextWord, 4, 10},
        {20, wsWordOnly, 10, 14},
    };
    for (const auto& c : cases) {
        int start = -1, end = -1;
        ASSERT_TRUE(m.WordAt(0, c.column, c.type, start, end)) << c.column;
        EXPECT_EQ(start, c.start) << c.column;
        EXPECT_EQ(end, c.end) << c.column;
    }
    m.SetCaret(5, 0);
    m.SelectWord();
    EXPECT_EQ(m.GetSelectionRect(), (TRect{4, 0, 8, 0}));
    EXPECT_EQ(m.CaretChar(), 8);
}

TEST(Commands, SelectAllAndExtend) {
    TMemoSource m;
    Load(m, {"abc", "de"});
    m.SelectAll();
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 2, 1}));
    EXPECT_EQ(m.Caret(), TPosition(2, 1));
    m.SelectLeft(); // the corner under the caret follows it
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 1, 1}));
    m.CaretLeft(); // a plain move drops it
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    m.SetCaret(2, 0);
    m.SelectLeft();
    m.SelectLeft();
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 2, 0}));
}

TEST(Commands, ColumnSelectionEdgesFollowTheCaret) {
    TMemoSource m;
    Load(m, {"abcdef", "ghijkl", "mnopqr"});
    m.SetCaret(1, 0);
    m.BlockSelectRight();
    m.BlockSelectDown();
    EXPECT_EQ(m.SelectionType(), stBlockSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{1, 0, 2, 1}));
    m.BlockSelectLeft();
    m.BlockSelectLeft(); // crosses the anchor column
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 1, 1}));
    EXPECT_EQ(m.SelectionStrings().Get(1), u"gh");
}

TEST(Commands, IndentBlockSkipsEmptyLines) {
    TMemoSource m;
    m.SetBlockIndent(2);
    Load(m, {"a", "", "b"});
    m.SetSelection(stStreamSel, 0, 0, 1, 2);
    m.IndentBlock();
    EXPECT_EQ(LinesOf(m), L({"  a", "", "  b"}));
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 3, 2}));
    m.UnindentBlock();
    EXPECT_EQ(LinesOf(m), L({"a", "", "b"}));
}

TEST(Commands, BracketMatching) {
    TMemoSource m;
    Load(m, {"f(a, (b)", "  , c) [x]"});
    m.SetCaret(1, 0);
    m.MatchBracket();
    EXPECT_EQ(m.Caret(), TPosition(5, 1));
    m.MatchBracket();
    EXPECT_EQ(m.Caret(), TPosition(1, 0));
    m.SetCaret(9, 1);
    m.MatchBracketBackward();
    EXPECT_EQ(m.Caret(), TPosition(7, 1));
    m.LineItem(1)->ColorData = std::string(10, '\0');
    m.LineItem(1)->ColorData[5] = 1; // the closer inside a string does not count
    m.SetCaret(1, 0);
    m.MatchBracket();
    EXPECT_EQ(m.Caret(), TPosition(1, 0));
}

TEST(Commands, CaretStepsOverTabs) {
    TMemoSource m;
    m.SetOptions(With(m.Options(), {soUseTabCharacter, soCursorOnTabs}));
    m.Lines().SetText(u"a\tb");
    m.SetCaret(1, 0);
    m.CaretRight();
    EXPECT_EQ(m.CaretChar(), 9);
    m.CaretLeft();
    EXPECT_EQ(m.CaretChar(), 1);
}

} // namespace
} // namespace tessorin
