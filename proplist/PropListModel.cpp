#include "PropListModel.h"

#include <algorithm>

namespace listedit::proplist {

ColumnWidths SplitColumnWidths(int clientWidth, int nameWidth, int minValueWidth) {
    int value = clientWidth - nameWidth;
    if (value < std::min(nameWidth, minValueWidth)) {
        value = clientWidth / 2;
        return {clientWidth - value, value};
    }
    return {nameWidth, value};
}

int StepEditRow(int current, int count, bool forward) {
    if (count < 2) return current;
    if (forward) return current >= count - 1 ? 0 : current + 1;
    return current <= 0 || current >= count ? count - 1 : current - 1;
}

TipPlacement PlaceTitleTip(const TipRect& cell, int xoffset, int textWidth, int margin, int extraWidth) {
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    if (textWidth <= width - 2 * xoffset - margin) return {false, {}};
    const int left = cell.left + xoffset - margin;
    return {true, {left, cell.top, left + textWidth + extraWidth, cell.top + height}};
}

} // namespace listedit::proplist
