#include <listedit/frame/CDC.h>
#include <listedit/frame/CWnd.h>

#include "HandleMap.h"

#include <algorithm>

template class CHandleObject<CDC, HDC>;

namespace {

// The point a ...Ex function of the system hands back through its last argument.
template <class Function, class... Args> CPoint PointOut(Function function, HDC hDC, Args... args) {
    POINT pt{};
    function(hDC, args..., &pt);
    return pt;
}

} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CWnd* CDC::GetWindow() const {
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CPoint CDC::GetViewportOrg() const {
    return PointOut(::GetViewportOrgEx, m_hAttribDC);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return PointOut(::SetViewportOrgEx, m_hDC, x, y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    return PointOut(::OffsetViewportOrgEx, m_hDC, nWidth, nHeight);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return PointOut(::SetWindowOrgEx, m_hDC, x, y);
}

CPoint CDC::GetCurrentPosition() const {
    return PointOut(::GetCurrentPositionEx, m_hAttribDC);
}

CPoint CDC::MoveTo(int x, int y) {
    return PointOut(::MoveToEx, m_hDC, x, y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
    ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
    // A negative extent counts back from (x, y), as Draw3dRect's right and bottom edges use it.
    RECT rect{std::min(x, x + cx), std::min(y, y + cy), std::max(x, x + cx), std::max(y, y + cy)};
    FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}
