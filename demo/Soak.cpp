// The soak driver: a second thread that sends the demo seeded random real input through the
// system's input queue (SendInput), and checks the demo at every round of events.
//
// Bounds, after a warm-up round that visits every page and does there once what is large by right
// (Ctrl+A and Ctrl+C, the million-row copy among them), so that the heap's high-water mark and
// the windows made on first use (tips, drop-down lists, menus) are reached before the baseline:
//   - the library's live-object counts are exactly those of the baseline at every return to the
//     first page (nothing being edited, the clipboard emptied);
//   - the thread's windows are at most kWindowSlack more, the private bytes at most
//     kPrivateSlack more, the bytes in use in the C run-time's heap (all that new and malloc hand
//     the library and the demo) at most kHeapSlack more, than at the baseline;
//   - the demo finishes the work of the input it was sent within kDrainMs (otherwise it hangs),
//     and then answers a message within a second.
#include "Soak.h"
#include "Screenshot.h"
#include "Screenshot.h"

#include <malloc.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr long kWindowSlack = 8;
constexpr long long kPrivateSlack = 16ll << 20;
constexpr long long kHeapSlack = 2ll << 20; // what new and malloc hold may grow by this much at most
constexpr DWORD kDrainMs = 30000;
constexpr int kRound = 500;     // events between checks
constexpr DWORD kTakenMs = 400; // the longest wait for an event the demo may never see

std::atomic<ULONG_PTR> g_taken{0}; // the tag of the last tagged input the UI thread took
std::atomic<int> g_result{0};
HHOOK g_hook = nullptr;
std::thread g_driver;

LRESULT CALLBACK NoteTaken(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const UINT m = reinterpret_cast<const MSG*>(lParam)->message;
        const bool input = (m >= WM_KEYFIRST && m <= WM_KEYLAST) ||
                           (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
                           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK);
        const auto extra = static_cast<ULONG_PTR>(::GetMessageExtraInfo());
        if (input && (extra & 0xFFFF0000u) == 0x534B0000u) g_taken = extra;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hWnd, LPARAM lParam) {
    ++*reinterpret_cast<long*>(lParam);
    ::EnumChildWindows(hWnd, &CountChild, lParam);
    return TRUE;
}

BOOL CALLBACK CollectHeaders(HWND hWnd, LPARAM lParam) {
    wchar_t cls[32]{};
    ::GetClassNameW(hWnd, cls, 32);
    if (std::wstring_view(cls) == L"SysHeader32" && ::IsWindowVisible(hWnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

class Driver {
public:
    Driver(HWND hDemo, HWND hTab, int nPages, SoakOptions options)
        : m_hDemo(hDemo), m_hTab(hTab), m_nPages(nPages), m_options(std::move(options)),
          m_random(m_options.seed) {}

    int Run() {
        m_report = ::_wfopen(m_options.report.c_str(), L"w");
        const bool ok = Soak();
        Print(ok ? "soak passed\n" : "soak FAILED\n");
        if (m_report) std::fclose(m_report);
        g_result = ok ? 0 : 1;
        ::PostMessageW(m_hDemo, WM_CLOSE, 0, 0);
        return g_result;
    }

private:
    HWND m_hDemo, m_hTab;
    int m_nPages;
    SoakOptions m_options;
    std::mt19937 m_random;
    FILE* m_report = nullptr;
    ULONG_PTR m_tag = 0x534B0000u;
    int m_event = 0;
    SoakSnapshot m_base;
    DWORD m_longestDrain = 0;
    int m_untaken = 0; // sends whose last event made no message of the demo's
    struct Tally {
        int clicks = 0, doubles = 0, rights = 0, drags = 0, wheels = 0, keys = 0, pages = 0;
    } m_tally;

    template <class... Args> void Print(const char* format, Args... args) {
        for (FILE* f : {stdout, m_report})
            if (f) std::fprintf(f, format, args...), std::fflush(f);
    }

    bool Fail(const char* what) {
        Print("soak: failed at event %d of %d (seed %u): %s\n", m_event, m_options.events, m_options.seed,
              what);
        // Where the input stood: what has the focus, the capture, a menu; and a picture of the demo.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_hDemo, nullptr), &gui);
        auto name = [](HWND h) {
            static wchar_t cls[4][64];
            static int next = 0;
            wchar_t* out = cls[next++ % 4];
            out[0] = 0;
            if (h) ::GetClassNameW(h, out, 64);
            return out;
        };
        Print("  foreground %ls, focus %ls, capture %ls, menu owner %ls, flags %#lx, page %d\n",
              name(::GetForegroundWindow()), name(gui.hwndFocus), name(gui.hwndCapture),
              name(gui.hwndMenuOwner), static_cast<unsigned long>(gui.flags),
              static_cast<int>(::SendMessageW(m_hTab, TCM_GETCURSEL, 0, 0)));
        const POINT tab0 = Centre(TabItem(0));
        TCHITTESTINFO hit{};
        hit.pt = tab0;
        ::ScreenToClient(m_hTab, &hit.pt);
        POINT cursor{};
        ::GetCursorPos(&cursor);
        Print(
            "  tab 0 at %ld,%ld: window there %ls, hit test %d, enabled %d; cursor %ld,%ld; buttons %d %d\n",
            tab0.x, tab0.y, name(::WindowFromPoint(tab0)),
            static_cast<int>(::SendMessageW(m_hTab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))),
            ::IsWindowEnabled(m_hTab), cursor.x, cursor.y, ::GetAsyncKeyState(VK_LBUTTON) < 0,
            ::GetAsyncKeyState(VK_RBUTTON) < 0);
        for (int i = 0; i < m_nPages; ++i) {
            TCITEMW item{};
            item.mask = TCIF_STATE;
            item.dwStateMask = ~0u;
            ::SendMessageW(m_hTab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            Print("  tab %d state %#lx\n", i, static_cast<unsigned long>(item.dwState));
        }
        SaveWindowBitmap(m_hDemo, (m_options.report + L".bmp").c_str());
        return false;
    }

    int Below(int n) { return n > 0 ? static_cast<int>(m_random() % static_cast<unsigned>(n)) : 0; }

    // ---- input ----------------------------------------------------------------------------------

    static INPUT Mouse(DWORD flags, POINT screen, DWORD data = 0) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        const LONG w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
        in.mi.dx = (screen.x * 65536 + w - 1) / w;
        in.mi.dy = (screen.y * 65536 + h - 1) / h;
        in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.mi.mouseData = data;
        return in;
    }
    static INPUT Key(WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        static constexpr WORD kExtended[] = {VK_INSERT, VK_DELETE, VK_HOME,  VK_END, VK_PRIOR,
                                             VK_NEXT,   VK_LEFT,   VK_RIGHT, VK_UP,  VK_DOWN};
        for (WORD e : kExtended)
            if (vk == e) in.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
        if (up) in.ki.dwFlags |= KEYEVENTF_KEYUP;
        return in;
    }
    static INPUT Char(wchar_t c, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = c;
        in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
        return in;
    }
    static void Stroke(std::vector<INPUT>& events, WORD vk, std::initializer_list<WORD> modifiers = {}) {
        for (WORD m : modifiers) events.push_back(Key(m, false));
        events.push_back(Key(vk, false));
        events.push_back(Key(vk, true));
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            events.push_back(Key(*it, true));
    }

    // Sends the events, the last one tagged, and waits until the demo has taken it. An event that
    // makes no message of the demo's (a move over the desktop, a button released there) is waited
    // for no longer than kTakenMs.
    void Send(std::vector<INPUT> events) {
        INPUT& last = events.back();
        (last.type == INPUT_KEYBOARD ? last.ki.dwExtraInfo : last.mi.dwExtraInfo) = ++m_tag;
        ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
        const DWORD start = ::GetTickCount();
        while (g_taken != m_tag && ::GetTickCount() - start < kTakenMs) ::Sleep(1);
        if (g_taken != m_tag) ++m_untaken;
        ::Sleep(5);
    }

    void Click(POINT pt, DWORD down, DWORD up, int times = 1) {
        std::vector<INPUT> events{Mouse(0, pt)};
        for (int i = 0; i < times; ++i) events.push_back(Mouse(down, pt)), events.push_back(Mouse(up, pt));
        Send(std::move(events));
    }

    void Drag(POINT from, POINT to) {
        Send({Mouse(0, from), Mouse(MOUSEEVENTF_LEFTDOWN, from)});
        for (int i = 1; i <= 4; ++i)
            Send({Mouse(0, {from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4})});
        Send({Mouse(MOUSEEVENTF_LEFTUP, to)});
    }

    // ---- where ----------------------------------------------------------------------------------

    RECT TabItem(int page) {
        RECT rc{};
        ::SendMessageW(m_hTab, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&rc));
        ::MapWindowPoints(m_hTab, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // The page's area on the screen: the tab's display area, inside the demo's client area.
    RECT PageArea() {
        RECT rc{};
        ::GetClientRect(m_hTab, &rc);
        ::SendMessageW(m_hTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
        ::MapWindowPoints(m_hTab, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    POINT AnyPoint(const RECT& rc) {
        return {rc.left + Below(rc.right - rc.left), rc.top + Below(rc.bottom - rc.top)};
    }
    static POINT Centre(const RECT& rc) { return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

    void ShowPage(int page) {
        Click(Centre(TabItem(page)), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ++m_tally.pages;
    }

    // ---- one random event -----------------------------------------------------------------------

    void RandomEvent() {
        const RECT page = PageArea();
        const int pick = Below(100);
        if (pick < 25) {
            Click(AnyPoint(page), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP), ++m_tally.clicks;
        } else if (pick < 30) {
            Click(AnyPoint(page), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2), ++m_tally.doubles;
        } else if (pick < 37) {
            Click(AnyPoint(page), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP), ++m_tally.rights;
        } else if (pick < 47) {
            RandomDrag(page), ++m_tally.drags;
        } else if (pick < 52) {
            const int notches = (Below(2) ? 1 : -1) * (1 + Below(3));
            Send({Mouse(MOUSEEVENTF_WHEEL, AnyPoint(page), static_cast<DWORD>(notches * WHEEL_DELTA))});
            ++m_tally.wheels;
        } else if (pick < 94) {
            RandomKey(), ++m_tally.keys;
        } else {
            ShowPage(Below(m_nPages));
        }
    }

    void RandomDrag(const RECT& page) {
        POINT from = AnyPoint(page), to = AnyPoint(page);
        std::vector<HWND> headers;
        ::EnumChildWindows(m_hDemo, &CollectHeaders, reinterpret_cast<LPARAM>(&headers));
        if (!headers.empty() && Below(3) == 0) { // from a column divider
            HWND hHeader = headers[static_cast<size_t>(Below(static_cast<int>(headers.size())))];
            const int n = static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
            RECT item{};
            if (n > 0 && ::SendMessageW(hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(Below(n)),
                                        reinterpret_cast<LPARAM>(&item))) {
                POINT edge{item.right - 1, (item.top + item.bottom) / 2};
                ::MapWindowPoints(hHeader, nullptr, &edge, 1);
                from = edge;
                to = {edge.x + Below(301) - 150, edge.y + Below(21) - 10};
            }
        }
        if (Below(4) == 0) { // out of the window
            RECT demo{};
            ::GetWindowRect(m_hDemo, &demo);
            to = {demo.right + 5 + Below(60), demo.top + Below(demo.bottom - demo.top)};
        }
        Drag(from, to);
    }

    void RandomKey() {
        std::vector<INPUT> events;
        static constexpr WORD kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_LEFT,   VK_RIGHT, VK_UP,
                                         VK_DOWN, VK_HOME,   VK_END,    VK_PRIOR,  VK_NEXT,  VK_DELETE,
                                         VK_BACK, VK_F2,     VK_F4,     VK_INSERT, VK_SPACE};
        static constexpr wchar_t kChars[] = L"0123456789-.,abcxyzAZ '\"%_()=<>;:/\\";
        const int pick = Below(100);
        if (pick < 40) {
            Stroke(events, kKeys[Below(static_cast<int>(std::size(kKeys)))]);
        } else if (pick < 48) {
            Stroke(events, VK_TAB, {VK_SHIFT});
        } else if (pick < 53) {
            Stroke(events, VK_DOWN, {VK_MENU}); // Alt+Down opens a drop-down
        } else if (pick < 63) {
            static constexpr WORD kCtrl[] = {'A', 'C', 'V', 'X', VK_UP, VK_DOWN};
            Stroke(events, kCtrl[Below(static_cast<int>(std::size(kCtrl)))], {VK_CONTROL});
        } else {
            const wchar_t c = kChars[Below(static_cast<int>(std::size(kChars)) - 1)];
            events.push_back(Char(c, false)), events.push_back(Char(c, true));
        }
        Send(std::move(events));
    }

    // ---- checks ---------------------------------------------------------------------------------

    // Back on the first page with nothing open or being edited and the clipboard empty.
    void ReturnHome() {
        std::vector<INPUT> keys;
        Stroke(keys, VK_ESCAPE), Stroke(keys, VK_ESCAPE);
        Send(std::move(keys));
        ShowPage(0);
        const RECT page = PageArea();
        Click({page.left + 3, page.bottom - 3}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        if (::OpenClipboard(nullptr)) ::EmptyClipboard(), ::CloseClipboard();
    }

    bool Snapshot(SoakSnapshot& snapshot, const char*& failure) {
        DWORD_PTR answer = 0;
        const DWORD start = ::GetTickCount();
        if (!::SendMessageTimeoutW(m_hDemo, WM_NULL, 0, 0, SMTO_NORMAL, kDrainMs, &answer))
            return failure = "the demo did not finish its work within 30 s", false;
        m_longestDrain = std::max(m_longestDrain, ::GetTickCount() - start);
        if (!::SendMessageTimeoutW(m_hDemo, kSoakSnapshot, 0, reinterpret_cast<LPARAM>(&snapshot),
                                   SMTO_NORMAL, 1000, &answer))
            return failure = "the demo did not answer within a second", false;
        return true;
    }

    // Back home, again while something open (a menu, a dropped list) took the click on the tab.
    bool Home(SoakSnapshot& snapshot) {
        const char* failure = nullptr;
        for (int attempt = 0; attempt < 5; ++attempt) {
            ReturnHome();
            if (!Snapshot(snapshot, failure)) return Fail(failure);
            if (snapshot.page == 0) return true;
        }
        return Fail("the first page could not be reached");
    }

    bool Check() {
        SoakSnapshot now;
        if (!Home(now)) return false;
        Print("check at event %d: page %d, exceptions %ld, windows %ld (%+ld), private bytes %.1f MB (%+.2f "
              "MB)\n",
              m_event, now.page, now.exceptions, now.windows, now.windows - m_base.windows,
              static_cast<double>(now.privateBytes) / (1 << 20),
              static_cast<double>(now.privateBytes - m_base.privateBytes) / (1 << 20));
        const auto mb = [](long long bytes) { return static_cast<double>(bytes) / (1 << 20); };
        Print("  run-time heap: %lld blocks (%+lld), %.2f MB (%+.3f MB); system heaps: %lld blocks (%+lld), "
              "%.2f MB (%+.3f MB); free in the heaps %+.3f MB; committed %.1f MB (%+.2f MB); GDI objects "
              "%ld (%+ld), USER objects %ld (%+ld)\n",
              now.heapBlocks, now.heapBlocks - m_base.heapBlocks, mb(now.heapBytes),
              mb(now.heapBytes - m_base.heapBytes), now.otherBlocks, now.otherBlocks - m_base.otherBlocks,
              mb(now.otherBytes), mb(now.otherBytes - m_base.otherBytes), mb(now.heapFree - m_base.heapFree),
              mb(now.committed), mb(now.committed - m_base.committed), now.gdiObjects,
              now.gdiObjects - m_base.gdiObjects, now.userObjects, now.userObjects - m_base.userObjects);
        if (now.exceptions != 0) return Fail("an exception reached the application object");
        static const char* const kKinds[] = {
            "self-deleting windows", "data windows",    "row records", "field records",
            "GDI objects",           "device contexts", "menus",       "image lists"};
        bool same = true;
        for (size_t k = 0; k < now.live.size(); ++k)
            if (now.live[k] != m_base.live[k]) {
                Print("  live %s: %ld, after the first round %ld\n", kKinds[k], now.live[k], m_base.live[k]);
                same = false;
            }
        if (!same) return Fail("live-object counts differ from the first round's");
        if (now.windows > m_base.windows + kWindowSlack) return Fail("the windows grew beyond the bound");
        if (now.privateBytes > m_base.privateBytes + kPrivateSlack)
            return Fail("memory grew beyond the bound");
        if (now.heapBytes > m_base.heapBytes + kHeapSlack)
            return Fail("the run-time heap grew beyond the bound");
        return true;
    }

    bool Soak() {
        Print("soak: %d events, seed %u, %d pages\n", m_options.events, m_options.seed, m_nPages);
        const DWORD start = ::GetTickCount();
        ::SetForegroundWindow(m_hDemo);
        // The warm-up round: every page once, with its large actions.
        for (int page = 0; page < m_nPages; ++page) {
            ShowPage(page);
            Click(Centre(PageArea()), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
            std::vector<INPUT> keys;
            Stroke(keys, 'A', {VK_CONTROL}), Stroke(keys, 'C', {VK_CONTROL}), Stroke(keys, VK_ESCAPE);
            Send(std::move(keys));
        }
        if (!Home(m_base)) return false;
        Print("after the first round: windows %ld, private bytes %.1f MB, run-time heap %lld blocks "
              "(%.2f MB), system heaps %lld blocks (%.2f MB), committed %.1f MB\n",
              m_base.windows, static_cast<double>(m_base.privateBytes) / (1 << 20), m_base.heapBlocks,
              static_cast<double>(m_base.heapBytes) / (1 << 20), m_base.otherBlocks,
              static_cast<double>(m_base.otherBytes) / (1 << 20),
              static_cast<double>(m_base.committed) / (1 << 20));
        for (m_event = 1; m_event <= m_options.events; ++m_event) {
            RandomEvent();
            if ((m_event % kRound == 0 || m_event == m_options.events) && !Check()) return false;
        }
        --m_event;
        Print("events: %d clicks, %d double clicks, %d right clicks, %d drags, %d wheel turns, %d keys, %d "
              "page "
              "changes; %d sends not taken by the demo; longest wait for the demo's work %lu ms; %.1f s in "
              "all\n",
              m_tally.clicks, m_tally.doubles, m_tally.rights, m_tally.drags, m_tally.wheels, m_tally.keys,
              m_tally.pages, m_untaken, static_cast<unsigned long>(m_longestDrain),
              (::GetTickCount() - start) / 1000.0);
        return true;
    }
};

} // namespace

// What the heaps hold: the blocks in use in the C run-time's heap (what new and malloc give the
// library and the demo) and in the system's heaps, the free space inside them, and the private
// memory committed in all: to tell the library's or the application's growth from the heaps' own
// and the system's.
void CountMemory(SoakSnapshot& snapshot) {
    std::vector<HANDLE> heaps(64);
    DWORD n = ::GetProcessHeaps(DWORD(heaps.size()), heaps.data());
    if (n > heaps.size()) heaps.resize(n), n = ::GetProcessHeaps(n, heaps.data());
    heaps.resize(std::min<size_t>(n, heaps.size()));
    const auto crt = reinterpret_cast<HANDLE>(_get_heap_handle());
    snapshot.heapBlocks = snapshot.heapBytes = snapshot.otherBlocks = snapshot.otherBytes = 0;
    snapshot.heapFree = snapshot.committed = 0;
    for (HANDLE heap : heaps) {
        if (!::HeapLock(heap)) continue;
        long long& blocks = heap == crt ? snapshot.heapBlocks : snapshot.otherBlocks;
        long long& bytes = heap == crt ? snapshot.heapBytes : snapshot.otherBytes;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                ++blocks, bytes += entry.cbData;
            else if (!(entry.wFlags & (PROCESS_HEAP_REGION | PROCESS_HEAP_UNCOMMITTED_RANGE)))
                snapshot.heapFree += entry.cbData;
        ::HeapUnlock(heap);
    }
    MEMORY_BASIC_INFORMATION mbi{};
    for (const char* p = nullptr; ::VirtualQuery(p, &mbi, sizeof(mbi)) == sizeof(mbi);
         p = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize)
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) snapshot.committed += mbi.RegionSize;
}

void SoakTakeSnapshot(SoakSnapshot& snapshot, int page, long exceptions) {
    for (size_t k = 0; k < snapshot.live.size(); ++k)
        snapshot.live[k] = AfxGetLiveCount(static_cast<AfxLive>(k));
    snapshot.exceptions = exceptions;
    snapshot.page = page;
    snapshot.windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountTop, reinterpret_cast<LPARAM>(&snapshot.windows));
    CountMemory(snapshot);
    snapshot.gdiObjects = long(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    snapshot.userObjects = long(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    // Wine leaves the private bytes 0; the committed bytes (pagefile usage) then stand for them.
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof(memory)))
        snapshot.privateBytes = static_cast<long long>(memory.PrivateUsage    ? memory.PrivateUsage
                                                       : memory.PagefileUsage ? memory.PagefileUsage
                                                                              : memory.WorkingSetSize);
}

void SoakStart(HWND hDemo, HWND hTab, int nPages, const SoakOptions& options) {
    g_hook = ::SetWindowsHookExW(WH_GETMESSAGE, &NoteTaken, nullptr, ::GetCurrentThreadId());
    g_result = 1; // until the driver says otherwise
    g_driver = std::thread([=] { Driver(hDemo, hTab, nPages, options).Run(); });
}

int SoakResult() {
    if (g_driver.joinable()) g_driver.join();
    if (g_hook) ::UnhookWindowsHookEx(g_hook), g_hook = nullptr;
    return g_result;
}
