// Shared fixtures of the window tests: a host window, the pump, a message recorder, the keyboard
// state for Shift and Ctrl, the beep counter and the real clipboard.
#pragma once
#include <listedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace harness {

// A visible top-level window that parents the controls of one test; it records the WM_NOTIFY and
// WM_COMMAND messages that reach it.
class HostWnd : public CWnd {
public:
    HostWnd();
    ~HostWnd() override;
    struct Notification {
        UINT message;
        WPARAM wParam;
        UINT_PTR idFrom;
        HWND hwndFrom;
        UINT code;
    };
    std::vector<Notification> notifications;
    // Called with every WM_NOTIFY that reaches the host, before it is recorded (its pointers are
    // valid only during the call).
    std::function<void(const NMHDR&)> onNotify;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class WindowTest : public ::testing::Test {
protected:
    HostWnd host;
    static RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }
};

// Dispatches everything posted so far through the library's own pump (pre-translation included).
void Pump();

// Input as the window system delivers it: posted to the window and pumped.
void TypeChars(HWND hWnd, std::wstring_view chars);
void PressKey(HWND hWnd, UINT vk); // WM_KEYDOWN and WM_KEYUP
void Click(HWND hWnd, int x, int y);

std::wstring TextOf(HWND hWnd);
std::pair<int, int> SelOf(HWND hWnd);
void SetSel(HWND hWnd, int start, int end); // EM_SETSEL as sent from outside

// Holds the given keys down in the thread's keyboard state; released on destruction.
class KeysDown {
public:
    KeysDown(std::initializer_list<int> vks);
    ~KeysDown();

private:
    BYTE m_saved[256];
};

// Counts the sounds of the library's beep seam while it lives.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();
    std::vector<UINT> beeps() const;
    size_t count() const { return beeps().size(); }

private:
    AfxBeepHook m_old;
};

// Records what a window receives through SendMessage/DispatchMessage (outermost procedure).
class MessageRecorder {
public:
    struct Msg {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        friend bool operator==(const Msg&, const Msg&) = default;
    };
    MessageRecorder(HWND hWnd, std::function<bool(UINT)> filter);
    ~MessageRecorder();
    std::vector<Msg> messages;
    void clear() { messages.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd;
    WNDPROC m_old;
    std::function<bool(UINT)> m_filter;
};

// The real clipboard.
void SetClipboardText(const std::wstring& text);
std::wstring GetClipboardText();

} // namespace harness

// Prints a recorded message in a failure report.
std::ostream& operator<<(std::ostream& os, const harness::MessageRecorder::Msg& m);
