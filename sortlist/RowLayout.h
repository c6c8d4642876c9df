// Window-free decisions of the owner-drawn sortable list row: whether a row shows as selected, how
// its icon is blended, and where each column's text goes.
#pragma once
#include "ModelGeometry.h"

namespace listedit::sortlist {

// A selected row shows its selection only while the list has the focus or always shows its
// selection; a drop target always shows as selected.
bool ShownSelected(bool listHasFocus, bool showSelAlways, bool selected, bool dropHilited);

// How the row's icon is blended: half with the list background for a cut row (even a selected
// one), half with the highlight colour for a selected row, not at all otherwise.
enum class Blend { None, Background, Highlight };
Blend IconBlend(bool cut, bool shownSelected);

// The highlight band: the row's bounds from the left edge of its label, so the state image and
// the icon stay outside it.
Rect Band(const Rect& bounds, const Rect& label);

// The list column format's alignment bits (as the list stores them).
constexpr unsigned kColumnRight = 0x0001;
constexpr unsigned kColumnCenter = 0x0002;
constexpr unsigned kColumnJustifyMask = 0x0003;

// One cell's text rectangle (inset by two spaces on each side) and its alignment.
struct Cell {
    Rect text;
    Align align;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Walks a row's cells by column index from the label: the first cell is the label less the state
// image width and is always left-aligned; each further cell starts where the previous one ended
// (before its inset) and is as wide as its column, aligned by the column format.
class CellWalk {
public:
    CellWalk(const Rect& label, int stateImageWidth, int space);
    Cell First() const { return Inset(m_cell, Align::Left); }
    Cell Next(int width, unsigned format);

private:
    Cell Inset(const Rect& cell, Align align) const;
    Rect m_cell; // the current cell before its inset
    int m_space;
};

} // namespace listedit::sortlist
