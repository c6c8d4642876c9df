// CPaintDC: the DC of a WM_PAINT handler (BeginPaint in the constructor, EndPaint in the destructor).
#pragma once
#include "CDC.h"

class LISTEDIT_API CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    PAINTSTRUCT m_ps{};
    explicit CPaintDC(CWnd* pWnd); // raises the resource exception when painting cannot begin
    ~CPaintDC() override;

protected:
    HWND m_hWnd = nullptr;
};
