// CSortListView: the sortable list as the content of a frame window: the view's own window is the
// list. It sorts, deletes its rows' data objects and paints its rows exactly as CSortListCtrl does
// (the same code), and differs only where a view must:
// - it is always a report view with a clickable header, whatever style its creator asks for;
// - a click on a header of an empty view changes neither the sorted column nor the triangle;
// - the delete flag is 1 (the view owns its rows' data objects) until SetDeleteItemData says
//   otherwise, as for the control.
//
// A frame creates it by name (RUNTIME_CLASS(CSortListView) in a CCreateContext); like every view it
// deletes itself when its window is destroyed. Derive and override CompareItems to order rows, as
// for the control; GetListCtrl gives the view's window as a CXListCtrl, so that
// GetListCtrl().EditSubLabel(nItem, nCol) and the other extended-list operations work on the view.
#pragma once
#include <listedit/frame/CListView.h>
#include <listedit/sortlist/CSortListT.h>
#include <listedit/sortlist/CXListCtrl.h>

extern template class LISTEDIT_API CSortListT<CListView>;

class LISTEDIT_API CSortListView : public CSortListT<CListView> {
    DECLARE_DYNCREATE(CSortListView)
public:
    ~CSortListView() override;

    // The view's own window as an extended list. Its handlers (focus on scrolling, the right
    // button) are the control's and do not apply to the view.
    CXListCtrl& GetListCtrl() const;

protected:
    CSortListView();

private:
    mutable CWindowAlias<CXListCtrl> m_xlist;
};
