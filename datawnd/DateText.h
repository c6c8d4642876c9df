// Window-free text form of the data window's dates: "year-month-day" as decimal numbers.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace listedit::datawnd {

struct DateFields {
    int year;
    int month;
    int day;
    friend bool operator==(const DateFields&, const DateFields&) = default;
};

// Reads the text the way "%d-%d-%d" does: each number may follow white space and carry a sign,
// each '-' must follow its number at once, anything after the day is ignored. nullopt when the
// text does not begin with three such numbers or a number does not fit an int.
std::optional<DateFields> ParseDateText(std::wstring_view text);

// "%d-%d-%d": no leading zeros (5 March 2024 is 2024-3-5).
std::wstring FormatDateText(const DateFields& date);

// The days the data window's calendar holds.
inline constexpr DateFields kFirstCalendarDay{1900, 1, 1};
inline constexpr DateFields kLastCalendarDay{9999, 12, 31};

// The checks a date's fields pass before the calendar reads them: year from 1900, month 1 to 12,
// day 1 to 31.
bool DateFieldsInRange(const DateFields& date);

// The day the fields name on the calendar: a day past its month's end counts on into the next
// month (2023-4-31 is 2023-5-1). nullopt when the fields fail DateFieldsInRange or the day lies
// past kLastCalendarDay.
std::optional<DateFields> CalendarDay(const DateFields& date);

} // namespace listedit::datawnd
