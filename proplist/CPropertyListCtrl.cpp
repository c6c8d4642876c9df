// CPropertyListCtrl: the property list as a list control; only its creation is its own.
#include <listedit/proplist/CPropertyListCtrl.h>

#include "CPropertyListT.inl"

template class CPropertyListT<CListCtrl>;

IMPLEMENT_DYNAMIC(CPropertyListCtrl, CListCtrl)

CPropertyListCtrl::CPropertyListCtrl() = default;
CPropertyListCtrl::~CPropertyListCtrl() = default;

// The control has its data window object before its window, the view only once its window exists.
BOOL CPropertyListCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!m_pDataWnd) m_pDataWnd = CreateDataWnd();
    return CPropertyListT<CListCtrl>::PreCreateWindow(cs);
}

void CPropertyListCtrl::PreSubclassWindow() {
    CPropertyListT<CListCtrl>::PreSubclassWindow();
    // A list made through Create has its data window object already and is set up on WM_CREATE.
    if (m_pDataWnd) return;
    ModifyStyle(LVS_TYPEMASK, listedit::proplist::detail::kForcedStyle, 0);
    m_pDataWnd = CreateDataWnd();
    Init();
}
