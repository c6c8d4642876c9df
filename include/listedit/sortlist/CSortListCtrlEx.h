// CSortListCtrlEx: the ready-to-use sortable list of texts. Each row is one CItemData record
// holding the texts of all its columns; the list asks the record whenever it paints a cell, sorts
// by the clicked column with an ordinal text comparison, and deletes the records with their rows.
//
//     CSortListCtrlEx list;
//     list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_OWNERDRAWFIXED, rect, pParent, IDC_LIST);
//     list.InsertColumn(0, L"Name");
//     list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60);
//     auto* pRow = new CSortListCtrlEx::CItemData;
//     pRow->m_arrText.Add(L"report.txt");
//     pRow->m_arrText.Add(L"1200");
//     list.InsertItem(list.GetItemCount(), pRow);
//
// To compare a column otherwise (numbers, dates), derive and override
// CompareItems(int nCol, const CString&, const CString&); the direction is applied after it.
#pragma once
#include <listedit/sortlist/CSortListCtrl.h>
#include <listedit/sortlist/CSortListExT.h>

extern template class LISTEDIT_API CSortListExT<CSortListCtrl>;

class LISTEDIT_API CSortListCtrlEx : public CSortListExT<CSortListCtrl> {
public:
    CSortListCtrlEx(); // the list owns its records (delete flag 1)
    ~CSortListCtrlEx() override;
};
