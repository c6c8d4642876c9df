#include "PropListModel.h"

#include <algorithm>

namespace listedit::proplist {

namespace {
constexpr int kMinValueWidth = 40;
constexpr int kTipMargin = 2;     // between the tip's edge and its text
constexpr int kTipExtraWidth = 6; // the tip's margins and border around the text
} // namespace

ColumnWidths SplitColumnWidths(int clientWidth, int nameWidth) {
    int value = clientWidth - nameWidth;
    if (value < std::min(nameWidth, kMinValueWidth)) {
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

TipPlacement PlaceTitleTip(const TipRect& cell, int xoffset, int textWidth) {
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    if (textWidth <= width - 2 * xoffset - kTipMargin) return {false, {}};
    const int left = cell.left + xoffset - kTipMargin;
    return {true, {left, cell.top, left + textWidth + kTipExtraWidth, cell.top + height}};
}

} // namespace listedit::proplist
