#include "text/tab_rack.h"

#include <gtest/gtest.h>

#include "core/exception.h"

namespace tessorin {
namespace {

TEST(TabRack, StopsContinueWithTheLastStep) {
    struct Case {
        const char16_t* rack;
        std::vector<int> stops; // stops 0, 1, 2, ...
    } cases[] = {
        {u"9,17", {9, 17, 25, 33}},
        {u"2,4,6,8,10,12", {2, 4, 6, 8, 10, 12, 14, 16}},
        {u"", {8, 16, 24}},
        {u"5", {5, 10, 15}},
    };
    for (const auto& c : cases) {
        TTabRack rack;
        rack.Assign(c.rack);
        for (size_t k = 0; k < c.stops.size(); ++k) {
            EXPECT_EQ(rack.Stop(static_cast<int>(k)), c.stops[k]) << "stop " << k;
            EXPECT_EQ(rack.NextStop(c.stops[k] - 1), c.stops[k]) << "stop " << k;
        }
    }
}

TEST(TabRack, InvalidRackRaisesAndKeepsThePreviousStops) {
    TTabRack rack;
    rack.Assign(u"2,4");
    for (const char16_t* bad : {u"4,4", u"0,8", u"8,3", u"-1", u"a"}) {
        try {
            rack.Assign(bad);
            ADD_FAILURE() << "accepted an invalid rack";
        } catch (const TException& e) {
            EXPECT_EQ(e.Message(), u"Invalid Tab Rack");
        }
        EXPECT_EQ(rack.Text(), u"2,4");
        EXPECT_EQ(rack.NextStop(0), 2);
    }
}

TEST(TabRack, TabExpandsToTheNextStop) {
    TTabRack rack;
    rack.Assign(u"2,4,6,8,10,12");
    // A tab at column 13 expands to one space, at column 14 to two.
    EXPECT_EQ(rack.Expand(std::u16string(13, u'x') + u"\t|"), std::u16string(13, u'x') + u" |");
    EXPECT_EQ(rack.Expand(std::u16string(14, u'x') + u"\t|"), std::u16string(14, u'x') + u"  |");
    EXPECT_EQ(rack.Expand(u"\ta\tb"), u"  a b");
}

TEST(TabRack, ColumnsAndIndicesMapAcrossTabs) {
    TTabRack rack; // stops 9, 17, ...
    const std::u16string text = u"ab\tc\td";
    EXPECT_EQ(rack.DisplayLength(text), 18);
    EXPECT_EQ(rack.IndexToColumn(text, 3), 9);
    EXPECT_EQ(rack.ColumnToIndex(text, 5), 2); // inside the first tab
    EXPECT_EQ(rack.ColumnToIndex(text, 9), 3);
    EXPECT_EQ(rack.ColumnToIndex(text, 20), 8); // past the end, columns count as characters
    EXPECT_EQ(rack.TabStartInside(text, 5), 2);
    EXPECT_EQ(rack.TabStartInside(text, 2), -1);
    EXPECT_EQ(rack.TabStartInside(text, 9), -1);
}

} // namespace
} // namespace tessorin
