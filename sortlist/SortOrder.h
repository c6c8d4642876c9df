// Window-free rules of the string-data sortable list: the ordinal text comparison, the order of two
// rows by one column, and the copy of a cell text into a caller's buffer.
#pragma once
#include <cstddef>
#include <string_view>

namespace listedit::sortlist {

// Code unit by code unit: no locale, case-sensitive, no numbers ("10" < "9", "B" < "a", "" first).
// Negative, zero or positive.
int OrdinalCompare(std::wstring_view a, std::wstring_view b);

// The order of two rows by column `column`, given how many texts each row holds and the per-column
// comparison `cell` (called only when both rows hold the column). Rows that lack the column, and
// every pair when no column is sorted (`column` < 0), compare level. The direction is applied
// after the per-column comparison, by sign, so any negative or positive result reverses cleanly.
template <class CellCompare>
int CompareRows(int column, std::ptrdiff_t countA, std::ptrdiff_t countB, bool ascending,
                CellCompare&& cell) {
    if (column < 0 || column >= countA || column >= countB) return 0;
    const int r = cell(column);
    const int sign = (r > 0) - (r < 0);
    return ascending ? sign : -sign;
}

// Copies `text` and its terminating zero into `buffer` of `capacity` characters (terminator
// included), cut to fit. Nothing is written when there is no buffer or no room at all. Returns the
// number of characters copied, terminator excluded.
std::size_t CopyCellText(std::wstring_view text, wchar_t* buffer, int capacity);

} // namespace listedit::sortlist
