#include "edit/PaddedText.h"
#include "edit/InEditFit.h"

#include <string>

namespace listedit::inedit {

int PaddedTextWidth(HFONT hFont, LPCWSTR lpszText) {
    std::wstring text = lpszText ? lpszText : L"";
    text += kWidthPad;
    HDC hDC = ::GetDC(nullptr);
    if (!hDC) return 0;
    HGDIOBJ hOld = hFont ? ::SelectObject(hDC, hFont) : nullptr;
    SIZE size{};
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    if (hOld) ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return size.cx;
}

} // namespace listedit::inedit
