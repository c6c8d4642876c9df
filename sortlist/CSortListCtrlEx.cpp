// CSortListCtrlEx: the string-data behaviour over the sortable list control.
#include <listedit/sortlist/CSortListCtrlEx.h>

#include "CSortListExTImpl.h"

template class CSortListExT<CSortListCtrl>;

CSortListCtrlEx::CSortListCtrlEx() = default;

CSortListCtrlEx::~CSortListCtrlEx() = default;
