// Long random command sequences on random documents: undoing everything
// must give back the original text, redoing everything the final text, and
// no position may ever go negative. The longest line must always be what a
// pass over all lines finds, and with a parser attached every line keeps one
// colour byte per character, brought back by undo and redo as well.
#include <random>

#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

// An empty document and one empty line are the same text.
std::vector<std::u16string> TextOf(const TMemoSource& m) {
    auto lines = testing::LinesOf(m);
    if (lines.size() == 1 && lines[0].empty())
        lines.clear();
    return lines;
}

std::u16string RandomLine(std::mt19937& rng) {
    static const char16_t alphabet[] = u"ab  x(){}.\t";
    std::u16string line(rng() % 4 == 0 ? 0 : rng() % 12, u' ');
    for (auto& c : line)
        c = alphabet[rng() % (std::size(alphabet) - 1)];
    return line;
}

void RunCommand(TMemoSource& m, std::mt19937& rng) {
    const int lines = std::max(m.LineCount(), 1);
    switch (rng() % 34) {
    case 0:
        m.SetCaret(rng() % 16, rng() % lines);
        break;
    case 1:
        m.CaretUp();
        break;
    case 2:
        m.CaretDown();
        break;
    case 3:
        m.CaretLeft();
        break;
    case 4:
        m.CaretRight();
        break;
    case 5:
        m.CaretWordLeft();
        break;
    case 6:
        m.CaretWordRight();
        break;
    case 7:
        m.CaretLineEnd();
        break;
    case 8:
        m.TypeChar(u"ab (){} "[rng() % 8]);
        break;
    case 9:
        m.TypeChar(u'z');
        break;
    case 10:
        m.Backspace();
        break;
    case 11:
        m.DeleteChar();
        break;
    case 12:
        m.NewLine();
        break;
    case 13:
        m.TabKey();
        break;
    case 14:
        m.BackTab();
        break;
    case 15:
        m.DeleteLine();
        break;
    case 16:
        m.DeleteToLineStart();
        break;
    case 17:
        m.DeleteToLineEnd();
        break;
    case 18:
        m.SelectRight();
        m.SelectDown();
        break;
    case 19:
        m.SelectWordLeft();
        break;
    case 20:
        m.DeleteSelection();
        break;
    case 21:
        m.SelectWord();
        break;
    case 22:
        m.Undo();
        break;
    case 23:
        m.MatchBracket();
        break;
    }
}

// Colour bytes of every line that differ from line to line and within one.
void ColourAllLines(TMemoSource& m) {
    for (int i = 0; i < m.LineCount(); ++i) {
        std::string& colors = m.LineItem(i)->ColorData;
        colors.clear();
        for (size_t k = 0; k < m.LineText(i).size(); ++k)
            colors.push_back(static_cast<char>((i + k) % 13));
    }
}

std::vector<std::string> ColoursOf(const TMemoSource& m) {
    std::vector<std::string> colors;
    for (int i = 0; i < m.LineCount(); ++i)
        colors.push_back(m.LineItem(i)->ColorData);
    if (colors.size() == 1 && colors[0].empty())
        colors.clear();
    return colors;
}

void ExpectColoursAligned(const TMemoSource& m, int step) {
    for (int i = 0; i < m.LineCount(); ++i)
        ASSERT_EQ(m.LineItem(i)->ColorData.size(), m.LineText(i).size())
            << "step " << step << " line " << i;
}

void ExpectLongestLineFound(TMemoSource& m, int step) {
    int width = 0, index = -1;
    for (int i = 0; i < m.LineCount(); ++i) {
        const int w = static_cast<int>(m.Lines().Get(i).size()); // tabs expanded
        if (index < 0 || w > width) {
            width = w;
            index = i;
        }
    }
    ASSERT_EQ(m.LongestLineWidth(), width) << "step " << step;
    ASSERT_EQ(m.LongestLineIndex(), index) << "step " << step;
}

void ExpectPositionsValid(const TMemoSource& m, int step) {
    const TPositionCollection& positions = m.Positions();
    for (int i = 0; i < positions.Count(); ++i) {
        ASSERT_GE(positions[i].CharPos, 0) << "step " << step << " position " << i;
        ASSERT_GE(positions[i].LinePos, 0) << "step " << step << " position " << i;
    }
}

TStringsOptions RandomOptions(std::mt19937& rng) {
    TStringsOptions o = DefaultStringsOptions;
    for (TStringsOption x :
         {soBackUnindents, soGroupUndo, soAutoIndent, soSmartTab, soBeyondFileEnd,
          soOverwriteBlocks, soPersistentBlocks, soLimitEOL, soUseTabCharacter, soCursorOnTabs,
          soOptimalFill, soCursorAlwaysOnTabs, soUsePrevIndent})
        o.Set(x, rng() % 2 == 0);
    return o;
}

TEST(RandomEdits, UndoAllAndRedoAllRestoreTheTexts) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        TMemoSource m;
        m.SetOptions(RandomOptions(rng));
        m.SetKeepTrailingBlanks(rng() % 3 == 0);
        m.SetTabStops(rng() % 2 ? u"2,4,6,8,10,12" : u"3,9");
        std::u16string text;
        for (int i = rng() % 8; i > 0; --i)
            text += RandomLine(rng) + u"\r\n";
        m.Lines().SetText(text);
        m.SetBlockOption(rng() % 2 ? bkBoth : bkStreamSel);
        testing::TKeepColorsParser parser;
        const bool colored = seed % 2 == 0;
        if (colored) {
            m.SetSyntaxParser(&parser);
            ColourAllLines(m);
        }
        const auto original = TextOf(m);
        const auto originalColours = ColoursOf(m);
        for (int step = 0; step < 500; ++step) {
            RunCommand(m, rng);
            ExpectPositionsValid(m, step);
            ExpectLongestLineFound(m, step);
            if (colored)
                ExpectColoursAligned(m, step);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        if (!TCustomMemoSource::InsertMode())
            m.ToggleInsertMode(); // the mode is shared by the whole process
        // Walk the redo list empty first, so that undo sees every step.
        while (m.CanRedo())
            m.Redo();
        const auto final = TextOf(m);
        const auto finalColours = ColoursOf(m);
        int guard = 0;
        while (m.CanUndo() && ++guard < 100000) {
            m.Undo();
            ExpectPositionsValid(m, -1);
        }
        EXPECT_EQ(TextOf(m), original) << "seed " << seed;
        ExpectLongestLineFound(m, -1);
        if (colored) {
            EXPECT_EQ(ColoursOf(m), originalColours) << "seed " << seed;
        }
        while (m.CanRedo() && ++guard < 200000)
            m.Redo();
        EXPECT_EQ(TextOf(m), final) << "seed " << seed;
        ExpectLongestLineFound(m, -2);
        if (colored) {
            EXPECT_EQ(ColoursOf(m), finalColours) << "seed " << seed;
        }
    }
}

} // namespace
} // namespace tessorin
