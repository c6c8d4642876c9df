// Window-free rules of the property list: how the two columns share the list's width, which row
// editing moves to on a key, and where the title tip goes. The list gathers the numbers from its
// windows and applies the answers.
#pragma once

namespace listedit::proplist {

struct ColumnWidths {
    int name;  // column 0
    int value; // column 1
    friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

// The names keep the width they need (nameWidth) and the values take the rest of clientWidth,
// unless the rest is narrower than the names or than 40 pixels, whichever is less: then the two
// columns share the width evenly (the values get the smaller half).
ColumnWidths SplitColumnWidths(int clientWidth, int nameWidth);

// The row that editing moves to from `current` (-1: none) among `count` rows, wrapping around at
// either end. Fewer than two rows: editing stays where it is.
int StepEditRow(int current, int count, bool forward);

struct TipRect {
    int left, top, right, bottom;
    friend bool operator==(const TipRect&, const TipRect&) = default;
};

// Whether a tip is needed for a text tw pixels wide in a cell whose own text starts xoffset pixels
// in, and the tip window's rectangle: it starts where the cell's text starts (less its own
// 2-pixel margin), covers the cell's height and is 6 pixels wider than the text.
struct TipPlacement {
    bool show;
    TipRect window;
    friend bool operator==(const TipPlacement&, const TipPlacement&) = default;
};
TipPlacement PlaceTitleTip(const TipRect& cell, int xoffset, int textWidth);

} // namespace listedit::proplist
