#include "Harness.h"

#include <algorithm>
#include <climits>
#include <map>

namespace harness {

namespace {
std::map<HWND, MessageRecorder*> g_recorders;
} // namespace

HostWnd::HostWnd() {
    LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    BOOL ok = CreateEx(0, cls, L"test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 640,
                       400, nullptr, nullptr);
    if (!ok) throw std::runtime_error("host window: no display?");
    ::SetForegroundWindow(m_hWnd);
}

LRESULT HostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_NOTIFY && (message != WM_COMMAND || !lParam))
        return CWnd::WindowProc(message, wParam, lParam);
    const auto* nm = reinterpret_cast<const NMHDR*>(lParam);
    if (message == WM_NOTIFY && onNotify) onNotify(*nm);
    // Record only what got past the child's reflection.
    LRESULT r = 0;
    if (OnWndMsg(message, wParam, lParam, &r)) return r;
    if (message == WM_NOTIFY && onHeard) onHeard(*nm);
    notifications.push_back(
        message == WM_NOTIFY
            ? Notification{message, wParam, nm->idFrom, nm->hwndFrom, nm->code}
            : Notification{message, wParam, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam)});
    return DefWindowProc(message, wParam, lParam);
}

void TypeChars(HWND hWnd, std::wstring_view chars) {
    for (wchar_t c : chars) ::PostMessageW(hWnd, WM_CHAR, c, 1), Pump();
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
    std::wstring s(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    s.resize(static_cast<size_t>(::GetWindowTextW(hWnd, s.data(), static_cast<int>(s.size()))));
    return s;
}

std::pair<int, int> SelOf(HWND hWnd) {
    DWORD s = 0, e = 0;
    ::SendMessageW(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {static_cast<int>(s), static_cast<int>(e)};
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
    if (msg == WM_NCDESTROY) ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
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

MemoryDC::MemoryDC(int cx, int cy) : m_hDC(::CreateCompatibleDC(nullptr)), m_cx(cx), m_cy(cy) {
    BITMAPINFO bmi{{sizeof(BITMAPINFOHEADER), cx, -cy /* top-down */, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

MemoryDC::~MemoryDC() {
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void MemoryDC::Fill(COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT rc{0, 0, m_cx, m_cy};
    ::FillRect(m_hDC, &rc, brush);
    ::DeleteObject(brush);
}

COLORREF MemoryDC::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy) return CLR_INVALID;
    ::GdiFlush();
    const DWORD p = m_bits[y * m_cx + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT MemoryDC::InkBounds(RECT rc, std::initializer_list<COLORREF> background) const {
    RECT ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (std::find(background.begin(), background.end(), At(x, y)) == background.end())
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
    return ink.left == INT_MAX ? RECT{0, 0, 0, 0} : ink;
}

int MemoryDC::DarkPixels(RECT rc) const {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF c = At(x, y);
            n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
        }
    return n;
}

void DrawRow(CListCtrl& list, HDC hDC, int row) {
    DRAWITEMSTRUCT dis{ODT_LISTVIEW, 0, static_cast<UINT>(row), ODA_DRAWENTIRE, 0, list, hDC, {}, 0};
    list.GetItemRect(row, &dis.rcItem, LVIR_BOUNDS);
    list.DrawItem(&dis);
}

HFONT FontWithSpace(int px) {
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[px];
    HDC hDC = ::GetDC(nullptr);
    for (int height = 6; height < 60 && !font; ++height) {
        HFONT candidate = ::CreateFontW(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY,
                                        0, L"Tahoma");
        HGDIOBJ old = ::SelectObject(hDC, candidate);
        SIZE sz{};
        ::GetTextExtentPoint32W(hDC, L" ", 1, &sz);
        ::SelectObject(hDC, old);
        sz.cx == px ? void(font = candidate) : void(::DeleteObject(candidate));
    }
    ::ReleaseDC(nullptr, hDC);
    return font;
}

} // namespace harness

namespace harness::real {

namespace {

// Events of one call carry this tag (in dwExtraInfo), so the wait knows its last one.
ULONG_PTR g_tag = 0x4C450000;
bool g_lastSeen = false;
ULONG_PTR g_lastTag = 0;
POINT g_lastPt{}; // where the last event of the call was taken

LRESULT CALLBACK WatchQueue(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        const UINT m = msg->message;
        const bool input = (m >= WM_KEYFIRST && m <= WM_KEYLAST) ||
                           (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
                           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK);
        if (input && static_cast<ULONG_PTR>(::GetMessageExtraInfo()) == g_lastTag) {
            g_lastSeen = true;
            g_lastPt = msg->pt;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Wine (inside its virtual desktop too) delivers keys only to the foreground window's thread, and
// a window created while another process is in front may not get there by itself.
void BringToFront(HWND hWnd) {
    HWND top = hWnd ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    if (top && ::GetForegroundWindow() != top) {
        ::SetForegroundWindow(top);
        Pump();
    }
}

// Wine moves the X pointer after each injected mouse move, and the X server's answer comes back
// through Wine's desktop process as one more move to the position of that time, sometimes late
// (100 ms and more on a busy machine), after the next move has been made. So mouse input lets the
// queue go quiet first and afterwards, the cursor is placed before the buttons are pressed (placed
// again if an answer took it back), and a button taken elsewhere fails the test. Between the steps
// of a drag the window may still see a move to an earlier position.
void Settle() {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 500 &&
           ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 60, QS_ALLINPUT) == WAIT_OBJECT_0)
        Pump();
    Pump();
}

// Sends the events with the call's tag on the last one and pumps until it has been taken.
void Send(std::vector<INPUT> events) {
    if (events.empty()) return;
    const bool mouse = events.front().type == INPUT_MOUSE;
    if (mouse) Settle();
    g_lastTag = ++g_tag;
    g_lastSeen = false;
    INPUT& last = events.back();
    (last.type == INPUT_KEYBOARD ? last.ki.dwExtraInfo : last.mi.dwExtraInfo) = g_lastTag;
    // A batch that ends in a move makes no message when the cursor is there already: it has been
    // taken as soon as the cursor stands where it leads.
    const bool endsInMove =
        last.type == INPUT_MOUSE && (last.mi.dwFlags & ~(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE)) == 0;
    HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, &WatchQueue, nullptr, ::GetCurrentThreadId());
    UINT sent = ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (endsInMove) g_lastSeen = sent == events.size();
    const DWORD start = ::GetTickCount();
    while (sent == events.size() && !g_lastSeen && ::GetTickCount() - start < 2000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    ::UnhookWindowsHookEx(hook);
    Pump(); // what the input posted
    if (mouse) Settle();
    if (!g_lastSeen)
        ADD_FAILURE() << "real input was not delivered (" << sent << " of " << events.size() << " sent)";
}

INPUT KeyEvent(UINT vk, bool up, wchar_t unicode = 0) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    if (unicode) {
        in.ki.wScan = unicode;
        in.ki.dwFlags = KEYEVENTF_UNICODE;
    } else {
        in.ki.wVk = static_cast<WORD>(vk);
        in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        static constexpr UINT kExtended[] = {VK_INSERT, VK_DELETE, VK_HOME, VK_END,  VK_PRIOR,    VK_NEXT,
                                             VK_LEFT,   VK_RIGHT,  VK_UP,   VK_DOWN, VK_RCONTROL, VK_RMENU};
        if (std::find(std::begin(kExtended), std::end(kExtended), vk) != std::end(kExtended))
            in.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    }
    if (up) in.ki.dwFlags |= KEYEVENTF_KEYUP;
    return in;
}

void AddStroke(std::vector<INPUT>& events, UINT vk, std::initializer_list<UINT> modifiers) {
    for (UINT m : modifiers) events.push_back(KeyEvent(m, false));
    events.push_back(KeyEvent(vk, false));
    events.push_back(KeyEvent(vk, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        events.push_back(KeyEvent(*it, true));
}

INPUT MouseEvent(DWORD flags, POINT screen = {}) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Normalised so that the system's x * width / 65536 lands on the pixel itself.
        const LONG w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
        in.mi.dx = (screen.x * 65536 + w - 1) / w;
        in.mi.dy = (screen.y * 65536 + h - 1) / h;
    }
    return in;
}

// Moves the cursor to the screen point and waits until it rests there: a late answer of the X
// server (see Settle) may have taken it back, then the move is made again.
void PlaceCursor(POINT screen) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        Send({MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
        POINT now{};
        ::GetCursorPos(&now);
        if (now.x == screen.x && now.y == screen.y) return;
    }
    ADD_FAILURE() << "the cursor does not stay at " << screen.x << "," << screen.y;
}

// Button events at the screen point, each carrying the point itself: a late answer of the X server
// may still move the cursor between the placing and the press, and the press must not follow it.
void SendButtons(std::vector<INPUT> events, POINT screen) {
    for (INPUT& in : events) in = MouseEvent(in.mi.dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    Send(std::move(events));
    if (g_lastSeen && (g_lastPt.x != screen.x || g_lastPt.y != screen.y))
        ADD_FAILURE() << "the button went at " << g_lastPt.x << "," << g_lastPt.y << " instead of "
                      << screen.x << "," << screen.y;
}

// Left clicks at a client point.
void Clicks(HWND hWnd, POINT pt, int times) {
    BringToFront(hWnd);
    POINT screen = ToScreen(hWnd, pt);
    PlaceCursor(screen);
    std::vector<INPUT> events;
    for (int i = 0; i < times; ++i)
        events.insert(events.end(), {MouseEvent(MOUSEEVENTF_LEFTDOWN), MouseEvent(MOUSEEVENTF_LEFTUP)});
    SendButtons(std::move(events), screen);
}

} // namespace

void Key(UINT vk, std::initializer_list<UINT> modifiers) {
    BringToFront(::GetFocus());
    std::vector<INPUT> events;
    AddStroke(events, vk, modifiers);
    Send(std::move(events));
}

void Type(std::wstring_view text) {
    BringToFront(::GetFocus());
    std::vector<INPUT> events;
    for (wchar_t c : text) {
        SHORT scan = ::VkKeyScanW(c);
        if (scan == -1 || (HIBYTE(scan) & ~1) != 0) // not on the layout, or needs more than Shift
            events.insert(events.end(), {KeyEvent(0, false, c), KeyEvent(0, true, c)});
        else if (HIBYTE(scan) & 1)
            AddStroke(events, LOBYTE(scan), {VK_SHIFT});
        else
            AddStroke(events, LOBYTE(scan), {});
    }
    Send(std::move(events));
}

void MoveTo(HWND hWnd, POINT pt) {
    BringToFront(hWnd);
    PlaceCursor(ToScreen(hWnd, pt));
}

void Click(HWND hWnd, POINT pt) {
    Clicks(hWnd, pt, 1);
}

void DoubleClick(HWND hWnd, POINT pt) {
    Clicks(hWnd, pt, 2);
}

void Drag(HWND hWnd, POINT from, POINT to) {
    BringToFront(hWnd);
    POINT a = ToScreen(hWnd, from), b = ToScreen(hWnd, to);
    PlaceCursor(a);
    SendButtons({MouseEvent(MOUSEEVENTF_LEFTDOWN)}, a);
    // Intermediate moves, each taken before the next as a hand makes them (the queue would merge
    // them otherwise), so that drag thresholds are crossed on the way.
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i)
        PlaceCursor({a.x + (b.x - a.x) * i / kSteps, a.y + (b.y - a.y) * i / kSteps});
    SendButtons({MouseEvent(MOUSEEVENTF_LEFTUP)}, b);
}

void Pick(HWND combo, int index) {
    RECT rc{};
    ::GetClientRect(combo, &rc);
    Click(combo, {rc.right - 8, rc.bottom / 2});
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    RECT item{};
    if (!::GetComboBoxInfo(combo, &info) || ::SendMessageW(info.hwndList, LB_GETITEMRECT, WPARAM(index),
                                                           reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return ADD_FAILURE() << "no entry " << index << " to pick";
    Click(info.hwndList, {item.left + 10, (item.top + item.bottom) / 2});
}

} // namespace harness::real
