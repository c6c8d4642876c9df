#include "sortlist/SortKeys.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace listedit::sortlist;

// A key as "column+" or "column-" in failure reports.
void PrintTo(const CSortKey& k, std::ostream* os) {
    *os << k.nCol << (k.bAsc ? "+" : "-");
}

// A few thousand records over small alphabets (many ties on every column), some lacking columns,
// sorted click after click. After each click the order must be the stable sort of the previous
// order by the keys listed, compared as a reader would: column by column, a missing text level.
TEST(SortKeys, ClicksGiveTheStableMultiKeyOrder) {
    using Record = std::vector<std::wstring>;
    std::mt19937 rng(7);
    std::vector<Record> records(3000);
    for (auto& r : records) {
        r.resize(1 + rng() % 3 + (rng() % 8 ? 1 : 0)); // mostly 3 or 4 texts, sometimes fewer
        for (auto& t : r)
            t = std::wstring(1, static_cast<wchar_t>(L'a' + rng() % 3)) + (rng() % 2 ? L"x" : L"");
    }
    std::vector<const Record*> rows;
    for (const auto& r : records) rows.push_back(&r);

    struct Row {
        int column;
        bool shift;
        std::vector<CSortKey> keys;
    } clicks[] = {
        {1, false, {{1, true}}},                                   // first click: ascending
        {1, false, {{1, false}}},                                  // again: reversed
        {0, true, {{1, false}, {0, true}}},                        // Shift adds the next key
        {2, true, {{1, false}, {0, true}, {2, true}}},             // and another
        {0, true, {{1, false}, {0, false}, {2, true}}},            // Shift on a key reverses it in place
        {3, true, {{1, false}, {0, false}, {2, true}, {3, true}}}, // a column most rows lack
        {2, false, {{2, true}}},                                   // plain click: the only key, ascending
        {2, false, {{2, false}}},                                  // the first key again: reversed
        {0, false, {{0, true}}},                                   // another column: ascending
        {0, true, {{0, false}}},                                   // Shift on the only key reverses it
    };
    std::vector<CSortKey> keys;
    for (const Row& click : clicks) {
        keys = ClickKeys(keys, click.column, click.shift);
        ASSERT_EQ(keys, click.keys) << "click on " << click.column << (click.shift ? " with Shift" : "");

        std::vector<const Record*> expected = rows;
        std::stable_sort(expected.begin(), expected.end(), [&](const Record* a, const Record* b) {
            for (const CSortKey& k : click.keys) {
                const auto c = static_cast<size_t>(k.nCol);
                if (c >= a->size() || c >= b->size() || (*a)[c] == (*b)[c]) continue;
                return ((*a)[c] < (*b)[c]) == k.bAsc;
            }
            return false;
        });
        std::stable_sort(rows.begin(), rows.end(), [&](const Record* a, const Record* b) {
            return CompareByKeys(keys, std::ssize(*a), std::ssize(*b), [&](int c) {
                       return OrdinalCompare((*a)[static_cast<size_t>(c)], (*b)[static_cast<size_t>(c)]);
                   }) < 0;
        });
        ASSERT_EQ(rows, expected) << "after the click on " << click.column;
    }
}

TEST(SortKeys, RowsOfFindsEachRecordAfterASort) {
    int a = 0, b = 0, c = 0, d = 0;
    int* rows[] = {&c, &a, &d, &b};
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{}), std::vector<int>{});
    // In the order asked, not the order found; absent (no focused row) and asked twice.
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{&b, &c, &a, nullptr, &d, &d}),
              (std::vector<int>{3, 0, 1, -1, 2, 2}));
}
