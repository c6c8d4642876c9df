// The definitions of CSortListExT, included by the sources that instantiate it.
#pragma once
#include <listedit/sortlist/CSortListExT.h>

#include "SortKeys.h"

#include <algorithm>

BEGIN_TEMPLATE_MESSAGE_MAP(CSortListExT, TBase, TBase)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, &CSortListExT::OnGetdispinfo)
ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, &CSortListExT::OnOdfinditem)
ON_MESSAGE(LVM_DELETEITEM, &CSortListExT::OnDeleteItem)
ON_MESSAGE(LVM_DELETEALLITEMS, &CSortListExT::OnDeleteAllItems)
ON_MESSAGE(LVM_SETITEMTEXTW, &CSortListExT::OnSetItemText)
ON_WM_DESTROY()
END_MESSAGE_MAP()

// The window goes while this class's handlers are still reachable, so that virtual mode's records
// are freed with it.
template <class TBase> CSortListExT<TBase>::~CSortListExT() {
    if (this->m_hWnd && CWnd::FromHandlePermanent(this->m_hWnd) == this) this->DestroyWindow();
    ReleaseRecords(0, m_arrRecords.size());
}

// The style cannot change while the window lives: it is read once per window.
template <class TBase> BOOL CSortListExT<TBase>::IsVirtualMode() const {
    if (m_nVirtualMode < 0) {
        const CListCtrl& list = this->List();
        if (!list.m_hWnd) return FALSE;
        m_nVirtualMode = (list.GetStyle() & LVS_OWNERDATA) != 0;
    }
    return m_nVirtualMode;
}

template <class TBase> int CSortListExT<TBase>::InsertItem(int nItem, CItemData* pData) {
    if (IsVirtualMode()) {
        if (nItem < 0) return -1;
        const int nCount = static_cast<int>(m_arrRecords.size());
        nItem = std::min(nItem, nCount);
        m_arrRecords.insert(m_arrRecords.begin() + nItem, pData);
        if (nItem < nCount) ShiftMarks(nItem, 1);
        this->List().SetItemCountEx(nCount + 1, LVSICF_NOSCROLL);
        return nItem;
    }
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT | LVIF_PARAM;
    lvi.iItem = nItem;
    lvi.pszText = LPSTR_TEXTCALLBACKW;
    lvi.lParam = reinterpret_cast<LPARAM>(pData);
    // Straight to the list view's own procedure: no handler of these lists takes LVM_INSERTITEM,
    // and a bulk fill should not pay a dispatch through every message map for each row.
    return static_cast<int>(this->List().DefWindowProc(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

template <class TBase> int CSortListExT<TBase>::InsertItems(int nItem, CItemData* const* ppData, int nCount) {
    if (!ppData || nCount <= 0 || nItem < 0) return -1;
    int nFirst = -1;
    if (IsVirtualMode()) {
        const int nOld = static_cast<int>(m_arrRecords.size());
        nFirst = std::min(nItem, nOld);
        m_arrRecords.insert(m_arrRecords.begin() + nFirst, ppData, ppData + nCount);
        if (nFirst < nOld) ShiftMarks(nFirst, nCount);
        this->List().SetItemCountEx(static_cast<int>(m_arrRecords.size()), LVSICF_NOSCROLL);
    } else {
        // Under Wine a list view that redraws grows slower with every row inserted.
        CListCtrl& list = this->List();
        list.SetRedraw(FALSE);
        for (int i = 0; i < nCount; ++i) {
            const int nAt = InsertItem(nFirst < 0 ? nItem : nFirst + i, ppData[i]);
            if (nAt < 0) break; // the list refused: the rest stay the caller's
            if (nFirst < 0) nFirst = nAt;
        }
        list.SetRedraw(TRUE);
        list.Invalidate();
    }
    if (nFirst >= 0 && !this->GetSortKeys().empty()) this->ReSort();
    return nFirst;
}

template <class TBase> CSortListExItemData* CSortListExT<TBase>::GetItemRecord(int nItem) const {
    if (IsVirtualMode())
        return nItem >= 0 && static_cast<std::size_t>(nItem) < m_arrRecords.size() ? m_arrRecords[nItem]
                                                                                   : nullptr;
    const CListCtrl& list = this->List();
    if (nItem < 0 || nItem >= list.GetItemCount()) return nullptr;
    return reinterpret_cast<CItemData*>(list.GetItemData(nItem));
}

template <class TBase> int CSortListExT<TBase>::CompareItems(CObject* pItem1, CObject* pItem2) {
    // Called for every pair the list's sort compares: the header is reached once per call.
    this->AttachHeader();
    const CSortedHeaderCtrl& header = this->m_ctlHeader;
    // A row without a record reads as one without texts.
    const auto* p1 = static_cast<const CItemData*>(pItem1);
    const auto* p2 = static_cast<const CItemData*>(pItem2);
    if (header.GetSortKeys().size() > 1) return CompareRecords(header.GetSortKeys(), p1, p2);
    return listedit::sortlist::CompareRows(
        header.GetSortedColumn(), p1 ? p1->m_arrText.GetSize() : 0, p2 ? p2->m_arrText.GetSize() : 0,
        header.IsAscSorted() != FALSE, [&](int nCol) {
            return CompareItems(nCol, p1->m_arrText.GetData()[nCol], p2->m_arrText.GetData()[nCol]);
        });
}

// By every recorded key; a single key is the recorded column, as the header holds it.
template <class TBase>
int CSortListExT<TBase>::CompareRecords(std::span<const CSortKey> keys, const CItemData* p1,
                                        const CItemData* p2) {
    return listedit::sortlist::CompareByKeys(
        keys, p1 ? p1->m_arrText.GetSize() : 0, p2 ? p2->m_arrText.GetSize() : 0, [&](int nCol) {
            return CompareItems(nCol, p1->m_arrText.GetData()[nCol], p2->m_arrText.GetData()[nCol]);
        });
}

template <class TBase> int CSortListExT<TBase>::CompareItems(int, const CString& str1, const CString& str2) {
    return listedit::sortlist::OrdinalCompare(str1.view(), str2.view());
}

template <class TBase> void CSortListExT<TBase>::SortRows() {
    if (!IsVirtualMode()) {
        TBase::SortRows();
        return;
    }
    CListCtrl& list = this->List();
    const std::vector<CSortKey> keys = this->GetSortKeys();
    // No key (or only a column below 0) keeps every pair level: the order stays.
    if (keys.empty()) return;

    // The marked rows' records: the selected ones, then the focused one and the selection anchor.
    std::vector<CItemData*> marked;
    std::vector<int> selected;
    const bool bAllSelected = list.GetSelectedCount() == m_arrRecords.size();
    if (!bAllSelected) {
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED)) {
            selected.push_back(i);
            marked.push_back(GetItemRecord(i));
        }
    }
    const int nFocus = list.GetNextItem(-1, LVNI_FOCUSED);
    const int nAnchor = list.GetSelectionMark();
    marked.push_back(GetItemRecord(nFocus));
    marked.push_back(GetItemRecord(nAnchor));

    // Each record goes into the sort with its text of the first key at hand, which spares most
    // comparisons the walk from record to text; later keys are read from the records.
    struct Entry {
        const CString* pText; // null: the record lacks the column, level with every row on it
        CItemData* pRecord;
    };
    const CSortKey first = keys.front();
    const std::span<const CSortKey> rest(keys.begin() + 1, keys.end());
    std::vector<Entry> entries(m_arrRecords.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CItemData* p = m_arrRecords[i];
        const bool bHas = p && first.nCol >= 0 && first.nCol < p->m_arrText.GetSize();
        entries[i] = {bHas ? &p->m_arrText.GetData()[first.nCol] : nullptr, p};
    }
    std::exception_ptr error;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (error) return false;
        try {
            int r = listedit::sortlist::CompareRows(
                0, a.pText != nullptr, b.pText != nullptr, first.bAsc,
                [&](int) { return CompareItems(first.nCol, *a.pText, *b.pText); });
            if (r == 0 && !rest.empty()) r = CompareRecords(rest, a.pRecord, b.pRecord);
            return r < 0;
        } catch (...) {
            error = std::current_exception();
            return false;
        }
    });
    for (std::size_t i = 0; i < entries.size(); ++i) m_arrRecords[i] = entries[i].pRecord;

    const std::vector<int> rows =
        listedit::sortlist::RowsOf<CItemData>(m_arrRecords, std::span<CItemData* const>(marked));
    const std::size_t nSelected = selected.size();
    for (int i : selected) list.SetItemState(i, 0, LVIS_SELECTED);
    for (std::size_t k = 0; k < nSelected; ++k)
        if (rows[k] >= 0) list.SetItemState(rows[k], LVIS_SELECTED, LVIS_SELECTED);
    if (nFocus >= 0 && rows[nSelected] >= 0) list.SetItemState(rows[nSelected], LVIS_FOCUSED, LVIS_FOCUSED);
    if (nAnchor >= 0 && rows[nSelected + 1] >= 0) list.SetSelectionMark(rows[nSelected + 1]);
    list.Invalidate(FALSE);
    if (error) std::rethrow_exception(error);
}

template <class TBase> void CSortListExT<TBase>::ShiftMarks(int nFrom, int nBy) {
    CListCtrl& list = this->List();
    std::vector<int> selected;
    for (int i = list.GetNextItem(nFrom - 1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
        selected.push_back(i);
    const int nFocus = list.GetNextItem(-1, LVNI_FOCUSED);
    const int nAnchor = list.GetSelectionMark();
    const int nCount = static_cast<int>(m_arrRecords.size());
    // The list view still counts the rows it had; the new rows join before anything moves.
    list.SetItemCountEx(nCount, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    for (int i : selected) list.SetItemState(i, 0, LVIS_SELECTED);
    for (int i : selected) list.SetItemState(i + nBy, LVIS_SELECTED, LVIS_SELECTED);
    if (nFocus >= nFrom) list.SetItemState(nFocus + nBy, LVIS_FOCUSED, LVIS_FOCUSED);
    if (nAnchor >= nFrom) list.SetSelectionMark(nAnchor + nBy);
}

template <class TBase> void CSortListExT<TBase>::ReleaseRecords(std::size_t nFirst, std::size_t nLast) {
    if (this->m_bDeleteItemData) {
        for (std::size_t i = nFirst; i < nLast; ++i) delete m_arrRecords[i];
    }
    m_arrRecords.erase(m_arrRecords.begin() + static_cast<std::ptrdiff_t>(nFirst),
                       m_arrRecords.begin() + static_cast<std::ptrdiff_t>(nLast));
}

template <class TBase> LRESULT CSortListExT<TBase>::OnDeleteItem(WPARAM wParam, LPARAM lParam) {
    if (!IsVirtualMode()) return this->Default();
    const auto nItem = static_cast<std::size_t>(static_cast<int>(wParam));
    if (nItem >= m_arrRecords.size()) return FALSE;
    // The list view moves its selection and focus up itself; the record goes once the row has.
    (void)lParam;
    if (!this->Default()) return FALSE;
    ReleaseRecords(nItem, nItem + 1);
    return TRUE;
}

template <class TBase> LRESULT CSortListExT<TBase>::OnDeleteAllItems(WPARAM, LPARAM) {
    if (!IsVirtualMode()) return this->Default();
    const LRESULT result = this->Default();
    ReleaseRecords(0, m_arrRecords.size());
    return result;
}

template <class TBase> LRESULT CSortListExT<TBase>::OnSetItemText(WPARAM wParam, LPARAM lParam) {
    if (!IsVirtualMode()) return this->Default();
    CItemData* pData = GetItemRecord(static_cast<int>(wParam));
    const auto* pItem = reinterpret_cast<const LVITEMW*>(lParam);
    if (!pData || !pItem || pItem->iSubItem < 0 || pItem->pszText == LPSTR_TEXTCALLBACKW) return FALSE;
    pData->m_arrText.SetAtGrow(pItem->iSubItem, pItem->pszText ? pItem->pszText : L"");
    this->List().Update(static_cast<int>(wParam));
    return TRUE;
}

template <class TBase> void CSortListExT<TBase>::OnDestroy() {
    TBase::OnDestroy();
    ReleaseRecords(0, m_arrRecords.size());
    m_nVirtualMode = -1;
}

template <class TBase> void CSortListExT<TBase>::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT)) return;
    const auto* pData =
        IsVirtualMode() ? GetItemRecord(item.iItem) : reinterpret_cast<const CItemData*>(item.lParam);
    if (!pData || item.iSubItem < 0 || item.iSubItem >= pData->m_arrText.GetSize()) return;
    listedit::sortlist::CopyCellText(pData->m_arrText.GetData()[item.iSubItem].view(), item.pszText,
                                     item.cchTextMax);
}

// Typing in a virtual list, and LVM_FINDITEM, look for a row by its first column's text, as the list
// view does with rows of its own: whole text or prefix, case-insensitive, from a start row on,
// wrapping round when asked.
template <class TBase> void CSortListExT<TBase>::OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = -1;
    const auto* pFind = reinterpret_cast<const NMLVFINDITEMW*>(pNMHDR);
    const LVFINDINFOW& info = pFind->lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz || m_arrRecords.empty()) return;
    const std::size_t nCount = m_arrRecords.size();
    const std::size_t nLen = ::wcslen(info.psz);
    const bool bPartial = (info.flags & LVFI_PARTIAL) != 0;
    const std::size_t nStart =
        pFind->iStart >= 0 && static_cast<std::size_t>(pFind->iStart) < nCount ? pFind->iStart : 0;
    const std::size_t nSteps = info.flags & LVFI_WRAP ? nCount : nCount - nStart;
    for (std::size_t k = 0; k < nSteps; ++k) {
        const std::size_t i = (nStart + k) % nCount;
        const CItemData* pData = m_arrRecords[i];
        const std::wstring_view text =
            pData && pData->m_arrText.GetSize() ? pData->m_arrText.GetData()[0].view() : std::wstring_view();
        if (bPartial ? text.size() >= nLen && ::_wcsnicmp(text.data(), info.psz, nLen) == 0
                     : text.size() == nLen && ::_wcsnicmp(text.data(), info.psz, nLen) == 0) {
            *pResult = static_cast<LRESULT>(i);
            return;
        }
    }
}
