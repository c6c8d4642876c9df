#include <listedit/frame/CMenu.h>
#include <listedit/frame/CWnd.h>

#include "HandleMap.h"

template class CHandleObject<CMenu, HMENU>;

IMPLEMENT_DYNCREATE(CMenu, CObject)

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
