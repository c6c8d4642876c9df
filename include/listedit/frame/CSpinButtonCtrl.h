// CSpinButtonCtrl: the framework wrapper of the up-down control. Its buddy is the window whose
// value it steps; with UDS_ALIGNLEFT/RIGHT, setting the buddy places the spin against it.
#pragma once
#include "CWnd.h"

class LISTEDIT_API CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    using CWnd::Create; // the window-class form stays callable beside this control's own
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The up-down control keeps the upper bound in the low word and the lower one in the high word.
    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void GetRange(int& nLower, int& nUpper) const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
    int SetPos(int nPos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, nPos)); }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
};
