// The definitions of CSortListT, included by the sources that instantiate it (the control and the
// view form), so that every algorithm exists once.
#pragma once
#include <listedit/frame/CDC.h>
#include <listedit/sortlist/CSortListT.h>

#include "RowLayout.h"
#include "RowText.h"
#include "SortKeys.h"
#include "frame/Accessible.h"

#include <uxtheme.h>

#include <cstring>
#include <cwchar>

namespace listedit::sortlist::detail {
inline Rect ToModel(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
inline CRect FromModel(const Rect& r) {
    return CRect(r.left, r.top, r.right, r.bottom);
}
// The list's "no colour" and "default colour" values stand for the colour underneath.
inline COLORREF SolidColor(COLORREF clr, COLORREF clrUnder) {
    return clr == CLR_NONE || clr == CLR_DEFAULT ? clrUnder : clr;
}
inline UINT DrawTextAlign(Align align) {
    switch (align) {
    case Align::Right:
        return DT_RIGHT;
    case Align::Center:
        return DT_CENTER;
    case Align::Left:
        break;
    }
    return DT_LEFT;
}
} // namespace listedit::sortlist::detail

BEGIN_TEMPLATE_MESSAGE_MAP(CSortListT, TBase, TBase)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CSortListT::OnColumnclick)
ON_WM_KEYDOWN()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_NOTIFY_REFLECT(LVN_DELETEITEM, &CSortListT::OnDeleteitem)
ON_WM_CREATE()
ON_MESSAGE(LVM_SETIMAGELIST, &CSortListT::OnSetImageList)
ON_MESSAGE(LVM_SETTEXTCOLOR, &CSortListT::OnSetTextColor)
ON_MESSAGE(LVM_SETTEXTBKCOLOR, &CSortListT::OnSetTextBkColor)
ON_MESSAGE(LVM_SETBKCOLOR, &CSortListT::OnSetBkColor)
ON_MESSAGE(WM_GETOBJECT, &CSortListT::OnGetObject)
ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, &CSortListT::OnItemchanged)
ON_MESSAGE(WM_RENDERFORMAT, &CSortListT::OnRenderFormat)
ON_MESSAGE(WM_RENDERALLFORMATS, &CSortListT::OnRenderAllFormats)
ON_MESSAGE(WM_DESTROYCLIPBOARD, &CSortListT::OnDestroyClipboard)
END_MESSAGE_MAP()

// Until the owner sets them, rows are painted in the list view's own default colours.
template <class TBase>
CSortListT<TBase>::CSortListT(BOOL bDeleteItemData)
    : m_cxClient(0), m_bDeleteItemData(bDeleteItemData), m_cxStateImageOffset(0),
      m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrTextBk(::GetSysColor(COLOR_WINDOW)),
      m_clrBkgnd(::GetSysColor(COLOR_WINDOW)) {}

// The host destroys the window while this class's handlers are still reachable, so that the rows'
// data objects are deleted with it; the header window goes with the list.
template <class TBase> CSortListT<TBase>::~CSortListT() = default;

template <class TBase> CListCtrl& CSortListT<TBase>::List() {
    return m_host.List();
}

template <class TBase> const CListCtrl& CSortListT<TBase>::List() const {
    return m_host.List();
}

template <class TBase> LRESULT CSortListT<TBase>::OnGetObject(WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    return m_host.OnGetObject(wParam, lParam, lResult) ? lResult : this->Default();
}

template <class TBase> void CSortListT<TBase>::AttachHeader() {
    if (m_ctlHeader.m_hWnd) return;
    const CListCtrl& list = List();
    if (!list.m_hWnd) return;
    if (HWND hHeader = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER))) {
        m_ctlHeader.SubclassWindow(hHeader);
        // The items this control paints itself are filled with the button face: the system paints
        // the others in the same classic style, so that an item once sorted looks like the rest.
        ::SetWindowTheme(hHeader, L" ", L" ");
    }
}

template <class TBase> void CSortListT<TBase>::TakeListLook() {
    const CListCtrl& list = List();
    m_clrText = list.GetTextColor();
    m_clrTextBk = list.GetTextBkColor();
    m_clrBkgnd = list.GetBkColor();
    int cx = 0, cy = 0;
    auto hState = reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
    m_cxStateImageOffset = hState && ::ImageList_GetIconSize(hState, &cx, &cy) ? cx : 0;
}

// The state lives in the header object itself, attached to its window or not.
template <class TBase> int CSortListT<TBase>::GetSortedColumn() const {
    return m_ctlHeader.GetSortedColumn();
}

template <class TBase> BOOL CSortListT<TBase>::IsAscSorted() const {
    return m_ctlHeader.IsAscSorted();
}

template <class TBase> const std::vector<CSortKey>& CSortListT<TBase>::GetSortKeys() const {
    return m_ctlHeader.GetSortKeys();
}

template <class TBase> void CSortListT<TBase>::ReSort() {
    if (const std::vector<CSortKey>& keys = GetSortKeys(); keys.size() > 1)
        SortByKeys(std::vector<CSortKey>(keys));
    else
        SortColumn(GetSortedColumn(), IsAscSorted());
}

template <class TBase> void CSortListT<TBase>::EnableMultipleSort(BOOL bEnable) {
    m_bMultipleSort = bEnable;
}

template <class TBase> BOOL CSortListT<TBase>::IsMultipleSortEnabled() const {
    return m_bMultipleSort;
}

template <class TBase> CSortedHeaderCtrl* CSortListT<TBase>::GetHeaderCtrl() {
    return &m_ctlHeader;
}

template <class TBase> void CSortListT<TBase>::EnableCopyTitles(BOOL bEnable) {
    m_bCopyTitles = bEnable;
}

template <class TBase> BOOL CSortListT<TBase>::IsCopyTitlesEnabled() const {
    return m_bCopyTitles;
}

template <class TBase> bool CSortListT<TBase>::IsCtrlKey(UINT nChar, UINT vk) {
    return nChar == vk && ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0;
}

template <class TBase> void CSortListT<TBase>::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CListCtrl& list = List();
    if (IsCtrlKey(nChar, 'A')) {
        if (list.GetStyle() & LVS_SINGLESEL) return;
        // The list view repaints each row it selects unless redrawing is off: one repaint instead.
        list.SetRedraw(FALSE);
        list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        list.SetRedraw(TRUE);
        list.Invalidate(FALSE);
        return;
    }
    if (!IsCtrlKey(nChar, 'C')) {
        TBase::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    // Through the list's own texts, as it shows them.
    std::wstring out = CopyTitles();
    const int nColumns = CopyColumns();
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED)) {
        for (int c = 0; c < nColumns; ++c) {
            listedit::sortlist::AppendCell(out, list.GetItemText(i, c).view());
            listedit::sortlist::AppendSeparator(out, c + 1 == nColumns);
        }
    }
    PutOnClipboard(out);
}

template <class TBase> int CSortListT<TBase>::CopyColumns() const {
    int nColumns = 0;
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_FMT;
    while (List().GetColumn(nColumns, &lvc)) ++nColumns;
    return std::max(nColumns, 1);
}

template <class TBase> std::wstring CSortListT<TBase>::CopyTitles() const {
    if (!m_bCopyTitles) return {};
    const CListCtrl& list = List();
    std::wstring out;
    wchar_t szTitle[256];
    for (int c = 0;; ++c) {
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT;
        lvc.pszText = szTitle;
        lvc.cchTextMax = 256;
        szTitle[0] = L'\0';
        if (!list.GetColumn(c, &lvc)) break;
        if (c) out += L'\t';
        listedit::sortlist::AppendCell(out, szTitle);
    }
    if (!out.empty()) out += L"\r\n";
    return out;
}

template <class TBase> BOOL CSortListT<TBase>::PutOnClipboard(std::wstring_view text) {
    return PutOnClipboard(text.size(), [text](wchar_t* p) { std::wmemmove(p, text.data(), text.size()); });
}

namespace listedit::sortlist::detail {
// Closes the clipboard this thread opened, on every way out.
struct OpenedClipboard {
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit OpenedClipboard(HWND hOwner) : bOpen(::OpenClipboard(hOwner) != FALSE) {}
    ~OpenedClipboard() {
        if (bOpen) ::CloseClipboard();
    }
    bool bOpen;
};
// A kept text with room for more than this many characters is given back when the clipboard lets
// it go, rather than held for the next copy.
inline constexpr std::size_t kKeptCopyChars = 64 * 1024;
} // namespace listedit::sortlist::detail

// A long text costs the clipboard a copy out of the process, so the text is only claimed here and
// handed over when a paste asks for it. The clipboard is opened before the text is written: while
// it is open, no program can ask an earlier claim of this list for the text being rewritten.
template <class TBase>
BOOL CSortListT<TBase>::PutOnClipboard(std::size_t nLength, const std::function<void(wchar_t*)>& write) {
    HWND hWnd = List().m_hWnd;
    if (!hWnd) return FALSE; // a claim needs an owner to ask for the text
    const listedit::sortlist::detail::OpenedClipboard clipboard(hWnd);
    if (!clipboard.bOpen) return FALSE;
    try {
        m_strCopied.resize(nLength);
        write(m_strCopied.data());
    } catch (...) {
        // A claim of this list not yet handed over would hand over a half-written text.
        if (m_bCopyPending) ::EmptyClipboard();
        throw;
    }
    // Emptying tells the previous owner its claim is over; when that is this list, the text it
    // would let go is the one just written.
    m_bRenewing = true;
    ::EmptyClipboard();
    m_bRenewing = false;
    ::SetClipboardData(CF_UNICODETEXT, nullptr); // no handle to tell success by
    m_bCopyPending = ::GetClipboardOwner() == hWnd && ::IsClipboardFormatAvailable(CF_UNICODETEXT);
    return m_bCopyPending;
}

template <class TBase> void CSortListT<TBase>::RenderCopied() {
    if (!m_bCopyPending) return;
    const std::size_t nBytes = (m_strCopied.size() + 1) * sizeof(wchar_t);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hMem) return;
    if (auto* p = static_cast<wchar_t*>(::GlobalLock(hMem))) {
        std::memcpy(p, m_strCopied.c_str(), nBytes);
        ::GlobalUnlock(hMem);
        if (::SetClipboardData(CF_UNICODETEXT, hMem)) {
            // The clipboard holds the text now and will not ask again; the room stays for the next copy.
            m_bCopyPending = false;
            m_strCopied.clear();
            return;
        }
    }
    ::GlobalFree(hMem);
}

// The program asking has the clipboard open.
template <class TBase> LRESULT CSortListT<TBase>::OnRenderFormat(WPARAM wParam, LPARAM) {
    if (wParam == CF_UNICODETEXT) RenderCopied();
    return 0;
}

// The list's window is being destroyed while its claim stands (the window system asks from
// DestroyWindow): the text is left on the clipboard, unless another program has taken it meanwhile.
template <class TBase> LRESULT CSortListT<TBase>::OnRenderAllFormats(WPARAM, LPARAM) {
    HWND hWnd = List().m_hWnd;
    const listedit::sortlist::detail::OpenedClipboard clipboard(hWnd);
    if (clipboard.bOpen && ::GetClipboardOwner() == hWnd) RenderCopied();
    return 0;
}

template <class TBase> LRESULT CSortListT<TBase>::OnDestroyClipboard(WPARAM, LPARAM) {
    if (m_bRenewing) return 0;
    m_bCopyPending = false;
    if (m_strCopied.capacity() > listedit::sortlist::detail::kKeptCopyChars)
        std::wstring().swap(m_strCopied);
    else
        m_strCopied.clear();
    return 0;
}

template <class TBase> void CSortListT<TBase>::SetDeleteItemData(BOOL bDelete) {
    m_bDeleteItemData = bDelete;
}

template <class TBase> BOOL CSortListT<TBase>::GetDeleteItemData() const {
    return m_bDeleteItemData;
}

template <class TBase> BOOL CSortListT<TBase>::HasExStyle(DWORD dwStyle) const {
    return (List().GetExtendedStyle() & dwStyle) != 0;
}

template <class TBase> BOOL CSortListT<TBase>::GetFullRowSel() const {
    return HasExStyle(LVS_EX_FULLROWSELECT);
}

template <class TBase> BOOL CSortListT<TBase>::GetGridLine() const {
    return HasExStyle(LVS_EX_GRIDLINES);
}

template <class TBase> BOOL CSortListT<TBase>::TrackSelect() const {
    return HasExStyle(LVS_EX_TRACKSELECT);
}

template <class TBase> BOOL CSortListT<TBase>::GetHeadDragDrop() const {
    return HasExStyle(LVS_EX_HEADERDRAGDROP);
}

template <class TBase> BOOL CSortListT<TBase>::GetInfoTip() const {
    return HasExStyle(LVS_EX_INFOTIP);
}

template <class TBase> BOOL CSortListT<TBase>::GetUnderLineHot() const {
    return HasExStyle(LVS_EX_UNDERLINEHOT);
}

template <class TBase> void CSortListT<TBase>::SortColumn(int nCol, BOOL bAsc) {
    AttachHeader();
    if ((List().GetStyle() & LVS_TYPEMASK) == LVS_REPORT) m_ctlHeader.SetSortImage(nCol, bAsc);
    SortRecorded();
}

template <class TBase> void CSortListT<TBase>::SortByKeys(const std::vector<CSortKey>& keys) {
    AttachHeader();
    if ((List().GetStyle() & LVS_TYPEMASK) == LVS_REPORT) m_ctlHeader.SetSortKeys(keys);
    SortRecorded();
}

template <class TBase> void CSortListT<TBase>::SortRecorded() {
    if (kIsControl && List().GetItemCount() <= 0) return;
    SortRows();
    // The rows' order changed under a reader's eyes.
    listedit::access::RaiseRowEvent(EVENT_OBJECT_REORDER, List().m_hWnd, -1);
}

// The list view raises its own item events on some systems; RaiseItemEvent raises them where not.
template <class TBase> BOOL CSortListT<TBase>::OnItemchanged(NMHDR* pNMHDR, LRESULT*) {
    if (!m_bItemChangesHeard) return TRUE;
    const auto* pNMLV = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(pNMLV->uChanged & LVIF_STATE)) return FALSE;
    const UINT nChanged = pNMLV->uNewState ^ pNMLV->uOldState;
    const HWND hList = List().m_hWnd;
    // A change of every row (item -1) is one change within the list, not one of a row.
    const DWORD nSelectionEvent = pNMLV->iItem < 0                     ? EVENT_OBJECT_SELECTIONWITHIN
                                  : (pNMLV->uNewState & LVIS_SELECTED) ? EVENT_OBJECT_SELECTIONADD
                                                                       : EVENT_OBJECT_SELECTIONREMOVE;
    if (nChanged & LVIS_SELECTED) listedit::access::RaiseItemEvent(nSelectionEvent, hList, pNMLV->iItem);
    if (nChanged & LVIS_STATEIMAGEMASK)
        listedit::access::RaiseItemEvent(EVENT_OBJECT_STATECHANGE, hList, pNMLV->iItem);
    return FALSE; // the parent hears it as well
}

template <class TBase> void CSortListT<TBase>::SortRows() {
    m_sortError = nullptr;
    List().SortItems(&CSortListT::CallbackCompareItems, reinterpret_cast<DWORD_PTR>(this));
    if (m_sortError) std::rethrow_exception(std::exchange(m_sortError, nullptr));
}

template <class TBase> int CSortListT<TBase>::CompareItems(CObject*, CObject*) {
    return 0;
}

// The list's sort is the window system's code: nothing may unwind through it.
template <class TBase>
int CALLBACK CSortListT<TBase>::CallbackCompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    auto* self = reinterpret_cast<CSortListT*>(lParamSort);
    if (self->m_sortError) return 0;
    try {
        return self->CompareItems(reinterpret_cast<CObject*>(lParam1), reinterpret_cast<CObject*>(lParam2));
    } catch (...) {
        self->m_sortError = std::current_exception();
        return 0;
    }
}

template <class TBase> void CSortListT<TBase>::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const int nCol = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    // A view leaves its state (and triangle) alone while it has no rows.
    if (!kIsControl && List().GetItemCount() <= 0) return;
    if (m_bMultipleSort) {
        // The state of Shift when the click happened, as the header's message left it.
        SortByKeys(listedit::sortlist::ClickKeys(GetSortKeys(), nCol, ::GetKeyState(VK_SHIFT) < 0));
        return;
    }
    const BOOL bAsc = nCol == GetSortedColumn() ? !IsAscSorted() : TRUE;
    SortColumn(nCol, bAsc);
}

template <class TBase> void CSortListT<TBase>::OnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    auto* pObject = reinterpret_cast<CObject*>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
    // An owner-data list holds no item data: whatever such a notification carries is not a row's.
    if (m_bDeleteItemData && pObject && !(List().GetStyle() & LVS_OWNERDATA)) delete pObject;
}

template <class TBase> void CSortListT<TBase>::OnSize(UINT, int cx, int) {
    this->Default();
    m_cxClient = cx;
}

template <class TBase> void CSortListT<TBase>::OnSetFocus(CWnd*) {
    this->Default();
    if (GetFullRowSel() && (List().GetStyle() & LVS_TYPEMASK) == LVS_REPORT) RepaintSelectedItems();
}

template <class TBase> void CSortListT<TBase>::OnKillFocus(CWnd*) {
    this->Default();
    if (GetFullRowSel() && (List().GetStyle() & LVS_TYPEMASK) == LVS_REPORT) RepaintSelectedItems();
}

template <class TBase> int CSortListT<TBase>::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    // A view joins its document here.
    if (TBase::OnCreate(lpCreateStruct) == -1) return -1;
    AttachHeader();
    return 0;
}

template <class TBase> LRESULT CSortListT<TBase>::OnSetImageList(WPARAM wParam, LPARAM lParam) {
    if (wParam == LVSIL_STATE) {
        int cx = 0, cy = 0;
        if (!::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(lParam), &cx, &cy)) cx = 0;
        m_cxStateImageOffset = cx;
    }
    return this->Default();
}

template <class TBase> LRESULT CSortListT<TBase>::OnSetTextColor(WPARAM, LPARAM lParam) {
    m_clrText = static_cast<COLORREF>(lParam);
    return this->Default();
}

template <class TBase> LRESULT CSortListT<TBase>::OnSetTextBkColor(WPARAM, LPARAM lParam) {
    m_clrTextBk = static_cast<COLORREF>(lParam);
    return this->Default();
}

template <class TBase> LRESULT CSortListT<TBase>::OnSetBkColor(WPARAM, LPARAM lParam) {
    m_clrBkgnd = static_cast<COLORREF>(lParam);
    return this->Default();
}

template <class TBase> BOOL CSortListT<TBase>::PreCreateWindow(CREATESTRUCTW& cs) {
    // Report view with a clickable header; the list's own automatic sorting would fight ours.
    cs.style = (cs.style & ~static_cast<LONG>(LVS_NOSORTHEADER | LVS_SORTASCENDING | LVS_SORTDESCENDING |
                                              LVS_TYPEMASK)) |
               LVS_REPORT;
    return TBase::PreCreateWindow(cs);
}

template <class TBase> void CSortListT<TBase>::RepaintSelectedItems() {
    CListCtrl& list = List();
    auto invalidate = [&list](int nItem) {
        CRect rcBounds, rcLabel;
        list.GetItemRect(nItem, &rcBounds, LVIR_BOUNDS);
        list.GetItemRect(nItem, &rcLabel, LVIR_LABEL);
        rcBounds.left = rcLabel.left;
        list.InvalidateRect(&rcBounds, FALSE);
    };
    if (int nFocused = list.GetNextItem(-1, LVNI_FOCUSED); nFocused != -1) invalidate(nFocused);
    if (!(list.GetStyle() & LVS_SHOWSELALWAYS)) {
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
            invalidate(i);
    }
    list.UpdateWindow();
}

template <class TBase> void CSortListT<TBase>::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    namespace model = listedit::sortlist;
    using namespace listedit::sortlist::detail;
    CListCtrl& list = List();
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int o = pDC->GetTextExtent(L" ", 1).cx;

    // Texts longer than 259 characters are cut; no memory is allocated per row.
    constexpr int kTextMax = 260;
    wchar_t szText[kTextMax] = {};
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
    lvi.iItem = nItem;
    lvi.stateMask = 0xFFFF;
    lvi.pszText = szText;
    lvi.cchTextMax = kTextMax;
    list.GetItem(&lvi);
    const UINT nState = lvi.state;

    const bool bFocus = m_host.HasFocus() != FALSE;
    const bool bSelected =
        model::ShownSelected(bFocus, (list.GetStyle() & LVS_SHOWSELALWAYS) != 0,
                             (nState & LVIS_SELECTED) != 0, (nState & LVIS_DROPHILITED) != 0);

    CRect rcBounds, rcLabel, rcIcon;
    list.GetItemRect(nItem, &rcBounds, LVIR_BOUNDS);
    list.GetItemRect(nItem, &rcLabel, LVIR_LABEL);
    const CRect rcBand = FromModel(model::Band(ToModel(rcBounds), ToModel(rcLabel)));

    const CListHost::CBand band =
        m_host.PaintBand(*pDC, rcBand, bSelected, ::GetSysColor(COLOR_HIGHLIGHT),
                         SolidColor(m_clrTextBk, SolidColor(m_clrBkgnd, ::GetSysColor(COLOR_WINDOW))));

    UINT nStyle = ILD_TRANSPARENT;
    COLORREF clrBlend = m_clrBkgnd;
    switch (model::IconBlend((nState & LVIS_CUT) != 0, bSelected)) {
    case model::Blend::Background:
        nStyle |= ILD_BLEND50;
        break;
    case model::Blend::Highlight:
        nStyle |= ILD_BLEND50;
        clrBlend = ::GetSysColor(COLOR_HIGHLIGHT);
        break;
    case model::Blend::None:
        break;
    }

    const UINT nStateImage = (nState & LVIS_STATEIMAGEMASK) >> 12;
    if (nStateImage) {
        if (auto hState = reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_STATE)))
            ::ImageList_Draw(hState, static_cast<int>(nStateImage) - 1, pDC->m_hDC, rcItem.left, rcItem.top,
                             ILD_TRANSPARENT);
    }

    if (auto hSmall = reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL))) {
        list.GetItemRect(nItem, &rcIcon, LVIR_ICON);
        const int nIcon = m_host.Scale(model::kSortListLayout.iconSize);
        if (rcItem.left < rcItem.right - 1)
            ::ImageList_DrawEx(hSmall, lvi.iImage, pDC->m_hDC, rcIcon.left, rcIcon.top, nIcon, nIcon,
                               m_clrBkgnd, clrBlend, nStyle | (nState & LVIS_OVERLAYMASK));
    }

    constexpr UINT kText = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS;
    model::CellWalk walk(ToModel(rcLabel), m_cxStateImageOffset, o);
    CRect rcCell = FromModel(walk.First().text);
    pDC->DrawText(szText, -1, &rcCell, DT_LEFT | kText);

    for (int nCol = 1;; ++nCol) {
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_FMT | LVCF_WIDTH;
        if (!list.GetColumn(nCol, &lvc)) break;
        const model::Cell cell = walk.Next(lvc.cx, static_cast<unsigned>(lvc.fmt));
        szText[0] = L'\0';
        list.GetItemText(nItem, nCol, szText, kTextMax);
        if (!szText[0]) continue;
        rcCell = FromModel(cell.text);
        pDC->DrawText(szText, -1, &rcCell, DrawTextAlign(cell.align) | kText);
    }

    m_host.FinishBand(*pDC, band, nState);
}
