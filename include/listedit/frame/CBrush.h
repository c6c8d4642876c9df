// CBrush: a brush owned by the object (deleted with it unless detached). Brushes made by
// CreateSysColorBrush are the system's own; deleting them is harmless.
#pragma once
#include "CException.h"
#include "CGdiObject.h"

class CBitmap;

class LISTEDIT_API CBrush : public CGdiObjectOf<CBrush, HBRUSH> {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    // Raises the resource exception when the brush cannot be made.
    explicit CBrush(COLORREF crColor) {
        if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
    }

    BOOL CreateSolidBrush(COLORREF crColor) { return !m_hObject && Attach(::CreateSolidBrush(crColor)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor) {
        return !m_hObject && Attach(::CreateHatchBrush(nIndex, crColor));
    }
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
        return !m_hObject && Attach(::CreateBrushIndirect(lpLogBrush));
    }
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateSysColorBrush(int nIndex) { return !m_hObject && Attach(::GetSysColorBrush(nIndex)); }
    int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};
