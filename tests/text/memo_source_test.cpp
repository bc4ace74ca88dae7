#include "text/memo_source.h"

#include <gtest/gtest.h>

#include "core/exception.h"
#include "memo_fixture.h"
#include "memory_store.h"
#include "text/global_options.h"

namespace tessorin {
namespace {

using testing::L;
using testing::LinesOf;
using testing::Load;
using testing::TMemoryStore;

TEST(MemoSource, NewSourceDefaults) {
    TMemoSource m;
    EXPECT_EQ(m.Options(), DefaultStringsOptions);
    EXPECT_TRUE(m.HasOption(soSmartTab));
    EXPECT_FALSE(m.HasOption(soUseTabCharacter));
    EXPECT_EQ(m.SpacesInTab(), 8);
    EXPECT_EQ(m.TabStops(), u"9,17");
    EXPECT_EQ(m.BlockIndent(), 1);
    EXPECT_EQ(m.BlockOption(), bkBoth);
    EXPECT_TRUE(m.AllowUndo());
    EXPECT_EQ(m.UndoLimit(), 0);
    EXPECT_FALSE(m.Modified());
}

TEST(MemoSource, StoredValuesAreLimited) {
    TMemoSource m;
    for (auto [in, out] : {std::pair{0, 8}, {-3, 8}, {11, 8}, {10, 10}, {1, 1}}) {
        m.SetSpacesInTab(in);
        EXPECT_EQ(m.SpacesInTab(), out) << in;
    }
    m.SetBlockIndent(-2);
    EXPECT_EQ(m.BlockIndent(), 0);
    m.SetUndoLimit(-5);
    EXPECT_EQ(m.UndoLimit(), 0);
}

TEST(MemoSource, InvalidTabStopsKeepThePreviousRack) {
    TMemoSource m;
    m.SetTabStops(u"2,4,6,8,10,12");
    EXPECT_THROW(m.SetTabStops(u"4,4"), TException);
    EXPECT_THROW(m.SetTabStops(u"0,4"), TException);
    EXPECT_EQ(m.TabStops(), u"2,4,6,8,10,12");
}

TEST(MemoSource, TabCharacterAndSmartTabNeverStayOnTogether) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soUseTabCharacter);
    m.SetOptions(o); // smart tab was on
    EXPECT_TRUE(m.HasOption(soUseTabCharacter));
    EXPECT_FALSE(m.HasOption(soSmartTab));
    o = m.Options();
    o.Include(soSmartTab);
    m.SetOptions(o);
    EXPECT_TRUE(m.HasOption(soSmartTab));
    EXPECT_FALSE(m.HasOption(soUseTabCharacter));
}

TEST(MemoSource, LinesConvertTabsAndReadBackExpanded) {
    TMemoSource m;
    m.SetSpacesInTab(2);
    Load(m, {"a\tb   ", "  c\t"});
    // Incoming tabs become SpacesInTab spaces; loading trims trailing blanks.
    EXPECT_EQ(LinesOf(m), L({"a  b", "  c"}));

    TStringsOptions o = m.Options();
    o.Include(soUseTabCharacter);
    m.SetOptions(o);
    m.Lines().SetText(u"a\tb\r\nx");
    EXPECT_EQ(m.Lines().Get(0), u"a        b");    // one line reads tab-expanded
    EXPECT_EQ(m.Lines().Text(), u"a\tb\r\nx\r\n"); // the whole text keeps the tab
}

TEST(MemoSource, SetTextSplitsEveryLineEnd) {
    TMemoSource m;
    m.Lines().SetText(u"a\r\nb\rc\nd");
    EXPECT_EQ(LinesOf(m), L({"a", "b", "c", "d"}));
    m.Lines().SetText(u"a\r\n\r\n");
    EXPECT_EQ(LinesOf(m), L({"a", ""}));
}

TEST(MemoSource, KeepTrailingBlanksKeepsThemOnLoad) {
    TMemoSource m;
    m.SetKeepTrailingBlanks(true);
    Load(m, {"a  "});
    EXPECT_EQ(LinesOf(m), L({"a  "}));
}

TEST(MemoSource, LinesWritesKeepTheCaretWithItsText) {
    TMemoSource m;
    Load(m, {"one", "two", "three"});
    m.SetCaret(2, 1);
    m.Lines().Insert(0, u"zero");
    EXPECT_EQ(m.CaretLine(), 2);
    EXPECT_EQ(m.CaretChar(), 2);
    m.Lines().Delete(0);
    EXPECT_EQ(m.CaretLine(), 1);
    m.Lines().Put(1, u"TWO");
    EXPECT_EQ(LinesOf(m), L({"one", "TWO", "three"}));
    EXPECT_EQ(m.CaretLine(), 1);
}

TEST(MemoSource, EveryLinesWriteClearsUndo) {
    const std::vector<std::function<void(TMemoSource&)>> writes = {
        [](TMemoSource& m) { m.Lines().Put(0, u"x"); },
        [](TMemoSource& m) { m.Lines().Insert(0, u"x"); },
        [](TMemoSource& m) { m.Lines().Delete(0); },
        [](TMemoSource& m) { m.Lines().Clear(); },
        [](TMemoSource& m) { m.Lines().SetText(u"x"); },
    };
    for (const auto& write : writes) {
        TMemoSource m;
        Load(m, {"abc", "def"});
        m.TypeChar(u'1');
        m.Undo(); // one record in each list
        m.TypeChar(u'2');
        ASSERT_TRUE(m.CanUndo());
        m.Undo();
        ASSERT_TRUE(m.CanRedo());
        m.TypeChar(u'3');
        write(m);
        EXPECT_FALSE(m.CanUndo());
        EXPECT_FALSE(m.CanRedo());
    }
}

TEST(MemoSource, LineAccessOutsideTheListIsHarmless) {
    TMemoSource m;
    Load(m, {"a"});
    EXPECT_EQ(m.LineItem(5), nullptr);
    EXPECT_EQ(m.Lines().Get(-1), u"");
    EXPECT_FALSE(m.IsLineReadOnly(9));
    m.Lines().Put(3, u"x");
    EXPECT_EQ(LinesOf(m), L({"a"}));
    EXPECT_FALSE(m.SetLineFlag(3, lfReadOnly, true));
}

TEST(MemoSource, LimitEolKeepsTheCaretOnTheLine) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soLimitEOL);
    m.SetOptions(o);
    Load(m, {"abc", "abcdef"});
    m.SetCaretChar(10);
    EXPECT_EQ(m.CaretChar(), 3);
    m.SetCaret(6, 1);
    m.CaretUp();
    EXPECT_EQ(m.CaretChar(), 3);
}

TEST(MemoSource, ReadOnlyLinesRefuseEdits) {
    TMemoSource m;
    Load(m, {"abc", "def"});
    EXPECT_TRUE(m.SetLineFlag(0, lfReadOnly, true));
    m.TypeChar(u'x');
    m.SetCaretChar(3);
    m.DeleteChar();
    EXPECT_EQ(LinesOf(m), L({"abc", "def"}));
    m.SetReadOnly(true);
    m.SetCaret(0, 1);
    m.TypeChar(u'x');
    EXPECT_EQ(LinesOf(m), L({"abc", "def"}));
}

// A view that records its notifications.
class TRecordingView : public TComponent {
public:
    struct TCall {
        int First, Last;
        TMemoStates States;
    };
    std::vector<TCall> Calls;
    void Attach(TCustomMemoSource& m, bool refresh = false) {
        m.AttachView(
            [this](TCustomMemoSource& s, int first, int last) {
                Calls.push_back({first, last, s.UpdateStates()});
            },
            this, refresh);
    }
};

TEST(MemoSource, ViewsHearOnceAtTheEndOfTheOutermostUpdate) {
    TMemoSource m;
    Load(m, {"a", "b", "c"});
    m.Loaded();
    TRecordingView view;
    view.Attach(m);
    m.BeginUpdate(ucInsertText);
    m.SetCaret(1, 1);
    m.InsertText(u"x");
    m.SplitLine();
    EXPECT_TRUE(view.Calls.empty());
    m.EndUpdate();
    ASSERT_EQ(view.Calls.size(), 1u);
    EXPECT_EQ(view.Calls[0].First, 1);
    EXPECT_EQ(view.Calls[0].Last, INT_MAX);
    EXPECT_TRUE(view.Calls[0].States.Contains(msEdited));
    EXPECT_TRUE(view.Calls[0].States.Contains(msPositionChanged));
    EXPECT_TRUE(view.Calls[0].States.Contains(msCountChanged));
    EXPECT_TRUE(view.Calls[0].States.Contains(msModifiedChanged));
}

TEST(MemoSource, ViewsLearnOfUndoAndOfTheSavedState) {
    TMemoSource m;
    Load(m, {"a"});
    m.Loaded();
    TRecordingView view;
    view.Attach(m);
    m.TypeChar(u'x');
    m.SetModified(false);
    ASSERT_EQ(view.Calls.size(), 2u);
    EXPECT_TRUE(view.Calls[1].States.Contains(msModifiedChanged));
    m.Undo();
    ASSERT_EQ(view.Calls.size(), 3u);
    EXPECT_TRUE(view.Calls[2].States.Contains(msUndo));
    EXPECT_TRUE(view.Calls[2].States.Contains(msModifiedChanged)); // undone past the save
    EXPECT_TRUE(m.Modified());
    EXPECT_TRUE(m.CanRedo()); // an undo keeps the redo list
}

TEST(MemoSource, LeavingBeyondFileEndBringsTheCaretBack) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soBeyondFileEnd);
    m.SetOptions(o);
    Load(m, {"abc", "de"});
    m.SetCaret(0, 5);
    EXPECT_EQ(m.CaretLine(), 5);
    o.Exclude(soBeyondFileEnd);
    m.SetOptions(o);
    EXPECT_EQ(m.Caret(), TPosition(2, 1));
}

TEST(MemoSource, FoundRectLastsOneUpdate) {
    TMemoSource m;
    Load(m, {"abc", "def", "ghi"});
    TRecordingView view;
    view.Attach(m);
    m.BeginUpdate(ucInsertText);
    m.SetFoundRect({0, 1, 2, 1});
    m.EndUpdate();
    ASSERT_EQ(view.Calls.size(), 1u);
    EXPECT_TRUE(view.Calls[0].States.Contains(msFoundRectChanged));
    EXPECT_EQ(view.Calls[0].First, 1);
    EXPECT_EQ(m.FoundRect(), (TRect{0, 1, 2, 1}));
    m.CaretRight(); // the next update drops the hit
    EXPECT_EQ(m.FoundRect(), TRect{});
    EXPECT_TRUE(view.Calls.back().States.Contains(msFoundRectChanged));
}

TEST(MemoSource, DisplayColorDataSpreadsTabColours) {
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soUseTabCharacter);
    m.SetOptions(o);
    m.SetTabStops(u"4");
    m.Lines().SetText(u"a\tb");
    m.LineItem(0)->ColorData = std::string("\x03\x01\x02", 3);
    EXPECT_EQ(m.GetDisplayColorData(0), std::string("\x03\x01\x01\x01\x02", 5));
    EXPECT_EQ(m.GetDisplayColorData(7), "");
}

TEST(MemoSource, AttachWithRefreshRepaintsEverything) {
    TMemoSource m;
    TRecordingView view;
    view.Attach(m, true);
    ASSERT_EQ(view.Calls.size(), 1u);
    EXPECT_EQ(view.Calls[0].States.Bits(), 0x57Du);
    EXPECT_EQ(view.Calls[0].First, 0);
    EXPECT_EQ(view.Calls[0].Last, INT_MAX);
}

TEST(MemoSource, ViewDetachedDuringNotificationDoesNotStopTheOthers) {
    TMemoSource m;
    Load(m, {"a"});
    TRecordingView first, second, third;
    first.Attach(m);
    second.Attach(m);
    // The last attached is called first and detaches itself and `second`.
    m.AttachView(
        [&](TCustomMemoSource& s, int, int) {
            third.Calls.push_back({});
            s.DetachView(&third);
            s.DetachView(&second);
        },
        &third, false);
    m.TypeChar(u'x');
    EXPECT_EQ(third.Calls.size(), 1u);
    EXPECT_TRUE(second.Calls.empty());
    EXPECT_EQ(first.Calls.size(), 1u);
    EXPECT_EQ(m.ViewCount(), 1);
}

TEST(MemoSource, DestroyedViewIsDropped) {
    TMemoSource m;
    {
        TRecordingView view;
        view.Attach(m);
        EXPECT_EQ(m.ViewCount(), 1);
    }
    EXPECT_EQ(m.ViewCount(), 0);
    m.TypeChar(u'x'); // would reach a dead view otherwise
}

// A view that holds on to its memo source until told of its end, as an
// editor does; it detaches on its own destruction.
class TListeningView : public TComponent {
public:
    TListeningView(TCustomMemoSource& source, bool detachWhenTold)
        : Source(&source), FDetachWhenTold(detachWhenTold) {
        source.AttachView([](TCustomMemoSource&, int, int) {}, this, false);
    }
    ~TListeningView() override {
        if (Source)
            Source->DetachView(this);
    }

    TCustomMemoSource* Source;
    int Heard = 0;
    int LinesSeen = -1;
    bool SawDestroying = false;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (component != Source || operation != TOperation::opRemove)
            return;
        ++Heard;
        LinesSeen = Source->LineCount(); // the source is still whole
        SawDestroying = Source->Destroying();
        if (FDetachWhenTold)
            Source->DetachView(this);
        Source = nullptr;
    }

private:
    bool FDetachWhenTold;
};

TEST(MemoSource, EveryViewHearsOfItsDestruction) {
    auto m = std::make_unique<TMemoSource>();
    Load(*m, {"a", "b"});
    // The first detaches itself while being told; the others must still hear.
    TListeningView first(*m, true), second(*m, false), third(*m, true);
    m.reset();
    for (const TListeningView* view : {&first, &second, &third}) {
        EXPECT_EQ(view->Heard, 1);
        EXPECT_EQ(view->LinesSeen, 2);
        EXPECT_TRUE(view->SawDestroying);
        EXPECT_EQ(view->Source, nullptr);
    }
} // a view left holding the source would detach from freed memory here

TEST(MemoSource, EmptySelectionIsDroppedWhenTheUpdateEnds) {
    TMemoSource m;
    Load(m, {"abc"});
    m.SetSelection(stStreamSel, 1, 0, 1, 0);
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    m.SetSelection(stBlockSel, 2, 0, 1, 0);
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    m.SetSelection(stBlockSel, 1, 0, 1, 0); // one column is not empty
    EXPECT_EQ(m.SelectionType(), stBlockSel);
}

TEST(MemoSource, SelectionTypeFilter) {
    struct Case {
        TBlockOption option;
        TSelectionType request, result;
    } cases[] = {
        {bkBoth, stBlockSel, stBlockSel},
        {bkStreamSel, stBlockSel, stStreamSel},
        {bkBlockSel, stStreamSel, stBlockSel},
        {bkNone, stStreamSel, stNotSelected},
    };
    for (const auto& c : cases) {
        TMemoSource m;
        Load(m, {"abc", "def"});
        m.SetBlockOption(c.option);
        m.SetSelection(stStreamSel, 0, 0, 2, 1);
        m.SetSelectionType(c.request);
        EXPECT_EQ(m.SelectionType(), c.result);
    }
    TMemoSource m;
    Load(m, {"abc"});
    m.OnGetSelectionType = [](TCustomMemoSource&, TSelectionType& t) { t = stBlockSel; };
    m.SelectRight();
    EXPECT_EQ(m.SelectionType(), stBlockSel);
}

TEST(MemoSource, BlockOptionConvertsTheSelection) {
    TMemoSource m;
    Load(m, {"abc", "def"});
    m.SetSelection(stStreamSel, 0, 0, 2, 1);
    m.SetBlockOption(bkBlockSel);
    EXPECT_EQ(m.SelectionType(), stBlockSel);
    m.SetBlockOption(bkStreamSel);
    EXPECT_EQ(m.SelectionType(), stStreamSel);
    m.SetBlockOption(bkNone);
    EXPECT_EQ(m.SelectionType(), stNotSelected);
}

TEST(MemoSource, InsideSelection) {
    TMemoSource m;
    Load(m, {"abcdef", "abcdef", "abcdef"});
    m.SetSelection(stStreamSel, 2, 0, 3, 2);
    EXPECT_FALSE(m.IsInSelection(1, 0));
    EXPECT_TRUE(m.IsInSelection(2, 0));
    EXPECT_TRUE(m.IsInSelection(0, 1));
    EXPECT_TRUE(m.IsInSelection(2, 2));
    EXPECT_FALSE(m.IsInSelection(3, 2));
    m.SetSelection(stBlockSel, 2, 0, 3, 2);
    EXPECT_TRUE(m.IsInSelection(3, 1));
    EXPECT_FALSE(m.IsInSelection(0, 1));
    EXPECT_FALSE(m.IsInSelection(4, 2));
}

TEST(MemoSource, SelectionStrings) {
    TMemoSource m;
    Load(m, {"abcdef", "gh", "ijklmn"});
    m.SetSelection(stStreamSel, 2, 0, 3, 2);
    ASSERT_EQ(m.SelectionStrings().Count(), 3);
    EXPECT_EQ(m.SelectionStrings().Get(0), u"cdef");
    EXPECT_EQ(m.SelectionStrings().Get(1), u"gh");
    EXPECT_EQ(m.SelectionStrings().Get(2), u"ijk");
    m.SetSelection(stBlockSel, 1, 0, 3, 2);
    EXPECT_EQ(m.SelectionStrings().Get(1), u"h  "); // padded to the block's width
    EXPECT_EQ(m.SelectionStrings().Get(2), u"jkl");
    m.SelectionStrings().Clear();
    EXPECT_EQ(LinesOf(m), L({"aef", "g", "imn"}));
    EXPECT_EQ(m.SelectionStrings().Count(), 0);
}

TEST(MemoSource, StreamCornersFollowEditsBlockCornersStay) {
    TMemoSource m;
    Load(m, {"abcdef", "abcdef"});
    m.SetSelection(stStreamSel, 2, 0, 4, 1);
    m.SetCaret(0, 0);
    m.BeginUpdate(ucInsertText); // keep the selection across the caret move
    m.InsertText(u"xy");
    m.EndUpdate();
    EXPECT_EQ(m.GetSelectionRect(), (TRect{4, 0, 4, 1}));
    m.SetSelection(stBlockSel, 2, 0, 4, 1);
    m.BeginUpdate(ucInsertText);
    m.InsertText(u"xy");
    m.EndUpdate();
    EXPECT_EQ(m.GetSelectionRect(), (TRect{2, 0, 4, 1}));
}

TEST(MemoSource, CollapsedRegionsHideTheirBody) {
    TMemoSource m;
    Load(m, {"sub a", "  x", "  y", "end", "z"});
    m.SetCaret(5, 0);
    ASSERT_TRUE(m.SetLineFlag(0, lfExpandedStart, true));
    for (int line : {1, 2})
        m.SetLineFlag(line, lfRegionBody, true);
    m.SetRegionState(0, TRegionState::rsCollapsed);
    EXPECT_EQ(m.GetRegionState(0), TRegionState::rsCollapsed);
    EXPECT_TRUE(m.IsLineHidden(1));
    EXPECT_TRUE(m.IsLineHidden(2));
    EXPECT_FALSE(m.IsLineHidden(3));
    m.SetCaret(0, 4);
    m.Lines().Insert(0, u"first");
    EXPECT_EQ(m.HiddenLines(), (std::vector<int>{2, 3})); // shifted with the insert
    m.SetCaret(1, 3); // explicit placement on a hidden line expands it
    EXPECT_EQ(m.GetRegionState(1), TRegionState::rsExpanded);
    EXPECT_TRUE(m.HiddenLines().empty());
}

TEST(MemoSourceOptions, SourcesUsingGlobalOptionsFollowChanges) {
    auto& global = TMemoSourceOptions::Instance();
    global.ResetDefaults();
    TMemoSource follower, other;
    follower.SetUseGlobalOptions(true);
    EXPECT_EQ(follower.Delimeters(), global.Delimeters()); // copied at once
    global.SetTabStops(u"4,8");
    global.SetBlockIndent(3);
    global.SetKeepTrailingBlanks(true);
    EXPECT_EQ(follower.TabStops(), u"4,8");
    EXPECT_EQ(follower.BlockIndent(), 3);
    EXPECT_TRUE(follower.KeepTrailingBlanks());
    EXPECT_EQ(other.TabStops(), u"9,17");
    EXPECT_FALSE(other.KeepTrailingBlanks());
    global.ResetDefaults();
}

TEST(MemoSourceOptions, PersistAndReloadThroughTheSettingsStore) {
    auto& global = TMemoSourceOptions::Instance();
    global.ResetDefaults();
    global.SetTabStops(u"2,4");
    global.SetDelimeters(u".,");
    TStringsOptions o = global.Options();
    o.Include(soLimitEOL);
    global.SetOptions(o);
    TMemoryStore store;
    global.Save(store);
    EXPECT_EQ(store.Values[u"CodeEdit\\MemoSource\\TabStops"], u"2,4");
    global.ResetDefaults();
    store.Values[u"CodeEdit\\MemoSource\\BlockIndent"] = u"nonsense";
    global.Load(store);
    EXPECT_EQ(global.TabStops(), u"2,4");
    EXPECT_EQ(global.Delimeters(), u".,");
    EXPECT_TRUE(global.Options().Contains(soLimitEOL));
    EXPECT_EQ(global.BlockIndent(), 1);
    global.ResetDefaults();
}

} // namespace
} // namespace tessorin
