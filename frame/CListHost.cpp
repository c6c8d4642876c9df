// CListHost: the list window's end, metrics, row band and rows, shared by every list.
#include <listedit/frame/CListHost.h>
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CDC.h>
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListView.h>

#include "frame/Accessible.h"
#include "frame/Dpi.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

CListHost::CListHost(CListCtrl& list) : m_owner(list), m_pView(nullptr) {}

CListHost::CListHost(CListView& view) : m_owner(view), m_pView(&view) {}

CListHost::~CListHost() {
    DestroyList();
}

CListCtrl& CListHost::List() const {
    return m_pView ? m_pView->GetListCtrl() : static_cast<CListCtrl&>(m_owner);
}

void CListHost::DestroyList() {
    if (m_owner.m_hWnd && CWnd::FromHandlePermanent(m_owner.m_hWnd) == &m_owner) m_owner.DestroyWindow();
}

// ---- metrics ------------------------------------------------------------------------------------

UINT CListHost::Dpi() const {
    return AfxGetWindowDpi(m_owner.m_hWnd);
}

int CListHost::Scale(int nLength) const {
    return AfxScaleLength(nLength, Dpi());
}

int CListHost::FontHeight() const {
    HFONT hFont = m_owner.m_hWnd ? List().GetFont() : nullptr;
    if (!hFont) hFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTW lf{};
    ::GetObjectW(hFont, sizeof(lf), &lf);
    return std::abs(lf.lfHeight);
}

int CListHost::DeviceTextHeight() const {
    CClientDC dc(&m_owner);
    TEXTMETRICW tm{};
    dc.GetTextMetrics(&tm);
    return tm.tmHeight + tm.tmExternalLeading;
}

UINT CListHost::RowHeight(int nTextHeight, int nMargin) const {
    return static_cast<UINT>(nTextHeight + Scale(nMargin));
}

void CListHost::RemeasureRows() {
    if (!m_owner.m_hWnd) return;
    // The list asks for its row height when told its size has changed.
    CRect rcWindow;
    m_owner.GetWindowRect(&rcWindow);
    WINDOWPOS wp{};
    wp.hwnd = m_owner.m_hWnd;
    wp.cx = rcWindow.Width();
    wp.cy = rcWindow.Height();
    wp.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
    m_owner.SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

BOOL CListHost::HasFocus() const {
    return m_owner.m_hWnd && ::GetFocus() == m_owner.m_hWnd;
}

// ---- row band -----------------------------------------------------------------------------------

CListHost::CBand CListHost::PaintBand(CDC& dc, const CRect& rcBand, BOOL bHighlight, COLORREF crHighlight,
                                      COLORREF crFill) const {
    CBand band{rcBand, bHighlight, 0, 0};
    if (bHighlight) {
        band.crOldText = dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        band.crOldBk = dc.SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    }
    CBrush brush(bHighlight ? crHighlight : crFill);
    dc.FillRect(&band.rect, &brush);
    return band;
}

void CListHost::FinishBand(CDC& dc, const CBand& band, UINT nState) const {
    if ((nState & LVIS_FOCUSED) && HasFocus()) dc.DrawFocusRect(&band.rect);
    if (band.bHighlight) {
        dc.SetTextColor(band.crOldText);
        dc.SetBkColor(band.crOldBk);
    }
}

// ---- rows for readers ---------------------------------------------------------------------------

void CListHost::SetRowSource(const IListRowSource* pRows) {
    m_pRows = pRows;
}

int CListHost::GetRowCount() const {
    if (m_pRows) return m_pRows->GetRowCount();
    return m_owner.m_hWnd ? List().GetItemCount() : 0;
}

int CListHost::GetColumnCount() const {
    if (m_pRows) return m_pRows->GetColumnCount();
    if (!m_owner.m_hWnd) return 0;
    // Counted through the columns themselves: a list without a header has them too.
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_WIDTH;
    int nColumns = 0;
    while (List().GetColumn(nColumns, &lvc)) ++nColumns;
    return nColumns;
}

CString CListHost::GetRowText(int nRow, int nColumn) const {
    if (m_pRows) return m_pRows->GetRowText(nRow, nColumn);
    return m_owner.m_hWnd ? List().GetItemText(nRow, nColumn) : CString();
}

UINT CListHost::GetRowState(int nRow) const {
    if (m_pRows) return m_pRows->GetRowState(nRow);
    return m_owner.m_hWnd ? List().GetItemState(nRow, static_cast<UINT>(-1)) : 0;
}

BOOL CListHost::GetRowRect(int nRow, CRect& rect) const {
    if (m_pRows) return m_pRows->GetRowRect(nRow, rect);
    return m_owner.m_hWnd && List().GetItemRect(nRow, &rect, LVIR_BOUNDS);
}

namespace {

// The rows as the host reads them: the first text names a row, the others describe it.
class HostRows final : public listedit::access::RowSource {
public:
    explicit HostRows(const CListHost& host) : RowSource(host.List().m_hWnd), m_host(host) {
        const int nColumns = std::max(host.GetColumnCount(), 1);
        for (int nCol = 0; nCol < nColumns; ++nCol)
            m_titles.push_back(listedit::access::ColumnTitle(m_hList, nCol));
        m_bChecks = (::SendMessageW(m_hList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
    }
    int RowCount() const override { return m_host.GetRowCount(); }
    listedit::access::AccessibleRow Row(int nRow) const override {
        std::vector<std::wstring> cells;
        for (size_t nCol = 0; nCol < m_titles.size(); ++nCol)
            cells.push_back(m_host.GetRowText(nRow, static_cast<int>(nCol)).str());
        listedit::access::AccessibleRow row;
        row.name = cells[0];
        row.description = listedit::access::DescribeCells(m_titles, cells);
        const UINT nState = m_host.GetRowState(nRow);
        row.selected = (nState & LVIS_SELECTED) != 0;
        row.focused = (nState & LVIS_FOCUSED) && m_host.HasFocus();
        row.checked = m_bChecks && (nState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
        return row;
    }
    bool RowRect(int nRow, RECT& rcScreen) const override {
        CRect rc;
        if (!m_host.GetRowRect(nRow, rc)) return false;
        rcScreen = rc;
        ::MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&rcScreen), 2);
        return true;
    }
    int FocusedRow() const override {
        if (!m_host.HasFocus()) return -1;
        return static_cast<int>(
            ::SendMessageW(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }

private:
    const CListHost& m_host;
    std::vector<std::wstring> m_titles;
    bool m_bChecks = false;
};

} // namespace

void CListHost::SetAccessibleRows(AccessibleRowsMaker pMake) {
    m_pMakeAccessibleRows = pMake;
}

BOOL CListHost::OnGetObject(WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    lResult = 0;
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT || !m_owner.m_hWnd) return FALSE;
    const HWND hOwner = m_owner.m_hWnd;
    lResult = listedit::access::AnswerRows(
        List().m_hWnd, wParam, lParam, [this, hOwner]() -> std::unique_ptr<listedit::access::RowSource> {
            // The host is alive as long as its owner is still the object of that window.
            if (CWnd::FromHandlePermanent(hOwner) != &m_owner || !::IsWindow(hOwner)) return nullptr;
            if (m_pMakeAccessibleRows) return m_pMakeAccessibleRows(m_owner);
            return std::make_unique<HostRows>(*this);
        });
    return lResult != 0;
}
