// CPropertyListView: the property list as a view. Its creation is the template's: the data window
// is made once the view's window exists.
#include <listedit/proplist/CPropertyListView.h>

#include "CPropertyListT.inl"

template class CPropertyListT<CListView>;

IMPLEMENT_DYNCREATE(CPropertyListView, CListView)

CPropertyListView::CPropertyListView() = default;
CPropertyListView::~CPropertyListView() = default;
