// CPen: a pen owned by the object (deleted with it unless detached).
#pragma once
#include "CException.h"
#include "CGdiObject.h"

class LISTEDIT_API CPen : public CGdiObjectOf<CPen, HPEN> {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    // Raises the resource exception when the pen cannot be made.
    CPen(int nPenStyle, int nWidth, COLORREF crColor) {
        if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
    }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
        return !m_hObject && Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return !m_hObject && Attach(::CreatePenIndirect(lpLogPen)); }
    int GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }
};
