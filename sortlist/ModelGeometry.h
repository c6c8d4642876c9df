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

} // namespace listedit::sortlist
