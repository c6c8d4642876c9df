#include "sortlist/SortKeys.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace listedit::sortlist;

TEST(SortKeys, ClicksChangeTheKeys) {
    // Keys as "column+" (ascending) or "column-". A plain click makes the column the only key,
    // ascending, or reversed when it already was the first; Shift adds the column as the last key or
    // reverses it in place.
    const std::tuple<int, bool, const char*> clicks[] = {
        {1, false, " 1+"},      {1, false, " 1-"},      {0, true, " 1- 0+"},
        {2, true, " 1- 0+ 2+"}, {0, true, " 1- 0- 2+"}, {2, false, " 2+"},
        {2, false, " 2-"},      {0, false, " 0+"},      {0, true, " 0-"},
    };
    std::vector<CSortKey> keys;
    for (const auto& [column, shift, expected] : clicks) {
        keys = ClickKeys(keys, column, shift);
        std::string text;
        for (const CSortKey& k : keys) text += " " + std::to_string(k.nCol) + (k.bAsc ? "+" : "-");
        EXPECT_EQ(text, expected) << "click on " << column << (shift ? " with Shift" : "");
    }
}

TEST(SortKeys, RowsCompareByTheFirstKeyThatIsNotLevel) {
    // A row lacking a key's column is level on that key; the direction applies to the sign, so even
    // the most negative cell result reverses.
    using Record = std::vector<std::wstring>;
    const std::tuple<std::vector<CSortKey>, Record, Record, int> rows[] = {
        {{}, {L"a"}, {L"b"}, 0},
        {{{0, true}}, {L"a"}, {L"b"}, -1},
        {{{0, false}}, {L"a"}, {L"b"}, 1},
        {{{0, true}, {1, false}}, {L"a", L"x"}, {L"a", L"y"}, 1},
        {{{1, true}, {0, true}}, {L"b"}, {L"a", L"c"}, 1},
        {{{2, true}}, {L"a", L"b", L"c"}, {L"a", L"b"}, 0},
    };
    for (const auto& [keys, a, b, order] : rows) {
        auto cell = [&](int c) { return OrdinalCompare(a.at(c), b.at(c)); };
        EXPECT_EQ(CompareByKeys(keys, std::ssize(a), std::ssize(b), cell), order)
            << keys.size() << " keys, " << a.size() << "/" << b.size();
    }
    const CSortKey down[] = {{0, false}};
    EXPECT_EQ(CompareByKeys(down, 1, 1, [](int) { return INT_MIN; }), 1);
    EXPECT_EQ(CompareByKeys(down, 1, 1, [](int) { return INT_MAX; }), -1);
}

TEST(SortKeys, RowsOfFindsEachRecordAfterASort) {
    int a = 0, b = 0, c = 0, d = 0;
    int* rows[] = {&c, &a, &d, &b};
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{}), std::vector<int>{});
    // In the order asked, not the order found; absent (no focused row) and asked twice.
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{&b, &c, &a, nullptr, &d, &d}),
              (std::vector<int>{3, 0, 1, -1, 2, 2}));
}
