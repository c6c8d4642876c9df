#include "sortlist/HeaderGeometry.h"
#include "sortlist/HeldSelection.h"
#include "sortlist/RowLayout.h"
#include "sortlist/SortKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>

using namespace listedit::sortlist;

TEST(SortHeaderGeometry, TitleRectAndAlignment) {
    // The item, the space, pressed, sorted, the pixel: one space each side and three more for a triangle;
    // pressed moves 1 pixel right and 2 down (at 192 dots per inch, 2 and 4); too narrow an item gives an
    // empty rectangle, drawn as nothing.
    const std::tuple<Rect, int, bool, bool, int, Rect> rows[] = {
        {{0, 0, 100, 20}, 4, false, true, 1, {4, 0, 84, 20}},
        {{0, 0, 100, 20}, 4, false, false, 1, {4, 0, 96, 20}},
        {{0, 0, 100, 20}, 4, true, true, 1, {5, 2, 85, 20}},
        {{50, 0, 120, 18}, 3, true, false, 1, {54, 2, 118, 18}},
        {{0, 0, 10, 20}, 4, false, true, 1, {4, 0, -6, 20}},
        {{0, 0, 200, 40}, 8, true, true, 2, {10, 4, 170, 40}}};
    for (const auto& [item, space, pressed, sorted, px, title] : rows)
        EXPECT_EQ(TitleRect(item, space, pressed, sorted, px), title) << item.left << " " << space;
    // Centre is tested before right; the owner-draw bit is not alignment.
    using enum Align;
    EXPECT_EQ(std::tuple(TitleAlign(0), TitleAlign(kFormatRight), TitleAlign(kFormatCenter),
                         TitleAlign(kFormatCenter | kFormatRight), TitleAlign(0x8000 | kFormatRight)),
              std::tuple(Left, Right, Center, Center, Right));
}

TEST(SortHeaderGeometry, TitleEndsASpaceBeforeTheRank) {
    // The title, the rank, the space: the title ends a space left of the rank, or where it ended.
    const std::tuple<Rect, Rect, int, Rect> rows[] = {
        {{4, 0, 84, 20}, {70, 0, 78, 20}, 4, {4, 0, 66, 20}},
        {{4, 0, 60, 20}, {70, 0, 78, 20}, 4, {4, 0, 60, 20}},
        {{4, 0, 66, 20}, {70, 0, 78, 20}, 4, {4, 0, 66, 20}},
    };
    for (const auto& [title, rank, space, beside] : rows)
        EXPECT_EQ(TitleBesideRank(title, rank, space), beside);
}

TEST(SortHeaderGeometry, TriangleStrokes) {
    // Each stroke as pen (L light, D dark), operation (m move, l line) and point. Up: apex (92, 3),
    // base along y = 16 from 94 to 88, lit on the right and along the base. Down: lit right slope,
    // shadowed left slope and top. An odd space drops the remainder of 3o/2 and 5o/2; the top is the
    // window's, not the item's.
    auto text = [](const std::vector<Stroke>& strokes) {
        std::string t;
        for (const Stroke& s : strokes)
            t += (s.pen == Pen::Light ? " L" : " D") + std::string(s.op == Op::MoveTo ? "m" : "l") +
                 std::to_string(s.pt.x) + "," + std::to_string(s.pt.y);
        return t;
    };
    // At 192 dots per inch (a font twice as wide, pixels of 2) the triangle is the one at 96 doubled.
    const std::tuple<Rect, int, bool, int, const char*> rows[] = {
        {{0, 0, 100, 20}, 4, true, 1, " Lm92,3 Ll94,16 Ll88,16 Dm89,15 Dl92,2"},
        {{0, 0, 100, 20}, 4, false, 1, " Lm94,3 Ll91,17 Lm91,16 Dl89,3 Dl94,3"},
        {{100, 5, 200, 25}, 5, true, 1, " Lm190,4 Ll193,20 Ll186,20 Dm187,19 Dl190,3"},
        {{0, 0, 200, 40}, 8, true, 2, " Lm184,6 Ll188,32 Ll176,32 Dm178,30 Dl184,4"},
        {{0, 0, 200, 40}, 8, false, 2, " Lm188,6 Ll182,34 Lm182,32 Dl178,6 Dl188,6"},
    };
    for (const auto& [item, space, ascending, px, strokes] : rows)
        EXPECT_EQ(text(TriangleStrokes(item, space, ascending, px)), strokes) << space << ascending;
}

TEST(SortRowLayout, SelectionIconAndCells) {
    // Focus, always shown, selected, drop target, cut: without the focus a selection shows only when always
    // shown; a drop target always shows; a cut row blends with the background even when selected.
    const auto none = Blend::None, lit = Blend::Highlight, cut = Blend::Background;
    const std::tuple<bool, bool, bool, bool, bool, bool, Blend> rows[] = {
        {true, false, true, false, false, true, lit},   {false, false, true, false, false, false, none},
        {false, true, true, false, false, true, lit},   {false, false, false, true, false, true, lit},
        {true, false, true, false, true, true, cut},    {true, false, false, false, true, false, cut},
        {true, true, false, false, false, false, none},
    };
    for (const auto& [focus, always, selected, drop, cut, shown, blend] : rows) {
        const bool is = ShownSelected(focus, always, selected, drop);
        EXPECT_EQ(std::pair(is, IconBlend(cut, is)), std::pair(shown, blend))
            << focus << always << selected << drop << cut;
    }
    // Label (40, 0, 140, 18), state images 16 wide, a 3-pixel space: every text starts 6 pixels
    // inside its cell and ends 6 before its right edge; the first column stays left-aligned, both
    // alignment bits read as left, a column of no width shows nothing.
    CellWalk walk({40, 0, 140, 18}, 16, 3);
    EXPECT_EQ(walk.First(), (Cell{{46, 0, 118, 18}, Align::Left}));
    const std::tuple<int, unsigned, Cell> columns[] = {
        {60, kColumnRight, {{130, 0, 178, 18}, Align::Right}},
        {50, kColumnCenter, {{190, 0, 228, 18}, Align::Center}},
        {30, 0, {{240, 0, 258, 18}, Align::Left}},
        {30, kColumnRight | kColumnCenter, {{270, 0, 288, 18}, Align::Left}},
        {0, kColumnRight | 0x4000, {{300, 0, 288, 18}, Align::Right}},
    };
    for (const auto& [width, format, cell] : columns) EXPECT_EQ(walk.Next(width, format), cell) << width;
    EXPECT_EQ(Band({0, 0, 400, 18}, {40, 0, 140, 18}), (Rect{40, 0, 400, 18}));
}

TEST(SortOrder, OrdinalComparisonAndCellTextCutToTheBuffer) {
    // No locale: code unit order.
    EXPECT_TRUE(OrdinalCompare(L"10", L"9") < 0 && OrdinalCompare(L"B", L"a") < 0 &&
                OrdinalCompare(L"", L"a") < 0);
    EXPECT_TRUE(OrdinalCompare(L"a", L"a") == 0 && OrdinalCompare(L"\u00e9", L"f") > 0);
    // The text, the capacity, what is written into a buffer filled with '#' and the count copied: nothing
    // without room, never past the capacity.
    using namespace std::literals;
    const std::tuple<const wchar_t*, int, std::wstring, std::size_t> rows[] = {
        {L"abc", 10, L"abc\0"s, 3}, {L"abc", 4, L"abc\0"s, 3}, {L"abcdef", 4, L"abc\0"s, 3},
        {L"abc", 1, L"\0"s, 0},     {L"abc", 0, L""s, 0},      {L"abc", -5, L""s, 0},
        {L"", 3, L"\0"s, 0},
    };
    for (const auto& [text, capacity, written, copied] : rows) {
        std::wstring buffer(16, L'#');
        EXPECT_EQ(CopyCellText(text, buffer.data(), capacity), copied) << capacity;
        EXPECT_EQ(buffer.substr(0, buffer.find_last_not_of(L'#') + 1), written) << capacity;
    }
    EXPECT_EQ(CopyCellText(L"abc", nullptr, 10), 0u);
}

TEST(SortKeys, ClicksChangeTheKeysAndRowsCompareByThem) {
    // Keys as "column+" (ascending) or "column-". A plain click makes the column the only key,
    // ascending, or reversed when it already was the first; Shift adds the column as the last key or
    // reverses it in place.
    const std::tuple<int, bool, const char*> clicks[] = {
        {1, false, " 1+"},      {1, false, " 1-"},      {0, true, " 1- 0+"},
        {2, true, " 1- 0+ 2+"}, {0, true, " 1- 0- 2+"}, {2, false, " 2+"},
        {2, false, " 2-"},      {0, false, " 0+"},      {0, true, " 0-"},
    };
    // A few thousand records over small alphabets (many ties on every column), some lacking columns:
    // after each click they are the stable sort of their previous order by the keys, compared as a
    // reader would (column by column, a missing text level).
    using Record = std::vector<std::wstring>;
    std::mt19937 rng(7);
    std::vector<Record> records(3000);
    for (auto& r : records) {
        r.resize(1 + rng() % 3 + (rng() % 8 ? 1 : 0));
        for (auto& t : r)
            t = std::wstring(1, static_cast<wchar_t>(L'a' + rng() % 3)) + (rng() % 2 ? L"x" : L"");
    }
    std::vector<const Record*> sorted;
    for (const auto& r : records) sorted.push_back(&r);
    std::vector<CSortKey> keys;
    for (const auto& [column, shift, expected] : clicks) {
        keys = ClickKeys(keys, column, shift);
        std::string text;
        for (const CSortKey& k : keys) text += " " + std::to_string(k.nCol) + (k.bAsc ? "+" : "-");
        EXPECT_EQ(text, expected) << "click on " << column << (shift ? " with Shift" : "");
        auto reference = sorted;
        std::stable_sort(reference.begin(), reference.end(), [&](const Record* a, const Record* b) {
            for (const CSortKey& k : keys) {
                const auto c = static_cast<size_t>(k.nCol);
                if (c < a->size() && c < b->size() && (*a)[c] != (*b)[c])
                    return ((*a)[c] < (*b)[c]) == k.bAsc;
            }
            return false;
        });
        std::stable_sort(sorted.begin(), sorted.end(), [&](const Record* a, const Record* b) {
            auto cell = [&](int c) { return OrdinalCompare(a->at(size_t(c)), b->at(size_t(c))); };
            return CompareByKeys(keys, std::ssize(*a), std::ssize(*b), cell) < 0;
        });
        EXPECT_TRUE(sorted == reference) << "after the click on " << column;
    }
    // The direction applies to the sign, so even the most negative cell result reverses.
    const CSortKey down[] = {{0, false}};
    EXPECT_EQ(CompareByKeys(down, 1, 1, [](int) { return INT_MIN; }), 1);
    EXPECT_EQ(CompareByKeys(down, 1, 1, [](int) { return INT_MAX; }), -1);
}

TEST(SortKeys, RowsOfFindsEachRecordAfterASort) {
    int a = 0, b = 0, c = 0, d = 0;
    int* rows[] = {&c, &a, &d, &b};
    // In the order asked, not the order found; absent (no focused row) and asked twice.
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{}), std::vector<int>{});
    EXPECT_EQ(RowsOf<int>(rows, std::vector<int*>{&b, &c, &a, nullptr, &d, &d}),
              (std::vector<int>{3, 0, 1, -1, 2, 2}));
}

// What the list view's handling of a click or a key does to every row selected by the list.
TEST(SortHeldSelection, StepOfEachInput) {
    using enum ListInput;
    using enum HeldStep;
    struct Row {
        InputFacts facts;
        HeldStep step;
    };
    const Row rows[] = {
        {{LeftDown, false, false, true}, Keep},             // a plain press on a row waits for its release
        {{LeftDown, true, false, true}, HandOver},          // Ctrl toggles one row
        {{LeftDown, true, true, true}, HandOver},           // Ctrl+Shift adds a range
        {{LeftDown, false, true, true}, Clear},             // Shift selects a range alone
        {{LeftDown, false, true, true, true}, Keep},        // a check box selects nothing
        {{LeftDown, false, false, false}, Clear},           // off the rows
        {{LeftDown, true, false, false}, Keep},             // off the rows with Ctrl
        {{LeftDown, false, true, false}, Keep},             // or Shift
        {{LeftUp, false, false, true, false, true}, Clear}, // released on the row pressed
        {{LeftUp, false, false, true}, Keep},               // elsewhere
        {{RightDown, false, false, true}, Keep},
        {{RightDown, true, true, false}, Clear},
        {{Move, false, false, true, false, false, true}, Clear},
        {{Move, false, true, true, false, false, true}, Clear},
        {{Move, true, true, true, false, false, true}, Clear},           // Ctrl+Shift: a range
        {{Move, true, false, true, false, false, true}, Keep},           // Ctrl moves the focus alone
        {{Move, true, false, true, false, false, true, true}, HandOver}, // Ctrl+Space toggles
        {{Move, false, false, true, false, false, true, true}, Clear},   // Space selects the row alone
        {{Move, false, false, true, false, false, false}, Keep},         // no row to go to
        {{Page}, HandOver},
        {{Typed}, HandOver},
        {{Other, true, true, true, false, true, true, true}, Keep},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(StepFor(rows[i].facts), rows[i].step) << i;
}
