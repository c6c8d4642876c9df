// CSortListCtrl: a report-view list sorted by clicking its column headers.
//
// The first click on a column sorts it ascending, each further click on the same column reverses
// the direction; the header (CSortedHeaderCtrl) keeps the state and paints the triangle. Each row
// carries a CObject-derived data object (or null) as its item data, and a derived class decides the
// order by overriding CompareItems (the base keeps every pair level; CSortListCtrlEx compares
// texts). With the delete flag set (the default) the list deletes each row's object with its row.
// Made with LVS_OWNERDRAWFIXED, the list paints its rows itself with full-row selection.
//
//     class CPeopleList : public CSortListCtrl {
//         int CompareItems(CObject* p1, CObject* p2) override {
//             int r = static_cast<CPerson*>(p1)->Age(GetSortedColumn()) - ...;
//             return IsAscSorted() ? r : -r;
//         }
//     };
//     list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, IDC_PEOPLE); // report view forced
//     list.InsertColumn(0, L"Name");
//     list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, L"Ann", 0, 0, 0, reinterpret_cast<LPARAM>(new CPerson));
//
// The same list can be taken over from a dialog template with SubclassDlgItem.
#pragma once
#include <listedit/sortlist/CSortListT.h>
#include <listedit/sortlist/CXListCtrl.h>

extern template class LISTEDIT_API CSortListT<CXListCtrl>;

class LISTEDIT_API CSortListCtrl : public CSortListT<CXListCtrl> {
    DECLARE_DYNAMIC(CSortListCtrl)
public:
    explicit CSortListCtrl(BOOL bDeleteItemData = TRUE);
    ~CSortListCtrl() override;

protected:
    // A list taken over after it was made: the header is attached and the colours and state-image
    // width it already has are taken; the automatic-sort styles go and report view is set.
    void PreSubclassWindow() override;
};
