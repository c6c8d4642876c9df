// The property list's behaviour, once for every window form it takes (see CPropertyListT.h).
// Included by the source file of each form, which instantiates the template for its base.
#pragma once
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CDC.h>
#include <listedit/frame/CFont.h>
#include <listedit/frame/CException.h>
#include <listedit/proplist/CPropertyListCtrlItemData.h>
#include <listedit/proplist/CPropertyListT.h>

#include "PropListModel.h"
#include "frame/Accessible.h"
#include "edit/NumModel.h"
#include "frame/Dpi.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace listedit::proplist::detail {

constexpr UINT kDataWndId = 100;
constexpr UINT kDataWndRightButton = 0xFFFFFFFF; // the data window's notification code
constexpr UINT kBoldState = 0x0800;              // a bit of the overlay field: no image list uses it
constexpr LONG kBoldWeight = 700;
constexpr UINT kTextFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
inline constexpr const PropListLayout& kLayout = kPropListLayout;
// Every form of the list is a report view with single selection, owner-drawn fixed rows and no
// header, and never in small-icon view.
constexpr DWORD kForcedStyle =
    LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
static_assert(kForcedStyle == 0xC405);
inline LONG ForcedStyle(LONG style) {
    return static_cast<LONG>((static_cast<DWORD>(style) & ~DWORD{LVS_SMALLICON}) | kForcedStyle);
}

static_assert(kTextFormat == 0x8824);

inline const CPropertyListCtrlItemData* RowData(const CListCtrl& list, int nIndex) {
    return reinterpret_cast<const CPropertyListCtrlItemData*>(list.GetItemData(nIndex));
}

// Whether hWnd is hWithin or lies within it: a child, or a popup it owns (a picker's calendar).
inline bool IsWithin(HWND hWnd, HWND hWithin) {
    for (; hWnd; hWnd = ::GetParent(hWnd))
        if (hWnd == hWithin) return true;
    return false;
}

// Gives the data window the value; false when its editor cannot hold it (a date the calendar
// lacks, words in a date or number row, a list row's value outside its choices).
inline bool TakesValue(CDataWnd& data, const CString& strValue) {
    try {
        if (!data.SetText(strValue)) return false;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return strValue.IsEmpty() || !data.GetText().IsEmpty();
}

} // namespace listedit::proplist::detail

BEGIN_TEMPLATE_MESSAGE_MAP(CPropertyListT, TBase, TBase)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(LVN_DELETEITEM, &ThisClass::OnDeleteitem)
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_SETFOCUS()
ON_WM_DESTROY()
ON_WM_MEASUREITEM_REFLECT()
ON_NOTIFY(listedit::proplist::detail::kDataWndRightButton, listedit::proplist::detail::kDataWndId,
          &ThisClass::OnDataWndRightButtonClick)
ON_NOTIFY(DWN_KILLFOCUS, listedit::proplist::detail::kDataWndId, &ThisClass::OnDataWndKillFocus)
ON_WM_KEYDOWN()
ON_MESSAGE(WM_GETDLGCODE, &ThisClass::OnGetDlgCode)
ON_MESSAGE(WM_GETOBJECT, &ThisClass::OnGetObject)
ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, &ThisClass::OnItemchanged)
ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &ThisClass::OnDpiChangedAfterParent)
END_MESSAGE_MAP()

// Every member is defined here, none in the class: the library exports the instantiations, and
// only functions defined out of the class travel through the export.
template <class TBase> CPropertyListT<TBase>::CPropertyListT() {
    m_host.SetAccessibleRows(&CPropertyListT::MakeAccessibleRows);
}

template <class TBase> CListCtrl& CPropertyListT<TBase>::List() {
    return m_host.List();
}

template <class TBase> const CListCtrl& CPropertyListT<TBase>::List() const {
    return m_host.List();
}

template <class TBase> LRESULT CPropertyListT<TBase>::OnGetObject(WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    return m_host.OnGetObject(wParam, lParam, lResult) ? lResult : this->Default();
}

template <class TBase> LRESULT CPropertyListT<TBase>::OnDpiChangedAfterParent(WPARAM, LPARAM) {
    const LRESULT lResult = this->Default();
    // Measuring again resizes the list, which would end the edit: it goes on over its row.
    const int nEditing = m_nCurIndex;
    m_host.RemeasureRows();
    if (nEditing != -1 && DataWnd()) {
        m_nCurIndex = nEditing;
        MoveDataWndToIndex(nEditing);
    }
    this->Invalidate();
    return lResult;
}

template <class TBase> CDataWnd* CPropertyListT<TBase>::DataWnd() const {
    return m_pDataWnd && m_pDataWnd->m_hWnd ? m_pDataWnd : nullptr;
}

template <class TBase> CDataWnd* CPropertyListT<TBase>::CreateDataWnd() {
    return new CDataWnd;
}

template <class TBase> void CPropertyListT<TBase>::OnDataWndRButtonClk() {}

template <class TBase> BOOL CPropertyListT<TBase>::GetShowSelection() const {
    return m_bShowSelection;
}

template <class TBase> BOOL CPropertyListT<TBase>::EnableEdit() const {
    return m_bEnableEdit;
}

template <class TBase> CPropertyListT<TBase>::~CPropertyListT() {
    // The rows' records go with the list's deletion notices, which reach only a whole object: so
    // the window goes first, while this object is still what it is.
    m_host.DestroyList();
    // A data window object whose window was never made does not delete itself.
    delete m_pDataWnd;
    m_TitleTip.DestroyWindow();
}

template <class TBase> void CPropertyListT<TBase>::Init() {
    for (int nCol = 0; nCol < 2; ++nCol) {
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        col.fmt = LVCFMT_LEFT;
        col.cx = 1;
        col.iSubItem = nCol;
        List().InsertColumn(nCol, &col);
    }
    // A failed Create has deleted the object already.
    if (m_pDataWnd &&
        !m_pDataWnd->Create(WS_CHILD, CRect(0, 0, 0, 0), this, listedit::proplist::detail::kDataWndId))
        m_pDataWnd = nullptr;
    if (CDataWnd* pData = DataWnd()) {
        pData->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(this->GetFont()), TRUE);
        pData->SetWantTabAndReturn(TRUE); // they move the edit on, in a dialog too
        pData->SetDecimalSeparator(m_chDecimalSeparator);
    }
    m_TitleTip.Create(this);
}

template <class TBase> void CPropertyListT<TBase>::SetDecimalSeparator(wchar_t chSeparator) {
    if (!listedit::num::IsDecimalSeparator(chSeparator)) AfxThrowInvalidArgException();
    m_chDecimalSeparator = chSeparator;
    if (CDataWnd* pData = DataWnd()) pData->SetDecimalSeparator(chSeparator);
}

template <class TBase> void CPropertyListT<TBase>::UseLocaleDecimalSeparator() {
    SetDecimalSeparator(AfxGetLocaleDecimalSeparator());
}

template <class TBase> BOOL CPropertyListT<TBase>::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style = listedit::proplist::detail::ForcedStyle(cs.style);
    return TBase::PreCreateWindow(cs);
}

template <class TBase> int CPropertyListT<TBase>::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    // A view joins its document here.
    if (TBase::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pDataWnd) m_pDataWnd = CreateDataWnd();
    Init();
    return 0;
}

template <class TBase> void CPropertyListT<TBase>::OnDestroy() {
    // The data window is a child: it goes with this window and deletes itself. One that never got
    // a window is this list's to delete.
    if (m_pDataWnd && !m_pDataWnd->m_hWnd) delete m_pDataWnd;
    m_pDataWnd = nullptr;
    m_nCurIndex = -1;
    m_TitleTip.Hide();
    this->Default();
}

// ---- rows -----------------------------------------------------------------------------------------

template <class TBase>
int CPropertyListT<TBase>::InsertItem(LPCWSTR lpszName, UINT nType, LPCWSTR lpszValue, int nIndex) {
    CStringArray arrValue;
    arrValue.Add(lpszValue ? lpszValue : L"");
    return InsertItem(lpszName, nType, arrValue, nIndex);
}

template <class TBase>
int CPropertyListT<TBase>::InsertItem(LPCWSTR lpszName, UINT nType, const CStringArray& arrValue,
                                      int nIndex) {
    CListCtrl& list = List();
    if (nIndex == -1) nIndex = list.GetItemCount();
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nIndex;
    item.pszText = const_cast<LPWSTR>(lpszName ? lpszName : L"");
    const int nRow = list.InsertItem(&item);
    if (nRow == -1) return -1;
    if (arrValue.GetSize() > 0) list.SetItemText(nRow, 1, arrValue[0]);
    // The row owns its record from here on: LVN_DELETEITEM frees it.
    auto* pData = new CPropertyListCtrlItemData(nType, arrValue);
    if (!list.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pData))) delete pData;
    return nRow;
}

template <class TBase>
template <class ValueAt>
void CPropertyListT<TBase>::InsertRows(const CStringArray& arrName, const CUIntArray& arrType,
                                       ValueAt valueAt) {
    this->SetRedraw(FALSE);
    const int nBase = List().GetItemCount();
    const CStringArray noValues;
    for (INT_PTR i = 0; i < arrName.GetSize(); ++i) {
        const UINT nType = arrType[i]; // a missing entry raises before the row goes in
        const CStringArray* pValues = valueAt(i);
        InsertItem(arrName[i], nType, pValues ? *pValues : noValues, nBase + static_cast<int>(i));
    }
    ChangeColumnWidth();
}

template <class TBase>
void CPropertyListT<TBase>::InsertItem(const CStringArray& arrName, const CUIntArray& arrType,
                                       const CDWordArray& arrValue) {
    InsertRows(arrName, arrType, [&arrValue](INT_PTR i) {
        return reinterpret_cast<const CStringArray*>(static_cast<UINT_PTR>(arrValue[i]));
    });
}

template <class TBase>
void CPropertyListT<TBase>::InsertItem(const CStringArray& arrName, const CUIntArray& arrType,
                                       const CPtrArray& arrValue) {
    InsertRows(arrName, arrType,
               [&arrValue](INT_PTR i) { return static_cast<const CStringArray*>(arrValue[i]); });
}

template <class TBase> BOOL CPropertyListT<TBase>::DeleteAllItems() {
    HideDataWnd();
    m_nCurIndex = -1;
    return static_cast<BOOL>(List().SendMessage(LVM_DELETEALLITEMS));
}

template <class TBase> void CPropertyListT<TBase>::OnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pNMLV = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    delete reinterpret_cast<CPropertyListCtrlItemData*>(pNMLV->lParam);
    // A row deleted on its own (CListCtrl::DeleteItem) shifts the rows after it; the edited row
    // itself going ends its edit.
    if (pNMLV->iItem == m_nCurIndex) {
        HideDataWnd();
        m_nCurIndex = -1;
    } else if (pNMLV->iItem >= 0 && pNMLV->iItem < m_nCurIndex) {
        --m_nCurIndex;
    }
    *pResult = 0;
}

template <class TBase> BOOL CPropertyListT<TBase>::SetBoldShow(int nIndex, BOOL bBold) {
    CListCtrl& list = List();
    if (nIndex < 0 || nIndex >= list.GetItemCount()) return FALSE;
    const bool bWasBold = (list.GetItemState(nIndex, listedit::proplist::detail::kBoldState) &
                           listedit::proplist::detail::kBoldState) != 0;
    if (bWasBold == (bBold != FALSE)) return TRUE;
    list.SetItemState(nIndex, bBold ? listedit::proplist::detail::kBoldState : 0,
                      listedit::proplist::detail::kBoldState);
    list.RedrawItems(nIndex, nIndex);
    return TRUE;
}

template <class TBase> BOOL CPropertyListT<TBase>::IsBoldShow(int nIndex) const {
    const CListCtrl& list = List();
    if (nIndex < 0 || nIndex >= list.GetItemCount()) return FALSE;
    return (list.GetItemState(nIndex, listedit::proplist::detail::kBoldState) &
            listedit::proplist::detail::kBoldState) != 0;
}

// ---- the edit cycle -------------------------------------------------------------------------------

template <class TBase> void CPropertyListT<TBase>::ShowIndex(int nIndex) {
    if (nIndex == -1) return;
    CListCtrl& list = List();
    list.EnsureVisible(nIndex, FALSE);
    CDataWnd* pData = DataWnd();
    if (!pData) return;
    // A row without a record (none of this list's making) edits as plain text.
    const CPropertyListCtrlItemData* pRow = listedit::proplist::detail::RowData(list, nIndex);
    const int nType = pRow ? static_cast<int>(pRow->m_nType) : DWT_TEXT;
    const CStringArray noChoices;
    const CStringArray& arrChoices = pRow ? pRow->m_arrValue : noChoices;
    const CString strValue = list.GetItemText(nIndex, 1);
    pData->SetAccessibleName(list.GetItemText(nIndex, 0));
    pData->SetType(nType);
    pData->SetStringArrayBySelectType(arrChoices);
    if (!listedit::proplist::detail::TakesValue(*pData, strValue)) {
        // Edited as text (a list row's as an editable list), so that the value is neither lost
        // nor replaced by what the editor shows instead.
        pData->SetType(nType == DWT_LIST ? DWT_COMBO : DWT_TEXT);
        pData->SetStringArrayBySelectType(arrChoices);
        pData->SetText(strValue);
    }
    MoveDataWndToIndex(nIndex);
}

template <class TBase> void CPropertyListT<TBase>::MoveDataWndToIndex(int nIndex) {
    CDataWnd* pData = DataWnd();
    if (!pData || nIndex < 0) return;
    CRect rc;
    List().GetSubItemRect(nIndex, 1, LVIR_BOUNDS, rc);
    CWnd* pEditor = pData->GetChildDataWnd();
    const bool bEdit = pEditor && pEditor->IsKindOf(RUNTIME_CLASS(CEdit));
    if (bEdit) rc.top += 1; // keeps the row's top grid line in sight
    pData->MoveWindow(&rc, TRUE);
    const bool bWasHidden = (pData->GetStyle() & WS_VISIBLE) == 0;
    if (bWasHidden) pData->ShowWindow(SW_SHOW);
    // Straight to the editor: a data window that has the focus already would not hand it on.
    CWnd* pTarget = pEditor && pEditor->m_hWnd ? pEditor : pData;
    const HWND hHadFocus = ::GetFocus();
    pTarget->SetFocus();
    // Where the focus stays in the same editor the system tells no tool; the row it edits is new.
    if (hHadFocus && ::GetFocus() == hHadFocus &&
        listedit::proplist::detail::IsWithin(hHadFocus, pData->m_hWnd))
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, hHadFocus, OBJID_CLIENT, CHILDID_SELF);
    if (bWasHidden && bEdit) {
        pEditor->SendMessage(EM_SETSEL, 0, -1);
        pEditor->SendMessage(EM_SCROLLCARET);
    }
}

template <class TBase> void CPropertyListT<TBase>::HideIndex(int nIndex) {
    if (nIndex == -1) return;
    HideDataWnd();
    if (CDataWnd* pData = DataWnd()) WriteValue(nIndex, pData->GetText());
}

template <class TBase> void CPropertyListT<TBase>::WriteValue(int nIndex, const CString& strValue) {
    CListCtrl& list = List();
    const CString strOld = list.GetItemText(nIndex, 1);
    list.SetItemText(nIndex, 1, strValue);
    if (strOld == strValue) return;
    listedit::access::RaiseRowEvent(EVENT_OBJECT_VALUECHANGE, this->m_hWnd, nIndex);
    const CPropertyListCtrlItemData* pRow = listedit::proplist::detail::RowData(list, nIndex);
    if (pRow && pRow->m_nType == DWT_CHECK)
        listedit::access::RaiseRowEvent(EVENT_OBJECT_STATECHANGE, this->m_hWnd, nIndex); // checked or not
}

template <class TBase> void CPropertyListT<TBase>::HideDataWnd() {
    CDataWnd* pData = DataWnd();
    if (!pData) return;
    pData->CloseDropDown();
    pData->ShowWindow(SW_HIDE);
    // A hidden editor keeps the focus it had; the list takes it, so that keys reach no hidden edit.
    if (listedit::proplist::detail::IsWithin(::GetFocus(), pData->m_hWnd)) this->SetFocus();
}

template <class TBase> BOOL CPropertyListT<TBase>::CommitEdit() {
    CDataWnd* pData = DataWnd();
    if (m_nCurIndex == -1 || !pData) return FALSE;
    WriteValue(m_nCurIndex, pData->GetText());
    return TRUE;
}

template <class TBase> void CPropertyListT<TBase>::OnDataWndKillFocus(NMHDR*, LRESULT*) {
    // Only a window outside the list: within it the edit moves on, or the list keeps it.
    if (!listedit::proplist::detail::IsWithin(::GetFocus(), this->m_hWnd)) CommitEdit();
}

// ---- interaction ----------------------------------------------------------------------------------

template <class TBase> void CPropertyListT<TBase>::SetShowSelection(BOOL bShow) {
    const BOOL bNew = bShow ? TRUE : FALSE;
    if (bNew == m_bShowSelection) return;
    m_bShowSelection = bNew;
    if (m_nCurIndex != -1) List().RedrawItems(m_nCurIndex, m_nCurIndex);
}

template <class TBase> void CPropertyListT<TBase>::SetEnableEdit(BOOL bEnable) {
    const BOOL bNew = bEnable ? TRUE : FALSE;
    if (bNew == m_bEnableEdit) return;
    m_bEnableEdit = bNew;
    if (!bNew) HideDataWnd();
}

template <class TBase> void CPropertyListT<TBase>::ChangeColumnWidth() {
    CListCtrl& list = List();
    if (list.GetItemCount() == 0) {
        this->SetRedraw(TRUE);
        return;
    }
    this->SetRedraw(FALSE);
    m_nCurIndex = -1;
    HideDataWnd();
    CRect rc;
    this->GetClientRect(&rc);
    list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    const int nNames = list.GetColumnWidth(0);
    const auto widths = listedit::proplist::SplitColumnWidths(
        rc.Width(), nNames, m_host.Scale(listedit::proplist::detail::kLayout.minValueWidth));
    if (widths.name != nNames) list.SetColumnWidth(0, widths.name);
    list.SetColumnWidth(1, widths.value);
    this->SetRedraw(TRUE);
    this->Invalidate(TRUE);
}

template <class TBase> void CPropertyListT<TBase>::OnSize(UINT nType, int cx, int cy) {
    this->Default();
    if (cx > 0 && cy > 0 && nType != SIZE_MINIMIZED) {
        m_nCurIndex = -1;
        HideDataWnd();
    }
}

template <class TBase> void CPropertyListT<TBase>::OnLButtonDown(UINT, CPoint) {
    if (!m_bEnableEdit) return;
    OnClickRow([this] { this->Default(); });
}

// The second press of a double-click is a click as well: quick hands click a row, press Tab and
// click the same spot again.
template <class TBase> void CPropertyListT<TBase>::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (!m_bEnableEdit) return;
    OnClickRow([&] { this->DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y)); });
}

template <class TBase> template <class Press> void CPropertyListT<TBase>::OnClickRow(Press press) {
    m_TitleTip.Hide();
    const int nOld = m_nCurIndex;
    press(); // the list selects the row clicked, or none
    m_nCurIndex = List().GetNextItem(-1, LVNI_SELECTED);
    if (m_nCurIndex != nOld) {
        HideIndex(nOld);
        ShowIndex(m_nCurIndex);
    } else if (m_nCurIndex != -1) {
        // The edited row again: the edit goes on where it was (shown again if editing was
        // switched off and on in the meantime).
        MoveDataWndToIndex(m_nCurIndex);
    }
}

template <class TBase> BOOL CPropertyListT<TBase>::PreTranslateMessage(MSG* pMsg) {
    // A key pressed anywhere in the list ends a title tip it shows (the key goes where it was sent).
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_TitleTip.m_hWnd &&
        m_TitleTip.IsWindowVisible())
        m_TitleTip.Hide();
    // Any of the data window's windows: the editor, a combo's edit box, a picker's calendar, the
    // right button.
    CDataWnd* pData = DataWnd();
    if (pMsg->message == WM_KEYDOWN && pData &&
        listedit::proplist::detail::IsWithin(pMsg->hwnd, pData->m_hWnd)) {
        const UINT nChar = static_cast<UINT>(pMsg->wParam);
        const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
        const bool bTreated =
            nChar == VK_TAB || nChar == VK_RETURN || ((nChar == VK_UP || nChar == VK_DOWN) && bCtrl);
        if (bTreated && !m_bEnableEdit) return TRUE; // no edit moves while editing is off
        // An open list or calendar takes its own keys; Tab closes it and moves on.
        if (bTreated && pData->IsDroppedDown()) {
            if (nChar != VK_TAB) return TBase::PreTranslateMessage(pMsg);
            pData->CloseDropDown();
        }
        if (bTreated && TreatTabAndReturnKey(nChar, nChar != VK_UP)) return TRUE;
    }
    return TBase::PreTranslateMessage(pMsg);
}

template <class TBase> BOOL CPropertyListT<TBase>::TreatTabAndReturnKey(UINT, BOOL bNext) {
    CListCtrl& list = List();
    const int nCount = list.GetItemCount();
    if (nCount < 2) return TRUE;
    const int nOld = m_nCurIndex;
    const int nNew = listedit::proplist::StepEditRow(nOld, nCount, bNext != FALSE);
    m_nCurIndex = nNew;
    list.EnsureVisible(nNew, FALSE);
    // The whole state goes back with the selection added, so the bold mark stays.
    const UINT nState = list.GetItemState(nNew, 0xFFFF);
    list.SetItemState(nNew, nState | LVIS_SELECTED, 0xFFFF);
    HideIndex(nOld);
    ShowIndex(nNew);
    // The mouse has not moved but the row under it may have: judge the title tip again.
    CPoint pt;
    ::GetCursorPos(&pt);
    this->ScreenToClient(&pt);
    this->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
    return TRUE;
}

template <class TBase> void CPropertyListT<TBase>::OnVScroll(UINT, UINT, CScrollBar*) {
    this->Default();
    if (m_nCurIndex == -1 || !m_bEnableEdit) return;
    MoveDataWndToIndex(m_nCurIndex);
    List().RedrawItems(std::max(m_nCurIndex - 1, 0), m_nCurIndex + 1);
}

// The wheel scrolls the list without WM_VSCROLL; the data window follows its row all the same.
template <class TBase> BOOL CPropertyListT<TBase>::OnMouseWheel(UINT, short, CPoint) {
    const BOOL bResult = static_cast<BOOL>(this->Default());
    if (m_nCurIndex != -1 && DataWnd() && (m_pDataWnd->GetStyle() & WS_VISIBLE)) {
        MoveDataWndToIndex(m_nCurIndex);
        List().RedrawItems(std::max(m_nCurIndex - 1, 0), m_nCurIndex + 1);
    }
    return bResult;
}

template <class TBase> void CPropertyListT<TBase>::OnSetFocus(CWnd*) {
    this->Default();
    CDataWnd* pData = DataWnd();
    if (pData && m_bEnableEdit && pData->IsWindowVisible() && pData->IsWindowEnabled()) pData->SetFocus();
}

template <class TBase> void CPropertyListT<TBase>::OnKeyDown(UINT nChar, UINT, UINT) {
    CListCtrl& list = List();
    if ((nChar != VK_F2 && nChar != VK_RETURN) || !m_bEnableEdit || !DataWnd() || list.GetItemCount() == 0) {
        this->Default();
        return;
    }
    int nRow = list.GetNextItem(-1, LVNI_FOCUSED);
    if (nRow < 0) nRow = 0;
    list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_TitleTip.Hide();
    const int nOld = m_nCurIndex;
    m_nCurIndex = nRow;
    if (nOld != nRow) {
        HideIndex(nOld);
        ShowIndex(nRow);
    } else {
        MoveDataWndToIndex(nRow);
    }
}

template <class TBase> LRESULT CPropertyListT<TBase>::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT lCode = this->Default();
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) lCode |= DLGC_WANTMESSAGE;
    return lCode;
}

template <class TBase>
std::unique_ptr<listedit::access::RowSource> CPropertyListT<TBase>::MakeAccessibleRows(CWnd& owner) {
    // What a row says, read from the list at each call.
    class Rows final : public listedit::access::RowSource {
    public:
        explicit Rows(CPropertyListT& list) : RowSource(list.List().m_hWnd), m_list(list) {}
        listedit::access::AccessibleRow Row(int nRow) const override {
            CListCtrl& list = m_list.List();
            listedit::access::AccessibleRow row;
            row.name = list.GetItemText(nRow, 0).str();
            row.value = list.GetItemText(nRow, 1).str();
            row.hasValue = true;
            row.selected = (list.GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
            row.focused = nRow == FocusedRow();
            row.readOnly = !m_list.m_bEnableEdit;
            const CPropertyListCtrlItemData* pRow = listedit::proplist::detail::RowData(list, nRow);
            row.checked = pRow && pRow->m_nType == DWT_CHECK && row.value == L"1";
            return row;
        }
        int FocusedRow() const override {
            const CDataWnd* pData = m_list.DataWnd();
            const bool bEditing = pData && pData->IsWindowVisible();
            const HWND hFocus = ::GetFocus();
            return listedit::access::FocusedRow(
                bEditing ? m_list.m_nCurIndex : -1, listedit::proplist::detail::IsWithin(hFocus, m_hList),
                hFocus == m_hList, m_list.List().GetNextItem(-1, LVNI_FOCUSED));
        }

    private:
        CPropertyListT& m_list;
    };
    return std::make_unique<Rows>(static_cast<CPropertyListT&>(owner));
}

// The list view raises its own item events on some systems; RaiseItemEvent raises them where not.
template <class TBase> BOOL CPropertyListT<TBase>::OnItemchanged(NMHDR* pNMHDR, LRESULT*) {
    const auto* pNMLV = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (pNMLV->iItem >= 0 && (pNMLV->uChanged & LVIF_STATE) && (pNMLV->uNewState & LVIS_SELECTED) &&
        !(pNMLV->uOldState & LVIS_SELECTED))
        listedit::access::RaiseItemEvent(EVENT_OBJECT_SELECTION, this->m_hWnd, pNMLV->iItem);
    return FALSE; // the parent hears it as well
}

template <class TBase> void CPropertyListT<TBase>::OnDataWndRightButtonClick(NMHDR*, LRESULT*) {
    OnDataWndRButtonClk();
}

// ---- title tip ------------------------------------------------------------------------------------

template <class TBase> void CPropertyListT<TBase>::OnMouseMove(UINT nFlags, CPoint point) {
    if (nFlags == 0) {
        CString strText;
        CRect rect;
        if (HitTestTip(point, strText, rect))
            m_TitleTip.Show(rect, strText, m_host.Scale(listedit::proplist::detail::kLayout.tipTextOffset));
        else
            m_TitleTip.Hide();
    }
    this->Default();
}

template <class TBase> BOOL CPropertyListT<TBase>::HitTestTip(CPoint point, CString& strText, CRect& rect) {
    CListCtrl& list = List();
    LVHITTESTINFO hit{};
    hit.pt = point;
    list.SubItemHitTest(&hit);
    if (hit.iItem < 0 || hit.iItem == m_nCurIndex) return FALSE;
    strText = list.GetItemText(hit.iItem, hit.iSubItem);
    if (strText.IsEmpty()) return FALSE;
    list.GetSubItemRect(hit.iItem, hit.iSubItem, LVIR_BOUNDS, rect);
    if (hit.iSubItem == 0) {
        // The bounds of the first sub-item span the whole row; its label is the name's cell.
        CRect label;
        list.GetItemRect(hit.iItem, &label, LVIR_LABEL);
        rect.right = label.right;
    }
    return list.GetStringWidth(strText) > rect.Width();
}

// ---- painting -------------------------------------------------------------------------------------

template <class TBase> void CPropertyListT<TBase>::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType != ODT_LISTVIEW) return;
    lpMeasureItemStruct->itemHeight =
        m_host.RowHeight(m_host.DeviceTextHeight(), listedit::proplist::detail::kLayout.rowPadding);
}

template <class TBase> void CPropertyListT<TBase>::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    using namespace listedit::proplist::detail;
    CListCtrl& list = List();
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const CRect rcItem = lpDrawItemStruct->rcItem;
    const int nNameWidth = list.GetColumnWidth(0);

    CRect rcName;
    list.GetItemRect(nItem, &rcName, LVIR_LABEL);
    rcName.left = rcItem.left;
    bool bHighlighted = false;
    COLORREF crOldText = 0, crOldBk = 0;
    if (this->IsWindowEnabled()) {
        if (m_bShowSelection && (list.GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED)) {
            crOldText = pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
            crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
            CBrush brush(::GetSysColor(COLOR_HIGHLIGHT));
            pDC->FillRect(&rcName, &brush);
            bHighlighted = true;
        } else {
            CBrush brush(list.GetBkColor());
            pDC->FillRect(&rcName, &brush);
        }
    }

    // The grid's lines are a pixel wide at 96 dots per inch: above it, a pen as wide as that pixel
    // in the colour of the pen the list draws with.
    const int nGridWidth = m_host.Scale(1);
    CPen grid;
    CPen* pOldPen = nullptr;
    if (nGridWidth > 1) {
        LOGPEN lp{};
        ::GetObjectW(::GetCurrentObject(pDC->GetSafeHdc(), OBJ_PEN), sizeof lp, &lp);
        if (grid.CreatePen(PS_SOLID, nGridWidth, lp.lopnColor)) pOldPen = pDC->SelectObject(&grid);
    }
    const int xGrid = rcItem.left + nNameWidth;
    pDC->MoveTo(rcItem.left, rcItem.top);
    pDC->LineTo(rcItem.right, rcItem.top);
    pDC->MoveTo(rcItem.left, rcItem.bottom);
    pDC->LineTo(rcItem.right, rcItem.bottom);
    pDC->MoveTo(xGrid, rcItem.top);
    pDC->LineTo(xGrid, rcItem.bottom);
    if (pOldPen) pDC->SelectObject(pOldPen);

    const int nSpace = pDC->GetTextExtent(L" ", 1).cx;
    const bool bBold = IsBoldShow(nItem) != FALSE;
    for (int nCol = 0; nCol < 2; ++nCol) {
        CRect rcText;
        list.GetSubItemRect(nItem, nCol, LVIR_LABEL, rcText);
        if (nCol == 1) {
            rcText.left += nSpace / 2;
            if (bHighlighted) {
                pDC->SetTextColor(crOldText);
                pDC->SetBkColor(crOldBk);
            }
        }
        const CString strText = list.GetItemText(nItem, nCol);
        if (bBold) {
            LOGFONTW lf{};
            ::GetObjectW(::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT), sizeof lf, &lf);
            lf.lfWeight = kBoldWeight;
            CFont bold;
            bold.CreateFontIndirect(&lf);
            CFont* pOld = pDC->SelectObject(&bold);
            pDC->DrawText(strText, -1, &rcText, kTextFormat);
            pDC->SelectObject(pOld);
        } else {
            pDC->DrawText(strText, -1, &rcText, kTextFormat);
        }
    }
}
