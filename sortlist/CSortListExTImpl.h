// The definitions of CSortListExT, included by the sources that instantiate it.
#pragma once
#include <listedit/sortlist/CSortListExT.h>

#include "SortOrder.h"

BEGIN_TEMPLATE_MESSAGE_MAP(CSortListExT, TBase, TBase)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, &CSortListExT::OnGetdispinfo)
END_MESSAGE_MAP()

template <class TBase> int CSortListExT<TBase>::InsertItem(int nItem, CItemData* pData) {
    LVITEMW lvi{};
    lvi.mask = LVIF_TEXT | LVIF_PARAM;
    lvi.iItem = nItem;
    lvi.pszText = LPSTR_TEXTCALLBACKW;
    lvi.lParam = reinterpret_cast<LPARAM>(pData);
    // Straight to the list view's own procedure: no handler of these lists takes LVM_INSERTITEM,
    // and a bulk fill should not pay a dispatch through every message map for each row.
    return static_cast<int>(this->List().DefWindowProc(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

template <class TBase> int CSortListExT<TBase>::CompareItems(CObject* pItem1, CObject* pItem2) {
    // A row without a record reads as one without texts.
    const auto* p1 = static_cast<const CItemData*>(pItem1);
    const auto* p2 = static_cast<const CItemData*>(pItem2);
    return listedit::sortlist::CompareRows(
        this->GetSortedColumn(), p1 ? p1->m_arrText.GetSize() : 0, p2 ? p2->m_arrText.GetSize() : 0,
        this->IsAscSorted() != FALSE, [&](int nCol) {
            return CompareItems(nCol, p1->m_arrText.GetData()[nCol], p2->m_arrText.GetData()[nCol]);
        });
}

template <class TBase> int CSortListExT<TBase>::CompareItems(int, const CString& str1, const CString& str2) {
    return listedit::sortlist::OrdinalCompare(str1.view(), str2.view());
}

template <class TBase> void CSortListExT<TBase>::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT)) return;
    const auto* pData = reinterpret_cast<const CItemData*>(item.lParam);
    if (!pData || item.iSubItem < 0 || item.iSubItem >= pData->m_arrText.GetSize()) return;
    listedit::sortlist::CopyCellText(pData->m_arrText.GetData()[item.iSubItem].view(), item.pszText,
                                     item.cchTextMax);
}
