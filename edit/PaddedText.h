// The width in-place editors measure: a text followed by the width pad, in a given font, on a
// device context of the screen. Internal to the library.
#pragma once
#include <listedit/frame/Afx.h>

namespace listedit::inedit {

// hFont may be null (the screen's own font is used then).
int PaddedTextWidth(HFONT hFont, LPCWSTR lpszText);

} // namespace listedit::inedit
