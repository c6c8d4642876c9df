#include "datawnd/ValueText.h"

#include <charconv>
#include <cstdlib>

namespace listedit::datawnd {

namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Unsigned decimal digits at pos, at most maxDigits of them; advances pos past them.
std::optional<int> ReadDigits(std::wstring_view text, std::size_t& pos, std::size_t maxDigits) {
    const std::size_t first = pos;
    int value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        if (pos - first == maxDigits) return std::nullopt;
        value = value * 10 + (text[pos] - L'0');
    }
    if (pos == first) return std::nullopt;
    return value;
}

} // namespace

bool IsBlank(wchar_t c) {
    switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

std::wstring_view TrimBlank(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ReadNumber(std::wstring_view text) {
    text = TrimBlank(text);
    // Checked here, converted by the standard library so that the value is the correctly rounded
    // one, as the run-time library's own conversion gives it.
    char narrow[64];
    std::size_t n = 0;
    bool digit = false, point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (IsDigit(c)) {
            digit = true;
        } else if (c == L'.' && !point) {
            point = true;
        } else if (!(c == L'-' && i == 0)) {
            return std::nullopt;
        }
        if (n < sizeof narrow) narrow[n++] = static_cast<char>(c);
    }
    if (!digit) return std::nullopt;
    if (n == sizeof narrow) {
        // A text this long is rare: convert it whole rather than a cut copy.
        std::string whole(text.begin(), text.end());
        return std::strtod(whole.c_str(), nullptr);
    }
    double value = 0;
    std::from_chars(narrow, narrow + n, value);
    return value;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<DateFields> ReadDate(std::wstring_view text) {
    text = TrimBlank(text);
    std::size_t pos = 0;
    const auto year = ReadDigits(text, pos, 4);
    if (!year || pos >= text.size() || text[pos++] != L'-') return std::nullopt;
    const auto month = ReadDigits(text, pos, 2);
    if (!month || pos >= text.size() || text[pos++] != L'-') return std::nullopt;
    const auto day = ReadDigits(text, pos, 2);
    if (!day || pos != text.size()) return std::nullopt;
    if (*year < kFirstCalendarDay.year || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
    return DateFields{*year, *month, *day};
}

std::wstring FormatIsoDate(const DateFields& date) {
    wchar_t text[16];
    std::size_t n = 0;
    const auto put = [&](int value, int width) {
        for (int unit = width == 4 ? 1000 : 10; unit > 0; unit /= 10)
            text[n++] = static_cast<wchar_t>(L'0' + value / unit % 10);
    };
    put(date.year, 4);
    text[n++] = L'-';
    put(date.month, 2);
    text[n++] = L'-';
    put(date.day, 2);
    return std::wstring(text, n);
}

std::wstring_view ListCode(std::wstring_view entry, std::wstring_view separator) {
    if (separator.empty()) return entry;
    return entry.substr(0, entry.find(separator));
}

} // namespace listedit::datawnd
