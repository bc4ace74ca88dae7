#include <gtest/gtest.h>

#include "core/guid.h"
#include "memo_fixture.h"
#include "one_undo_step.h"

namespace tessorin {
namespace {

using testing::ExpectOneUndoStep;
using testing::L;
using testing::LinesOf;
using testing::Load;

TEST(BlockCommands, UpperCaseAcrossTwoLinesKeepsTheSelection) {
    TMemoSource m;
    Load(m, {"hello world", "foo bar"});
    m.SetCaret(3, 1);
    m.SetSelection(stStreamSel, 6, 0, 3, 1);
    m.ClearUndo();
    m.UpperCaseBlock();
    EXPECT_EQ(LinesOf(m), L({"hello WORLD", "FOO bar"}));
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{6, 0, 3, 1}));
    EXPECT_EQ(m.Caret(), TPosition(3, 1));
    ExpectOneUndoStep(m, L({"hello world", "foo bar"}));
}

TEST(BlockCommands, LineFunctions) {
    struct Case {
        const char* name;
        void (TCustomMemoSource::*command)();
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"lower", &TCustomMemoSource::LowerCaseBlock, "MiXed \xC9T\xC9", "mixed \xE9t\xE9"},
        {"toggle", &TCustomMemoSource::ToggleCaseBlock, "MiXed 1", "mIxED 1"},
        {"capitalize", &TCustomMemoSource::CapitalizeBlock, "hELLO wORLD-x", "Hello World-X"},
        {"quote", &TCustomMemoSource::QuoteBlock, "text", ">text"},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        m.SetDelimeters(u"-");
        std::u16string before, after;
        for (const char* p = c.before; *p; ++p)
            before.push_back(static_cast<unsigned char>(*p));
        for (const char* p = c.after; *p; ++p)
            after.push_back(static_cast<unsigned char>(*p));
        m.Lines().SetText(before + u"\r\nnext");
        m.SetSelection(stStreamSel, 0, 0, 0, 1);
        m.ClearUndo();
        (m.*c.command)();
        EXPECT_EQ(m.LineText(0), after) << c.name;
        EXPECT_EQ(m.LineText(1), u"next") << c.name;
        m.Undo();
        EXPECT_EQ(m.LineText(0), before) << c.name;
        EXPECT_FALSE(m.CanUndo()) << c.name;
    }
}

TEST(BlockCommands, ColumnSelectionChangesOnlyItsColumns) {
    TMemoSource m;
    Load(m, {"abcd", "efgh", "ijkl"});
    m.SetSelection(stBlockSel, 1, 0, 2, 1);
    m.ClearUndo();
    m.UpperCaseBlock();
    EXPECT_EQ(LinesOf(m), L({"aBCd", "eFGh", "ijkl"}));
    EXPECT_EQ(m.SelectionType(), stBlockSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{1, 0, 2, 1}));
    ExpectOneUndoStep(m, L({"abcd", "efgh", "ijkl"}));
}

TEST(BlockCommands, IndentSkipsTheEmptyLineInOneStep) {
    TMemoSource m;
    m.SetBlockIndent(2);
    Load(m, {"a", "", "b"});
    m.SetSelection(stStreamSel, 0, 0, 1, 2);
    m.ClearUndo();
    m.IndentBlock();
    EXPECT_EQ(LinesOf(m), L({"  a", "", "  b"}));
    ExpectOneUndoStep(m, L({"a", "", "b"}));
}

TEST(BlockCommands, NothingWithoutASelectionOrOnReadOnlyLines) {
    TMemoSource m;
    Load(m, {"abc", "def"});
    m.UpperCaseBlock();
    m.QuoteBlock();
    EXPECT_EQ(LinesOf(m), L({"abc", "def"}));
    m.SetLineFlag(1, lfReadOnly, true);
    m.SetSelection(stStreamSel, 0, 0, 2, 1);
    m.ClearUndo();
    m.UpperCaseBlock();
    EXPECT_EQ(LinesOf(m), L({"abc", "def"}));
    EXPECT_FALSE(m.CanUndo());
}

TEST(BlockCommands, WordVariantsKeepCaretAndSelection) {
    struct Case {
        void (TCustomMemoSource::*command)();
        const char* after;
    };
    const Case cases[] = {
        {&TCustomMemoSource::UpperCaseWord, "foo BAR baz"},
        {&TCustomMemoSource::LowerCaseWord, "foo bar baz"},
        {&TCustomMemoSource::CapitalizeWord, "foo Bar baz"},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        Load(m, {"foo bAR baz", "x"});
        m.SetCaret(5, 0);
        m.ClearUndo();
        (m.*c.command)();
        EXPECT_EQ(LinesOf(m), L({c.after, "x"}));
        EXPECT_EQ(m.Caret(), TPosition(5, 0));
        EXPECT_EQ(m.SelectionType(), stNotSelected);
        ExpectOneUndoStep(m, L({"foo bAR baz", "x"}));
    }
}

TEST(BlockCommands, WordDeletions) {
    struct Case {
        const char* name;
        void (TCustomMemoSource::*command)();
        int caret;
        std::vector<std::u16string> after;
        int caretAfter;
    };
    const Case cases[] = {
        {"right from inside", &TCustomMemoSource::DeleteWordRight, 1, L({"fbar", "next"}), 1},
        {"left from inside", &TCustomMemoSource::DeleteWordLeft, 6, L({"foo r", "next"}), 4},
        {"word with its space", &TCustomMemoSource::DeleteWord, 0, L({"bar", "next"}), 0},
        {"word from its middle", &TCustomMemoSource::DeleteWord, 5, L({"foo b", "next"}), 5},
        {"word at the end joins", &TCustomMemoSource::DeleteWord, 7, L({"foo barnext"}), 7},
        {"right at the end joins", &TCustomMemoSource::DeleteWordRight, 7, L({"foo barnext"}), 7},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        Load(m, {"foo bar", "next"});
        m.SetCaret(c.caret, 0);
        m.ClearUndo();
        (m.*c.command)();
        EXPECT_EQ(LinesOf(m), c.after) << c.name;
        EXPECT_EQ(m.Caret(), TPosition(c.caretAfter, 0)) << c.name;
        ExpectOneUndoStep(m, L({"foo bar", "next"}));
    }
}

TEST(BlockCommands, DeleteWordOnDelimitersStopsAtTheNextWord) {
    TMemoSource m;
    Load(m, {"a   bc"});
    m.SetCaret(1, 0);
    m.DeleteWord();
    EXPECT_EQ(LinesOf(m), L({"abc"}));
}

TEST(InsertBlock, StreamLinesSplitTheCaretLine) {
    TMemoSource m;
    Load(m, {"abcd"});
    m.SetCaret(2, 0);
    m.ClearUndo();
    m.InsertBlock(L({"X", "Y", "Z"}), false);
    EXPECT_EQ(LinesOf(m), L({"abX", "Y", "Zcd"}));
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{2, 0, 1, 2}));
    EXPECT_EQ(m.Caret(), TPosition(1, 2));
    ExpectOneUndoStep(m, L({"abcd"}));
}

TEST(InsertBlock, ColumnLinesGoDownAndAddLinesAtTheEnd) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soLimitEOL); // column blocks still get their columns
    m.SetOptions(o);
    Load(m, {"abcd", "e"});
    m.SetCaret(3, 0);
    m.ClearUndo();
    m.InsertBlock(L({"12", "34", "56"}), true);
    EXPECT_EQ(LinesOf(m), L({"abc12d", "e  34", "   56"}));
    EXPECT_EQ(m.SelectionType(), stBlockSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{3, 0, 4, 2}));
    ExpectOneUndoStep(m, L({"abcd", "e"}));
}

TEST(InsertBlock, OneLineIsSelectedAndTabsConverted) {
    TMemoSource m;
    m.SetSpacesInTab(2);
    Load(m, {"ab", "cd"});
    m.SetCaret(1, 0);
    m.InsertBlock(L({"x\ty"}), false);
    EXPECT_EQ(LinesOf(m), L({"ax  yb", "cd"}));
    EXPECT_EQ(m.GetSelectionRect(), (TRect{1, 0, 5, 0}));
    EXPECT_EQ(m.CaretChar(), 5);
    m.SetCaret(0, 0);
    m.InsertBlock(L({"q"}), true); // column mode: the caret goes down instead
    EXPECT_EQ(m.Caret(), TPosition(0, 1));
}

TEST(InsertBlock, TextBlockKeepsAPersistentSelection) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soPersistentBlocks);
    m.SetOptions(o);
    Load(m, {"abc", "def"});
    m.SetCaret(1, 0);
    m.SetSelection(stStreamSel, 0, 1, 2, 1);
    m.InsertTextBlock(u"x\r\ny");
    EXPECT_EQ(LinesOf(m), L({"ax", "ybc", "def"}));
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 1, 2, 1}));
}

class TFixedGuids final : public TGuidSource {
public:
    TGuid NewGuid() const override {
        return {0x0A761FD8, 0x6444, 0x4687, {0xA1, 0x7A, 0x66, 0x04, 0x86, 0xD9, 0x8A, 0x30}};
    }
};

TEST(InsertBlock, GuidInBracketsAndQuotes) {
    const TFixedGuids fixed;
    SetGuidSource(&fixed);
    TMemoSource m;
    m.InsertGuid();
    SetGuidSource(nullptr);
    EXPECT_EQ(LinesOf(m), L({"['{0A761FD8-6444-4687-A17A-660486D98A30}']"}));
    m.InsertGuid();
    EXPECT_NE(m.LineText(0).substr(0, 42), m.LineText(0).substr(42)) << "a new GUID each time";
}

TEST(MoveBlock, CaretInsideTheSelectionDoesNothing) {
    TMemoSource m;
    Load(m, {"abcdef"});
    m.SetCaret(2, 0);
    m.SetSelection(stStreamSel, 1, 0, 4, 0);
    m.ClearUndo();
    m.MoveBlock();
    m.CopyBlock();
    EXPECT_EQ(LinesOf(m), L({"abcdef"}));
    EXPECT_FALSE(m.CanUndo());
}

TEST(MoveBlock, MoveCopyAndDuplicate) {
    struct Case {
        const char* name;
        void (TCustomMemoSource::*command)();
        std::vector<std::u16string> after;
    };
    const Case cases[] = {
        {"move", &TCustomMemoSource::MoveBlock, L({"aef", "xbcdy"})},
        {"copy", &TCustomMemoSource::CopyBlock, L({"abcdef", "xbcdy"})},
        {"duplicate", &TCustomMemoSource::DuplicateBlock, L({"abcdef", "xbcdy"})},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        Load(m, {"abcdef", "xy"});
        m.SetCaret(1, 1);
        m.SetSelection(stStreamSel, 1, 0, 4, 0);
        m.ClearUndo();
        (m.*c.command)();
        EXPECT_EQ(LinesOf(m), c.after) << c.name;
        ExpectOneUndoStep(m, L({"abcdef", "xy"}));
    }
}

TEST(MoveBlock, MovingDownCarriesTheTargetAlong) {
    TMemoSource m;
    Load(m, {"one", "two", "three"});
    m.SetCaret(0, 2);
    m.SetSelection(stStreamSel, 0, 0, 0, 1); // the whole first line
    m.MoveBlock();
    EXPECT_EQ(LinesOf(m), L({"two", "one", "three"}));
}

TEST(ClearDocument, EmptiesEvenWithoutSelectionsAndUndoes) {
    TMemoSource m;
    m.SetBlockOption(bkNone);
    Load(m, {"a", "b  "});
    m.SetCaret(1, 1);
    m.ClearUndo();
    m.ClearDocument();
    EXPECT_EQ(m.LineCount(), 0);
    EXPECT_EQ(m.Caret(), TPosition(0, 0));
    ExpectOneUndoStep(m, L({"a", "b"}));
}

} // namespace
} // namespace tessorin
