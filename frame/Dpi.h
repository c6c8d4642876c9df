// The display scale of a window, for the library's controls.
//
// A length a control fixes in pixels is a length at 96 dots per inch; at another DPI it is
// AfxScaleLength(length, dpi). The DPI is asked of the window whenever a length is needed (the
// window may move to a monitor of another scale), never kept for the process:
//
//     const UINT nDpi = AfxGetWindowDpi(m_hWnd);
//     const int cxBox = AfxScaleLength(kLayout.cxCheckBox, nDpi);
//
// A top-level framework window records the DPI that WM_DPICHANGED brings (the framework does this
// for every window it dispatches to); the system then sends its children
// WM_DPICHANGED_AFTERPARENT, on which a control reads AfxGetWindowDpi again and lays itself out
// for it. Systems without per-monitor scale send neither message, and the screen's DPI holds.
#pragma once
#include <listedit/frame/Afx.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// The scale at which lengths are given.
inline constexpr UINT AFX_BASE_DPI = 96;

// hWnd's DPI: the one its top-level window recorded from WM_DPICHANGED; while none is recorded,
// GetDpiForWindow where the system has it, else the screen's LOGPIXELSY. Never 0.
LISTEDIT_API UINT AfxGetWindowDpi(HWND hWnd);

// Records nDpi as the DPI of hWndTop's windows (0 forgets it). The framework calls it for
// WM_DPICHANGED and when the window goes.
LISTEDIT_API void AfxRecordWindowDpi(HWND hWndTop, UINT nDpi);

// A length at 96 dots per inch, at nDpi (rounded to the nearest pixel).
inline int AfxScaleLength(int nLength, UINT nDpi) {
    return ::MulDiv(nLength, static_cast<int>(nDpi), static_cast<int>(AFX_BASE_DPI));
}

// A length at 96 dots per inch, at hWnd's DPI.
inline int AfxScaleLength(int nLength, HWND hWnd) {
    return AfxScaleLength(nLength, AfxGetWindowDpi(hWnd));
}
