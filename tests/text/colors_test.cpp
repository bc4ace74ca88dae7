// Colour bytes of inserted text, the style of typed text and the attached
// parser.
#include <memory>

#include <gtest/gtest.h>

#include "memo_fixture.h"

namespace tessorin {
namespace {

using testing::Load;

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(TypedTextStyle, TypingTakesTheStyleAtTheCaret) {
    struct Case {
        const char* text;
        std::string colors;
        int column;
        int typed; // byte the typed character gets
        int style; // style of typed text afterwards
    } cases[] = {
        {"abc", Bytes({1, 2, 3}), 1, 2, 2},   // the character at the caret
        {"abc", Bytes({1, 2, 3}), 0, 1, 1},   // the first at column 0
        {"abc", Bytes({1, 2, 3}), 3, 3, 3},   // the last at the line end
        {"abc", Bytes({1, 2, 3}), 6, 3, 3},   // and beyond it
        {"abc", Bytes({6, 12, 12}), 2, 6, 6}, // a URL gives way to what precedes it
        {"abc", Bytes({12, 12, 3}), 1, 0, 0}, // or to 0 when nothing does
        {"a\tb", Bytes({4, 5, 6}), 3, 5, 5},  // inside a tab: the tab's byte
        {"", "", 0, 0, -1},                   // no colours: no style
    };
    for (const auto& c : cases) {
        TMemoSource m;
        testing::TKeepColorsParser parser;
        m.SetSyntaxParser(&parser);
        TStringsOptions o = m.Options();
        o.Include(soUseTabCharacter);
        m.SetOptions(o);
        m.SetTabStops(u"4");
        Load(m, {c.text});
        if (m.LineCount() > 0)
            m.LineItem(0)->ColorData = c.colors;
        m.SetCaret(c.column, 0);
        m.TypeChar(u'x');
        const TStringItem& item = *m.LineItem(0);
        const size_t at = item.Text.find(u'x');
        ASSERT_EQ(item.ColorData.size(), item.Text.size()) << c.text << " " << c.column;
        EXPECT_EQ(static_cast<unsigned char>(item.ColorData[at]), c.typed)
            << c.text << " " << c.column;
        EXPECT_EQ(m.TypedTextStyle(), c.style) << c.text << " " << c.column;
    }
}

TEST(TypedTextStyle, InsertedTextColours) {
    const std::string given = Bytes({7});
    struct Case {
        const char* name;
        bool parser;
        std::string colors; // of "abc"; empty means not yet parsed
        int style;
        const std::string* given;
        std::string result; // after inserting "xy" at column 1
    } cases[] = {
        {"stored style", true, Bytes({1, 2, 3}), 9, nullptr, Bytes({1, 9, 9, 2, 3})},
        {"unset style", true, Bytes({1, 2, 3}), -1, nullptr, Bytes({1, 2, 2, 2, 3})},
        {"given colours win", true, Bytes({1, 2, 3}), 9, &given, Bytes({1, 7, 0, 2, 3})},
        {"unparsed line", true, "", 5, nullptr, Bytes({0, 5, 5, 0, 0})},
        {"no parser ignores the style", false, Bytes({1, 2, 3}), 9, nullptr,
         Bytes({1, 2, 2, 2, 3})},
        {"no parser, no colours", false, "", 5, nullptr, ""},
    };
    for (const auto& c : cases) {
        TMemoSource m;
        testing::TKeepColorsParser parser;
        if (c.parser)
            m.SetSyntaxParser(&parser);
        Load(m, {"abc"});
        m.LineItem(0)->ColorData = c.colors;
        m.SetTypedTextStyle(c.style);
        m.SetCaret(1, 0);
        m.InsertText(u"xy", c.given);
        EXPECT_EQ(m.LineItem(0)->ColorData, c.result) << c.name;
    }
}

TEST(TypedTextStyle, SplitTakesTheByteAtTheCaretExceptInUndo) {
    TMemoSource m;
    testing::TKeepColorsParser parser;
    m.SetSyntaxParser(&parser);
    Load(m, {"abc"});
    m.LineItem(0)->ColorData = Bytes({1, 2, 3});
    m.SetTypedTextStyle(9);
    m.SetCaret(1, 0);
    m.SplitLine();
    EXPECT_EQ(m.TypedTextStyle(), 2);
    EXPECT_EQ(m.LineItem(0)->ColorData, Bytes({1}));
    EXPECT_EQ(m.LineItem(1)->ColorData, Bytes({2, 3}));
    m.SetCaret(2, 1);
    m.SplitLine(); // no character at the caret
    EXPECT_EQ(m.TypedTextStyle(), -1);

    m.SetCaret(1, 0);
    m.JoinLines();
    m.SetTypedTextStyle(9);
    m.Undo(); // splits again
    EXPECT_EQ(m.LineItem(1)->ColorData, Bytes({2, 3}));
    EXPECT_EQ(m.TypedTextStyle(), 9);
}

TEST(TypedTextStyle, UndoGivesDeletedColoursBackUnderAParser) {
    for (const bool withParser : {true, false}) {
        TMemoSource m;
        testing::TKeepColorsParser parser;
        if (withParser)
            m.SetSyntaxParser(&parser);
        Load(m, {"abc"});
        m.LineItem(0)->ColorData = Bytes({1, 2, 3});
        m.SetCaret(1, 0);
        m.DeleteChars(1);
        m.Undo();
        // Without a parser the text comes back plain, in the style at the caret.
        EXPECT_EQ(m.LineItem(0)->ColorData, withParser ? Bytes({1, 2, 3}) : Bytes({1, 3, 3}));
    }
}

TEST(SyntaxParser, AttachingOrLosingItRecolours) {
    TMemoSource m;
    Load(m, {"ab", "cd"});
    struct THeard {
        int First, Last;
        TMemoStates States;
    };
    std::vector<THeard> heard;
    TComponent view;
    m.AttachView(
        [&](TCustomMemoSource& s, int first, int last) {
            heard.push_back({first, last, s.UpdateStates()});
        },
        &view, false);
    auto parser = std::make_unique<testing::TKeepColorsParser>();
    for (int i = 0; i < 2; ++i) {
        m.LineItem(i)->ColorData = Bytes({1, 2});
        m.LineItem(i)->SetFlag(lfParsed, true);
        m.LineItem(i)->LineData = {1, 2, 3};
    }
    m.SetSyntaxParser(parser.get());
    m.SetSyntaxParser(parser.get()); // unchanged: nothing happens
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_TRUE(heard[0].States.Contains(msParserChanged));
    EXPECT_EQ(heard[0].First, 0);
    EXPECT_EQ(heard[0].Last, INT_MAX);
    EXPECT_FALSE(m.LineItem(1)->HasFlag(lfParsed));
    EXPECT_EQ(m.LineItem(1)->LineData, (std::array<std::int32_t, 3>{}));
    EXPECT_EQ(m.LineItem(1)->ColorData, Bytes({1, 2})); // kept for the parser

    parser.reset();
    EXPECT_EQ(m.SyntaxParser(), nullptr);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[1].States.Contains(msParserChanged));
    EXPECT_EQ(m.LineItem(1)->ColorData, ""); // nobody colours them any more
}

TEST(SyntaxParser, OutlivesItsMemoSource) {
    testing::TKeepColorsParser parser;
    auto m = std::make_unique<TMemoSource>();
    m->SetSyntaxParser(&parser);
    m.reset(); // the parser must not tell a memo source that is gone
}

} // namespace
} // namespace tessorin
