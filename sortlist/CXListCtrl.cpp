// CXListCtrl: report-view helpers over the list control. The list keeps no state of its own; every
// answer is read from the list window when it is needed.
#include <listedit/sortlist/CXListCtrl.h>
#include <listedit/frame/CBitmap.h>
#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CHeaderCtrl.h>
#include <listedit/frame/MessageMap.h>

#include "edit/CXInEditEx.h"
#include "edit/InEditFit.h"
#include "edit/PaddedText.h"
#include "frame/Accessible.h"

#include <algorithm>
#include <memory>

namespace {

constexpr UINT kCellEditorId = 1001;
// Posted when the header has changed a width: the list has laid the columns out by the time it
// arrives.
constexpr UINT kFollowEditorMessage = WM_USER + 0x101;
// The colour that stands for "no row here" in the combined drag image.
constexpr COLORREF kTransparent = RGB(0, 255, 0);

listedit::inedit::Box BoxOf(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace

IMPLEMENT_DYNAMIC(CXListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CXListCtrl, CListCtrl)
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_GETOBJECT, &CXListCtrl::OnGetObject)
ON_MESSAGE(LVM_SETCOLUMNWIDTH, &CXListCtrl::OnSetColumnWidth)
ON_MESSAGE(kFollowEditorMessage, &CXListCtrl::OnFollowEditor)
END_MESSAGE_MAP()

CXListCtrl::CXListCtrl() = default;
CXListCtrl::~CXListCtrl() = default;

LRESULT CXListCtrl::OnGetObject(WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    return m_host.OnGetObject(wParam, lParam, lResult) ? lResult : Default();
}

int CXListCtrl::GetColumnCount() const {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader ? pHeader->GetItemCount() : 0;
}

BOOL CXListCtrl::GetCellRect(int nItem, int nColumn, CRect& rect) const {
    if (nColumn < 0 || nColumn >= GetColumnCount()) return FALSE;
    if (!GetSubItemRect(nItem, nColumn, LVIR_BOUNDS, rect)) return FALSE;
    if (nColumn == 0) {
        // Column 0's bounds are the whole row; its label ends where the column ends, wherever the
        // user has dragged the column.
        CRect rcLabel;
        if (!GetSubItemRect(nItem, 0, LVIR_LABEL, rcLabel)) return FALSE;
        rect.right = rcLabel.right;
        rect.left = rcLabel.right - GetColumnWidth(0);
    }
    return TRUE;
}

int CXListCtrl::EnsureSubItemVisible(int nColumn) {
    CRect rcColumn;
    if (!GetCellRect(0, nColumn, rcColumn)) return 1; // row 0 stands for every row
    CRect rcClient;
    GetClientRect(rcClient);
    if (rcColumn.left > rcClient.right) {
        Scroll(CSize(rcColumn.right - rcClient.right, 0));
    } else if (rcColumn.right < rcClient.left) {
        Scroll(CSize(rcColumn.left - rcClient.left, 0));
    }
    return 1;
}

// ---- column widths ------------------------------------------------------------------------------

void CXListCtrl::SizeColumn(int nColumn) {
    SetColumnWidth(nColumn, LVSCW_AUTOSIZE);
    int nContent = GetColumnWidth(nColumn);
    SetColumnWidth(nColumn, LVSCW_AUTOSIZE_USEHEADER);
    int nHeader = GetColumnWidth(nColumn);
    SetColumnWidth(nColumn, static_cast<short>(std::max(nContent, nHeader)));
}

void CXListCtrl::AutoSizeColumn(int nColumn, int bRepaint) {
    // Report view, and list view, which shares the style bit.
    if (!(GetStyle() & LVS_REPORT) || nColumn < 0 || nColumn >= GetColumnCount()) return;
    SetRedraw(FALSE);
    SizeColumn(nColumn);
    SetRedraw(TRUE);
    if (bRepaint) Invalidate(TRUE);
}

void CXListCtrl::AutoSizeColumn(int bRepaint) {
    int nColumns = GetColumnCount();
    if (!(GetStyle() & LVS_REPORT) || nColumns == 0) return;
    SetRedraw(FALSE);
    for (int i = 0; i < nColumns; ++i) SizeColumn(i);
    SetRedraw(TRUE);
    if (bRepaint) Invalidate(TRUE);
}

// ---- the cell editor ----------------------------------------------------------------------------

BOOL CXListCtrl::PlaceEditor(int nItem, int nColumn, int nTextWidth, CRect& rect, int& nMinLength) const {
    CRect rcCell;
    if (!GetCellRect(nItem, nColumn, rcCell)) return FALSE;

    std::optional<listedit::inedit::Box> icon;
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    item.iSubItem = nColumn;
    item.iImage = -1000;
    CRect rcIcon;
    // Beyond column 0 a cell shows an image only with sub-item images on; the list reports an image
    // rectangle for every cell all the same.
    bool bShowsImage = nColumn == 0 || (GetExtendedStyle() & LVS_EX_SUBITEMIMAGES);
    if (bShowsImage && GetItem(&item) && item.iImage >= 0 &&
        GetSubItemRect(nItem, nColumn, LVIR_ICON, rcIcon)) {
        icon = BoxOf(rcIcon);
    }

    CRect rcClient;
    GetClientRect(rcClient);
    const listedit::inedit::CellEditor placed =
        listedit::inedit::PlaceCellEditor(BoxOf(rcCell), icon, nTextWidth, rcClient.right,
                                          m_host.Scale(listedit::inedit::kInEditLayout.cellEditorDrop));
    rect.SetRect(placed.rect.left, placed.rect.top, placed.rect.right, placed.rect.bottom);
    nMinLength = placed.minLength;
    return TRUE;
}

CEdit* CXListCtrl::EditSubLabel(int nItem, int nColumn) {
    if (!EnsureVisible(nItem, TRUE)) return nullptr;
    CString strText = GetItemText(nItem, nColumn);
    CRect rcEdit;
    int nMinLength = 0;
    if (!PlaceEditor(nItem, nColumn, listedit::inedit::PaddedTextWidth(GetFont(), strText), rcEdit,
                     nMinLength))
        return nullptr;

    auto* pEdit = new CXInEditEx(nItem, nColumn, strText);
    pEdit->SetMinLength(nMinLength);
    // A failed creation has already deleted the editor (it owns itself from Create on).
    if (!pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rcEdit, this, kCellEditorId))
        return nullptr;
    // The editor says which column it edits, as the header shows it while it is open.
    listedit::access::Overrides overrides;
    overrides.name = [hList = m_hWnd, nColumn]() -> std::optional<std::wstring> {
        return listedit::access::ColumnTitle(hList, nColumn);
    };
    listedit::access::Override(pEdit->m_hWnd, std::move(overrides));
    return pEdit;
}

void CXListCtrl::FollowCellEditor() {
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, kCellEditorId));
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CXInEditEx))) return;
    auto* pEdit = static_cast<CXInEditEx*>(pWnd);
    CString strText;
    pEdit->GetWindowText(strText);
    CRect rcEdit;
    int nMinLength = 0;
    if (!PlaceEditor(pEdit->GetItem(), pEdit->GetSubItem(),
                     listedit::inedit::PaddedTextWidth(GetFont(), strText), rcEdit, nMinLength))
        return;
    pEdit->SetMinLength(nMinLength);
    pEdit->SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CXListCtrl::OnSetColumnWidth(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    FollowCellEditor();
    return lResult;
}

BOOL CXListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const UINT nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    // A width changed by the user's drag: the editor follows once the list has moved its columns.
    if ((nCode == HDN_ITEMCHANGEDW || nCode == HDN_ITEMCHANGEDA) && ::GetDlgItem(m_hWnd, kCellEditorId))
        PostMessage(kFollowEditorMessage);
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

LRESULT CXListCtrl::OnFollowEditor(WPARAM, LPARAM) {
    FollowCellEditor();
    return 0;
}

// ---- the drag image -----------------------------------------------------------------------------

CImageList* CXListCtrl::CreateDragImageEx(CPoint& ptHotSpot) {
    CRect rcUnion;
    bool bAny = false;
    for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1; i = GetNextItem(i, LVNI_SELECTED)) {
        CRect rc;
        GetItemRect(i, rc, LVIR_BOUNDS);
        if (bAny) {
            ::UnionRect(&rcUnion, &rcUnion, &rc);
        } else {
            rcUnion = rc;
        }
        bAny = true;
    }
    if (!bAny || rcUnion.IsRectEmpty()) return nullptr;

    CClientDC dcList(this);
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dcList) ||
        !bitmap.CreateCompatibleBitmap(&dcList, rcUnion.Width(), rcUnion.Height()))
        return nullptr;

    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.FillSolidRect(0, 0, rcUnion.Width(), rcUnion.Height(), kTransparent);
    for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1; i = GetNextItem(i, LVNI_SELECTED)) {
        CRect rc;
        GetItemRect(i, rc, LVIR_BOUNDS);
        CPoint ptRow;
        std::unique_ptr<CImageList> pRowImage(CreateDragImage(i, &ptRow));
        if (!pRowImage) continue;
        pRowImage->DrawIndirect(&dcMem, 0, CPoint(rc.left - rcUnion.left, rc.top - rcUnion.top), rc.Size(),
                                CPoint(0, 0), ILD_NORMAL, SRCCOPY, CLR_DEFAULT, CLR_DEFAULT);
    }
    dcMem.SelectObject(pOldBitmap);

    // True colour, so the rows look in the drag as they look in the list.
    auto pImage = std::make_unique<CImageList>();
    if (!pImage->Create(rcUnion.Width(), rcUnion.Height(), ILC_COLOR24 | ILC_MASK, 0, 1) ||
        pImage->Add(&bitmap, kTransparent) < 0)
        return nullptr;

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    ptHotSpot = CPoint(ptCursor.x - rcUnion.left, ptCursor.y - rcUnion.top);
    return pImage.release();
}

// ---- scrolling ----------------------------------------------------------------------------------

// Each takes the focus first, so that an open cell editor commits before the cells move.
void CXListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    SetFocus();
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CXListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    SetFocus();
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL CXListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    SetFocus();
    return CListCtrl::OnMouseWheel(nFlags, zDelta, pt);
}

void CXListCtrl::OnRButtonDown(UINT nFlags, CPoint point) {
    CListCtrl::OnRButtonDown(nFlags, point);
}
