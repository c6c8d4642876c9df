#include "AccessibleRow.h"

#include <algorithm>

namespace listedit::access {

unsigned StateOf(const AccessibleRow& row) {
    unsigned state = kStateFocusable | kStateSelectable;
    if (row.selected) state |= kStateSelected;
    if (row.focused) state |= kStateFocused;
    if (row.readOnly) state |= kStateReadOnly;
    if (row.checked) state |= kStateChecked;
    return state;
}

int FocusedRow(int nEdited, bool bFocusWithin, bool bListFocused, int nListFocused) {
    if (nEdited >= 0 && bFocusWithin) return nEdited;
    return bListFocused ? nListFocused : -1;
}

std::wstring DescribeCells(const std::vector<std::wstring>& titles, const std::vector<std::wstring>& cells) {
    std::wstring text;
    for (size_t i = 1; i < cells.size(); ++i) {
        if (cells[i].empty()) continue;
        if (!text.empty()) text += L", ";
        if (i < titles.size() && !titles[i].empty()) text += titles[i] + L": ";
        text += cells[i];
    }
    return text;
}

std::wstring ReadCells(const std::vector<std::wstring>& cells) {
    std::wstring text;
    for (const auto& cell : cells) {
        if (std::all_of(cell.begin(), cell.end(), [](wchar_t c) { return c == L' '; })) continue;
        if (!text.empty()) text += L' ';
        text += cell;
    }
    return text;
}

} // namespace listedit::access
