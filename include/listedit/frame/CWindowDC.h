// CWindowDC: the DC of a whole window, frame included (GetWindowDC in the constructor, ReleaseDC in
// the destructor). A null window gives the screen's DC.
#pragma once
#include "CDC.h"

class LISTEDIT_API CWindowDC : public CLentDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd)
        : CLentDC(pWnd, ::GetWindowDC) {} // the resource exception when there is no DC
};
