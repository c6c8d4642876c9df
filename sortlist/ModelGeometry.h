// Plain rectangle, point and alignment types of the sortable lists' window-free units.
#pragma once

namespace listedit::sortlist {

struct Rect {
    int left, top, right, bottom;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x, y;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class Align { Left, Center, Right };

// The sortable lists' fixed lengths at 96 dots per inch, scaled to the window's DPI where they are
// used. Everything else (cell insets, the sort triangle and its one-pixel strokes, the rank) is
// measured in the width of a space of the font, so it grows with the font.
struct SortListLayout {
    int iconSize = 16; // a row's small icon is drawn this wide and high, whatever its image list
};
inline constexpr SortListLayout kSortListLayout{};

} // namespace listedit::sortlist
