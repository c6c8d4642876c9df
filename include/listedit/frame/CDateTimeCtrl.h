// CDateTimeCtrl: the framework wrapper of the date-time picker.
//
// GetTime returns the picker's state (GDT_VALID, or GDT_NONE when a DTS_SHOWNONE picker is
// unchecked) and fills the time only when it is valid.
#pragma once
#include "CTime.h"
#include "CWnd.h"

class LISTEDIT_API CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    using CWnd::Create; // the window-class form stays callable beside this control's own
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const {
        return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
    }
    BOOL SetTime(const CTime& timeNew);
    // Null clears a DTS_SHOWNONE picker.
    BOOL SetTime(const SYSTEMTIME* pTimeNew);
    // The earliest and latest time a user can pick; a null end is left open.
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
};
