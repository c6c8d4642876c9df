// The display scale of a window: recorded by its top-level window, else asked of the system.
#include "frame/Dpi.h"

namespace {

// The property a top-level window keeps its recorded DPI in.
constexpr wchar_t kDpiProp[] = L"listedit.Dpi";

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// GetDpiForWindow is missing before Windows 10 (1607); the library runs there too.
GetDpiForWindowFn SystemGetDpiForWindow() {
    static const auto pfn = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return pfn;
}

UINT ScreenDpi() {
    HDC hDC = ::GetDC(nullptr);
    const int nDpi = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC) ::ReleaseDC(nullptr, hDC);
    return nDpi > 0 ? static_cast<UINT>(nDpi) : AFX_BASE_DPI;
}

} // namespace

UINT AfxGetWindowDpi(HWND hWnd) {
    HWND hWndTop = hWnd ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    if (hWndTop) {
        if (const auto nDpi = static_cast<UINT>(reinterpret_cast<UINT_PTR>(::GetPropW(hWndTop, kDpiProp))))
            return nDpi;
    }
    if (auto pfn = SystemGetDpiForWindow(); pfn && hWnd) {
        if (const UINT nDpi = pfn(hWnd)) return nDpi;
    }
    return ScreenDpi();
}

void AfxRecordWindowDpi(HWND hWndTop, UINT nDpi) {
    if (!hWndTop) return;
    if (nDpi)
        ::SetPropW(hWndTop, kDpiProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nDpi)));
    else
        ::RemovePropW(hWndTop, kDpiProp);
}
