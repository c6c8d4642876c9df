#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/CWnd.h>

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CLentDC::CLentDC(CWnd* pWnd, HDC(WINAPI* pfnGetDC)(HWND)) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    if (!Attach(pfnGetDC(m_hWnd))) AfxThrowResourceException();
}

CLentDC::~CLentDC() {
    ::ReleaseDC(m_hWnd, Detach());
}
