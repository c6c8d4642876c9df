// CTime over the run-time library's 64-bit local-time conversions.
#include <listedit/frame/CTime.h>
#include <listedit/frame/COleException.h>

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    // The field checks are the framework's; within them the calendar normalises (31 April is
    // 1 May) and refuses only what it cannot represent.
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 ||
        nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        AfxThrowOleException(E_FAIL);
    struct tm atm {};
    atm.tm_year = nYear - 1900;
    atm.tm_mon = nMonth - 1;
    atm.tm_mday = nDay;
    atm.tm_hour = nHour;
    atm.tm_min = nMin;
    atm.tm_sec = nSec;
    atm.tm_isdst = nDST;
    m_time = ::_mktime64(&atm);
    if (m_time == -1) AfxThrowOleException(E_INVALIDARG);
}

CTime::CTime(const SYSTEMTIME& st, int nDST) {
    if (st.wYear < 1900) return; // the time 0
    *this = CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST);
}

CTime PASCAL CTime::GetCurrentTime() {
    return CTime(::_time64(nullptr));
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
    return ::_localtime64_s(ptm, &m_time) == 0 ? ptm : nullptr;
}

namespace {
// A field of the local form, or -1 when there is none (a time past the calendar's end).
template <class F> int LocalField(const CTime& t, F field) {
    struct tm atm {};
    return t.GetLocalTm(&atm) ? field(atm) : -1;
}
} // namespace

int CTime::GetYear() const {
    return LocalField(*this, [](const tm& t) { return t.tm_year + 1900; });
}
int CTime::GetMonth() const {
    return LocalField(*this, [](const tm& t) { return t.tm_mon + 1; });
}
int CTime::GetDay() const {
    return LocalField(*this, [](const tm& t) { return t.tm_mday; });
}
int CTime::GetHour() const {
    return LocalField(*this, [](const tm& t) { return t.tm_hour; });
}
int CTime::GetMinute() const {
    return LocalField(*this, [](const tm& t) { return t.tm_min; });
}
int CTime::GetSecond() const {
    return LocalField(*this, [](const tm& t) { return t.tm_sec; });
}
int CTime::GetDayOfWeek() const {
    return LocalField(*this, [](const tm& t) { return t.tm_wday + 1; });
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& st) const {
    struct tm atm {};
    if (!GetLocalTm(&atm)) return FALSE;
    st.wYear = static_cast<WORD>(atm.tm_year + 1900);
    st.wMonth = static_cast<WORD>(atm.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(atm.tm_wday);
    st.wDay = static_cast<WORD>(atm.tm_mday);
    st.wHour = static_cast<WORD>(atm.tm_hour);
    st.wMinute = static_cast<WORD>(atm.tm_min);
    st.wSecond = static_cast<WORD>(atm.tm_sec);
    st.wMilliseconds = 0;
    return TRUE;
}
