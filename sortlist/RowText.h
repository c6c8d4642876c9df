// Window-free text work on the string-data lists' rows: the quick filter's case-blind search and
// the tab-separated text the lists put on the clipboard.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace listedit::sortlist {

// The text in the case FoldCase gives (what the quick filter searches for).
std::wstring FoldText(std::wstring_view text);
// Whether `folded` (a FoldText) occurs in `text`, blind to case; the empty text occurs everywhere.
bool ContainsFolded(std::wstring_view text, std::wstring_view folded);

// Appends one cell of a copied row: as it is, or, when it holds a tab, a line break or a double
// quote, in double quotes with each double quote doubled, as spreadsheets read it.
void AppendCell(std::wstring& out, std::wstring_view cell);
// The length of what AppendCell appends for a cell; the same written at out (room for CellLength),
// returning where it ends.
std::size_t CellLength(std::wstring_view cell);
wchar_t* WriteCell(wchar_t* out, std::wstring_view cell);
// Ends a copied row: a tab between cells, CRLF after the last.
inline void AppendSeparator(std::wstring& out, bool last) {
    out += last ? L"\r\n" : L"\t";
}
inline wchar_t* WriteSeparator(wchar_t* out, bool last) {
    if (last)
        *out++ = L'\r', *out++ = L'\n';
    else
        *out++ = L'\t';
    return out;
}

} // namespace listedit::sortlist
