#include "proplist/PropListModel.h"

#include <gtest/gtest.h>

using namespace listedit::proplist;

TEST(PropListModel, SplitsTheWidthBetweenNamesAndValues) {
    struct Row {
        int client, names;
        ColumnWidths expected;
    } rows[] = {
        {300, 120, {120, 180}}, // the names keep what they need
        {150, 130, {75, 75}},   // a value column under 40 pixels: even split
        {151, 130, {76, 75}},   // the odd pixel goes to the names
        {150, 110, {110, 40}},  // exactly 40 is enough
        {60, 30, {30, 30}},     // narrower than 40, but as wide as the names
        {50, 30, {25, 25}},     // narrower than the names
        {100, 0, {0, 100}},     // no names at all
        {0, 20, {0, 0}},        // no room
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SplitColumnWidths(r.client, r.names), r.expected) << r.client << " " << r.names;
    }
}

TEST(PropListModel, StepsEditingWithWrapAround) {
    struct Row {
        int current, count;
        bool forward;
        int expected;
    } rows[] = {
        {1, 3, true, 2},   {2, 3, true, 0},  {-1, 3, true, 0}, {0, 3, false, 2}, {-1, 3, false, 2},
        {2, 3, false, 1},  {5, 3, false, 2}, {5, 3, true, 0},  {0, 1, true, 0},  {-1, 1, false, -1},
        {-1, 0, true, -1}, {0, 2, true, 1},  {0, 2, false, 1},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StepEditRow(r.current, r.count, r.forward), r.expected)
            << r.current << " of " << r.count << (r.forward ? " forward" : " back");
    }
}

TEST(PropListModel, PlacesTheTitleTipOnlyWhenTheTextDoesNotFit) {
    const TipRect cell{10, 20, 110, 38}; // 100 x 18
    struct Row {
        int xoffset, textWidth;
        TipPlacement expected;
    } rows[] = {
        {2, 94, {false, {}}},                // fits: 100 - 2*2 - 2
        {2, 95, {true, {10, 20, 111, 38}}},  // one pixel too wide: starts at the cell's edge
        {2, 300, {true, {10, 20, 316, 38}}}, // 6 pixels wider than the text
        {5, 88, {false, {}}},
        {5, 89, {true, {13, 20, 108, 38}}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(PlaceTitleTip(cell, r.xoffset, r.textWidth), r.expected) << r.xoffset << " " << r.textWidth;
    }
}
