// Shared fixtures of the window tests: a host window, the pump, a message recorder, the keyboard
// state for Shift and Ctrl, the beep counter, the real clipboard, real keyboard and mouse input, and
// accessible objects as an assistive tool reads them.
#pragma once
#include <listedit.h>

#include "frame/Dpi.h" // the system's DPI messages, newer than the headers' Windows version

#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace harness {

// A visible top-level window that parents the controls of one test; it records the WM_NOTIFY and
// WM_COMMAND messages that reach it.
class HostWnd : public CWnd {
public:
    HostWnd();
    ~HostWnd() override { DestroyWindow(); }
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
    // Called with every WM_NOTIFY the host's own handlers hear: what the child's reflection left.
    std::function<void(const NMHDR&)> onHeard;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class WindowTest : public ::testing::Test {
protected:
    HostWnd host;
    static RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }
};

// The screen's dots per inch (96, or 192 in the second run of the tests), and a length at 96 dots
// per inch at that scale: what the controls' fixed lengths are expected to be.
inline int ScreenDpi() {
    HDC hDC = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    return nDpi;
}
inline int Scaled(int length) {
    return ::MulDiv(length, ScreenDpi(), 96);
}
// Tells a top-level window and one control in it of a new DPI, as Windows does when the window
// moves to a monitor of another scale (Wine sends neither message).
inline void TellDpi(CWnd& top, CWnd& control, int dpi) {
    CRect rcTop;
    top.GetWindowRect(&rcTop);
    top.SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rcTop));
    control.SendMessage(WM_DPICHANGED_AFTERPARENT);
}

// Dispatches everything posted so far through the library's own pump (pre-translation included).
inline void Pump() {
    AfxPumpPendingMessages();
}

// Input as the window system delivers it: posted to the window and pumped.
void TypeChars(HWND hWnd, std::wstring_view chars);
void PressKey(HWND hWnd, UINT vk); // WM_KEYDOWN and WM_KEYUP
void Click(HWND hWnd, int x, int y);

std::wstring TextOf(HWND hWnd);
std::pair<int, int> SelOf(HWND hWnd);
inline void SetSel(HWND hWnd, int start, int end) { // EM_SETSEL as sent from outside
    ::SendMessageW(hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
}

// Holds the given keys (0: none) down in the thread's keyboard state; released on destruction.
class KeysDown {
public:
    KeysDown(std::initializer_list<int> vks) {
        BYTE state[256];
        ::GetKeyboardState(m_saved), ::GetKeyboardState(state);
        for (int vk : vks) state[vk] = vk ? 0x80 : state[vk];
        ::SetKeyboardState(state);
    }
    ~KeysDown() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

// Counts the sounds of the library's beep seam while it lives.
class BeepCounter {
public:
    BeepCounter() { s_beeps.clear(); }
    ~BeepCounter() { AfxSetBeepHook(m_old); }
    std::vector<UINT> beeps() const { return s_beeps; }
    size_t count() const { return s_beeps.size(); }

private:
    static inline std::vector<UINT> s_beeps;
    AfxBeepHook m_old = AfxSetBeepHook([](UINT nType) { s_beeps.push_back(nType); });
};

// Records what a window receives through SendMessage/DispatchMessage (outermost procedure).
class MessageRecorder {
public:
    struct Msg {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        friend bool operator==(const Msg&, const Msg&) = default;
        friend std::ostream& operator<<(std::ostream& os, const Msg& m) { // for failure reports
            return os << "{0x" << std::hex << m.message << ", " << std::dec << m.wParam << ", " << m.lParam
                      << "}";
        }
    };
    MessageRecorder(HWND hWnd, std::function<bool(UINT)> filter);
    ~MessageRecorder();
    std::vector<Msg> messages;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd;
    WNDPROC m_old;
    std::function<bool(UINT)> m_filter;
};

// The real clipboard.
void SetClipboardText(const std::wstring& text);
std::wstring GetClipboardText();

// Real input: keyboard and mouse events through SendInput, so that they pass the input queue,
// focus, capture, hit testing and pre-translation as a user's do. Each call brings the target's
// top-level window to the foreground, sends its events and returns once the thread has taken the
// last of them from its queue and the library's pump has dispatched them and what they posted
// (a test fails when that does not happen within two seconds). Positions are client coordinates
// of the window given; for a window that is not yet on the screen, none of this works.
// Whether f raised the framework's invalid-argument exception (deleted here).
inline bool RaisesInvalidArg(const std::function<void()>& f) {
    try {
        f();
    } catch (CInvalidArgException* e) {
        return e->Delete(), true;
    }
    return false;
}

namespace real {

// Presses and releases vk while holding the modifiers (VK_SHIFT, VK_CONTROL, VK_MENU), on the
// window that has the focus.
void Key(UINT vk, std::initializer_list<UINT> modifiers = {});
// Types the text as key strokes (Shift where the keyboard layout needs it; characters the layout
// lacks as Unicode packets).
void Type(std::wstring_view text);
void MoveTo(HWND hWnd, POINT pt);
void Click(HWND hWnd, POINT pt);
void DoubleClick(HWND hWnd, POINT pt);
// Presses the left button at from, moves to `to` in a few steps and releases it there.
void Drag(HWND hWnd, POINT from, POINT to);
// Opens a combo box's list with a click on its arrow and clicks the entry at index there.
void Pick(HWND combo, int index);
// Where a client point of hWnd is on the screen.
inline POINT ToScreen(HWND hWnd, POINT pt) {
    return ::ClientToScreen(hWnd, &pt), pt;
}

} // namespace real

// A 32-bit top-down DIB section selected into a memory DC, for checking painted pixels.
class MemoryDC {
public:
    MemoryDC(int cx, int cy);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return m_hDC; }
    void Fill(COLORREF colour);
    COLORREF At(int x, int y) const; // CLR_INVALID outside the bitmap
    // The bounding box (right and bottom exclusive) of the pixels in rc whose colour is none of
    // `background`; all 0 when there are none.
    RECT InkBounds(RECT rc, std::initializer_list<COLORREF> background) const;
    int DarkPixels(RECT rc) const; // pixels in rc nearer black than white

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    const DWORD* m_bits = nullptr;
    int m_cx, m_cy;
};

// COM for the objects' marshalling, as an application that serves assistive tools sets it up.
struct Com {
    Com() { ::CoInitialize(nullptr); }
    ~Com() { ::CoUninitialize(); }
};

// An accessible object, released on destruction.
class Acc {
public:
    explicit Acc(HWND hWnd, LONG idObject = OBJID_CLIENT) {
        ::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(idObject), __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&m_p));
    }
    explicit Acc(IAccessible* p) : m_p(p) {}
    ~Acc() {
        if (m_p) m_p->Release();
    }
    Acc(const Acc&) = delete;
    Acc& operator=(const Acc&) = delete;
    explicit operator bool() const { return m_p != nullptr; }
    IAccessible* operator->() const { return m_p; }

    static VARIANT Id(LONG id) {
        VARIANT v;
        ::VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        return v;
    }
    std::wstring Name(LONG id = CHILDID_SELF) const { return Text(&IAccessible::get_accName, id); }
    std::wstring Value(LONG id = CHILDID_SELF) const { return Text(&IAccessible::get_accValue, id); }
    std::wstring Description(LONG id = CHILDID_SELF) const {
        return Text(&IAccessible::get_accDescription, id);
    }
    LONG Role(LONG id = CHILDID_SELF) const { return Int(&IAccessible::get_accRole, id); }
    LONG State(LONG id = CHILDID_SELF) const { return Int(&IAccessible::get_accState, id); }
    LONG Count() const {
        LONG n = -1;
        return m_p->get_accChildCount(&n), n;
    }
    RECT Location(LONG id) const {
        long x = 0, y = 0, cx = 0, cy = 0;
        m_p->accLocation(&x, &y, &cx, &cy, Id(id));
        return RECT{x, y, x + cx, y + cy};
    }
    LONG HitTest(POINT pt) const {
        VARIANT v;
        ::VariantInit(&v);
        m_p->accHitTest(pt.x, pt.y, &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }

private:
    using TextFn = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    using IntFn = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
    std::wstring Text(TextFn fn, LONG id) const {
        BSTR b = nullptr;
        if (FAILED((m_p->*fn)(Id(id), &b)) || !b) return L"<none>";
        std::wstring s(b, ::SysStringLen(b));
        ::SysFreeString(b);
        return s;
    }
    LONG Int(IntFn fn, LONG id) const {
        VARIANT v;
        ::VariantInit(&v);
        if (FAILED((m_p->*fn)(Id(id), &v)) || v.vt != VT_I4) return -1;
        return v.lVal;
    }
    IAccessible* m_p = nullptr;
};

// A font (kept for the whole run) whose space is px pixels wide; null when none is found.
HFONT FontWithSpace(int px);

// Paints a row through the list's own DrawItem, at the row's place in the list, as the list view
// asks an owner-drawn list to.
void DrawRow(CListCtrl& list, HDC hDC, int row);

// Selects a font into a DC while it lives.
class ScopedFont {
public:
    ScopedFont(HDC hDC, HGDIOBJ hFont) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hFont)) {}
    ~ScopedFont() { ::SelectObject(m_hDC, m_hOld); }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

} // namespace harness
