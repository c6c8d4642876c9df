#include <listedit/frame/CDC.h>
#include <listedit/frame/CFont.h>

#include <cstdlib>
#include <cwchar>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC) {
    LOGFONTW logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName) ::wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC) {
    HDC hScreen = pDC ? nullptr : ::GetDC(nullptr);
    HDC hDC = pDC ? pDC->m_hAttribDC : hScreen;
    LOGFONTW logFont = *lpLogFont;
    // Tenths of a point to device pixels, then to the DC's logical units.
    POINT pt{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
    POINT ptOrg{0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
    if (hScreen) ::ReleaseDC(nullptr, hScreen);
    return CreateFontIndirect(&logFont);
}
