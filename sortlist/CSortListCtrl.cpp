// CSortListCtrl: the sortable list behaviour over the extended list control.
#include <listedit/sortlist/CSortListCtrl.h>

#include "CSortListTImpl.h"

template class CSortListT<CXListCtrl>;

IMPLEMENT_DYNAMIC(CSortListCtrl, CXListCtrl)

CSortListCtrl::CSortListCtrl(BOOL bDeleteItemData) : CSortListT<CXListCtrl>(bDeleteItemData) {}

CSortListCtrl::~CSortListCtrl() = default;

void CSortListCtrl::PreSubclassWindow() {
    AttachHeader();
    CXListCtrl::PreSubclassWindow();
    // While a list is being created it is attached before it exists: only a finished list has
    // colours and image lists to take over.
    if (m_ctlHeader.m_hWnd) TakeListLook();
    ModifyStyle(LVS_SORTASCENDING | LVS_SORTDESCENDING, LVS_REPORT);
}
