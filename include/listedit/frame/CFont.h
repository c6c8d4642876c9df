// CFont: a font owned by the object (deleted with it unless detached).
//
//     CFont bold;
//     LOGFONTW lf;
//     CFont::FromHandle(list.GetFont())->GetLogFont(&lf);
//     lf.lfWeight = FW_BOLD;
//     bold.CreateFontIndirect(&lf);
#pragma once
#include "CGdiObject.h"

class CDC;

class LISTEDIT_API CFont : public CGdiObjectOf<CFont, HFONT> {
    DECLARE_DYNAMIC(CFont)
public:
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont) {
        return !m_hObject && Attach(::CreateFontIndirectW(lpLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename) {
        return !m_hObject && Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight,
                                                  bItalic, bUnderline, cStrikeOut, nCharSet, nOutPrecision,
                                                  nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
    }
    // nPointSize in tenths of a point, converted for pDC (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC = nullptr);
    // lpLogFont->lfHeight in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTW* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONTW* pLogFont) const { return GetObject(sizeof(LOGFONTW), pLogFont); }
};
