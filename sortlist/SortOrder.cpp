// Window-free rules of the string-data sortable list.
#include "SortOrder.h"

#include <algorithm>

namespace listedit::sortlist {

int OrdinalCompare(std::wstring_view a, std::wstring_view b) {
    // wstring_view compares by wchar_t value, which is the code unit here.
    return a.compare(b);
}

std::size_t CopyCellText(std::wstring_view text, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) return 0;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = L'\0';
    return n;
}

} // namespace listedit::sortlist
