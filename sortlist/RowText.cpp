// Window-free text work on the string-data lists' rows.
#include "RowText.h"

#include "TypedKeys.h"

#include <algorithm>

namespace listedit::sortlist {

std::wstring FoldText(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& ch : folded) ch = FoldCase(ch);
    return folded;
}

bool ContainsFolded(std::wstring_view text, std::wstring_view folded) {
    if (folded.empty()) return true;
    if (text.size() < folded.size()) return false;
    const wchar_t first = folded.front();
    const std::size_t last = text.size() - folded.size();
    for (std::size_t i = 0; i <= last; ++i) {
        if (FoldCase(text[i]) != first) continue;
        std::size_t k = 1;
        while (k < folded.size() && FoldCase(text[i + k]) == folded[k]) ++k;
        if (k == folded.size()) return true;
    }
    return false;
}

namespace {
// What makes a cell quoted: a tab, a line break or a double quote. Tested by a bit mask, as the
// copy asks it of every character of every selected cell.
constexpr unsigned long long kQuoted = 1ull << L'\t' | 1ull << L'\n' | 1ull << L'\r' | 1ull << L'"';
constexpr bool Quoted(wchar_t ch) {
    return ch < 64 && (kQuoted >> ch & 1u);
}
bool NeedsQuotes(std::wstring_view cell) {
    for (wchar_t ch : cell)
        if (Quoted(ch)) return true;
    return false;
}
} // namespace

std::size_t CellLength(std::wstring_view cell) {
    if (!NeedsQuotes(cell)) return cell.size();
    std::size_t n = cell.size() + 2;
    for (wchar_t ch : cell) n += ch == L'"';
    return n;
}

wchar_t* WriteCell(wchar_t* out, std::wstring_view cell) {
    if (!NeedsQuotes(cell)) return std::copy(cell.begin(), cell.end(), out);
    *out++ = L'"';
    for (wchar_t ch : cell) {
        if (ch == L'"') *out++ = L'"';
        *out++ = ch;
    }
    *out++ = L'"';
    return out;
}

void AppendCell(std::wstring& out, std::wstring_view cell) {
    if (!NeedsQuotes(cell)) {
        out += cell;
        return;
    }
    out += L'"';
    for (wchar_t ch : cell) {
        if (ch == L'"') out += L'"';
        out += ch;
    }
    out += L'"';
}

} // namespace listedit::sortlist
