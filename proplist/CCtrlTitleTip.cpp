// CCtrlTitleTip: the popup over a cell too narrow for its text, and the capture it holds.
#include <listedit/frame/CClientDC.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/CFont.h>
#include <listedit/frame/CPaintDC.h>
#include <listedit/frame/MessageMap.h>
#include <listedit/proplist/CCtrlTitleTip.h>

#include "PropListModel.h"
#include "frame/Dpi.h"

namespace {

constexpr LPCWSTR kClassName = L"kvt_MFCCtrlTitleTip";
constexpr UINT kTextFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr const listedit::proplist::PropListLayout& kLayout = listedit::proplist::kPropListLayout;

static_assert((CS_SAVEBITS | CS_DBLCLKS) == 0x0808 && (WS_EX_TOOLWINDOW | WS_EX_TOPMOST) == 0x88 &&
              (WS_POPUP | WS_BORDER) == 0x80800000 && kTextFormat == 0x0824);

bool IsMouseButtonMessage(UINT message) {
    return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK;
}

// A click outside the client area of the window underneath reaches it in its non-client form.
UINT NonClientForm(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return WM_NCLBUTTONDOWN;
    case WM_RBUTTONDOWN:
        return WM_NCRBUTTONDOWN;
    case WM_MBUTTONDOWN:
        return WM_NCMBUTTONDOWN;
    default:
        return message;
    }
}

LPARAM PointParam(POINT pt) {
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

} // namespace

BEGIN_MESSAGE_MAP(CCtrlTitleTip, CWnd)
ON_WM_MOUSEMOVE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CCtrlTitleTip::CCtrlTitleTip()
    : m_crBkColor(::GetSysColor(COLOR_HIGHLIGHT)), m_crTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT)) {}

CCtrlTitleTip::~CCtrlTitleTip() {
    DestroyWindow();
}

BOOL CCtrlTitleTip::Create(CWnd* pParentWnd) {
    WNDCLASSW wc{};
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INFOBK + 1));
    wc.lpszClassName = kClassName;
    if (!AfxRegisterClass(&wc)) AfxThrowResourceException();
    m_pParentWnd = pParentWnd;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, nullptr, WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                    nullptr, nullptr);
}

DWORD CCtrlTitleTip::SetBkColor(DWORD crColor) {
    DWORD crOld = m_crBkColor;
    m_crBkColor = crColor;
    return crOld;
}

DWORD CCtrlTitleTip::SetTextColor(DWORD crColor) {
    DWORD crOld = m_crTextColor;
    m_crTextColor = crColor;
    return crOld;
}

void CCtrlTitleTip::Hide() {
    if (!m_hWnd) return;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CCtrlTitleTip::Show(CRect rectTitle, CString strTitle, int xoffset) {
    if (!m_hWnd || !m_pParentWnd || !::GetFocus()) return;
    CRect rcScreen = rectTitle;
    m_pParentWnd->ClientToScreen(&rcScreen);

    CSize extent;
    {
        CClientDC dc(this);
        const int nSaved = dc.SaveDC();
        if (HFONT hFont = m_pParentWnd->GetFont()) dc.SelectObject(hFont);
        extent = dc.GetTextExtent(strTitle);
        dc.RestoreDC(nSaved);
    }
    using namespace listedit::proplist;
    const UINT nDpi = AfxGetWindowDpi(m_pParentWnd->m_hWnd);
    const TipPlacement place =
        PlaceTitleTip({rcScreen.left, rcScreen.top, rcScreen.right, rcScreen.bottom}, xoffset, extent.cx,
                      AfxScaleLength(kLayout.tipMargin, nDpi), AfxScaleLength(kLayout.tipExtraWidth, nDpi));
    if (!place.show) return;

    m_strTitle = strTitle;
    ::SetWindowPos(m_hWnd, HWND_TOP, place.window.left, place.window.top,
                   place.window.right - place.window.left, place.window.bottom - place.window.top,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    // The cell as the tip's client area sees it (inside the tip's border), so that the tip goes
    // exactly when the mouse leaves the cell.
    m_rectTitle = rcScreen;
    ScreenToClient(&m_rectTitle);
    {
        CClientDC dc(this);
        const int nSaved = dc.SaveDC();
        PaintTitle(dc);
        dc.RestoreDC(nSaved);
    }
    SetCapture();
}

void CCtrlTitleTip::PaintTitle(CDC& dc) const {
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_crBkColor);
    if (m_pParentWnd)
        if (HFONT hFont = m_pParentWnd->GetFont()) dc.SelectObject(hFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crTextColor);
    rc.left += AfxScaleLength(kLayout.tipMargin, m_pParentWnd ? m_pParentWnd->m_hWnd : m_hWnd);
    dc.DrawText(m_strTitle, &rc, kTextFormat);
}

void CCtrlTitleTip::OnPaint() {
    CPaintDC dc(this);
    PaintTitle(dc);
}

BOOL CCtrlTitleTip::OnEraseBkgnd(CDC*) {
    return TRUE; // PaintTitle fills the whole client area
}

CCtrlTitleTip::Target CCtrlTitleTip::TargetAt(CPoint point) const {
    POINT pt = point;
    ClientToScreen(&pt);
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd == m_hWnd || !hWnd) hWnd = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    LRESULT nHit = hWnd ? ::SendMessageW(hWnd, WM_NCHITTEST, 0, PointParam(pt)) : HTNOWHERE;
    return {hWnd, nHit, pt};
}

void CCtrlTitleTip::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_rectTitle.PtInRect(point)) return;
    Hide();
    const Target target = TargetAt(point);
    if (!target.hWnd) return;
    if (target.nHit == HTCLIENT) {
        POINT pt = target.ptScreen;
        ::ScreenToClient(target.hWnd, &pt);
        ::PostMessageW(target.hWnd, WM_MOUSEMOVE, nFlags, PointParam(pt));
    } else {
        ::PostMessageW(target.hWnd, WM_NCMOUSEMOVE, static_cast<WPARAM>(target.nHit),
                       PointParam(target.ptScreen));
    }
}

BOOL CCtrlTitleTip::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd != m_hWnd) return CWnd::PreTranslateMessage(pMsg);
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) {
        Hide();
        if (m_pParentWnd) m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    if (IsMouseButtonMessage(pMsg->message)) {
        const Target target = TargetAt(AFX_POINT(pMsg->lParam));
        if (!target.hWnd) {
            Hide();
            return TRUE;
        }
        UINT message = pMsg->message;
        WPARAM wParam = pMsg->wParam;
        LPARAM lParam;
        if (target.nHit == HTCLIENT) {
            POINT pt = target.ptScreen;
            ::ScreenToClient(target.hWnd, &pt);
            lParam = PointParam(pt);
        } else {
            message = NonClientForm(message);
            wParam = static_cast<WPARAM>(target.nHit);
            lParam = PointParam(target.ptScreen);
            Hide();
        }
        ::SendMessageW(target.hWnd, message, wParam, lParam);
        // A click the window underneath did not capture for itself leaves the mouse with the tip,
        // as long as the tip is still up.
        if (!::GetCapture() && IsWindowVisible()) SetCapture();
        return TRUE;
    }
    if (::GetFocus()) return CWnd::PreTranslateMessage(pMsg);
    Hide();
    return TRUE;
}
