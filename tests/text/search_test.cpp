// Search once, replace and their reports on a memo source, driven through
// the process-wide search options.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/exception.h"
#include "core/message_seam.h"
#include "memo_fixture.h"
#include "text/search_options.h"

namespace tessorin {
namespace {

using testing::L;
using testing::LinesOf;
using testing::Load;
using testing::U;

// Records every box and answers questions from a script.
class TFakeMessages final : public TMessageSeam {
public:
    std::vector<std::u16string> Shown;
    std::vector<std::u16string> Asked;
    std::deque<TConfirmAnswer> Answers;

    void ShowInformation(const std::u16string& text) override { Shown.push_back(text); }
    TConfirmAnswer ConfirmWithAll(const std::u16string& text) override {
        Asked.push_back(text);
        if (Answers.empty())
            return TConfirmAnswer::caCancel;
        const TConfirmAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        Options() = TSearchOptions();
        SetMessages(&FMessages);
        FSource.AttachView([this](TCustomMemoSource&, int, int) { ++Notifications; }, &FView,
                           false);
    }
    void TearDown() override {
        SetMessages(nullptr);
        Options() = TSearchOptions();
    }

    static TSearchOptions& Options() { return TSearchOptions::Global(); }
    TMemoSource& M() { return FSource; }
    TFakeMessages& Messages() { return FMessages; }
    TRect Found() const { return FSource.FoundRect(); }
    static TRect Hit(int column, int line, int length) {
        return {column, line, column + length, line + 1};
    }

    int Notifications = 0;

private:
    TMemoSource FSource;
    TComponent FView;
    TFakeMessages FMessages;
};

struct TFindCase {
    const char* Name;
    std::vector<const char*> Lines;
    int Column, Line; // the caret
    const char* Text;
    TSearchDirection Direction;
    bool FromScopeStart; // the first search after a dialog, over the entire scope
    bool CaseSensitive, WholeWords, Regular;
    const char* Delimeters;
    bool Found;
    TRect Hit;
    TPoint Caret;
};

constexpr auto fwd = sdForward, back = sdBackward;

const TFindCase findCases[] = {
    {"the next match after a previous one",
     {"foo foo"},
     3,
     0,
     "foo",
     fwd,
     false,
     false,
     false,
     false,
     "",
     true,
     {4, 0, 7, 1},
     {7, 0}},
    {"the match right at the caret",
     {"xfoo"},
     1,
     0,
     "foo",
     fwd,
     false,
     false,
     false,
     false,
     "",
     true,
     {1, 0, 4, 1},
     {4, 0}},
    {"backward, before a previous match",
     {"foo foo"},
     4,
     0,
     "foo",
     back,
     false,
     false,
     false,
     false,
     "",
     true,
     {0, 0, 3, 1},
     {0, 0}},
    {"backward, nothing before the caret",
     {"foo"},
     0,
     0,
     "foo",
     back,
     false,
     false,
     false,
     false,
     "",
     false,
     {},
     {0, 0}},
    {"on later lines",
     {"a", "", "xxfoo"},
     1,
     0,
     "foo",
     fwd,
     false,
     false,
     false,
     false,
     "",
     true,
     {2, 2, 5, 3},
     {5, 2}},
    {"backward on earlier lines",
     {"foo", "", "x"},
     1,
     2,
     "foo",
     back,
     false,
     false,
     false,
     false,
     "",
     true,
     {0, 0, 3, 1},
     {0, 0}},
    {"entire scope starts at the top",
     {"foo", "foo"},
     3,
     1,
     "foo",
     fwd,
     true,
     false,
     false,
     false,
     "",
     true,
     {0, 0, 3, 1},
     {3, 0}},
    {"entire scope backward starts at the end",
     {"foo", "foo x"},
     0,
     0,
     "foo",
     back,
     true,
     false,
     false,
     false,
     "",
     true,
     {0, 1, 3, 2},
     {0, 1}},
    {"letter case ignored",
     {"xFoO"},
     0,
     0,
     "fOo",
     fwd,
     true,
     false,
     false,
     false,
     "",
     true,
     {1, 0, 4, 1},
     {4, 0}},
    {"letter case kept",
     {"xFoO foo"},
     0,
     0,
     "foo",
     fwd,
     true,
     true,
     false,
     false,
     "",
     true,
     {5, 0, 8, 1},
     {8, 0}},
    {"whole words skip a longer word",
     {"foobar foo"},
     0,
     0,
     "foo",
     fwd,
     true,
     false,
     true,
     false,
     "",
     true,
     {7, 0, 10, 1},
     {10, 0}},
    {"whole words skip the end of a word",
     {"xfoo foo"},
     0,
     0,
     "foo",
     fwd,
     true,
     false,
     true,
     false,
     "",
     true,
     {5, 0, 8, 1},
     {8, 0}},
    {"whole words backward",
     {"foo foox"},
     8,
     0,
     "foo",
     back,
     false,
     false,
     true,
     false,
     "",
     true,
     {0, 0, 3, 1},
     {0, 0}},
    {"a full stop is a word character without delimiters",
     {"foo.bar"},
     0,
     0,
     "foo",
     fwd,
     true,
     false,
     true,
     false,
     "",
     false,
     {},
     {0, 0}},
    {"a full stop delimits once it is a delimiter",
     {"foo.bar"},
     0,
     0,
     "foo",
     fwd,
     true,
     false,
     true,
     false,
     ".",
     true,
     {0, 0, 3, 1},
     {3, 0}},
    {"display columns after a tab",
     {"\tfoo"},
     0,
     0,
     "foo",
     fwd,
     true,
     false,
     false,
     false,
     "",
     true,
     {9, 0, 12, 1},
     {12, 0}},
    {"a pattern",
     {"abbbc"},
     0,
     0,
     "b+c",
     fwd,
     true,
     false,
     false,
     true,
     "",
     true,
     {1, 0, 5, 1},
     {5, 0}},
    {"a pattern backward",
     {"ab ab"},
     5,
     0,
     "a.",
     back,
     false,
     false,
     false,
     true,
     "",
     true,
     {3, 0, 5, 1},
     {3, 0}},
    {"an empty match at the start moves on",
     {"abc"},
     1,
     0,
     "x*",
     fwd,
     false,
     false,
     false,
     true,
     "",
     true,
     {2, 0, 2, 1},
     {2, 0}},
    {"backward ignores trailing blanks",
     {"ab   "},
     5,
     0,
     "b$",
     back,
     false,
     false,
     false,
     true,
     "",
     true,
     {1, 0, 2, 1},
     {1, 0}},
    {"an empty text is found nowhere",
     {"abc"},
     0,
     0,
     "",
     fwd,
     true,
     false,
     false,
     false,
     "",
     false,
     {},
     {0, 0}},
};

TEST_F(SearchTest, SearchOnceFindsWhereTheOptionsSay) {
    for (const TFindCase& c : findCases) {
        SCOPED_TRACE(c.Name);
        TMemoSource m;
        m.SetOptions(TStringsOptions{soUseTabCharacter});
        m.SetDelimeters(U(c.Delimeters));
        std::u16string text;
        for (const char* line : c.Lines)
            text += U(line) + u"\n";
        m.Lines().SetText(text);
        m.SetCaret(c.Column, c.Line);
        Options() = TSearchOptions();
        Options().TextToFind = U(c.Text);
        Options().Direction = c.Direction;
        Options().CaseSensitive = c.CaseSensitive;
        Options().WholeWordsOnly = c.WholeWords;
        Options().RegularExpr = c.Regular;
        EXPECT_EQ(c.FromScopeStart ? m.Find() : m.FindNext(), c.Found);
        EXPECT_EQ(m.FoundRect(), c.Hit);
        EXPECT_EQ(m.Caret().CharPos, c.Caret.X);
        EXPECT_EQ(m.Caret().LinePos, c.Caret.Y);
        EXPECT_FALSE(m.HasSelection());
    }
}

TEST_F(SearchTest, ADelimiterInTheTextSwitchesWholeWordsOff) {
    Load(M(), {"xa+b"});
    M().SetDelimeters(u"+");
    Options().TextToFind = u"a+b";
    Options().WholeWordsOnly = true;
    EXPECT_TRUE(M().Find());
    EXPECT_EQ(Found(), Hit(1, 0, 3));
    EXPECT_FALSE(Options().WholeWordsOnly);
    // A pattern keeps the option.
    Options().WholeWordsOnly = true;
    Options().RegularExpr = true;
    EXPECT_FALSE(M().Find());
    EXPECT_TRUE(Options().WholeWordsOnly);
}

// Each repetition moves on by one line instead of finding the same place.
TEST_F(SearchTest, BareLinePatternsWalkFromLineToLine) {
    Load(M(), {"ab", "", "cd"});
    Options().RegularExpr = true;
    const struct {
        const char* Pattern;
        TSearchDirection Direction;
        std::vector<int> Columns;
    } cases[] = {
        {"^", sdForward, {0, 0, 0}},
        {"$", sdForward, {2, 0, 2}},
        {"^$", sdForward, {0}},
        {"^", sdBackward, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pattern);
        Options().TextToFind = U(c.Pattern);
        Options().Direction = c.Direction;
        const bool forward = c.Direction == sdForward;
        std::vector<TRect> hits;
        for (bool found = M().Find(); found; found = M().FindNext())
            hits.push_back(Found());
        std::vector<TRect> expected;
        for (size_t k = 0; k < c.Columns.size(); ++k) {
            const int line = forward ? static_cast<int>(k) : 2 - static_cast<int>(k);
            expected.push_back(Hit(c.Columns[k], c.Columns.size() == 1 ? 1 : line, 0));
        }
        EXPECT_EQ(hits, expected);
    }
}

TEST_F(SearchTest, SelectedTextIsSearchedInsideTheSelectionOnly) {
    Load(M(), {"foo foo", "foo foo"});
    M().SetSelection(stStreamSel, 2, 0, 3, 1);
    Options().TextToFind = u"foo";
    Options().Scope = ssSelectedText;
    std::vector<TRect> hits;
    for (bool found = M().Find(); found; found = M().FindNext())
        hits.push_back(Found());
    EXPECT_EQ(hits, (std::vector<TRect>{Hit(4, 0, 3), Hit(0, 1, 3)}));
    EXPECT_EQ(M().GetSelectionRect(), (TRect{2, 0, 3, 1}));
    EXPECT_EQ(M().SelectionType(), stStreamSel);
}

TEST_F(SearchTest, AColumnSelectionIsSearchedColumnByColumn) {
    Load(M(), {"foofoo", "xfoo", "xxfoox"});
    M().SetSelection(stBlockSel, 1, 0, 5, 2);
    Options().TextToFind = u"foo";
    Options().Scope = ssSelectedText;
    std::vector<TRect> hits;
    for (bool found = M().Find(); found; found = M().FindNext())
        hits.push_back(Found());
    EXPECT_EQ(hits, (std::vector<TRect>{Hit(3, 0, 3), Hit(1, 1, 3), Hit(2, 2, 3)}));
}

TEST_F(SearchTest, AFoundMatchIsSelectedWithSelectFoundText) {
    Load(M(), {"a foo"});
    TStringsOptions o = M().Options();
    o.Include(soSelectFoundText);
    M().SetOptions(o);
    Options().TextToFind = u"foo";
    EXPECT_TRUE(M().Find());
    EXPECT_EQ(M().SelectionType(), stStreamSel);
    EXPECT_EQ(M().GetSelectionRect(), (TRect{2, 0, 5, 0}));
}

TEST_F(SearchTest, BlockSearchFailuresAreReportedOrRaised) {
    Load(M(), {"foo foo"});
    Options().TextToFind = u"foo";
    Options().Scope = ssSelectedText;
    const std::u16string invalid = u"Tried to search marked block but it is invalid";
    try {
        M().Find();
        ADD_FAILURE() << "no exception";
    } catch (const TException& e) {
        EXPECT_EQ(e.Message(), invalid);
    }
    std::vector<std::u16string> reported;
    M().OnSearchException = [&](TCustomMemoSource&, const TException& e, bool& handled) {
        reported.push_back(e.Message());
        handled = true;
    };
    EXPECT_FALSE(M().Find());
    M().SetSelection(stStreamSel, 4, 0, 7, 0);
    M().SetCaret(0, 0);
    Options().Origin = soFromCursor;
    EXPECT_FALSE(M().Find());
    EXPECT_EQ(
        reported,
        (std::vector<std::u16string>{
            invalid, u"Tried to search marked block from cursor but cursor is outside block"}));
    EXPECT_TRUE(Messages().Shown.empty());
    EXPECT_EQ(Found(), TRect{});
}

TEST_F(SearchTest, NotFoundAndInvalidPatternsAreShownUnlessHandled) {
    Load(M(), {"abc"});
    M().SetCaret(1, 0);
    Options().TextToFind = u"a&b";
    EXPECT_FALSE(M().Find()); // without ShowNotFound: nothing shown, nothing moved
    EXPECT_TRUE(Messages().Shown.empty());
    EXPECT_EQ(M().Caret(), TPosition(1, 0));
    EXPECT_EQ(LinesOf(M()), L({"abc"}));
    Options().ShowNotFound = true;
    EXPECT_FALSE(M().Find());
    Options().TextToFind = u"{a";
    Options().RegularExpr = true;
    EXPECT_FALSE(M().Find()); // no not-found report after the error
    EXPECT_EQ(Messages().Shown, (std::vector<std::u16string>{u"Search string 'a&&b' not found",
                                                             u"{a is invalid mask at (3)"}));
    bool seen = false;
    M().OnSearchException = [&](TCustomMemoSource& sender, const TException& e, bool& handled) {
        seen = &sender == &M() && e.Message() == u"{a is invalid mask at (3)";
        handled = true;
    };
    EXPECT_FALSE(M().Find());
    EXPECT_TRUE(seen);
    EXPECT_EQ(Messages().Shown.size(), 2u);
}

TEST_F(SearchTest, FindNextWaitsForTheFirstSearchAndRepeatsTheLastCommand) {
    Load(M(), {"foo foo foo"});
    Options().TextToFind = u"foo";
    Options().ReplaceWith = u"x";
    Options().FirstSearch = true; // as a dialog leaves it
    EXPECT_FALSE(M().FindNext());
    EXPECT_EQ(M().Caret(), TPosition(0, 0));
    EXPECT_TRUE(M().Find());
    EXPECT_TRUE(M().FindNext());
    EXPECT_EQ(Found(), Hit(4, 0, 3));
    EXPECT_TRUE(M().Replace());
    EXPECT_TRUE(M().FindNext()); // replaces now
    EXPECT_EQ(LinesOf(M()), L({"x x foo"}));
}

TEST_F(SearchTest, FindNextWithoutASelectionSearchesEverything) {
    Load(M(), {"foo"});
    Options().TextToFind = u"foo";
    Options().Scope = ssSelectedText;
    EXPECT_TRUE(M().FindNext());
    EXPECT_EQ(Options().Scope, ssGlobal);
}

TEST_F(SearchTest, ReplaceOneForwardAndBackward) {
    Load(M(), {"a foo b foo"});
    Options().TextToFind = u"foo";
    Options().ReplaceWith = u"bar!";
    EXPECT_TRUE(M().Replace());
    EXPECT_EQ(LinesOf(M()), L({"a bar! b foo"}));
    EXPECT_EQ(M().Caret(), TPosition(6, 0));
    EXPECT_EQ(M().ReplacementCount(), 1);
    Options().Direction = sdBackward;
    Options().ReplaceWith = u"foo-foo";
    EXPECT_TRUE(M().Replace()); // from the end of the entire scope
    EXPECT_EQ(LinesOf(M()), L({"a bar! b foo-foo"}));
    EXPECT_EQ(M().Caret(), TPosition(9, 0));
    EXPECT_FALSE(M().FindNext()); // nothing before the caret
}

TEST_F(SearchTest, ReplaceAllWithNothingNotifiesViewsOnce) {
    Load(M(), {"foo x foo", "foofoo", "none"});
    Options().TextToFind = u"foo";
    Options().ReplaceAll = true;
    Notifications = 0;
    EXPECT_TRUE(M().Replace());
    // The caret leaving the first line took its trailing blank.
    EXPECT_EQ(LinesOf(M()), L({" x", "", "none"}));
    EXPECT_EQ(Notifications, 1);
    EXPECT_EQ(M().ReplacementCount(), 4);
    EXPECT_EQ(Found(), TRect{});
    // One undo step gives the whole text back.
    M().Undo();
    EXPECT_EQ(LinesOf(M()), L({"foo x foo", "foofoo", "none"}));
}

TEST_F(SearchTest, ReplaceAllDoesNotFindItsOwnReplacements) {
    const struct {
        TSearchDirection Direction;
        const char* With;
    } cases[] = {{sdForward, "foofoo"}, {sdBackward, "foofoo"}, {sdForward, "xoo"}};
    for (const auto& c : cases) {
        Load(M(), {"foo foo", "ffoo"});
        Options().TextToFind = u"foo";
        Options().ReplaceWith = U(c.With);
        Options().Direction = c.Direction;
        Options().ReplaceAll = true;
        EXPECT_TRUE(M().Replace());
        const std::u16string w = U(c.With);
        EXPECT_EQ(LinesOf(M()), (std::vector<std::u16string>{w + u" " + w, u"f" + w}));
        EXPECT_EQ(M().ReplacementCount(), 3);
    }
}

TEST_F(SearchTest, CancelAtThePromptLeavesTheMatchSelected) {
    Load(M(), {"a foo&"});
    TStringsOptions o = M().Options();
    o.Include(soSelectFoundText);
    M().SetOptions(o);
    Options().TextToFind = u"foo&";
    Options().ReplaceWith = u"bar";
    Options().PromptOnReplace = true;
    Messages().Answers = {TConfirmAnswer::caCancel};
    EXPECT_FALSE(M().Replace());
    EXPECT_EQ(LinesOf(M()), L({"a foo&"}));
    EXPECT_EQ(Messages().Asked,
              (std::vector<std::u16string>{u"Replace this occurence of 'foo&&'?"}));
    EXPECT_EQ(M().GetSelectionRect(), (TRect{2, 0, 6, 0}));
    EXPECT_TRUE(M().HasSelection());
    EXPECT_EQ(M().ReplacementCount(), 0);
}

TEST_F(SearchTest, PromptAnswersDecideEachReplacement) {
    using enum TConfirmAnswer;
    const struct {
        const char* Name;
        bool ReplaceAll;
        std::deque<TConfirmAnswer> Answers;
        const char* Result;
        size_t Asked;
        bool PromptAfter;
    } cases[] = {
        {"yes replaces one", false, {caYes}, "bar foo foo foo", 1, true},
        {"no replaces nothing", false, {caNo}, "foo foo foo foo", 1, true},
        {"all replaces the rest without asking", false, {caAll}, "bar bar bar bar", 1, false},
        {"each round asks in replace all",
         true,
         {caNo, caYes, caYes, caCancel},
         "foo bar bar foo",
         4,
         true},
        {"all in replace all", true, {caNo, caAll}, "foo bar bar bar", 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Load(M(), {"foo foo foo foo"});
        Options().TextToFind = u"foo";
        Options().ReplaceWith = u"bar";
        Options().PromptOnReplace = true;
        Options().ReplaceAll = c.ReplaceAll;
        Messages().Asked.clear();
        Messages().Answers = c.Answers;
        M().Replace();
        EXPECT_EQ(LinesOf(M()), L({c.Result}));
        EXPECT_EQ(Messages().Asked.size(), c.Asked);
        EXPECT_EQ(Options().PromptOnReplace, c.PromptAfter);
    }
}

TEST_F(SearchTest, AReadOnlyDocumentRefusesReplaceButSearches) {
    Load(M(), {"foo"});
    M().SetReadOnly(true);
    Options().TextToFind = u"foo";
    Options().ReplaceWith = u"x";
    EXPECT_FALSE(M().Replace());
    EXPECT_EQ(LinesOf(M()), L({"foo"}));
    EXPECT_TRUE(M().Find());
}

TEST_F(SearchTest, TheViewHookHearsSearchesAndReplaces) {
    Load(M(), {"foo"});
    std::vector<bool> calls;
    M().OnBeforeSearch = [&](bool replacing) { calls.push_back(replacing); };
    Options().TextToFind = u"foo";
    M().Find();
    M().Replace();
    EXPECT_EQ(calls, (std::vector<bool>{false, true, false}));
}

TEST_F(SearchTest, PreparingTakesTheWordAtTheCaretAndTheScope) {
    Load(M(), {"one two", "three"});
    M().SetCaret(5, 0);
    M().PrepareSearchOptions();
    EXPECT_EQ(Options().TextToFind, u"two");
    EXPECT_EQ(Options().Scope, ssGlobal);
    M().SetCaret(3, 1); // on the selection's end corner
    M().SetSelection(stStreamSel, 0, 0, 3, 1);
    M().PrepareSearchOptions();
    EXPECT_EQ(Options().TextToFind, u"three");
    EXPECT_EQ(Options().Scope, ssSelectedText);
    M().SetOptions(TStringsOptions{});
    Options().TextToFind = u"kept";
    M().SetCaret(4, 1);
    M().PrepareSearchOptions();
    EXPECT_EQ(Options().TextToFind, u"kept");
    EXPECT_EQ(Options().Scope, ssGlobal);
}

} // namespace
} // namespace tessorin
