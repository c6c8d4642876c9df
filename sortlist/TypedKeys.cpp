// Window-free typed ordering of the string-data sortable lists.
#include "TypedKeys.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <string>

namespace listedit::sortlist {

namespace {

bool IsBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads a run of 1 to `most` digits from the front of text.
std::optional<int> TakeDigits(std::wstring_view& text, std::size_t most) {
    std::size_t n = 0;
    int value = 0;
    while (n < text.size() && IsDigit(text[n])) {
        if (++n > most) return std::nullopt;
        value = value * 10 + (text[n - 1] - L'0');
    }
    if (n == 0) return std::nullopt;
    text.remove_prefix(n);
    return value;
}

bool TakeDash(std::wstring_view& text) {
    if (text.empty() || text.front() != L'-') return false;
    text.remove_prefix(1);
    return true;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int Sign(int r) {
    return (r > 0) - (r < 0);
}

} // namespace

std::optional<double> ReadNumber(std::wstring_view text) {
    text = Trim(text);
    std::string narrow;
    narrow.reserve(text.size());
    std::size_t i = 0, digits = 0, whole = 0; // digits, and significant ones before the point
    bool point = false;
    if (i < text.size() && text[i] == L'-') narrow += '-', ++i;
    for (; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (IsDigit(ch)) {
            ++digits;
            if (!point && (whole || ch != L'0')) ++whole;
        } else if (ch == L'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
        narrow += static_cast<char>(ch);
    }
    if (digits == 0) return std::nullopt;
    double value = 0;
    if (std::from_chars(narrow.data(), narrow.data() + narrow.size(), value).ec == std::errc::result_out_of_range)
        value = whole ? HUGE_VAL : 0.0; // beyond the largest double, or below the smallest
    if (value != 0 && narrow.front() == '-' && value > 0) value = -value;
    return value == 0 ? 0.0 : value; // minus zero is zero
}

std::optional<int> ReadDay(std::wstring_view text) {
    text = Trim(text);
    const std::optional<int> year = TakeDigits(text, 4);
    if (!year || !TakeDash(text)) return std::nullopt;
    const std::optional<int> month = TakeDigits(text, 2);
    if (!month || !TakeDash(text)) return std::nullopt;
    const std::optional<int> day = TakeDigits(text, 2);
    if (!day || !text.empty()) return std::nullopt;
    if (*year < 1900 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month))
        return std::nullopt;
    return *year * 10000 + *month * 100 + *day;
}

wchar_t FoldCase(wchar_t ch) {
    if (ch < 0x80) return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 0x20) : ch;
    if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) || (ch >= 0x391 && ch <= 0x3AB && ch != 0x3A2) ||
        (ch >= 0x410 && ch <= 0x42F))
        return static_cast<wchar_t>(ch + 0x20);
    if (ch >= 0x400 && ch <= 0x40F) return static_cast<wchar_t>(ch + 0x50);
    return ch;
}

int NaturalCompare(std::wstring_view a, std::wstring_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i < a.size() && a[i] == L'0') ++i;
            while (j < b.size() && b[j] == L'0') ++j;
            std::size_t ei = i, ej = j;
            while (ei < a.size() && IsDigit(a[ei])) ++ei;
            while (ej < b.size() && IsDigit(b[ej])) ++ej;
            // More significant digits is the larger number; as many, the first digit that differs.
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            if (const int r = a.substr(i, ei - i).compare(b.substr(j, ej - j))) return Sign(r);
            i = ei, j = ej;
            continue;
        }
        const wchar_t ca = FoldCase(a[i]), cb = FoldCase(b[j]);
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i, ++j;
    }
    const bool aLeft = i < a.size(), bLeft = j < b.size();
    return aLeft == bLeft ? 0 : aLeft ? 1 : -1;
}

int CompareTyped(SortType type, std::wstring_view a, std::wstring_view b, TextCompare natural) {
    switch (type) {
    case SortType::Number: {
        const std::optional<double> x = ReadNumber(a), y = ReadNumber(b);
        if (!x || !y) return int(bool(x)) - int(bool(y));
        return (*x > *y) - (*x < *y);
    }
    case SortType::Date: {
        const std::optional<int> x = ReadDay(a), y = ReadDay(b);
        if (!x || !y) return int(bool(x)) - int(bool(y));
        return (*x > *y) - (*x < *y);
    }
    case SortType::Natural:
        return Sign(natural(a, b));
    case SortType::Text:
        break;
    }
    return Sign(a.compare(b));
}

std::uint64_t KeyOf(SortType type, std::wstring_view text) {
    switch (type) {
    case SortType::Number: {
        const std::optional<double> x = ReadNumber(text);
        if (!x) return 0;
        // The bits of a double ordered as its value: negative ones reversed below the positive.
        const auto bits = std::bit_cast<std::uint64_t>(*x);
        // Never 0, the key of the invalid texts: that would be the bits of a NaN.
        return bits & (std::uint64_t{1} << 63) ? ~bits : bits | (std::uint64_t{1} << 63);
    }
    case SortType::Date: {
        const std::optional<int> day = ReadDay(text);
        return day ? static_cast<std::uint64_t>(*day) : 0;
    }
    case SortType::Natural:
        return 0;
    case SortType::Text:
        break;
    }
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 4; ++i)
        key = key << 16 | (i < text.size() ? static_cast<std::uint16_t>(text[i]) : 0u);
    return key;
}

} // namespace listedit::sortlist
