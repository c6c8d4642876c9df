// The window-system layer: strings and arrays, run-time classes, message routing, attaching.
#include "ListFixtures.h"
#include "frame/Dpi.h"

using namespace harness;

namespace {

TEST(Frame, StringsArraysAndClasses) {
    CString s;
    s.Format(L"%s=%d %.2lf %%.%dlf", L"x", 42, 1.005, 3); // wide arguments
    EXPECT_EQ(s, CString(L"x=42 1.00 %.3lf"));
    CStringArray arr;
    arr.Add(L"a");
    CDWordArray empty;
    const std::function<void()> outside[] = {[&] { arr.GetAt(-1); }, [&] { arr.GetAt(1); },
                                             [&] { empty.RemoveAt(0); }};
    for (const auto& access : outside) EXPECT_TRUE(RaisesInvalidArg(access));
    EXPECT_EQ(CRuntimeClass::FromName(L"CWnd"), RUNTIME_CLASS(CWnd));
    EXPECT_EQ(CRuntimeClass::FromName(L"NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"CNumEdit"), nullptr); // not creatable by name
}

// Records what the map delivers, from WM_NCCREATE on.
struct ProbeWnd : CWnd {
    std::vector<UINT> seen;
    BOOL handleReflected = TRUE;
    LRESULT OnNcCreate(WPARAM, LPARAM) { return seen.push_back(WM_NCCREATE), Default(); }
    LRESULT OnUser(WPARAM wParam, LPARAM) {
        SendMessage(WM_USER + 1); // a nested message, even one that throws, leaves Default its own
        return seen.push_back(UINT(wParam)), Default();
    }
    LRESULT OnThrow(WPARAM, LPARAM) { AfxThrowInvalidArgException(); }
    BOOL OnReflectedNotify(NMHDR*, LRESULT* pResult) { return *pResult = 7, handleReflected; }
    void OnClicked() { seen.push_back(BN_CLICKED); }
    void OnCommandRange(UINT nID) { seen.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
ON_MESSAGE(WM_NCCREATE, &ProbeWnd::OnNcCreate)
ON_MESSAGE(WM_USER, &ProbeWnd::OnUser)
ON_MESSAGE(WM_USER + 1, &ProbeWnd::OnThrow)
ON_NOTIFY_REFLECT_EX(NM_CLICK, &ProbeWnd::OnReflectedNotify)
ON_BN_CLICKED(5, &ProbeWnd::OnClicked)
ON_COMMAND_RANGE(1101, 1103, &ProbeWnd::OnCommandRange)
END_MESSAGE_MAP()

TEST_F(WindowTest, MessagesReachTheEntriesTheyMatch) {
    ProbeWnd probe;
    ASSERT_TRUE(probe.Create(L"STATIC", L"probe", WS_CHILD | WS_VISIBLE, Rect(0, 0, 50, 20), &host, 3));
    EXPECT_EQ(CWnd::FromHandlePermanent(probe.m_hWnd), &probe);
    EXPECT_EQ(probe.SendMessage(WM_USER, 9), 0);
    EXPECT_EQ(TextOf(probe), L"probe");
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, Rect(0, 0, 10, 10), &probe, 5));
    button.SendMessage(BM_CLICK);
    // Commands match code and id; a range takes the ids inside it only.
    for (UINT id : {6u, 1100u, 1101u, 1103u, 1104u})
        probe.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_SETFOCUS), 0);
    EXPECT_EQ(probe.seen, (std::vector<UINT>{WM_NCCREATE, 9, BN_CLICKED, 1101, 1103}));
    // A reflected notification the child handles stays there, unless its _EX handler lets it go on.
    NMHDR nm{probe.m_hWnd, 3, UINT(NM_CLICK)};
    for (BOOL handled : {TRUE, FALSE}) {
        probe.handleReflected = handled;
        host.notifications.clear();
        EXPECT_EQ(host.SendMessage(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&nm)), handled ? 7 : 0);
        EXPECT_EQ(host.notifications.size(), handled ? 0u : 1u);
    }
}

// A self-owned object goes with its window, or with a creation that fails; a descendant is found
// below a child; a subclassed item comes back as it was.
TEST_F(WindowTest, WindowsAttachDetachAndGo) {
    static int alive = 0;
    struct SelfDeletingWnd : CWnd {
        SelfDeletingWnd() { ++alive; }
        ~SelfDeletingWnd() override { --alive; }
        void PostNcDestroy() override { delete this; }
    };
    auto* p = new SelfDeletingWnd;
    ASSERT_TRUE(p->Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 10, 10), &host, 1));
    ::DestroyWindow(p->m_hWnd);
    EXPECT_FALSE(
        (new SelfDeletingWnd)->Create(L"no such class", L"", WS_CHILD, Rect(0, 0, 10, 10), &host, 1));
    EXPECT_EQ(alive, 0);

    CWnd outer;
    ASSERT_TRUE(outer.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 100, 50), &host, 1));
    HWND bare = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, outer, HMENU(4),
                                  nullptr, nullptr);
    EXPECT_EQ(host.GetDescendantWindow(4, TRUE), nullptr); // below a child, no object of its own
    EXPECT_EQ(host.GetDescendantWindow(4)->m_hWnd, bare);  // a temporary one
    CNumEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(4, &outer));
    EXPECT_EQ(CWnd::FromHandlePermanent(bare), &edit);
    TypeChars(bare, L"1x");
    EXPECT_EQ(edit.UnsubclassWindow(), bare);
    TypeChars(bare, L"x");
    EXPECT_EQ(TextOf(bare), L"1x"); // the number edit refused the first x only
    EXPECT_EQ(CWnd::FromHandlePermanent(bare), nullptr);
}

// Each counted kind rises by one while its object lives and falls back when it goes; temporary
// wrappers of handles no object owns are not counted.
TEST_F(WindowTest, LiveCountsFollowTheLibrarysObjects) {
    using Lifetime = std::function<std::function<void()>(CWnd&)>; // makes one object, gives its end
    const std::pair<AfxLive, Lifetime> kinds[] = {
        {AfxLive::DataWindows,
         [](CWnd& host) -> std::function<void()> {
             auto* p = new CDataWnd;
             p->Create(WS_CHILD, Rect(0, 0, 50, 20), &host, 7);
             return [p] { p->DestroyWindow(); };
         }},
        {AfxLive::SelfDeletingWindows,
         [](CWnd& host) -> std::function<void()> {
             auto* p = new CInEditEx(L"x");
             p->Create(WS_CHILD, Rect(0, 0, 50, 20), &host, 8);
             return [p] { p->DestroyWindow(); };
         }},
        {AfxLive::RowRecords,
         [](CWnd& host) -> std::function<void()> {
             auto list = std::make_shared<CPropertyListCtrl>();
             list->Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 9);
             list->InsertItem(L"n", DWT_TEXT, L"v");
             return [list] { list->DeleteAllItems(); };
         }},
        {AfxLive::GdiObjects,
         [](CWnd&) -> std::function<void()> {
             auto font = std::make_shared<CFont>();
             font->CreatePointFont(90, L"Tahoma");
             CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH)); // a temporary wrapper: not counted
             return [font] { font->DeleteObject(); };
         }},
        {AfxLive::Menus,
         [](CWnd&) -> std::function<void()> {
             auto menu = std::make_shared<CMenu>();
             menu->CreatePopupMenu();
             return [menu] { menu->DestroyMenu(); };
         }},
    };
    for (const auto& [kind, make] : kinds) {
        const long before = AfxGetLiveCount(kind);
        const std::function<void()> end = make(host);
        EXPECT_EQ(AfxGetLiveCount(kind), before + 1) << int(kind);
        end();
        EXPECT_EQ(AfxGetLiveCount(kind), before) << int(kind);
    }
}
// A control reads the scale its top-level window was last moved to; before any move, the screen's.
TEST_F(WindowTest, AWindowsDpiIsItsTopLevelWindowsLastScale) {
    CWnd child;
    ASSERT_TRUE(child.Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 10, 10), &host, 1));
    EXPECT_EQ(AfxGetWindowDpi(child.m_hWnd), UINT(ScreenDpi()));
    EXPECT_EQ(AfxGetWindowDpi(nullptr), UINT(ScreenDpi()));
    // (the window told, the scale it brings, what the child then reads)
    const std::tuple<HWND, UINT, UINT> moves[] = {
        {host.m_hWnd, 144, 144},
        {host.m_hWnd, 192, 192},
        {child.m_hWnd, 120, 192}, // a child is not moved by itself
        {host.m_hWnd, 96, 96},
    };
    for (auto [hWnd, nDpi, expected] : moves) {
        ::SendMessageW(hWnd, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), 0);
        EXPECT_EQ(AfxGetWindowDpi(child.m_hWnd), expected) << nDpi;
    }
    // (length at 96, dpi, length there): rounded to the nearest pixel
    const std::tuple<int, UINT, int> lengths[] = {
        {20, 96, 20}, {20, 192, 40}, {3, 144, 5}, {1, 120, 1}, {5, 120, 6}};
    for (auto [length, nDpi, expected] : lengths) EXPECT_EQ(AfxScaleLength(length, nDpi), expected) << length;
}

TEST(Frame, AFrameMovedToAnotherScaleTakesTheSuggestedRectangle) {
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW, CRect(10, 10, 210, 160)));
    const HWND hFrame = pFrame->m_hWnd;
    RECT suggested{20, 30, 420, 330};
    ::SendMessageW(hFrame, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    CRect rc;
    ::GetWindowRect(hFrame, &rc);
    EXPECT_EQ(rc, CRect(suggested));
    EXPECT_EQ(AfxGetWindowDpi(hFrame), 192u);
    ::DestroyWindow(hFrame);
}

} // namespace
