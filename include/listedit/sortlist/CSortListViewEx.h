// CSortListViewEx: CSortListCtrlEx as a view: rows of texts held in one CItemData record each,
// shown on demand, sorted by the clicked column with an ordinal text comparison. With the delete
// flag at 1 (from construction) the view deletes each record with its row; at 0 the records stay
// the application's.
//
//     auto* pView = static_cast<CSortListViewEx*>(pFrame->GetActiveView());  // made by name
//     pView->GetListCtrl().InsertColumn(0, L"Name");
//     auto* pRow = new CSortListViewEx::CItemData;
//     pRow->m_arrText.Add(L"report.txt");
//     pView->InsertItem(pView->GetListCtrl().GetItemCount(), pRow);
#pragma once
#include <listedit/sortlist/CSortListExT.h>
#include <listedit/sortlist/CSortListView.h>

extern template class LISTEDIT_API CSortListExT<CSortListView>;

class LISTEDIT_API CSortListViewEx : public CSortListExT<CSortListView> {
    DECLARE_DYNCREATE(CSortListViewEx)
public:
    ~CSortListViewEx() override;

protected:
    CSortListViewEx();
};
