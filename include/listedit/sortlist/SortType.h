// SortType: how a column of a string-data sortable list orders its texts
// (CSortListCtrlEx::SetColumnSortType).
//
//     list.SetColumnSortType(2, SortType::Number);   // "9" before "10", "-2" before "1.5"
//
// - Text: ordinal, code unit by code unit (the default: "10" before "9", "B" before "a").
// - Number: a decimal number as the numeric edit takes it: an optional leading minus, digits and at
//   most one point, blanks around it ignored ("-2", "1.5", " 10 ", ".5").
// - Date: a calendar day from 1900-1-1 to 9999-12-31, written "%d-%d-%d" as the data window writes
//   it ("1969-7-20") or ISO ("1969-07-20").
// - Natural: blind to case, with runs of digits compared as numbers, as a file manager orders names
//   ("file9" before "file10").
// Ascending, a text that is not a valid number (or date) comes before every valid one; texts that
// compare level keep the order they had. Descending reverses every comparison, so invalid texts
// come last.
#pragma once

enum class SortType { Text, Number, Date, Natural };
