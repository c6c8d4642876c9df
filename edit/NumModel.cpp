#include "NumModel.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace listedit::num {

namespace {

// Fixed notation with exactly `precision` digits after the point, correctly rounded from the
// value's exact binary value (the same digits on every platform).
std::string Fixed(double value, int precision) {
    // The integer part of the largest doubles runs to 309 digits.
    std::string text(static_cast<size_t>(precision) + 320, '\0');
    auto [end, ec] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, precision);
    text.resize(ec == std::errc{} ? static_cast<size_t>(end - text.data()) : 0);
    return text;
}

// How many digits after the point the exact decimal expansion of a finite value has: one per
// binary digit after the point (2^-f = 5^f / 10^f).
int ExactFractionDigits(double value) {
    if (value == 0) return 0;
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(value), &exponent); // value = mantissa * 2^exponent
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int lowest = exponent - 53 + std::countr_zero(bits); // weight of the lowest set bit
    return std::max(0, -lowest);
}

// Rounds the exact fixed text away from zero when the first dropped digit is 5 or more, keeping
// `digits` digits after the point (none and no point for 0).
std::string RoundHalfAway(const std::string& exact, int digits) {
    const size_t point = exact.find('.');
    std::string kept = exact.substr(0, digits > 0 ? point + 1 + static_cast<size_t>(digits) : point);
    if (exact[point + 1 + static_cast<size_t>(digits)] < '5') return kept;
    for (size_t i = kept.size(); i-- > 0;) {
        char& c = kept[i];
        if (c == '.') continue;
        if (c == '-') break;
        if (c != '9') {
            ++c;
            return kept;
        }
        c = '0';
    }
    kept.insert(kept[0] == '-' ? 1 : 0, 1, '1'); // 9.99 became 0.00: one more integer digit
    return kept;
}

} // namespace

std::wstring FormatNumber(double value, int digits) {
    if (digits < 0) digits = 6; // as the formatter takes a negative precision
    std::string text;
    const int exact = std::isfinite(value) ? ExactFractionDigits(value) : 0;
    if (exact <= digits) {
        text = Fixed(value, digits); // nothing to round: the digits are exact
    } else {
        text = RoundHalfAway(Fixed(value, exact), digits);
    }
    return std::wstring(text.begin(), text.end());
}

std::optional<CharVerdict> FilterChar(wchar_t ch, double minimum, wchar_t point) {
    if (ch == L'-' && minimum >= 0) return CharVerdict::Drop;
    if (ch == point || ch == L'-') return std::nullopt;
    if (ch == L'\b' || (ch >= L'0' && ch <= L'9')) return CharVerdict::Accept;
    return CharVerdict::Refuse;
}

CharVerdict FilterSignOrPoint(wchar_t ch, std::wstring_view text, int start, int end) {
    const int length = static_cast<int>(text.size());
    const bool wholeSelected = start == 0 && end == length;
    if (!wholeSelected) {
        std::wstring_view selected;
        if (end > start && start >= 0 && start < length) {
            selected =
                text.substr(static_cast<size_t>(start), static_cast<size_t>(std::min(end, length) - start));
        }
        // The typed character may replace the one it selects; otherwise it must be the first.
        bool replacesItself = selected.find(ch) != std::wstring_view::npos;
        if (!replacesItself && text.find(ch) != std::wstring_view::npos) return CharVerdict::Refuse;
    }
    if (ch == L'-' && start != 0) return CharVerdict::Refuse;
    return CharVerdict::Accept;
}

bool IsDecimalSeparator(wchar_t ch) {
    return ch > L' ' && ch != 0x7F && ch != L'-' && !(ch >= L'0' && ch <= L'9');
}

std::wstring ReplacePoint(std::wstring_view text, wchar_t from, wchar_t to) {
    std::wstring result(text);
    if (from != to) std::replace(result.begin(), result.end(), from, to);
    return result;
}

} // namespace listedit::num
