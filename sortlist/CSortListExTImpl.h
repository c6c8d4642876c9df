// The definitions of CSortListExT, included by the sources that instantiate it.
#pragma once
#include <listedit/sortlist/CSortListExT.h>

#include "HeldSelection.h"
#include "RowText.h"
#include "SortKeys.h"
#include "TypedKeys.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <numeric>
#include <utility>

namespace listedit::sortlist::detail {
// The system's natural order where it has one (CompareStringEx with SORT_DIGITSASNUMBERS, looked
// up at run time and checked once), the window-free one otherwise.
using CompareStringExFn = int(WINAPI*)(LPCWSTR, DWORD, LPCWCH, int, LPCWCH, int, LPNLSVERSIONINFO, LPVOID,
                                       LPARAM);
inline CompareStringExFn g_pfnCompareStringEx = nullptr;
inline int SystemNaturalCompare(std::wstring_view a, std::wstring_view b) {
    return g_pfnCompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, a.data(),
                                static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), nullptr,
                                nullptr, 0) -
           CSTR_EQUAL;
}
inline TextCompare NaturalOrder() {
    static const TextCompare fn = []() -> TextCompare {
        g_pfnCompareStringEx = reinterpret_cast<CompareStringExFn>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "CompareStringEx")));
        // A system that takes the flag but ignores it orders "file9" after "file10".
        if (g_pfnCompareStringEx && SystemNaturalCompare(L"file9", L"file10") < 0 &&
            SystemNaturalCompare(L"A2", L"a2") == 0 && SystemNaturalCompare(L"x", L"y") < 0)
            return &SystemNaturalCompare;
        return &NaturalCompare;
    }();
    return fn;
}
// What an object's table of virtual functions holds for the virtual member function pmf names. Both
// compilers of this platform lay pointers to members out by the Itanium C++ ABI: one plus the
// entry's offset in the table, and the adjustment of the object's address.
template <class T, class Pmf> const void* TableEntry(const T* pObject, Pmf pmf) {
    struct Layout {
        std::ptrdiff_t ptr, adj;
    };
    static_assert(sizeof(Pmf) == sizeof(Layout));
    Layout layout;
    std::memcpy(&layout, &pmf, sizeof layout);
    const char* pThis = reinterpret_cast<const char*>(pObject) + layout.adj;
    const char* pTable = *reinterpret_cast<const char* const*>(pThis);
    return *reinterpret_cast<const void* const*>(pTable + layout.ptr - 1);
}
// The table entry of each instantiation's own per-column comparison, taken by its constructor
// (while an object is built, its table is that class's).
template <class TList> inline std::atomic<const void*> g_ownTextCompare{nullptr};
} // namespace listedit::sortlist::detail

BEGIN_TEMPLATE_MESSAGE_MAP(CSortListExT, TBase, TBase)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, &CSortListExT::OnGetdispinfo)
ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, &CSortListExT::OnOdfinditem)
ON_MESSAGE(LVM_DELETEITEM, &CSortListExT::OnDeleteItem)
ON_MESSAGE(LVM_DELETEALLITEMS, &CSortListExT::OnDeleteAllItems)
ON_MESSAGE(LVM_SETITEMTEXTW, &CSortListExT::OnSetItemText)
ON_WM_DESTROY()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

template <class TBase> CSortListExT<TBase>::CSortListExT() {
    using Compare = int (CSortListExT::*)(int, const CString&, const CString&);
    const Compare compare = &CSortListExT::CompareItems;
    listedit::sortlist::detail::g_ownTextCompare<CSortListExT>.store(
        listedit::sortlist::detail::TableEntry(this, compare), std::memory_order_relaxed);
}

// The window goes while this class's handlers are still reachable, so that virtual mode's records
// are freed with it.
template <class TBase> CSortListExT<TBase>::~CSortListExT() {
    this->Host().DestroyList();
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
        const int nCount = static_cast<int>(m_rows.RowCount());
        nItem = std::min(nItem, nCount);
        const std::size_t at = m_rows.InsertionPoint(nItem);
        m_arrRecords.insert(m_arrRecords.begin() + static_cast<std::ptrdiff_t>(at), pData);
        m_rows.Inserted(nItem, at, 1);
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
        const int nOld = static_cast<int>(m_rows.RowCount());
        nFirst = std::min(nItem, nOld);
        const std::size_t at = m_rows.InsertionPoint(nFirst);
        m_arrRecords.insert(m_arrRecords.begin() + static_cast<std::ptrdiff_t>(at), ppData, ppData + nCount);
        m_rows.Inserted(nFirst, at, nCount);
        if (nFirst < nOld) ShiftMarks(nFirst, nCount);
        this->List().SetItemCountEx(static_cast<int>(m_rows.RowCount()), LVSICF_NOSCROLL);
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
        return nItem >= 0 && static_cast<std::size_t>(nItem) < m_rows.RowCount()
                   ? m_arrRecords[m_rows.RecordAt(static_cast<std::size_t>(nItem))]
                   : nullptr;
    const CListCtrl& list = this->List();
    if (nItem < 0 || nItem >= list.GetItemCount()) return nullptr;
    return reinterpret_cast<CItemData*>(list.GetItemData(nItem));
}

template <class TBase> void CSortListExT<TBase>::SetColumnSortType(int nCol, SortType type) {
    this->m_ctlHeader.SetColumnSortType(nCol, type);
}

template <class TBase> SortType CSortListExT<TBase>::GetColumnSortType(int nCol) const {
    return this->m_ctlHeader.GetSortState().GetColumnType(nCol);
}

template <class TBase> int CSortListExT<TBase>::GetRecordCount() const {
    return IsVirtualMode() ? static_cast<int>(m_arrRecords.size()) : this->List().GetItemCount();
}

template <class TBase> BOOL CSortListExT<TBase>::SetFilter(std::function<bool(const CItemData&)> filter) {
    if (!IsVirtualMode()) return FALSE;
    m_filter = std::move(filter);
    ApplyFilter();
    return TRUE;
}

template <class TBase> BOOL CSortListExT<TBase>::SetQuickFilter(LPCWSTR lpszText, int nCol) {
    if (!IsVirtualMode()) return FALSE;
    m_strQuickFolded = listedit::sortlist::FoldText(lpszText ? lpszText : L"");
    m_nQuickCol = nCol;
    ApplyFilter();
    return TRUE;
}

template <class TBase> bool CSortListExT<TBase>::Accepts(const CItemData* pData) const {
    if (!m_strQuickFolded.empty()) {
        if (!pData) return false;
        const CString* pTexts = pData->m_arrText.GetData();
        const int nTexts = static_cast<int>(pData->m_arrText.GetSize());
        bool bFound = false;
        if (m_nQuickCol < 0) {
            for (int c = 0; c < nTexts && !bFound; ++c)
                bFound = listedit::sortlist::ContainsFolded(pTexts[c].view(), m_strQuickFolded);
        } else if (m_nQuickCol < nTexts) {
            bFound = listedit::sortlist::ContainsFolded(pTexts[m_nQuickCol].view(), m_strQuickFolded);
        }
        if (!bFound) return false;
    }
    return !m_filter || (pData && m_filter(*pData));
}

template <class TBase> void CSortListExT<TBase>::ApplyFilter() {
    CListCtrl& list = this->List();
    const Marks marks = TakeMarks(true);
    const std::size_t nRecords = m_arrRecords.size();
    if (!m_filter && m_strQuickFolded.empty()) {
        m_rows.ShowAll(nRecords);
    } else {
        std::vector<std::uint32_t> shown;
        for (std::size_t i = 0; i < nRecords; ++i)
            if (Accepts(m_arrRecords[i])) shown.push_back(static_cast<std::uint32_t>(i));
        m_rows.ShowOnly(nRecords, std::move(shown));
    }
    list.SetItemCountEx(static_cast<int>(m_rows.RowCount()), LVSICF_NOSCROLL);
    PutMarks(marks, {});
    list.Invalidate(FALSE);
}

template <class TBase> typename CSortListExT<TBase>::Marks CSortListExT<TBase>::TakeMarks(bool bListAll) {
    CListCtrl& list = this->List();
    Marks marks;
    const std::size_t nRows = m_rows.RowCount();
    marks.bAll = nRows > 0 && list.GetSelectedCount() == nRows && !bListAll;
    if (!marks.bAll) {
        if (nRows > 0 && list.GetSelectedCount() == nRows) {
            marks.selected.resize(nRows);
            for (std::size_t i = 0; i < nRows; ++i) marks.selected[i] = m_rows.RecordAt(i);
        } else {
            for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
                if (static_cast<std::size_t>(i) < nRows) marks.selected.push_back(m_rows.RecordAt(i));
        }
    }
    auto recordOf = [&](int nRow) -> std::ptrdiff_t {
        return nRow >= 0 && static_cast<std::size_t>(nRow) < nRows
                   ? static_cast<std::ptrdiff_t>(m_rows.RecordAt(nRow))
                   : -1;
    };
    marks.nFocus = recordOf(list.GetNextItem(-1, LVNI_FOCUSED));
    marks.nAnchor = recordOf(list.GetSelectionMark());
    return marks;
}

template <class TBase>
void CSortListExT<TBase>::PutMarks(const Marks& marks, std::span<const std::uint32_t> newIndex) {
    CListCtrl& list = this->List();
    auto rowOf = [&](std::ptrdiff_t nRecord) -> int {
        if (nRecord < 0) return -1;
        const std::size_t rec = newIndex.empty() ? static_cast<std::size_t>(nRecord) : newIndex[nRecord];
        return static_cast<int>(m_rows.RowOf(rec));
    };
    if (!marks.bAll) {
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (std::size_t rec : marks.selected)
            if (const int nRow = rowOf(static_cast<std::ptrdiff_t>(rec)); nRow >= 0)
                list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (const int nFocus = rowOf(marks.nFocus); nFocus >= 0) {
        list.SetItemState(nFocus, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (const int nOld = list.GetNextItem(-1, LVNI_FOCUSED); nOld >= 0) {
        list.SetItemState(nOld, 0, LVIS_FOCUSED);
    }
    list.SetSelectionMark(rowOf(marks.nAnchor));
}

template <class TBase> int CSortListExT<TBase>::CompareItems(CObject* pItem1, CObject* pItem2) {
    const CSortedHeaderCtrl& header = this->m_ctlHeader;
    // A row without a record reads as one without texts.
    const auto* p1 = static_cast<const CItemData*>(pItem1);
    const auto* p2 = static_cast<const CItemData*>(pItem2);
    if (header.GetSortKeys().size() > 1) return CompareRecords(header.GetSortKeys(), p1, p2);
    return listedit::sortlist::CompareRows(
        header.GetSortedColumn(), p1 ? p1->m_arrText.GetSize() : 0, p2 ? p2->m_arrText.GetSize() : 0,
        header.IsAscSorted() != FALSE, [&](int nCol) {
            return CompareCell(nCol, p1->m_arrText.GetData()[nCol], p2->m_arrText.GetData()[nCol]);
        });
}

// By every recorded key; a single key is the recorded column, as the header holds it.
template <class TBase>
int CSortListExT<TBase>::CompareRecords(std::span<const CSortKey> keys, const CItemData* p1,
                                        const CItemData* p2) {
    return listedit::sortlist::CompareByKeys(
        keys, p1 ? p1->m_arrText.GetSize() : 0, p2 ? p2->m_arrText.GetSize() : 0, [&](int nCol) {
            return CompareCell(nCol, p1->m_arrText.GetData()[nCol], p2->m_arrText.GetData()[nCol]);
        });
}

// A typed column by its type; a Text column through the (perhaps overridden) per-column comparison.
template <class TBase>
int CSortListExT<TBase>::CompareCell(int nCol, const CString& str1, const CString& str2) {
    const SortType type = this->m_ctlHeader.GetSortState().GetColumnType(nCol);
    if (type == SortType::Text) return CompareItems(nCol, str1, str2);
    return listedit::sortlist::CompareTyped(type, str1.view(), str2.view(),
                                            listedit::sortlist::detail::NaturalOrder());
}

template <class TBase> int CSortListExT<TBase>::CompareItems(int, const CString& str1, const CString& str2) {
    return listedit::sortlist::OrdinalCompare(str1.view(), str2.view());
}

// Whether the object's per-column comparison is another than this class's: the function its table
// holds against the one this class's table holds.
template <class TBase> bool CSortListExT<TBase>::HasOwnTextCompare() {
    using Compare = int (CSortListExT::*)(int, const CString&, const CString&);
    const Compare compare = &CSortListExT::CompareItems;
    return listedit::sortlist::detail::TableEntry(this, compare) !=
           listedit::sortlist::detail::g_ownTextCompare<CSortListExT>.load(std::memory_order_relaxed);
}

template <class TBase> void CSortListExT<TBase>::SortRows() {
    if (!IsVirtualMode()) {
        TBase::SortRows();
        return;
    }
    namespace model = listedit::sortlist;
    const std::vector<CSortKey> keys = this->GetSortKeys();
    // No key (or only a column below 0) keeps every pair level: the order stays.
    if (keys.empty()) return;

    const Marks marks = TakeMarks(false);
    const CSortState& state = this->m_ctlHeader.GetSortState();
    const bool bOwnCompare = HasOwnTextCompare();
    std::vector<model::KeyColumn> columns;
    for (const CSortKey& key : keys) {
        const SortType type = state.GetColumnType(key.nCol);
        columns.push_back({key.nCol, key.bAsc, type, type == SortType::Text && bOwnCompare});
    }
    const std::size_t nRecords = m_arrRecords.size();
    std::vector<std::uint32_t> order(nRecords);
    std::iota(order.begin(), order.end(), 0u);
    auto text = [&](std::uint32_t rec, int nCol) -> std::optional<std::wstring_view> {
        const CItemData* p = m_arrRecords[rec];
        if (!p || nCol < 0 || nCol >= p->m_arrText.GetSize()) return std::nullopt;
        return p->m_arrText.GetData()[nCol].view();
    };
    const model::TextCompare natural = model::detail::NaturalOrder();
    std::exception_ptr error;
    auto compare = [&](std::size_t k, std::uint32_t a, std::uint32_t b) -> int {
        if (error) return 0;
        const int nCol = columns[k].nCol;
        const CString& s1 = m_arrRecords[a]->m_arrText.GetData()[nCol];
        const CString& s2 = m_arrRecords[b]->m_arrText.GetData()[nCol];
        if (!columns[k].bCallerCompares) return natural(s1.view(), s2.view());
        try {
            return CompareItems(nCol, s1, s2);
        } catch (...) {
            error = std::current_exception();
            return 0;
        }
    };
    model::StableSortByKeys(order, nRecords, columns, text, compare);

    std::vector<CItemData*> sorted(nRecords);
    std::vector<std::uint32_t> newIndex(nRecords);
    for (std::size_t i = 0; i < nRecords; ++i) {
        sorted[i] = m_arrRecords[order[i]];
        newIndex[order[i]] = static_cast<std::uint32_t>(i);
    }
    m_arrRecords.swap(sorted);
    m_rows.Reordered(order);
    PutMarks(marks, newIndex);
    this->List().Invalidate(FALSE);
    if (error) std::rethrow_exception(error);
}

template <class TBase> void CSortListExT<TBase>::ShiftMarks(int nFrom, int nBy) {
    CListCtrl& list = this->List();
    std::vector<int> selected;
    for (int i = list.GetNextItem(nFrom - 1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
        selected.push_back(i);
    const int nFocus = list.GetNextItem(-1, LVNI_FOCUSED);
    const int nAnchor = list.GetSelectionMark();
    const int nCount = static_cast<int>(m_rows.RowCount());
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
    if (nFirst == 0 && m_arrRecords.empty())
        m_rows.ShowAll(0);
    else
        for (std::size_t i = nLast; i-- > nFirst;) m_rows.Erased(i);
}

template <class TBase> LRESULT CSortListExT<TBase>::OnDeleteItem(WPARAM wParam, LPARAM lParam) {
    if (!IsVirtualMode()) return this->Default();
    const auto nItem = static_cast<std::size_t>(static_cast<int>(wParam));
    if (nItem >= m_rows.RowCount()) return FALSE;
    // The list view moves its selection and focus up itself; the record goes once the row has.
    (void)lParam;
    if (!this->Default()) return FALSE;
    const std::size_t at = m_rows.RecordAt(nItem);
    ReleaseRecords(at, at + 1);
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
    m_bAllSelected = false;
    m_bRedraw = true; // a new window starts redrawing
    m_nHeldPress = -1;
}

template <class TBase> void CSortListExT<TBase>::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if ((item.mask & LVIF_STATE) && m_bAllSelected) item.state |= item.stateMask & LVIS_SELECTED;
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
    const std::size_t nCount = m_rows.RowCount();
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz || nCount == 0) return;
    const std::size_t nLen = ::wcslen(info.psz);
    const bool bPartial = (info.flags & LVFI_PARTIAL) != 0;
    const std::size_t nStart =
        pFind->iStart >= 0 && static_cast<std::size_t>(pFind->iStart) < nCount ? pFind->iStart : 0;
    const std::size_t nSteps = info.flags & LVFI_WRAP ? nCount : nCount - nStart;
    for (std::size_t k = 0; k < nSteps; ++k) {
        const std::size_t i = (nStart + k) % nCount;
        const CItemData* pData = m_arrRecords[m_rows.RecordAt(i)];
        const std::wstring_view text =
            pData && pData->m_arrText.GetSize() ? pData->m_arrText.GetData()[0].view() : std::wstring_view();
        if (bPartial ? text.size() >= nLen && ::_wcsnicmp(text.data(), info.psz, nLen) == 0
                     : text.size() == nLen && ::_wcsnicmp(text.data(), info.psz, nLen) == 0) {
            *pResult = static_cast<LRESULT>(i);
            return;
        }
    }
}

template <class TBase> void CSortListExT<TBase>::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (this->IsCtrlKey(nChar, 'C')) {
        CopySelection();
    } else if (this->IsCtrlKey(nChar, 'A') && IsVirtualMode()) {
        SelectAllRows();
    } else {
        TBase::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

// The list view selects all by a walk over every row; the list keeps "every row" itself instead and
// tells the parent as the list view would (one change for item -1).
template <class TBase> void CSortListExT<TBase>::SelectAllRows() {
    CListCtrl& list = this->List();
    if (m_bAllSelected || (list.GetStyle() & LVS_SINGLESEL)) return;
    const UINT nMask = list.GetCallbackMask();
    if (nMask & LVIS_SELECTED) { // the application keeps the selection: the list view asks it
        list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        return;
    }
    // The list view's own selection goes, unheard (every row is about to be selected), so that
    // when the list view later deselects "all" itself no row of it is left behind.
    // A few rows one by one; more in the list view's one walk, which repaints nothing meanwhile.
    this->m_bItemChangesHeard = false;
    if (UINT nOwn = list.GetSelectedCount(); nOwn > kFewRows) {
        SetRowsSelected(false);
    } else {
        for (int i = -1; nOwn-- > 0 && (i = list.GetNextItem(i, LVNI_SELECTED)) != -1;)
            list.SetItemState(i, 0, LVIS_SELECTED);
    }
    this->m_bItemChangesHeard = true;
    list.SetCallbackMask(nMask | LVIS_SELECTED);
    m_bAllSelected = true;
    list.Invalidate(FALSE);
    NotifyEveryRow(LVIS_SELECTED, 0);
}

template <class TBase> void CSortListExT<TBase>::NotifyEveryRow(UINT nNewState, UINT nOldState) {
    CListCtrl& list = this->List();
    NMLISTVIEW nm{};
    nm.hdr = {list.m_hWnd, static_cast<UINT_PTR>(list.GetDlgCtrlID()), LVN_ITEMCHANGED};
    nm.iItem = -1;
    nm.uNewState = nNewState;
    nm.uOldState = nOldState;
    nm.uChanged = LVIF_STATE;
    if (CWnd* pParent = list.GetParent())
        pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

template <class TBase>
listedit::sortlist::HeldStep CSortListExT<TBase>::HeldStepFor(UINT message, WPARAM wParam, LPARAM lParam) {
    namespace model = listedit::sortlist;
    using model::HeldStep, model::ListInput;
    CListCtrl& list = this->List();
    model::InputFacts facts;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: {
        LVHITTESTINFO hit{
            {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}, 0, -1, 0, 0};
        const int nRow = static_cast<int>(list.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        facts.input = message == WM_LBUTTONDOWN ? ListInput::LeftDown
                      : message == WM_LBUTTONUP ? ListInput::LeftUp
                                                : ListInput::RightDown;
        facts.bCtrl = (wParam & MK_CONTROL) != 0;
        facts.bShift = (wParam & MK_SHIFT) != 0;
        facts.bOnRow = nRow >= 0;
        facts.bOnCheckBox = facts.bOnRow && (hit.flags & LVHT_ONITEMSTATEICON) &&
                            (list.GetExtendedStyle() & LVS_EX_CHECKBOXES);
        facts.bOnPressed = facts.bOnRow && nRow == m_nHeldPress;
        const HeldStep step = model::StepFor(facts);
        // A press kept on a row (a plain one: Ctrl and Shift change the selection at once) leaves
        // every row selected until its release there.
        if (message != WM_RBUTTONDOWN)
            m_nHeldPress =
                message == WM_LBUTTONDOWN && step == HeldStep::Keep && facts.bOnRow && !facts.bOnCheckBox
                    ? nRow
                    : -1;
        return step;
    }
    case WM_KEYDOWN: {
        if (wParam == VK_PRIOR || wParam == VK_NEXT) {
            facts.input = ListInput::Page;
            return model::StepFor(facts);
        }
        // Where the list view's own keys take the focus, asked of the list view as it asks itself.
        const int nFocus = list.GetNextItem(-1, LVNI_FOCUSED);
        static constexpr std::pair<WPARAM, UINT> kArrows[] = {
            {VK_UP, LVNI_ABOVE}, {VK_DOWN, LVNI_BELOW}, {VK_LEFT, LVNI_TOLEFT}, {VK_RIGHT, LVNI_TORIGHT}};
        const auto arrow = std::find_if(std::begin(kArrows), std::end(kArrows),
                                        [&](const auto& a) { return a.first == wParam; });
        const int nCount = list.GetItemCount();
        int nTo = -1;
        if (wParam == VK_HOME)
            nTo = nCount > 0 ? 0 : -1;
        else if (wParam == VK_END)
            nTo = nCount - 1;
        else if (wParam == VK_SPACE)
            nTo = nFocus, facts.bSpace = true;
        else if (arrow != std::end(kArrows))
            nTo = list.GetNextItem(nFocus, arrow->second);
        else
            return HeldStep::Keep;
        facts.input = ListInput::Move;
        facts.bCtrl = ::GetKeyState(VK_CONTROL) < 0;
        facts.bShift = ::GetKeyState(VK_SHIFT) < 0;
        facts.bMoves = nTo != -1 && (nTo != nFocus || facts.bSpace);
        return model::StepFor(facts);
    }
    case WM_CHAR: // the control characters of Ctrl+A and Ctrl+C find nothing
        facts.input = wParam >= L' ' ? ListInput::Typed : ListInput::Other;
        return model::StepFor(facts);
    case LVM_SETITEMSTATE:
    case LVM_SETITEMW:
    case LVM_SETITEMA: {
        // LVITEMA starts as LVITEMW does: the mask and the states are at the same places.
        const auto* pItem = reinterpret_cast<const LVITEMW*>(lParam);
        if (!pItem || (message != LVM_SETITEMSTATE && !(pItem->mask & LVIF_STATE)) ||
            !(pItem->stateMask & LVIS_SELECTED))
            return HeldStep::Keep;
        const bool bEveryRowOff = message == LVM_SETITEMSTATE && static_cast<int>(wParam) == -1 &&
                                  pItem->stateMask == LVIS_SELECTED && !(pItem->state & LVIS_SELECTED);
        return bEveryRowOff ? HeldStep::Clear : HeldStep::HandOver;
    }
    case LVM_DELETEALLITEMS:
        return HeldStep::Clear;
    case WM_STYLECHANGING:
    case LVM_SETITEMCOUNT:
    case LVM_DELETEITEM:
    case LVM_INSERTITEMW:
    case LVM_INSERTITEMA:
    case LVM_SETCALLBACKMASK:
        return HeldStep::HandOver;
    default:
        return HeldStep::Keep;
    }
}

template <class TBase> void CSortListExT<TBase>::LetGoOfSelection(bool bEveryRow) {
    CListCtrl& list = this->List();
    m_bAllSelected = false;
    m_nHeldPress = -1;
    list.SetCallbackMask(list.GetCallbackMask() & ~LVIS_SELECTED);
    if (!bEveryRow) {
        list.Invalidate(FALSE);
        NotifyEveryRow(0, LVIS_SELECTED);
        return;
    }
    this->m_bItemChangesHeard = false;
    SetRowsSelected(true);
    this->m_bItemChangesHeard = true;
}

// The list view repaints each row it changes unless redrawing is off: the rows are repainted once
// afterwards. Redrawing stays off when the application had turned it off.
template <class TBase> void CSortListExT<TBase>::SetRowsSelected(bool bSelected) {
    CListCtrl& list = this->List();
    const bool bRedraw = m_bRedraw;
    if (bRedraw) list.SetRedraw(FALSE);
    list.SetItemState(-1, bSelected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    if (bRedraw) list.SetRedraw(TRUE);
}

template <class TBase> LRESULT CSortListExT<TBase>::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    using listedit::sortlist::HeldStep;
    if (message == WM_SETREDRAW) m_bRedraw = wParam != 0;
    if (m_bAllSelected) [[unlikely]] {
        // Two reads answered for the list view: its count would ask every row, and the mask it
        // holds carries the list's own bit.
        if (message == LVM_GETSELECTEDCOUNT) return static_cast<LRESULT>(m_rows.RowCount());
        if (message == LVM_GETCALLBACKMASK)
            return TBase::WindowProc(message, wParam, lParam) & ~LRESULT{LVIS_SELECTED};
        if (const HeldStep step = HeldStepFor(message, wParam, lParam); step != HeldStep::Keep)
            LetGoOfSelection(step == HeldStep::HandOver);
    }
    return TBase::WindowProc(message, wParam, lParam);
}

// The selected rows' texts from their records, as many cells per row as the list has columns.
template <class TBase> BOOL CSortListExT<TBase>::CopySelection() const {
    namespace model = listedit::sortlist;
    CListCtrl& list = const_cast<CListCtrl&>(this->List());
    const std::wstring titles = this->CopyTitles();
    const int nColumns = this->CopyColumns();
    // The list view finds each next selected row by a walk from the last, so a partial selection is
    // walked once; a whole one is every row, asked of no one.
    const int nRows = list.GetItemCount();
    std::vector<const CItemData*> selected;
    if (nRows > 0 && list.GetSelectedCount() == static_cast<UINT>(nRows)) {
        selected.resize(static_cast<std::size_t>(nRows));
        for (int i = 0; i < nRows; ++i) selected[static_cast<std::size_t>(i)] = GetItemRecord(i);
    } else {
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
            selected.push_back(GetItemRecord(i));
    }
    const auto cells = [&](auto&& f) {
        for (const CItemData* pData : selected) {
            const int nTexts = pData ? static_cast<int>(pData->m_arrText.GetSize()) : 0;
            const CString* pTexts = nTexts ? pData->m_arrText.GetData() : nullptr;
            for (int c = 0; c < nColumns; ++c)
                f(c < nTexts ? pTexts[c].view() : std::wstring_view(), c + 1 == nColumns);
        }
    };
    // The length first, then the text written straight into the list's kept copy; when no cell
    // needs quotes (the length says so) the cells are copied as they are, not looked through again.
    std::size_t nLength = titles.size(), nPlain = titles.size();
    cells([&](std::wstring_view cell, bool bLast) {
        const std::size_t nSeparator = bLast ? 2 : 1;
        nLength += model::CellLength(cell) + nSeparator;
        nPlain += cell.size() + nSeparator;
    });
    const bool bQuoted = nLength != nPlain;
    return const_cast<CSortListExT*>(this)->PutOnClipboard(nLength, [&](wchar_t* p) {
        p = std::copy(titles.begin(), titles.end(), p);
        if (bQuoted)
            cells([&](std::wstring_view cell, bool bLast) {
                p = model::WriteSeparator(model::WriteCell(p, cell), bLast);
            });
        else
            cells([&](std::wstring_view cell, bool bLast) {
                p = model::WriteSeparator(std::copy(cell.begin(), cell.end(), p), bLast);
            });
    });
}
