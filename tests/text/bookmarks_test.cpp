#include <gtest/gtest.h>

#include "memo_fixture.h"
#include "one_undo_step.h"

namespace tessorin {
namespace {

using testing::ExpectOneUndoStep;
using testing::L;
using testing::LinesOf;
using testing::Load;

TPoint BookmarkAt(const TMemoSource& m, int number) {
    TPoint p;
    m.GetBookmark(number, p);
    return p;
}

TEST(Bookmarks, ToggleClearsOnTheSameLineAndMovesFromAnother) {
    TMemoSource m;
    Load(m, {"one", "two", "three"});
    m.SetCaret(1, 0);
    m.ToggleBookmark(3);
    EXPECT_EQ(BookmarkAt(m, 3), (TPoint{1, 0}));
    m.SetCaret(2, 0);
    m.ToggleBookmark(3); // same line, other column: still a toggle off
    TPoint p;
    EXPECT_FALSE(m.GetBookmark(3, p));
    EXPECT_EQ(p, (TPoint{-1, -1}));
    m.ToggleBookmark(3);
    m.SetCaret(4, 2);
    m.ToggleBookmark(3);
    EXPECT_EQ(BookmarkAt(m, 3), (TPoint{4, 2}));
    EXPECT_EQ(m.Bookmarks().Count(), 1);
    for (int invalid : {0, 11, -1})
        m.ToggleBookmark(invalid);
    EXPECT_EQ(m.Bookmarks().Count(), 1);
}

TEST(Bookmarks, EnterCarriesABookmarkToTheNewLineAndUndoBringsItBack) {
    TMemoSource m;
    Load(m, {"a", "b", "abcdefgh", "c"});
    m.SetCaret(5, 2);
    m.SetBookmark(1);
    m.SetCaret(0, 3);
    m.SetBookmark(2);
    m.SetCaret(5, 2);
    m.ClearUndo();
    m.NewLine();
    EXPECT_EQ(LinesOf(m), L({"a", "b", "abcde", "fgh", "c"}));
    EXPECT_EQ(BookmarkAt(m, 1), (TPoint{0, 3}));
    EXPECT_EQ(BookmarkAt(m, 2), (TPoint{0, 4}));
    ExpectOneUndoStep(m, L({"a", "b", "abcdefgh", "c"}));
    EXPECT_EQ(BookmarkAt(m, 1), (TPoint{5, 2}));
    EXPECT_EQ(BookmarkAt(m, 2), (TPoint{0, 3}));
}

TEST(Bookmarks, JoiningMovesTheLowerLinesBookmarksUp) {
    TMemoSource m;
    Load(m, {"x", "y", "abcdefg", "hij", "k"});
    m.SetCaret(0, 3);
    m.SetBookmark(4);
    m.SetCaret(0, 4);
    m.SetBookmark(5);
    m.SetCaret(0, 3);
    m.ClearUndo();
    m.Backspace();
    EXPECT_EQ(LinesOf(m), L({"x", "y", "abcdefghij", "k"}));
    EXPECT_EQ(BookmarkAt(m, 4), (TPoint{7, 2}));
    EXPECT_EQ(BookmarkAt(m, 5), (TPoint{0, 3}));
    ExpectOneUndoStep(m, L({"x", "y", "abcdefg", "hij", "k"}));
    EXPECT_EQ(BookmarkAt(m, 4), (TPoint{0, 3}));
}

TEST(Bookmarks, FollowInsertionsAndDeletionsOnTheirLine) {
    struct Case {
        const char* name;
        int caret;
        void (*edit)(TMemoSource&);
        int expected; // column of the bookmark set at column 4
    };
    const Case cases[] = {
        {"insert before", 1, [](TMemoSource& m) { m.InsertText(u"xy"); }, 6},
        {"insert at", 4, [](TMemoSource& m) { m.InsertText(u"xy"); }, 6},
        {"insert after", 5, [](TMemoSource& m) { m.InsertText(u"xy"); }, 4},
        {"delete before", 1, [](TMemoSource& m) { m.DeleteChars(2); }, 2},
        {"delete covering", 3, [](TMemoSource& m) { m.DeleteChars(3); }, 4},
        {"delete after", 5, [](TMemoSource& m) { m.DeleteChars(1); }, 4},
    };
    for (const Case& c : cases) {
        TMemoSource m;
        Load(m, {"abcdefgh", "other"});
        m.SetCaret(4, 0);
        m.SetBookmark(7);
        m.SetCaret(0, 1);
        m.SetBookmark(8);
        m.SetCaret(c.caret, 0);
        c.edit(m);
        EXPECT_EQ(BookmarkAt(m, 7), (TPoint{c.expected, 0})) << c.name;
        EXPECT_EQ(BookmarkAt(m, 8), (TPoint{0, 1})) << c.name;
    }
}

TEST(Bookmarks, LineWritesMoveThemAndClearingDropsThem) {
    TMemoSource m;
    Load(m, {"a", "b", "c"});
    m.SetCaret(0, 1);
    m.SetBookmark(1);
    m.SetCaret(0, 2);
    m.SetBookmark(2);
    m.Lines().Insert(0, u"new");
    EXPECT_EQ(BookmarkAt(m, 1), (TPoint{0, 2}));
    m.Lines().Delete(2); // "b": its bookmark stays with the line taking its place
    EXPECT_EQ(BookmarkAt(m, 1), (TPoint{0, 2}));
    EXPECT_EQ(BookmarkAt(m, 2), (TPoint{0, 2}));
    m.Lines().SetText(u"other");
    EXPECT_EQ(m.Bookmarks().Count(), 0);
}

TEST(Bookmarks, ViewQueries) {
    TMemoSource m;
    Load(m, {"abcdefghij", "k"});
    for (auto [number, column] : {std::pair{5, 6}, {2, 1}, {9, 6}}) {
        m.SetCaret(column, 0);
        m.SetBookmark(number);
    }
    EXPECT_EQ(m.BookmarkOnLine(0), 2);
    EXPECT_EQ(m.BookmarkOnLine(1), 0);
    EXPECT_EQ(m.BookmarkInRange(0, 3, 8), 5);
    EXPECT_EQ(m.BookmarkInRange(0, 2, 5), 0);
    const std::vector<TBookmark> found = m.BookmarksInRange(0, 1, 6);
    EXPECT_EQ(found, (std::vector<TBookmark>{{1, 0, 2}, {6, 0, 5}, {6, 0, 9}}));
}

struct TRecordingView : TComponent {
    std::vector<TMemoStates> States;
    std::vector<std::pair<int, int>> Ranges;
    void Attach(TMemoSource& m) {
        m.AttachView(
            [this](TCustomMemoSource& s, int first, int last) {
                States.push_back(s.UpdateStates());
                Ranges.push_back({first, last});
            },
            this, false);
    }
};

TEST(Bookmarks, GotoIsACaretMoveEvenInPlaceAndSettingRepaints) {
    TMemoSource m;
    Load(m, {"a", "b", "cde"});
    m.SetCaret(2, 2);
    TRecordingView view;
    view.Attach(m);
    m.SetBookmark(6);
    ASSERT_EQ(view.Ranges.size(), 1u);
    EXPECT_EQ(view.Ranges[0], (std::pair{2, 2}));
    EXPECT_TRUE(view.States[0].Contains(msBlockChanged));
    m.SetCaret(0, 0);
    m.GotoBookmark(6);
    EXPECT_EQ(m.Caret(), TPosition(2, 2));
    view.States.clear();
    m.GotoBookmark(6);
    ASSERT_EQ(view.States.size(), 1u);
    EXPECT_TRUE(view.States[0].Contains(msPositionChanged));
    view.States.clear();
    m.GotoBookmark(1); // not set
    EXPECT_TRUE(view.States.empty());
    m.ClearBookmark(6);
    EXPECT_TRUE(view.States.back().Contains(msBlockChanged));
    EXPECT_EQ(m.BookmarkOnLine(2), 0);
}

TEST(LineStyles, OutsideTheDocumentNothingChanges) {
    TMemoSource m;
    Load(m, {"a"});
    m.SetLineStyle(5, 3);
    m.SetLineStyle(-1, 3);
    EXPECT_EQ(m.GetLineStyle(5), 0);
    m.SetLineStyle(0, 3);
    EXPECT_EQ(m.GetLineStyle(0), 3);
    m.HighlightLine(9, 4); // ignored, and does not disturb line 0
    m.CaretRight();
    EXPECT_EQ(m.GetLineStyle(0), 3);
}

TEST(LineStyles, HighlightLastsUntilTheNextUpdate) {
    TMemoSource m;
    Load(m, {"a", "b", "c", "d", "e", "f"});
    m.SetLineStyle(4, 2);
    m.HighlightLine(4, 7);
    EXPECT_EQ(m.GetLineStyle(4), 7);
    m.CaretDown();
    EXPECT_EQ(m.GetLineStyle(4), 2);
    m.HighlightLine(1, 7);
    m.HighlightLine(3, 8);
    EXPECT_EQ(m.GetLineStyle(1), 0);
    EXPECT_EQ(m.GetLineStyle(3), 8);
    m.TypeChar(u'x');
    EXPECT_EQ(m.GetLineStyle(3), 0);
}

TEST(LineStyles, SettingAStyleRepaintsOnlyThatLine) {
    TMemoSource m;
    Load(m, {"a", "b", "c"});
    TRecordingView view;
    view.Attach(m);
    m.SetLineStyle(1, 5);
    m.SetLineStyle(1, 5); // unchanged: no update
    ASSERT_EQ(view.Ranges.size(), 1u);
    EXPECT_EQ(view.Ranges[0], (std::pair{1, 1}));
    EXPECT_TRUE(view.States[0].Contains(msBlockChanged));
    EXPECT_FALSE(view.States[0].Contains(msEdited));
}

TEST(LineStyles, GutterImagesAndStylesMergeUpOnJoin) {
    TMemoSource m;
    Load(m, {"", "abc"});
    m.LineItem(0)->GutterImages = 0x1;
    m.LineItem(1)->GutterImages = 0x6;
    m.LineItem(1)->LineStyle = 4;
    m.SetCaret(0, 0);
    m.JoinLines();
    EXPECT_EQ(m.LineItem(0)->GutterImages, 0x7);
    EXPECT_EQ(m.GetLineStyle(0), 4);
}

} // namespace
} // namespace tessorin
