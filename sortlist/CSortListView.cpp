// CSortListView and CSortListViewEx: the sortable list behaviours over a list view.
#include <listedit/sortlist/CSortListViewEx.h>

#include "CSortListExTImpl.h"
#include "CSortListTImpl.h"

template class CSortListT<CListView>;
template class CSortListExT<CSortListView>;

IMPLEMENT_DYNCREATE(CSortListView, CListView)

// A view owns its rows' data objects from the start, as the control does.
CSortListView::CSortListView() : CSortListT<CListView>(TRUE) {}

CSortListView::~CSortListView() = default;

CXListCtrl& CSortListView::GetListCtrl() const {
    return m_xlist.Of(*this, ListProc());
}

IMPLEMENT_DYNCREATE(CSortListViewEx, CSortListView)

CSortListViewEx::CSortListViewEx() = default;

CSortListViewEx::~CSortListViewEx() = default;
