// Window-free decisions of the owner-drawn sortable list row.
#include "RowLayout.h"

namespace listedit::sortlist {

bool ShownSelected(bool listHasFocus, bool showSelAlways, bool selected, bool dropHilited) {
    return ((listHasFocus || showSelAlways) && selected) || dropHilited;
}

Blend IconBlend(bool cut, bool shownSelected) {
    if (cut) return Blend::Background;
    return shownSelected ? Blend::Highlight : Blend::None;
}

Rect Band(const Rect& bounds, const Rect& label) {
    Rect r = bounds;
    r.left = label.left;
    return r;
}

CellWalk::CellWalk(const Rect& label, int stateImageWidth, int space) : m_cell(label), m_space(space) {
    m_cell.right -= stateImageWidth;
}

Cell CellWalk::Next(int width, unsigned format) {
    m_cell.left = m_cell.right;
    m_cell.right += width;
    Align align = Align::Left;
    switch (format & kColumnJustifyMask) {
    case kColumnRight:
        align = Align::Right;
        break;
    case kColumnCenter:
        align = Align::Center;
        break;
    default: // left, and both bits together
        break;
    }
    return Inset(m_cell, align);
}

Cell CellWalk::Inset(const Rect& cell, Align align) const {
    Rect r = cell;
    r.left += 2 * m_space;
    r.right -= 2 * m_space;
    return {r, align};
}

} // namespace listedit::sortlist
