// Window-free reading of values by their type's order: the numbers and days that sorting and a
// condition run in memory compare, and the list code that SQL takes of a list entry. Builds on the
// data window's own date text (DateText.h).
#pragma once
#include "datawnd/DateText.h"

#include <optional>
#include <string>
#include <string_view>

namespace listedit::datawnd {

// The Unicode white-space characters, the ideographic space included.
bool IsBlank(wchar_t c);
std::wstring_view TrimBlank(std::wstring_view text);

// A number as the numeric edit takes it: an optional leading '-', digits and at most one point,
// at least one digit, blanks around ignored. nullopt for anything else ("1e5", "+1", "1,5", "").
std::optional<double> ReadNumber(std::wstring_view text);

// A real calendar day from 1900-1-1 to 9999-12-31 written year-month-day with or without leading
// zeros ("1969-7-20", "1969-07-20"), blanks around ignored. nullopt for anything else: a day past
// its month's end, signs, blanks inside, text after the day.
std::optional<DateFields> ReadDate(std::wstring_view text);

// A day as one number that orders as the days do (year * 10000 + month * 100 + day).
constexpr int DaySerial(const DateFields& date) {
    return date.year * 10000 + date.month * 100 + date.day;
}

// "YYYY-MM-DD", the form that compares as text the way the days compare.
std::wstring FormatIsoDate(const DateFields& date);

// The days in a month of a year (Gregorian); 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

// The code of a list entry: what stands before the first separator ("07-Aix" gives "07" with "-").
// An empty separator takes the whole entry, as does an entry without one.
std::wstring_view ListCode(std::wstring_view entry, std::wstring_view separator = L"-");

} // namespace listedit::datawnd
