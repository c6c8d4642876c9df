// CClientDC: the DC of a window's client area for drawing outside WM_PAINT (GetDC in the
// constructor, ReleaseDC in the destructor). A null window gives the screen's DC.
#pragma once
#include "CDC.h"

class LISTEDIT_API CClientDC : public CLentDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd) : CLentDC(pWnd, ::GetDC) {} // the resource exception when there is no DC
};
