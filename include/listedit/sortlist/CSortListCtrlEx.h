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
//
// Virtual mode, for lists of a million rows and more: create the list with LVS_OWNERDATA in its
// style. The list view then holds no rows of its own; the records live in the control, in row
// order, and a header click sorts them there (std::stable_sort by the sorted columns, keeping the
// selected and focused records selected and focused). The application uses the list as before:
// InsertItem (better InsertItems for many rows at once), the delete flag (DeleteItem,
// DeleteAllItems and the window's end free the records when it is set), SetItemText (writes the
// record's text), GetItemText, EditSubLabel, the CompareItems override. GetItemData answers 0 in
// this mode: GetItemRecord gives a row's record. What the list view itself refuses in owner-data
// mode stays refused: SetItem and SetItemData do not store an item's data, image or indent,
// SortItems does nothing (use SortColumn, SortByKeys or ReSort), and the style cannot be switched
// on or off once the list exists.
//
//     list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_OWNERDATA, rect, pParent, IDC_LOG);
//     list.EnableMultipleSort(TRUE);               // Shift+click adds a column to the order
//     list.InsertItems(0, records.data(), static_cast<int>(records.size()));
#pragma once
#include <listedit/sortlist/CSortListCtrl.h>
#include <listedit/sortlist/CSortListExT.h>

extern template class LISTEDIT_API CSortListExT<CSortListCtrl>;

class LISTEDIT_API CSortListCtrlEx : public CSortListExT<CSortListCtrl> {
public:
    CSortListCtrlEx(); // the list owns its records (delete flag 1)
    ~CSortListCtrlEx() override;
};
