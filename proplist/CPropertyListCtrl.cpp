// CPropertyListCtrl: the property list as a list control; only its creation is its own.
#include <listedit/proplist/CPropertyListCtrl.h>

#include "CPropertyListT.inl"

template class CPropertyListT<CListCtrl>;

namespace {
// Report view, single selection, owner-drawn fixed rows, no header.
constexpr DWORD kForcedStyle = LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
static_assert(kForcedStyle == 0xC405);
} // namespace

IMPLEMENT_DYNAMIC(CPropertyListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CPropertyListCtrl, CPropertyListT<CListCtrl>)
ON_WM_CREATE()
END_MESSAGE_MAP()

CPropertyListCtrl::CPropertyListCtrl() = default;
CPropertyListCtrl::~CPropertyListCtrl() = default;

BOOL CPropertyListCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style = (cs.style & ~LVS_SMALLICON) | kForcedStyle;
    if (!m_pDataWnd) m_pDataWnd = CreateDataWnd();
    return CPropertyListT<CListCtrl>::PreCreateWindow(cs);
}

void CPropertyListCtrl::PreSubclassWindow() {
    CPropertyListT<CListCtrl>::PreSubclassWindow();
    // A list made through Create has its data window object already and is set up on WM_CREATE.
    if (m_pDataWnd) return;
    ModifyStyle(LVS_TYPEMASK, kForcedStyle, 0);
    m_pDataWnd = CreateDataWnd();
    Init();
}

int CPropertyListCtrl::OnCreate(LPCREATESTRUCTW) {
    if (Default() == -1) return -1;
    Init();
    return 0;
}
