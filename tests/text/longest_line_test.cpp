// The longest line (display width with tabs expanded, and the first line of
// that width) after every kind of change, whether it was kept up to date
// from before the change or is asked for the first time afterwards.
#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::Load;

using TChange = void (*)(TMemoSource&);

struct TCase {
    const char* name;
    std::initializer_list<const char*> lines;
    TPoint caret; // placed before the change
    TChange change;
    int width, index;
};

void Nothing(TMemoSource&) {}

void TypeXY(TMemoSource& m) {
    m.TypeChar(u'x');
    m.TypeChar(u'y');
}

void TypeBlanksAndLeave(TMemoSource& m) {
    for (int i = 0; i < 3; ++i)
        m.TypeChar(u' ');
    m.CaretUp();
}

void DeleteStream(TMemoSource& m) {
    m.SetSelection(stStreamSel, 1, 0, 1, 3);
    m.DeleteSelection();
}

void DeleteColumns(TMemoSource& m) {
    m.SetSelection(stBlockSel, 1, 0, 3, 1);
    m.DeleteSelection();
}

void UnindentByFour(TMemoSource& m) {
    m.SetBlockIndent(4);
    m.SetSelection(stStreamSel, 0, 0, 0, 2);
    m.UnindentBlock();
}

void DeleteLineAndUndo(TMemoSource& m) {
    m.DeleteLine();
    m.Undo();
}

const TCase cases[] = {
    {"tab expands to its stop", {"abcd", "a\tb"}, {0, 0}, Nothing, 5, 1},
    {"of equal lines the first", {"ab", "xyz", "abc"}, {0, 0}, Nothing, 3, 1},
    {"typing widens a line", {"abc", "de"}, {2, 1}, TypeXY, 4, 1},
    {"typing to an equal width above", {"a", "abc"}, {1, 0}, TypeXY, 3, 0},
    {"trailing blanks go when the caret leaves", {"ab", "abc"}, {3, 1}, TypeBlanksAndLeave, 3, 1},
    {"widest narrowed", {"abcd", "abc", "xyz"}, {0, 0}, [](auto& m) { m.DeleteChars(2); }, 3, 1},
    {"split of the widest", {"abcdef", "abc"}, {2, 0}, [](auto& m) { m.SplitLine(); }, 4, 1},
    {"join makes the widest", {"abc", "defg", "hi"}, {3, 0}, [](auto& m) { m.JoinLines(); }, 7, 0},
    {"join above the widest", {"a", "", "abc"}, {1, 0}, [](auto& m) { m.JoinLines(); }, 3, 1},
    {"stream block", {"a", "abcdef", "abcdef", "abc", "ab"}, {0, 0}, DeleteStream, 3, 0},
    {"column block", {"abcdef", "abcdefg", "abcd"}, {0, 0}, DeleteColumns, 4, 1},
    {"unindented block", {"    abc", "    abcd", "ab"}, {0, 0}, UnindentByFour, 4, 1},
    {"undo brings the widest back", {"abc", "abcdef"}, {0, 1}, DeleteLineAndUndo, 6, 1},
    {"last character deleted", {"a"}, {0, 0}, [](auto& m) { m.DeleteChar(); }, 0, -1},
    {"line put above", {"a", "abcd"}, {0, 0}, [](auto& m) { m.Lines().Insert(0, u"xy"); }, 4, 2},
    {"line deleted above", {"a", "b", "abcd"}, {0, 0}, [](auto& m) { m.Lines().Delete(0); }, 4, 1},
    {"widest deleted", {"ab", "abcd", "a"}, {0, 0}, [](auto& m) { m.Lines().Delete(1); }, 2, 0},
    {"widest rewritten", {"abc", "abcde"}, {0, 0}, [](auto& m) { m.Lines().Put(1, u"x"); }, 3, 0},
    {"text set", {"abcdefgh"}, {0, 0}, [](auto& m) { m.Lines().SetText(u"ab\nabcdefg"); }, 7, 1},
    {"lines cleared", {"abc"}, {0, 0}, [](auto& m) { m.Lines().Clear(); }, 0, -1},
    {"tab stops moved", {"abcdef", "a\tb"}, {0, 0}, [](auto& m) { m.SetTabStops(u"8"); }, 9, 1},
};

TEST(LongestLine, FollowsEveryKindOfChange) {
    for (const bool askedBefore : {true, false}) {
        for (const TCase& c : cases) {
            TMemoSource m;
            TStringsOptions o = m.Options();
            o.Include(soUseTabCharacter);
            m.SetOptions(o);
            m.SetTabStops(u"4");
            Load(m, c.lines);
            m.SetCaret(c.caret.X, c.caret.Y);
            if (askedBefore)
                m.LongestLineWidth();
            c.change(m);
            EXPECT_EQ(m.LongestLineWidth(), c.width) << c.name << ", asked before " << askedBefore;
            EXPECT_EQ(m.LongestLineIndex(), c.index) << c.name << ", asked before " << askedBefore;
        }
    }
}

} // namespace
} // namespace tessorin
