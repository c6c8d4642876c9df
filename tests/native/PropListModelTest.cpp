#include "proplist/PropListModel.h"

#include <gtest/gtest.h>

using namespace listedit::proplist;

TEST(PropListModel, SplitsTheWidthAndPlacesTheTitleTip) {
    // The client and the names' widths: the names keep what they need unless the values would get less than
    // 40 pixels and less than the names: then an even split, the odd pixel to the names.
    const std::tuple<int, int, ColumnWidths> rows[] = {
        {300, 120, {120, 180}}, {150, 130, {75, 75}}, {151, 130, {76, 75}}, {150, 110, {110, 40}},
        {60, 30, {30, 30}},     {50, 30, {25, 25}},   {100, 0, {0, 100}},   {0, 20, {0, 0}},
    };
    for (const auto& [client, names, widths] : rows)
        EXPECT_EQ(SplitColumnWidths(client, names), widths) << client << " " << names;
    // A title tip only when the text does not fit: the text's offset and width; the cell is 100 wide: a text
    // fits within 100 - 2 * xoffset - 2; a tip starts 2 pixels left of the text and is 6 wider than it.
    const TipRect cell{10, 20, 110, 38};
    const std::tuple<int, int, TipPlacement> tips[] = {
        {2, 94, {false, {}}}, {2, 95, {true, {10, 20, 111, 38}}}, {2, 300, {true, {10, 20, 316, 38}}},
        {5, 88, {false, {}}}, {5, 89, {true, {13, 20, 108, 38}}},
    };
    for (const auto& [xoffset, width, tip] : tips)
        EXPECT_EQ(PlaceTitleTip(cell, xoffset, width), tip) << xoffset << " " << width;
}

TEST(PropListModel, StepsEditingWithWrapAround) {
    // The current row, the count, forward or back.
    const std::tuple<int, int, bool, int> rows[] = {
        {1, 3, true, 2},   {2, 3, true, 0},  {-1, 3, true, 0}, {0, 3, false, 2}, {-1, 3, false, 2},
        {2, 3, false, 1},  {5, 3, false, 2}, {5, 3, true, 0},  {0, 1, true, 0},  {-1, 1, false, -1},
        {-1, 0, true, -1}, {0, 2, true, 1},  {0, 2, false, 1},
    };
    for (const auto& [current, count, forward, next] : rows)
        EXPECT_EQ(StepEditRow(current, count, forward), next) << current << " of " << count << " " << forward;
}
