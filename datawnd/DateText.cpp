#include "DateText.h"

#include <climits>

namespace listedit::datawnd {

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// One "%d" conversion at pos; advances pos past it.
std::optional<int> ReadInt(std::wstring_view text, size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) negative = text[pos++] == L'-';
    size_t first = pos;
    long long value = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        value = value * 10 + (text[pos] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (pos == first) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<DateFields> ParseDateText(std::wstring_view text) {
    size_t pos = 0;
    auto year = ReadInt(text, pos);
    if (!year || pos >= text.size() || text[pos++] != L'-') return std::nullopt;
    auto month = ReadInt(text, pos);
    if (!month || pos >= text.size() || text[pos++] != L'-') return std::nullopt;
    auto day = ReadInt(text, pos);
    if (!day) return std::nullopt;
    return DateFields{*year, *month, *day};
}

std::wstring FormatDateText(const DateFields& date) {
    return std::to_wstring(date.year) + L'-' + std::to_wstring(date.month) + L'-' + std::to_wstring(date.day);
}

bool DateFieldsInRange(const DateFields& date) {
    return date.year >= kFirstCalendarDay.year && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= 31;
}

std::optional<DateFields> CalendarDay(const DateFields& date) {
    if (!DateFieldsInRange(date) || date.year > kLastCalendarDay.year) return std::nullopt;
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int monthDays = kDays[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
    if (date.day <= monthDays) return date;
    // At most three days over, never in December: the next month of the same year.
    return DateFields{date.year, date.month + 1, date.day - monthDays};
}

} // namespace listedit::datawnd
