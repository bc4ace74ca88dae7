#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::L;
using testing::LinesOf;
using testing::Load;

void Type(TMemoSource& m, const char* text) {
    for (; *text; ++text)
        m.TypeChar(static_cast<char16_t>(*text));
}

void SetGroupUndo(TMemoSource& m, bool on) {
    TStringsOptions o = m.Options();
    o.Set(soGroupUndo, on);
    m.SetOptions(o);
}

int UndoSteps(TMemoSource& m) {
    int steps = 0;
    for (; m.CanUndo(); ++steps)
        m.Undo();
    return steps;
}

TEST(Undo, TypingIsOneStepWithGroupingAndOneStepPerCharWithout) {
    for (bool group : {true, false}) {
        TMemoSource m;
        SetGroupUndo(m, group);
        Load(m, {"ab"});
        m.SetCaret(1, 0);
        m.ClearUndo();
        Type(m, "xyz");
        EXPECT_EQ(LinesOf(m), L({"axyzb"}));
        m.Undo();
        if (group) {
            EXPECT_EQ(LinesOf(m), L({"ab"}));
            EXPECT_EQ(m.CaretChar(), 1);
        } else {
            EXPECT_EQ(LinesOf(m), L({"axyb"}));
            EXPECT_EQ(UndoSteps(m), 2);
            EXPECT_EQ(LinesOf(m), L({"ab"}));
        }
    }
}

TEST(Undo, CaretMovesAreTheirOwnStep) {
    TMemoSource m;
    Load(m, {"abc"});
    Type(m, "xy");
    m.CaretRight();
    m.Undo(); // only the caret move
    EXPECT_EQ(LinesOf(m), L({"xyabc"}));
    EXPECT_EQ(m.CaretChar(), 2);
    m.Undo();
    EXPECT_EQ(LinesOf(m), L({"abc"}));
    EXPECT_EQ(m.CaretChar(), 0);
}

TEST(Undo, RedoRestoresUntilTheNextCaretMove) {
    TMemoSource m;
    Load(m, {"abc"});
    Type(m, "xy");
    m.Undo();
    ASSERT_TRUE(m.CanRedo());
    while (m.CanRedo())
        m.Redo();
    EXPECT_EQ(LinesOf(m), L({"xyabc"}));
    EXPECT_EQ(m.CaretChar(), 2);
    m.Undo();
    m.CaretRight();
    EXPECT_FALSE(m.CanRedo());
}

TEST(Undo, ModifiedFollowsTheSavePoint) {
    TMemoSource m;
    SetGroupUndo(m, false);
    Load(m, {"abc"});
    m.Loaded(); // saved: unmodified, no undo
    Type(m, "a");
    m.SetModified(false); // save
    Type(m, "b");
    EXPECT_TRUE(m.Modified());
    m.Undo();
    EXPECT_FALSE(m.Modified());
    m.Undo(); // past the save point
    EXPECT_TRUE(m.Modified());
    m.Redo();
    EXPECT_TRUE(m.Modified()); // the save point was lost
}

TEST(Undo, SavingAfterALinesWriteSetsAFreshSavePoint) {
    TMemoSource m;
    Load(m, {"abc"}); // modified, and the undo lists are gone
    m.SetModified(false);
    Type(m, "x");
    m.Undo();
    EXPECT_FALSE(m.Modified());
}

TEST(Undo, UndoingToTheStartIsUnmodified) {
    TMemoSource m;
    Load(m, {"abc"});
    m.Loaded();
    Type(m, "xy");
    m.NewLine();
    EXPECT_TRUE(m.Modified());
    UndoSteps(m);
    EXPECT_FALSE(m.Modified());
    EXPECT_EQ(LinesOf(m), L({"abc"}));
}

TEST(Undo, LimitTrimsInBursts) {
    TMemoSource m;
    SetGroupUndo(m, false);
    m.SetUndoLimit(10);
    Load(m, {""});
    int smallestAfterTrim = INT_MAX;
    int largest = 0;
    int previous = 0;
    for (int i = 0; i < 400; ++i) {
        m.TypeChar(u'a');
        const int count = m.UndoList().Count();
        if (count < previous)
            smallestAfterTrim = std::min(smallestAfterTrim, count);
        largest = std::max(largest, count);
        previous = count;
    }
    EXPECT_LE(largest, 112); // at most 110 before a record, two per typed character
    EXPECT_GE(smallestAfterTrim, 10);
    EXPECT_LT(smallestAfterTrim, 20);
    m.SetUndoLimit(5); // a new limit trims at once only past its own slack
    EXPECT_LE(m.UndoList().Count(), 112);
}

TEST(Undo, LimitTrimPastTheSavePointLosesIt) {
    TMemoSource m;
    SetGroupUndo(m, false);
    m.SetUndoLimit(1);
    Load(m, {""});
    m.Loaded();
    for (int i = 0; i < 200; ++i)
        m.TypeChar(u'a');
    UndoSteps(m);
    EXPECT_TRUE(m.Modified()); // the saved state can no longer be reached
}

TEST(Undo, AllowUndoOffEmptiesAndStopsRecording) {
    TMemoSource m;
    Load(m, {"abc"});
    Type(m, "x");
    m.SetAllowUndo(false);
    EXPECT_FALSE(m.CanUndo());
    Type(m, "y");
    m.Undo();
    EXPECT_EQ(LinesOf(m), L({"xyabc"}));
}

TEST(Undo, ReadOnlyRefusesUndo) {
    TMemoSource m;
    Load(m, {"abc"});
    Type(m, "x");
    m.SetReadOnly(true);
    m.Undo();
    EXPECT_EQ(LinesOf(m), L({"xabc"}));
}

TEST(Undo, RecordsCarryTheOutermostCodeAndFirstFlag) {
    TMemoSource m;
    Load(m, {"abc"});
    m.ClearUndo();
    m.NewLine();
    const TUndoList& list = m.UndoList();
    ASSERT_GE(list.Count(), 2);
    EXPECT_TRUE(list[0].First);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list[i].Code, ucNewLine);
        EXPECT_EQ(list[i].First, i == 0);
    }
    EXPECT_EQ(list[0].Kind, TUndoKind::ukSplit);
}

TEST(Undo, BlocksAreTakenWhole) {
    TMemoSource m;
    SetGroupUndo(m, false);
    Load(m, {"abc"});
    m.ClearUndo();
    m.BeginUndoBlock();
    Type(m, "x");
    m.NewLine();
    m.EndUndoBlock();
    m.Undo();
    EXPECT_EQ(LinesOf(m), L({"abc"}));
    EXPECT_FALSE(m.CanUndo());
}

TEST(Undo, DeleteSelectionAcrossLinesUndoesExactly) {
    TMemoSource m;
    Load(m, {"one", "  two", "three", "four"});
    m.SetSelection(stStreamSel, 1, 0, 2, 3);
    m.DeleteSelection();
    EXPECT_EQ(LinesOf(m), L({"our"}));
    m.Undo();
    EXPECT_EQ(LinesOf(m), L({"one", "  two", "three", "four"}));
    m.Redo();
    EXPECT_EQ(LinesOf(m), L({"our"}));
}

TEST(Undo, TypingPastTheLastLineIsUndoneWithTheLinesItAdded) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soBeyondFileEnd);
    m.SetOptions(o);
    Load(m, {"ab"});
    m.SetCaret(3, 2);
    m.TypeChar(u'x');
    EXPECT_EQ(LinesOf(m), L({"ab", "", "   x"}));
    while (m.CanUndo())
        m.Undo();
    EXPECT_EQ(LinesOf(m), L({"ab"}));
}

} // namespace
} // namespace tessorin
