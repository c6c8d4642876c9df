// CTime: a moment as seconds since 1 January 1970 UTC (__time64_t), read and built in local time.
//
//     CTime t(2024, 3, 5, 0, 0, 0);   // midnight local time; 31 April becomes 1 May
//     int nDay = t.GetDay();          // 5
//
// The field constructor raises the OLE exception E_FAIL for a field out of its range (year before
// 1900, month 1-12, day 1-31, hour 0-23, minute and second 0-59) and E_INVALIDARG for a date the
// run-time calendar cannot represent.
#pragma once
#include "Afx.h"

#include <compare>
#include <ctime>

class LISTEDIT_API CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    // A year before 1900 gives the time 0, as the framework does.
    CTime(const SYSTEMTIME& st, int nDST = -1);

    static CTime PASCAL GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    // Local calendar fields; null when the time has no local form.
    struct tm* GetLocalTm(struct tm* ptm) const;
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday

    friend bool operator==(const CTime& a, const CTime& b) { return a.m_time == b.m_time; }
    friend auto operator<=>(const CTime& a, const CTime& b) { return a.m_time <=> b.m_time; }

private:
    __time64_t m_time = 0;
};
