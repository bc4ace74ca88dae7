#include <gtest/gtest.h>

#include "core/clipboard.h"
#include "memo_fixture.h"
#include "one_undo_step.h"

namespace tessorin {
namespace {

using testing::ExpectOneUndoStep;
using testing::L;
using testing::LinesOf;
using testing::Load;

class TMemoryClipboard final : public TClipboard {
public:
    std::u16string ReadText() const override { return Text; }
    void WriteText(const std::u16string& text) override {
        Text = text;
        Owned = true;
    }
    bool OwnedByApplication() const override { return Owned; }
    void Empty() override {
        Text.clear();
        Owned = true;
        ++Emptied;
    }

    std::u16string Text;
    bool Owned = false;
    int Emptied = 0;
};

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override { SetClipboard(&clipboard); }
    void TearDown() override { SetClipboard(nullptr); }
    void SetOption(TStringsOption option, bool on) {
        TStringsOptions o = m.Options();
        o.Set(option, on);
        m.SetOptions(o);
    }
    // Another program puts text on the clipboard.
    void ForeignText(const std::u16string& text) {
        clipboard.Text = text;
        clipboard.Owned = false;
    }

    TMemoryClipboard clipboard;
    TMemoSource m;
};

TEST_F(Clipboard, CopyWithNothingSelected) {
    Load(m, {"abc"});
    clipboard.Text = u"old";
    SetOption(soForceCutCopy, false);
    m.CopyToClipboard();
    EXPECT_EQ(clipboard.Text, u"old");
    SetOption(soForceCutCopy, true);
    m.CopyToClipboard();
    EXPECT_EQ(clipboard.Text, u"");
    EXPECT_EQ(clipboard.Emptied, 1);
    EXPECT_EQ(LinesOf(m), L({"abc"}));
}

TEST_F(Clipboard, CopyJoinsTheSelectedLinesRaw) {
    SetOption(soUseTabCharacter, true);
    m.Lines().SetText(u"a\tb\r\ncd\r\nef");
    m.SetSelection(stStreamSel, 0, 0, 0, 2);
    m.CopyToClipboard();
    EXPECT_EQ(clipboard.Text, u"a\tb\r\ncd\r\n");
    EXPECT_FALSE(TCustomMemoSource::ClipboardHoldsColumn());
    m.SetSelection(stBlockSel, 1, 1, 2, 2);
    m.CopyToClipboard();
    EXPECT_EQ(clipboard.Text, u"d \r\nf ");
    EXPECT_TRUE(TCustomMemoSource::ClipboardHoldsColumn());
}

TEST_F(Clipboard, PasteIntoAnEmptyDocument) {
    ForeignText(u"a\r\nb\r\n");
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"a", "b", ""}));
    EXPECT_EQ(m.Caret(), TPosition(0, 2));
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    ExpectOneUndoStep(m, {});
}

TEST_F(Clipboard, PasteSplitsAtEveryKindOfLineBreak) {
    ForeignText(u"1\r2\n3\r\n4");
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"1", "2", "3", "4"}));
    EXPECT_EQ(m.Caret(), TPosition(1, 3));
}

TEST_F(Clipboard, ColumnBlocksPasteAsColumnsOnlyFromThisApplication) {
    Load(m, {"ab", "cd", "xyz", "uvw"});
    m.SetSelection(stBlockSel, 0, 0, 1, 1);
    m.CopyToClipboard();
    m.SetSelection(stNotSelected, 0, 0, 0, 0);
    m.SetCaret(1, 2);
    m.ClearUndo();
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"ab", "cd", "xabyz", "ucdvw"}));
    ExpectOneUndoStep(m, L({"ab", "cd", "xyz", "uvw"}));
    clipboard.Owned = false; // the same text, but now another program's
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"ab", "cd", "xab", "cdyz", "uvw"}));
    EXPECT_FALSE(TCustomMemoSource::ClipboardHoldsColumn());
}

TEST_F(Clipboard, PasteReplacesTheSelectionAndMayKeepItSelected) {
    Load(m, {"hello world"});
    ForeignText(u"there");
    m.SetCaret(11, 0);
    m.SetSelection(stStreamSel, 6, 0, 11, 0);
    m.ClearUndo();
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"hello there"}));
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    ExpectOneUndoStep(m, L({"hello world"}));
    SetOption(soPersistentBlocks, true);
    m.SetCaret(0, 0);
    m.PasteFromClipboard();
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    EXPECT_EQ(m.GetSelectionRect(), (TRect{0, 0, 5, 0}));
}

TEST_F(Clipboard, PasteHandlerMayChangeTheLines) {
    ForeignText(u"a\r\nb");
    m.OnPasteFromClipboard = [](TCustomMemoSource&, std::vector<std::u16string>& lines) {
        lines.push_back(u"c");
    };
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"a", "b", "c"}));
}

TEST_F(Clipboard, NoPasteIntoAReadOnlyDocument) {
    Load(m, {"abc"});
    ForeignText(u"x");
    m.SetReadOnly(true);
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"abc"}));
}

TEST_F(Clipboard, CutCopiesAndDeletesInOneStep) {
    Load(m, {"abc", "def"});
    m.SetSelection(stStreamSel, 1, 0, 1, 1);
    m.ClearUndo();
    m.CutToClipboard();
    EXPECT_EQ(clipboard.Text, u"bc\r\nd");
    EXPECT_EQ(LinesOf(m), L({"aef"}));
    ExpectOneUndoStep(m, L({"abc", "def"}));
}

TEST_F(Clipboard, CutWithNothingSelected) {
    Load(m, {"abc"});
    for (bool force : {false, true}) {
        clipboard.Text = u"old";
        SetOption(soForceCutCopy, force);
        m.CutToClipboard();
        EXPECT_EQ(clipboard.Text, u"") << force;
        EXPECT_EQ(LinesOf(m), L({"abc"})) << force;
    }
}

TEST(ClipboardMissing, CommandsDoNothing) {
    TMemoSource m;
    Load(m, {"abc"});
    m.SetSelection(stStreamSel, 0, 0, 2, 0);
    m.CopyToClipboard();
    m.PasteFromClipboard();
    EXPECT_EQ(LinesOf(m), L({"abc"}));
}

} // namespace
} // namespace tessorin
