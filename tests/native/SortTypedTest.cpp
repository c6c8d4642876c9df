// The string-data lists' window-free rules beyond the ordinal order: typed comparisons and the sort
// by keys that must agree with them, the shown rows of a filtered list, and the copied text.
#include "sortlist/RowText.h"
#include "sortlist/SortKeys.h"
#include "sortlist/TypedKeys.h"

#include <listedit/sortlist/RowView.h>

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>

using namespace listedit::sortlist;

TEST(SortTyped, ColumnsCompareByTheirType) {
    using enum SortType;
    // Type, two texts, the sign of their order. Invalid numbers and dates (which texts are is the
    // value reading's rule) come first and are level with each other; natural order is blind to case
    // and reads digit runs as numbers.
    const std::tuple<SortType, const wchar_t*, const wchar_t*, int> rows[] = {
        {Number, L"9", L"10", -1},
        {Number, L"-2", L"1.5", -1},
        {Number, L" 10 ", L"10.0", 0},
        {Number, L"-0", L"0", 0},
        {Number, L".5", L"0.4", 1},
        {Number, L"abc", L"-1000", -1},
        {Number, L"1e5", L"", 0},
        {Date, L"1969-7-20", L"1969-10-1", -1},
        {Date, L"1969-07-20", L"1969-7-20", 0},
        {Date, L"2023-2-29", L"1900-1-1", -1},
        {Date, L"1899-12-31", L"x", 0},
        {Date, L"9999-12-31", L"2000-1-1", 1},
        {Natural, L"file9", L"file10", -1},
        {Natural, L"File10", L"file9", 1},
        {Natural, L"a007", L"A7", 0},
        {Natural, L"a2b", L"a2c", -1},
        {Natural, L"x", L"x1", -1},
        {Natural, L"10", L"9a", 1},
        {Natural, L"file1", L"filea", -1}, // a digit against a letter compares as characters
        {Text, L"10", L"9", -1},
        {Text, L"B", L"a", -1},
        {Text, L"", L"a", -1},
    };
    // Texts that end inside a longer buffer: nothing past their end is read.
    EXPECT_EQ(CompareTyped(Natural, std::wstring_view(L"xz", 1), L"x1"), -1);
    EXPECT_EQ(CompareTyped(Natural, std::wstring_view(L"a00", 2), L"a0"), 0);
    for (const auto& [type, a, b, order] : rows) {
        EXPECT_EQ(CompareTyped(type, a, b), order) << int(type) << " " << a << " " << b;
        EXPECT_EQ(CompareTyped(type, b, a), -order) << int(type) << " " << b << " " << a;
    }
}

namespace {

// Texts that tie often and test every reading: numbers valid and not, days in both forms and not,
// names with digits, and texts sharing long prefixes.
std::wstring RandomText(std::mt19937& rng, SortType type) {
    static const wchar_t* const numbers[] = {L"1", L"01", L"-2",    L"1.5", L"10", L"9",  L" 3 ",  L"abc",
                                             L"",  L"-",  L"1.2.3", L"-0",  L"0",  L".5", L"-1.50"};
    static const wchar_t* const days[] = {L"1969-7-20", L"1969-07-20", L"1969-10-1",
                                          L"2023-2-29", L"2024-2-29",  L"1899-1-1",
                                          L"",          L"x",          L"2000-1-1 "};
    static const wchar_t* const names[] = {L"file9", L"File10", L"file010", L"a", L"A", L"b2", L"b10"};
    switch (type) {
    case SortType::Number:
        return rng() % 3 ? numbers[rng() % std::size(numbers)] : std::to_wstring(int(rng() % 200) - 100);
    case SortType::Date:
        return days[rng() % std::size(days)];
    case SortType::Natural:
        return names[rng() % std::size(names)];
    case SortType::Text:
        break;
    }
    std::wstring t = rng() % 2 ? L"same" : L"";
    for (int n = int(rng() % 4); n-- > 0;) t += static_cast<wchar_t>(L"aAb\u00e9"[rng() % 4]);
    return t;
}

} // namespace

TEST(SortTyped, KeysOrderAsAStableSortWithTheColumnsComparison) {
    // Random records of four columns (one of each type; in one set some lack columns), sorted by one
    // to three keys in random directions, with or without a caller's comparison on a Text key: the
    // key sort and std::stable_sort with each column's comparison give the same order.
    std::mt19937 rng(11);
    const SortType types[] = {SortType::Text, SortType::Number, SortType::Date, SortType::Natural};
    using Record = std::vector<std::wstring>;
    std::vector<Record> records(4000);
    for (int round = 0; round < 60; ++round) {
        if (round % 30 == 0) {
            for (Record& r : records) {
                r.resize(round == 0 || rng() % 10 ? 4 : rng() % 4);
                for (std::size_t c = 0; c < r.size(); ++c) r[c] = RandomText(rng, types[c]);
            }
        }
        auto text = [&](std::uint32_t rec, int col) -> std::optional<std::wstring_view> {
            const Record& r = records[rec];
            if (col < 0 || static_cast<std::size_t>(col) >= r.size()) return std::nullopt;
            return r[col];
        };
        // The caller's comparison: by length only (many ties).
        auto byLength = [](std::wstring_view a, std::wstring_view b) {
            return int(a.size() > b.size()) - int(a.size() < b.size());
        };
        std::vector<KeyColumn> keys;
        for (int k = 1 + int(rng() % 3); k-- > 0;) {
            const int col = int(rng() % 4);
            keys.push_back({col, rng() % 2 == 0, types[col], col == 0 && round % 2 && rng() % 3 == 0});
        }
        std::vector<std::uint32_t> start(records.size());
        std::iota(start.begin(), start.end(), 0u);
        std::shuffle(start.begin(), start.end(), rng);

        auto cell = [&](const KeyColumn& key, std::wstring_view a, std::wstring_view b) {
            return key.bCallerCompares ? byLength(a, b) : CompareTyped(key.type, a, b);
        };
        std::vector<std::uint32_t> reference = start;
        std::stable_sort(reference.begin(), reference.end(), [&](std::uint32_t a, std::uint32_t b) {
            for (const KeyColumn& key : keys) {
                const auto ta = text(a, key.nCol), tb = text(b, key.nCol);
                if (!ta || !tb) continue;
                if (int r = cell(key, *ta, *tb)) return (r < 0) == key.bAsc;
            }
            return false;
        });
        std::vector<std::uint32_t> sorted = start;
        StableSortByKeys(sorted, records.size(), keys, text,
                         [&](std::size_t k, std::uint32_t a, std::uint32_t b) {
                             return cell(keys[k], *text(a, keys[k].nCol), *text(b, keys[k].nCol));
                         });
        ASSERT_EQ(sorted, reference) << "round " << round;
    }
}

// A text's key holds its first four code units, so that only texts sharing them are compared whole
// (the order itself is the stable sort's above, whatever the key holds).
TEST(SortTyped, TextKeysHoldTheFirstFourCodeUnits) {
    EXPECT_EQ(KeyOf(SortType::Text, L"abcdef"), KeyOf(SortType::Text, L"abcdxy"));
    EXPECT_LT(KeyOf(SortType::Text, L"ab"), KeyOf(SortType::Text, L"ab\u0001"));
    EXPECT_LT(KeyOf(SortType::Text, L"abc\u00ff"), KeyOf(SortType::Text, L"abc\uffff"));
}

TEST(SortTyped, QuickFilterMatchAndCopiedCells) {
    // Text, the searched text (folded), found: blind to case in Latin, Greek and Cyrillic, anywhere.
    const std::tuple<const wchar_t*, const wchar_t*, bool> finds[] = {
        {L"Hello World", L"world", true},
        {L"HELLO", L"lo", true},
        {L"abc", L"", true},
        {L"ab", L"abc", false},
        {L"\u00c9COLE", L"\u00e9co", true},
        {L"\u0394\u0395", L"\u03b4\u03b5", true},
        {L"\u041c\u0418\u0420", L"\u043c\u0438\u0440", true},
        {L"\u0410\u042f", L"\u0430\u044f", true},
        {L"\u0401", L"\u0451", true},
        {L"aXbXc", L"xc", true},
        {L"a\u00d7", L"\u00f7", false},
        {L"abab", L"abb", false},
        // The ends of each folded range, and the gaps in them.
        {L"\u00c0\u00de", L"\u00e0\u00fe", true},
        {L"\u0391\u03ab", L"\u03b1\u03cb", true},
        {L"\u03a2", L"\u03c2", false},
    };
    for (const auto& [text, sought, found] : finds)
        EXPECT_EQ(ContainsFolded(text, FoldText(sought)), found) << text << " / " << sought;
    EXPECT_EQ(FoldText(L"AbC\u00c0"), L"abc\u00e0");
    // A cell as copied: quoted with doubled quotes when it holds a tab, a line break or a quote.
    const std::tuple<const wchar_t*, const wchar_t*> cells[] = {
        {L"plain", L"plain"},
        {L"a\tb", L"\"a\tb\""},
        {L"two\r\nlines", L"\"two\r\nlines\""},
        {L"x\ny", L"\"x\ny\""},
        {L"x\ry", L"\"x\ry\""},
        // Characters whose codes lie 64 or 256 above a quoted one's, and the control characters
        // beside the tab and the line breaks, are copied as they are.
        {L"IJMb!#\u0109\u010a\x08\x0b\x0c", L"IJMb!#\u0109\u010a\x08\x0b\x0c"},
        {L"say \"hi\"", L"\"say \"\"hi\"\"\""},
        {L"", L""},
    };
    for (const auto& [cell, copied] : cells) {
        std::wstring out = L">";
        AppendCell(out, cell);
        EXPECT_EQ(out, std::wstring(L">") + copied);
        // Written into a buffer of the length told, the same text, ending where it ends.
        std::wstring written(CellLength(cell), L'?');
        EXPECT_EQ(WriteCell(written.data(), cell), written.data() + written.size());
        EXPECT_EQ(written, copied);
    }
    std::wstring row;
    AppendSeparator(row, false), AppendSeparator(row, true);
    EXPECT_EQ(row, L"\t\r\n");
    wchar_t separators[3];
    EXPECT_EQ(WriteSeparator(WriteSeparator(separators, false), true), separators + 3);
    EXPECT_EQ(std::wstring(separators, 3), L"\t\r\n");
}

TEST(SortTyped, ShownRowsFollowInsertionsDeletionsAndSorts) {
    // Five records, of which 1 and 3 show; each step, then the storage index of every shown row.
    RowView view;
    view.ShowOnly(5, {1, 3});
    auto rows = [&] {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < view.RowCount(); ++i) out.push_back(view.RecordAt(i));
        return out;
    };
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(
        std::tuple(view.RecordCount(), rows(), view.RowOf(3), view.RowOf(2), view.RowOf(9)),
        std::tuple(std::size_t{5}, Rows{1, 3}, std::ptrdiff_t{1}, std::ptrdiff_t{-1}, std::ptrdiff_t{-1}));
    // Two records to show from row 1 go before record 3; past the last row, after every record.
    EXPECT_EQ(view.InsertionPoint(1), 3u);
    view.Inserted(1, 3, 2);
    EXPECT_EQ(rows(), (Rows{1, 3, 4, 5}));
    EXPECT_EQ(view.InsertionPoint(4), 7u);
    view.Inserted(9, 7, 1);
    EXPECT_EQ(rows(), (Rows{1, 3, 4, 5, 7}));
    // A hidden record and a shown one go.
    view.Erased(0);
    EXPECT_EQ(rows(), (Rows{0, 2, 3, 4, 6}));
    view.Erased(3);
    EXPECT_EQ(std::pair(view.RecordCount(), rows()), std::pair(std::size_t{6}, Rows{0, 2, 3, 5}));
    view.Erased(6);
    EXPECT_EQ(view.RecordCount(), 6u);
    // The storage reversed: the same records show, in the new order.
    const std::uint32_t reversed[] = {5, 4, 3, 2, 1, 0};
    view.Reordered(reversed);
    EXPECT_EQ(rows(), (Rows{0, 2, 3, 5}));
    const std::uint32_t swapped[] = {1, 0, 2, 3, 4, 5};
    view.Reordered(swapped);
    EXPECT_EQ(rows(), (Rows{1, 2, 3, 5}));
    // Unfiltered, every record shows in storage order.
    view.ShowAll(3);
    view.Inserted(0, 0, 1);
    view.Reordered(swapped);
    EXPECT_EQ(std::tuple(view.IsFiltered(), rows(), view.RowOf(3), view.RowOf(4), view.InsertionPoint(1)),
              std::tuple(false, Rows{0, 1, 2, 3}, std::ptrdiff_t{3}, std::ptrdiff_t{-1}, std::size_t{1}));
    view.Erased(0);
    EXPECT_EQ(rows(), (Rows{0, 1, 2}));
}
