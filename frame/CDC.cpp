#include <listedit/frame/CDC.h>
#include <listedit/frame/CWnd.h>

#include "HandleMap.h"

#include <algorithm>

namespace {

HandleMap<HDC, CDC>& Map() {
    thread_local HandleMap<HDC, CDC> map;
    return map;
}

} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC() {
    DeleteDC();
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    return Map().FromHandle(hDC, [](HDC h) {
        auto p = std::make_unique<CDC>();
        p->m_hDC = p->m_hAttribDC = h;
        return p;
    });
}

void PASCAL CDC::DeleteTempMap() {
    Map().DeleteTemp([](CDC& dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; });
}

void AfxDeleteDCTempMap() {
    CDC::DeleteTempMap();
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC || m_hDC) return FALSE;
    m_hDC = m_hAttribDC = hDC;
    Map().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC) Map().RemovePermanent(hDC, this);
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const {
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CPoint CDC::GetViewportOrg() const {
    POINT pt{};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::SetViewportOrg(int x, int y) {
    POINT pt{};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    POINT pt{};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT pt{};
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::GetCurrentPosition() const {
    POINT pt{};
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y) {
    POINT pt{};
    ::MoveToEx(m_hDC, x, y, &pt);
    return pt;
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
