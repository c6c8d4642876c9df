// What the message maps cost: a stream of messages to a sortable list against the same bare list
// view subclassed with a procedure that only forwards to the original, the least any library that
// extends a control pays per message.
#include "BenchCase.h"

#include <memory>

namespace {

WNDPROC g_pfnOriginal = nullptr;

LRESULT CALLBACK Forward(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(g_pfnOriginal, hWnd, message, wParam, lParam);
}

struct DispatchPair {
    CSortListCtrlEx list;
    HWND bare;
    explicit DispatchPair(CWnd& host) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{0, 0, 390, 300}, &host, 1);
        bare = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 400, 0,
                                 390, 300, host, nullptr, nullptr, nullptr);
        g_pfnOriginal = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(bare, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Forward)));
    }
    ~DispatchPair() { ::DestroyWindow(bare); }
};

// Three quarters messages no map of the list handles, one quarter one that its map does (the text
// colour, which the list keeps for its own painting and passes on).
void Send(HWND hWnd, int n) {
    const COLORREF colour = ::GetSysColor(COLOR_WINDOWTEXT);
    for (int i = 0; i < n; i += 4) {
        ::SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0);
        ::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0);
        ::SendMessageW(hWnd, WM_NCHITTEST, 0, MAKELPARAM(-1, -1));
        ::SendMessageW(hWnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour));
    }
}

const bench::Registrar kCases{{
    {"Message dispatch: CSortListCtrlEx, 3/4 unhandled", 1000000, 1.05,
     [](CWnd& host, int n) {
         auto p = std::make_shared<DispatchPair>(host);
         return bench::Sides{[p, n] { Send(p->list, n); }, [p, n] { Send(p->bare, n); }};
     },
     "the list view subclassed by a procedure that only forwards"},
}};

} // namespace
