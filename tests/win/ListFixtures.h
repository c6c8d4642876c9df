// Helpers shared by the window tests of the lists: a cell clicked through real input, and where the
// property list's data window stands.
#pragma once
#include "Harness.h"

namespace harness {

// Clicks cell (row, col) a little right of its left edge, through real input.
inline void ClickCell(CListCtrl& list, int row, int col) {
    CRect rc;
    list.GetSubItemRect(row, col, LVIR_BOUNDS, rc);
    real::Click(list.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
}

// Whether a property list's data window is shown over row `row`.
inline bool EditingRow(CListCtrl& list, int row) {
    HWND hData = ::GetDlgItem(list.m_hWnd, 100);
    CRect rc, rcRow;
    ::GetWindowRect(hData, &rc);
    list.ScreenToClient(&rc);
    list.GetItemRect(row, &rcRow, LVIR_BOUNDS);
    return ::IsWindowVisible(hData) && rcRow.PtInRect(rc.CenterPoint());
}

} // namespace harness
