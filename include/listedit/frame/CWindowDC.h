// CWindowDC: the DC of a whole window, frame included (GetWindowDC in the constructor, ReleaseDC in
// the destructor). A null window gives the screen's DC.
#pragma once
#include "CDC.h"

class LISTEDIT_API CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd); // raises the resource exception when there is no DC
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
