#include "NumModel.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace listedit::num {

std::wstring FormatNumber(double value, int digits) {
    // Fixed notation of the largest doubles runs to 309 integer digits, so size the buffer from
    // the formatter's own count.
    int n = std::snprintf(nullptr, 0, "%.*f", digits, value);
    if (n <= 0) return {};
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), "%.*f", digits, value);
    return std::wstring(buf.begin(), buf.begin() + n);
}

std::optional<CharVerdict> FilterChar(wchar_t ch, double minimum) {
    if (ch == L'-' && minimum >= 0) return CharVerdict::Drop;
    if (ch == L'.' || ch == L'-') return std::nullopt;
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

} // namespace listedit::num
