// Window-free rules of the property list: how the two columns share the list's width, which row
// editing moves to on a key, and where the title tip goes. The list gathers the numbers from its
// windows and applies the answers.
#pragma once

namespace listedit::proplist {

// The property list's lengths at 96 dots per inch; the list and its tip scale them to their
// window's DPI where they use them.
struct PropListLayout {
    int rowPadding = 4;     // a row's height beyond its text
    int minValueWidth = 40; // a value column narrower than this (or than the names) splits evenly
    int tipTextOffset = 2;  // where a cell's own text starts within it
    int tipMargin = 2;      // between the tip's edge and its text
    int tipExtraWidth = 6;  // the tip's margins and border around the text
};
inline constexpr PropListLayout kPropListLayout{};

struct ColumnWidths {
    int name;  // column 0
    int value; // column 1
    friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

// The names keep the width they need (nameWidth) and the values take the rest of clientWidth,
// unless the rest is narrower than the names or than minValueWidth, whichever is less: then the two
// columns share the width evenly (the values get the smaller half).
ColumnWidths SplitColumnWidths(int clientWidth, int nameWidth,
                               int minValueWidth = kPropListLayout.minValueWidth);

// The row that editing moves to from `current` (-1: none) among `count` rows, wrapping around at
// either end. Fewer than two rows: editing stays where it is.
int StepEditRow(int current, int count, bool forward);

struct TipRect {
    int left, top, right, bottom;
    friend bool operator==(const TipRect&, const TipRect&) = default;
};

// Whether a tip is needed for a text tw pixels wide in a cell whose own text starts xoffset pixels
// in, and the tip window's rectangle: it starts where the cell's text starts (less its own margin),
// covers the cell's height and is the extra width (margins and border) wider than the text.
struct TipPlacement {
    bool show;
    TipRect window;
    friend bool operator==(const TipPlacement&, const TipPlacement&) = default;
};
TipPlacement PlaceTitleTip(const TipRect& cell, int xoffset, int textWidth,
                           int margin = kPropListLayout.tipMargin,
                           int extraWidth = kPropListLayout.tipExtraWidth);

} // namespace listedit::proplist
