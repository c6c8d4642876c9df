// CListHost: the list window's end, metrics, row band and rows, shared by every list.
#include <listedit/frame/CListHost.h>
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CDC.h>
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListView.h>

#include "frame/Dpi.h"

#include <cstdlib>

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

BOOL CListHost::OnGetObject(WPARAM, LPARAM, LRESULT& lResult) {
    // No accessible object of the library's own yet: the system answers.
    lResult = 0;
    return FALSE;
}
