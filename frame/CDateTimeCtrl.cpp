#include <listedit/frame/CDateTimeCtrl.h>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(DATETIMEPICK_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const {
    SYSTEMTIME st{};
    DWORD dwResult = GetTime(&st);
    if (dwResult == GDT_VALID) timeDest = CTime(st);
    return dwResult;
}

BOOL CDateTimeCtrl::SetTime(const CTime& timeNew) {
    SYSTEMTIME st{};
    WPARAM wParam = timeNew.GetAsSystemTime(st) ? GDT_VALID : GDT_NONE;
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, wParam, reinterpret_cast<LPARAM>(&st)));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* pTimeNew) {
    return static_cast<BOOL>(
        SendMessage(DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(pTimeNew)));
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
    SYSTEMTIME range[2]{};
    WPARAM flags = 0;
    if (pMinRange && pMinRange->GetAsSystemTime(range[0])) flags |= GDTR_MIN;
    if (pMaxRange && pMaxRange->GetAsSystemTime(range[1])) flags |= GDTR_MAX;
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(range)));
}
