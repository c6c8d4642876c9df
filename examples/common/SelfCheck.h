// The examples' self-check: the application drives itself through the system's input queue, as a
// user would, and counts what it reads back wrong. Each call returns once the application has
// taken the input (its own message loop runs meanwhile).
#pragma once
#include <listedit.h>

#include <cstdio>
#include <string_view>
#include <vector>

namespace selfcheck {

inline int g_failures = 0;
inline bool g_taken = false;
constexpr ULONG_PTR kTag = 0x5E1FC4EC; // marks the last event of a batch

// Sees the tagged event arrive in the thread's queue.
inline LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && ::GetMessageExtraInfo() == LPARAM(kTag) &&
        pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_MOUSELAST)
        g_taken = true;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Lets the application handle what is queued until it has been quiet for a moment.
inline void Settle(DWORD quietMs = 80) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 2000 &&
           ::MsgWaitForMultipleObjects(0, nullptr, FALSE, quietMs, QS_ALLINPUT) == WAIT_OBJECT_0)
        AfxPumpPendingMessages();
    AfxPumpPendingMessages();
}

inline void Send(std::vector<INPUT> events) {
    if (events.back().type == INPUT_KEYBOARD)
        events.back().ki.dwExtraInfo = kTag;
    else
        events.back().mi.dwExtraInfo = kTag;
    g_taken = false;
    HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, &Watch, nullptr, ::GetCurrentThreadId());
    ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    const DWORD start = ::GetTickCount();
    while (!g_taken && ::GetTickCount() - start < 3000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        AfxPumpPendingMessages();
    }
    ::UnhookWindowsHookEx(hook);
    Settle();
}

inline INPUT KeyEvent(WORD vk, wchar_t ch, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = ch ? ch : static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (ch ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    if (vk == VK_END || vk == VK_HOME || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN)
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return in;
}

inline void Key(WORD vk) {
    Send({KeyEvent(vk, 0, false), KeyEvent(vk, 0, true)});
}

inline void Type(std::wstring_view text) {
    std::vector<INPUT> events;
    for (wchar_t ch : text) {
        events.push_back(KeyEvent(0, ch, false));
        events.push_back(KeyEvent(0, ch, true));
    }
    Send(std::move(events));
}

// A left click at a client point of hWnd. Wine answers each injected move with one more move to
// where the pointer was, sometimes late: so the cursor goes there first and must rest there before
// the button is pressed, and clicks are kept further apart than a double click.
inline void Click(HWND hWnd, POINT pt) {
    static DWORD lastClick = 0;
    ::SetForegroundWindow(::GetAncestor(hWnd, GA_ROOT));
    while (::GetTickCount() - lastClick <= ::GetDoubleClickTime()) Settle(50);
    ::ClientToScreen(hWnd, &pt);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    move.mi.dx = (pt.x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = (pt.y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN);
    auto there = [&pt] {
        POINT now{};
        ::GetCursorPos(&now);
        return now.x == pt.x && now.y == pt.y;
    };
    for (int attempt = 0; attempt < 8 && !(there() && (Settle(150), there())); ++attempt) {
        ::SendInput(1, &move, sizeof(INPUT));
        Settle(60);
    }
    INPUT down{}, up{};
    down.type = up.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send({down, up});
    lastClick = ::GetTickCount();
}

// Counts and reports a value read back wrong.
inline void Expect(const CString& actual, LPCWSTR expected, LPCWSTR what) {
    if (actual == expected) return;
    ++g_failures;
    std::fwprintf(stderr, L"self-check: %ls is \"%ls\", expected \"%ls\"\n", what, LPCWSTR(actual), expected);
}

} // namespace selfcheck
