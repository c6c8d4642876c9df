#include <listedit/frame/CSpinButtonCtrl.h>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(UPDOWN_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
    auto range = static_cast<DWORD>(SendMessage(UDM_GETRANGE));
    nLower = static_cast<short>(HIWORD(range));
    nUpper = static_cast<short>(LOWORD(range));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    auto hOld = reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->m_hWnd : nullptr)));
    return FromHandle(hOld);
}
