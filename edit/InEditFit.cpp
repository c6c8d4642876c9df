#include "edit/InEditFit.h"

#include <algorithm>

namespace listedit::inedit {

std::optional<int> FitWidth(int textWidth, int clientWidth, int left, int parentRight, int minLength) {
    if (textWidth <= clientWidth && textWidth <= minLength) return std::nullopt;
    return std::max(0, std::min(textWidth, parentRight - left));
}

CellEditor PlaceCellEditor(Box cell, std::optional<Box> icon, int textWidth, int clientRight, int drop) {
    Box rect = cell;
    if (icon && icon->right > rect.left) rect.left = icon->right;
    rect.bottom += drop;
    int minLength = 2 * (rect.bottom - rect.top);
    rect.right = rect.left + std::max(textWidth, minLength);
    // A cell that starts beyond the client area gets an editor of no width, never an inverted one.
    if (rect.right > clientRight) rect.right = std::max(rect.left, clientRight);
    return {rect, minLength};
}

} // namespace listedit::inedit
