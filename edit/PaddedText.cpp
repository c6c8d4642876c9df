#include "edit/PaddedText.h"
#include "edit/InEditFit.h"

#include <listedit/frame/CClientDC.h>

namespace listedit::inedit {

int PaddedTextWidth(HFONT hFont, LPCWSTR lpszText) {
    CString strText = CString(lpszText) + kWidthPad;
    CClientDC dc(nullptr); // the screen's
    HGDIOBJ hOldFont = dc.SelectObject(hFont);
    int nWidth = dc.GetTextExtent(strText).cx;
    dc.SelectObject(hOldFont);
    return nWidth;
}

} // namespace listedit::inedit
