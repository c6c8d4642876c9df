#include "frame/AccessibleRow.h"

#include <gtest/gtest.h>

using namespace listedit::access;

// A sortable list's row: the cells after the first with their titles, empty cells left out.
TEST(AccessibleRow, DescribeCellsWithTheirTitles) {
    using V = std::vector<std::wstring>;
    const std::tuple<V, V, const wchar_t*> cases[] = {
        {{L"Name", L"Price", L"City"}, {L"Ann", L"12", L"Paris"}, L"Price: 12, City: Paris"},
        {{L"Name", L"Price", L"City"}, {L"Ann", L"", L"Paris"}, L"City: Paris"},
        {{L"Name", L"", L"City"}, {L"Ann", L"12", L"Paris"}, L"12, City: Paris"},
        {{L"Name"}, {L"Ann", L"12"}, L"12"},
        {{L"Name", L"Price"}, {L"Ann"}, L""},
    };
    for (const auto& [titles, cells, text] : cases) EXPECT_EQ(DescribeCells(titles, cells), text) << text;
}

// A condition read one cell after the other; blank cells left out.
TEST(AccessibleRow, ReadCellsSkipsBlankOnes) {
    EXPECT_EQ(ReadCells({L"(", L"NAME", L"Equal to(=)", L"Bob", L")", L"and"}),
              L"( NAME Equal to(=) Bob ) and");
    EXPECT_EQ(ReadCells({L"", L"AGE", L">", L"3", L" ", L""}), L"AGE > 3");
    EXPECT_EQ(ReadCells({}), L"");
}

// Focus goes with the edited row while the focus is inside the list, else with the list's own.
TEST(AccessibleRow, FocusedRowAndState) {
    const std::tuple<int, bool, bool, int, int> cases[] = {
        {2, true, false, 5, 2}, {2, false, false, 5, -1},  {-1, true, true, 5, 5},
        {2, true, true, 5, 2},  {-1, false, false, 5, -1}, {0, true, true, 5, 0}, // the first row edited
    };
    for (const auto& [edited, within, listFocused, listRow, row] : cases)
        EXPECT_EQ(FocusedRow(edited, within, listFocused, listRow), row) << edited << within << listFocused;
    AccessibleRow row;
    row.selected = row.checked = true;
    EXPECT_EQ(StateOf(row), kStateFocusable | kStateSelectable | kStateSelected | kStateChecked);
}
