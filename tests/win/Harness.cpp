#include "Harness.h"

#include <map>
#include <ostream>

namespace harness {

namespace {
std::vector<UINT> g_beeps;
std::map<HWND, MessageRecorder*> g_recorders;
void RecordBeep(UINT nType) {
    g_beeps.push_back(nType);
}
} // namespace

HostWnd::HostWnd() {
    LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    BOOL ok = CreateEx(0, cls, L"test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 640,
                       400, nullptr, nullptr);
    if (!ok) throw std::runtime_error("host window: no display?");
    ::SetForegroundWindow(m_hWnd);
}

HostWnd::~HostWnd() {
    DestroyWindow();
}

LRESULT HostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (onNotify) onNotify(*nm);
        // Record only what got past the child's reflection.
        LRESULT r = 0;
        if (!OnWndMsg(message, wParam, lParam, &r)) {
            notifications.push_back({message, wParam, nm->idFrom, nm->hwndFrom, nm->code});
            r = DefWindowProc(message, wParam, lParam);
        }
        return r;
    }
    if (message == WM_COMMAND && lParam) {
        LRESULT r = 0;
        if (!OnWndMsg(message, wParam, lParam, &r)) {
            notifications.push_back(
                {message, wParam, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam)});
            r = DefWindowProc(message, wParam, lParam);
        }
        return r;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void Pump() {
    AfxPumpPendingMessages();
}

void TypeChars(HWND hWnd, std::wstring_view chars) {
    for (wchar_t c : chars) {
        ::PostMessageW(hWnd, WM_CHAR, c, 1);
        Pump();
    }
}

void PressKey(HWND hWnd, UINT vk) {
    LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(hWnd, WM_KEYDOWN, vk, scan | 1);
    ::PostMessageW(hWnd, WM_KEYUP, vk, scan | 1 | (3LL << 30));
    Pump();
}

void Click(HWND hWnd, int x, int y) {
    LPARAM pt = MAKELPARAM(x, y);
    ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, pt);
    Pump();
}

std::wstring TextOf(HWND hWnd) {
    int n = ::GetWindowTextLengthW(hWnd);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    s.resize(static_cast<size_t>(::GetWindowTextW(hWnd, s.data(), n + 1)));
    return s;
}

std::pair<int, int> SelOf(HWND hWnd) {
    DWORD s = 0, e = 0;
    ::SendMessageW(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {static_cast<int>(s), static_cast<int>(e)};
}

void SetSel(HWND hWnd, int start, int end) {
    ::SendMessageW(hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
}

KeysDown::KeysDown(std::initializer_list<int> vks) {
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    std::copy(std::begin(m_saved), std::end(m_saved), state);
    for (int vk : vks) state[vk] = 0x80;
    ::SetKeyboardState(state);
}

KeysDown::~KeysDown() {
    ::SetKeyboardState(m_saved);
}

BeepCounter::BeepCounter() : m_old(AfxSetBeepHook(&RecordBeep)) {
    g_beeps.clear();
}
BeepCounter::~BeepCounter() {
    AfxSetBeepHook(m_old);
}
std::vector<UINT> BeepCounter::beeps() const {
    return g_beeps;
}

MessageRecorder::MessageRecorder(HWND hWnd, std::function<bool(UINT)> filter)
    : m_hWnd(hWnd), m_filter(std::move(filter)) {
    g_recorders[hWnd] = this;
    m_old =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

MessageRecorder::~MessageRecorder() {
    if (::IsWindow(m_hWnd)) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_old));
    g_recorders.erase(m_hWnd);
}

LRESULT CALLBACK MessageRecorder::Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MessageRecorder* self = g_recorders.at(hWnd);
    if (self->m_filter(msg)) self->messages.push_back({msg, wParam, lParam});
    WNDPROC old = self->m_old;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    }
    return ::CallWindowProcW(old, hWnd, msg, wParam, lParam);
}

void SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(::GlobalLock(h)));
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_UNICODETEXT, h);
    ::CloseClipboard();
}

std::wstring GetClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

} // namespace harness

std::ostream& operator<<(std::ostream& os, const harness::MessageRecorder::Msg& m) {
    return os << "{0x" << std::hex << m.message << ", " << std::dec << m.wParam << ", " << m.lParam << "}";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
