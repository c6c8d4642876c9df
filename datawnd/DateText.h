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

} // namespace listedit::datawnd
