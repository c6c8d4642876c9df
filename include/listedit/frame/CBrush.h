// CBrush: a brush owned by the object (deleted with it unless detached). Brushes made by
// CreateSysColorBrush are the system's own; deleting them is harmless.
#pragma once
#include "CException.h"
#include "CGdiObject.h"

class CBitmap;

class LISTEDIT_API CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    // Raises the resource exception when the brush cannot be made.
    explicit CBrush(COLORREF crColor) {
        if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
    }
    static CBrush* PASCAL FromHandle(HBRUSH hBrush) {
        return dynamic_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
    }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

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
