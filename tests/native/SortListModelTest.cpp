#include "sortlist/HeaderGeometry.h"
#include "sortlist/RowLayout.h"
#include "sortlist/SortOrder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace listedit::sortlist;

namespace listedit::sortlist {
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace listedit::sortlist

TEST(SortHeaderGeometry, TitleRectangle) {
    struct Row {
        Rect item;
        int space;
        bool pressed, sorted;
        Rect expected;
    } rows[] = {
        {{0, 0, 100, 20}, 4, false, true, {4, 0, 84, 20}},    // room for the triangle
        {{0, 0, 100, 20}, 4, false, false, {4, 0, 96, 20}},   // unsorted: one space each side
        {{0, 0, 100, 20}, 4, true, true, {5, 2, 85, 20}},     // pressed: 1 right, 2 down
        {{50, 0, 120, 18}, 3, true, false, {54, 2, 118, 18}}, // item not at the origin
        {{0, 0, 10, 20}, 4, false, true, {4, 0, -6, 20}},     // too narrow: empty, drawn as nothing
    };
    for (const auto& r : rows) {
        EXPECT_EQ(TitleRect(r.item, r.space, r.pressed, r.sorted), r.expected)
            << r.item.left << "," << r.item.right << " space " << r.space;
    }
}

TEST(SortHeaderGeometry, CentreIsTestedBeforeRight) {
    EXPECT_EQ(TitleAlign(0), Align::Left);
    EXPECT_EQ(TitleAlign(kFormatRight), Align::Right);
    EXPECT_EQ(TitleAlign(kFormatCenter), Align::Center);
    EXPECT_EQ(TitleAlign(kFormatCenter | kFormatRight), Align::Center);
    EXPECT_EQ(TitleAlign(0x8000 | kFormatRight), Align::Right); // owner-draw bit is not alignment
}

TEST(SortHeaderGeometry, TriangleStrokes) {
    using enum Pen;
    using enum Op;
    struct Row {
        Rect item;
        int space;
        bool ascending;
        std::vector<Stroke> expected;
    } rows[] = {
        // Apex (92, 3), base along y = 16 from 94 to 88, lit on the right and along the base.
        {{0, 0, 100, 20},
         4,
         true,
         {{Light, MoveTo, {92, 3}},
          {Light, LineTo, {94, 16}},
          {Light, LineTo, {88, 16}},
          {Dark, MoveTo, {89, 15}},
          {Dark, LineTo, {92, 2}}}},
        // Pointing down: lit right slope, shadowed left slope and top.
        {{0, 0, 100, 20},
         4,
         false,
         {{Light, MoveTo, {94, 3}},
          {Light, LineTo, {91, 17}},
          {Light, MoveTo, {91, 16}},
          {Dark, LineTo, {89, 3}},
          {Dark, LineTo, {94, 3}}}},
        // Odd space: 3o/2 and 5o/2 drop the remainder; the top is from the window, not the item.
        {{100, 5, 200, 25},
         5,
         true,
         {{Light, MoveTo, {190, 4}},
          {Light, LineTo, {193, 20}},
          {Light, LineTo, {186, 20}},
          {Dark, MoveTo, {187, 19}},
          {Dark, LineTo, {190, 3}}}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(TriangleStrokes(r.item, r.space, r.ascending), r.expected)
            << "space " << r.space << (r.ascending ? " up" : " down");
    }
}

TEST(SortRowLayout, SelectionShowsWithFocusOrAlwaysAndBlendsTheIcon) {
    struct Row {
        bool focus, showAlways, selected, drop, cut;
        bool shown;
        Blend blend;
    } rows[] = {
        {true, false, true, false, false, true, Blend::Highlight},
        {false, false, true, false, false, false, Blend::None}, // focus lost: looks unselected
        {false, true, true, false, false, true, Blend::Highlight},
        {false, false, false, true, false, true, Blend::Highlight}, // drop target, no focus
        {true, false, true, false, true, true, Blend::Background},  // cut wins over selection
        {true, false, false, false, true, false, Blend::Background},
        {true, true, false, false, false, false, Blend::None},
    };
    for (const auto& r : rows) {
        const bool shown = ShownSelected(r.focus, r.showAlways, r.selected, r.drop);
        EXPECT_EQ(shown, r.shown) << r.focus << r.showAlways << r.selected << r.drop;
        EXPECT_EQ(IconBlend(r.cut, shown), r.blend) << r.focus << r.showAlways << r.selected << r.cut;
    }
}

TEST(SortRowLayout, CellsFollowTheLabelByColumnIndex) {
    // Label (40, 0, 140, 18), state images 16 wide, a 3-pixel space: every text starts 6 pixels
    // inside its cell and ends 6 before its right edge; the first column stays left-aligned.
    CellWalk walk({40, 0, 140, 18}, 16, 3);
    EXPECT_EQ(walk.First(), (Cell{{46, 0, 118, 18}, Align::Left}));
    struct Row {
        int width;
        unsigned format;
        Cell expected;
    } rows[] = {
        {60, kColumnRight, {{130, 0, 178, 18}, Align::Right}},
        {50, kColumnCenter, {{190, 0, 228, 18}, Align::Center}},
        {30, 0, {{240, 0, 258, 18}, Align::Left}},
        {30, kColumnRight | kColumnCenter, {{270, 0, 288, 18}, Align::Left}},
        {0, kColumnRight | 0x4000, {{300, 0, 288, 18}, Align::Right}}, // zero width: nothing shows
    };
    for (const auto& r : rows) EXPECT_EQ(walk.Next(r.width, r.format), r.expected) << r.width;
    EXPECT_EQ(Band({0, 0, 400, 18}, {40, 0, 140, 18}), (Rect{40, 0, 400, 18}));
}

TEST(SortOrder, OrdinalComparison) {
    struct Row {
        const wchar_t *a, *b;
        int sign;
    } rows[] = {
        {L"10", L"9", -1}, {L"B", L"a", -1},     {L"", L"a", -1},
        {L"a", L"a", 0},   {L"\u00e9", L"f", 1}, // no locale: code unit order
    };
    for (const auto& r : rows) {
        const int c = OrdinalCompare(r.a, r.b);
        EXPECT_EQ((c > 0) - (c < 0), r.sign) << std::wstring(r.a).size() << "/" << std::wstring(r.b).size();
    }
}

TEST(SortOrder, RowsCompareByColumnThenDirection) {
    struct Row {
        int column;
        int countA, countB;
        bool ascending;
        int cellResult;
        int expected;
        bool cellCalled;
    } rows[] = {
        {0, 3, 3, true, -5, -1, true},      {0, 3, 3, false, -5, 1, true},
        {2, 3, 3, false, 7, -1, true},      {2, 3, 2, true, 7, 0, false},
        {2, 2, 3, false, 7, 0, false}, // either row lacking the column: level
        {-1, 3, 3, true, 7, 0, false}, // no sorted column: every pair is level
        {0, 1, 1, false, INT_MIN, 1, true}, {0, 1, 1, false, INT_MAX, -1, true}, // reversal never overflows
        {0, 1, 1, false, 0, 0, true},
    };
    for (const auto& r : rows) {
        bool called = false;
        const int result = CompareRows(r.column, r.countA, r.countB, r.ascending, [&](int c) {
            called = true;
            EXPECT_EQ(c, r.column);
            return r.cellResult;
        });
        EXPECT_EQ(result, r.expected) << r.column << " " << r.cellResult;
        EXPECT_EQ(called, r.cellCalled) << r.column;
    }
}

TEST(SortOrder, CellTextIsCutToTheBuffer) {
    struct Row {
        const wchar_t* text;
        int capacity;
        std::wstring expected; // buffer contents up to the first '#'
        std::size_t copied;
    } rows[] = {
        {L"abc", 10, std::wstring(L"abc\0#", 5), 3},
        {L"abc", 4, std::wstring(L"abc\0#", 5), 3},
        {L"abcdef", 4, std::wstring(L"abc\0#", 5), 3},
        {L"abc", 1, std::wstring(L"\0#", 2), 0},
        {L"abc", 0, L"#", 0},
        {L"abc", -5, L"#", 0},
        {L"", 3, std::wstring(L"\0#", 2), 0},
    };
    for (const auto& r : rows) {
        std::wstring buffer(16, L'#');
        EXPECT_EQ(CopyCellText(r.text, buffer.data(), r.capacity), r.copied) << r.capacity;
        EXPECT_EQ(buffer.substr(0, r.expected.size()), r.expected) << r.capacity;
        EXPECT_EQ(buffer.find_last_not_of(L'#') + 1 <= r.expected.size(), true) << "overrun " << r.capacity;
    }
    EXPECT_EQ(CopyCellText(L"abc", nullptr, 10), 0u);
}
