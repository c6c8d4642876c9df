// Window-free rules of the numeric edit: how a value becomes text, and what the character filter
// decides for one typed character.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace listedit::num {

// The value in fixed notation with exactly `digits` digits after the point (trailing zeros kept,
// no grouping); 0 digits give no point. A value halfway between two results rounds away from zero
// (0.125 gives "0.13", -2.5 with 0 digits "-3"), judged on the value's exact binary value: the
// double nearest 1.005 lies below it and gives "1.00". A negative count means 6 digits, as the
// formatter takes a negative precision; infinities and NaN give "inf", "-inf", "nan".
std::wstring FormatNumber(double value, int digits);

enum class CharVerdict {
    Accept, // hand the character to the edit control
    Refuse, // sound the question beep, change nothing
    Drop,   // swallow it without a sound
};

// The decision for one typed character under a range whose lower bound is `minimum`: '-' is
// dropped when no negative value is admitted, Backspace and digits pass, the decimal separator
// `point` and '-' depend on the text and selection (nullopt: ask FilterSignOrPoint), everything
// else is refused (a '.' too, when the separator is another character).
std::optional<CharVerdict> FilterChar(wchar_t ch, double minimum, wchar_t point = L'.');

// The decision for the separator or '-' given the window text and the selection [start, end).
CharVerdict FilterSignOrPoint(wchar_t ch, std::wstring_view text, int start, int end);

// Whether a character can serve as the decimal separator: a printable one that is neither a digit
// nor the sign.
bool IsDecimalSeparator(wchar_t ch);

// A text with every `from` replaced by `to`: a shown number read with '.', or a formatted one
// shown with the user's separator.
std::wstring ReplacePoint(std::wstring_view text, wchar_t from, wchar_t to);

} // namespace listedit::num
