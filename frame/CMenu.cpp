#include <listedit/frame/CMenu.h>
#include <listedit/frame/CWnd.h>

#include "HandleMap.h"

namespace {

HandleMap<HMENU, CMenu>& Map() {
    thread_local HandleMap<HMENU, CMenu> map;
    return map;
}

} // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() {
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
    return Map().FromHandle(hMenu, [](HMENU h) {
        auto p = std::make_unique<CMenu>();
        p->m_hMenu = h;
        return p;
    });
}

void PASCAL CMenu::DeleteTempMap() {
    Map().DeleteTemp([](CMenu& m) { m.m_hMenu = nullptr; });
}

void AfxDeleteMenuTempMap() {
    CMenu::DeleteTempMap();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (!hMenu || m_hMenu) return FALSE;
    m_hMenu = hMenu;
    Map().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU h = m_hMenu;
    if (h) Map().RemovePermanent(h, this);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
