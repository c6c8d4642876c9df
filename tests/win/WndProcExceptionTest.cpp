// Whatever a handler lets out, at any way in from the window system, reaches the application's
// ProcessWndProcException once, and the application goes on.
#include "Harness.h"

#include <stdexcept>
#include <tuple>

using namespace harness;

namespace {

using Delivered = std::tuple<const CRuntimeClass*, std::wstring, UINT>; // exception, text, message

struct RecordingApp : CWinApp {
    std::vector<Delivered> delivered;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override {
        wchar_t text[128] = L"";
        e->GetErrorMessage(text, 128);
        delivered.emplace_back(e->GetRuntimeClass(), text, pMsg->message);
        e->Delete();
        return pMsg->message == WM_CREATE ? -1 : 0;
    }
};

// Raises on message `at`, or in the creation hook's call of PreSubclassWindow (kHook).
struct ThrowingWnd : CWnd {
    static constexpr UINT kHook = ~0u;
    UINT at = 0;
    std::function<void()> raise;
    BOOL Make(CWnd& parent, UINT atMsg, std::function<void()> what) {
        at = atMsg, raise = std::move(what);
        return Create(L"STATIC", L"", WS_CHILD, RECT{0, 0, 50, 50}, &parent, 1);
    }
    void PreSubclassWindow() override {
        if (at == kHook) raise();
    }
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override {
        if (nMsg == WM_TIMER) KillTimer(wParam);
        if (nMsg == at) raise();
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
};

struct ThrowingSortList : CSortListCtrlEx {
    using CSortListCtrlEx::CompareItems;
    int CompareItems(int, const CString&, const CString&) override { throw std::runtime_error("bad row"); }
};

TEST_F(WindowTest, AnExceptionAtEveryWayInReachesTheApplication) {
    RecordingApp app;
    const struct Row {
        const char* way;
        std::function<bool(ThrowingWnd& wnd)> run; // whether the application went on as it should
        Delivered expected;
    } rows[] = {
        {"creation hook",
         [&](ThrowingWnd& w) { return w.Make(host, ThrowingWnd::kHook, [] { throw 7; }) != FALSE; },
         {RUNTIME_CLASS(CStdException), L"Unknown exception.", WM_NCCREATE}},
        {"WM_CREATE, which fails the creation",
         [&](ThrowingWnd& w) { return !w.Make(host, WM_CREATE, AfxThrowResourceException); },
         {RUNTIME_CLASS(CResourceException), L"A required resource was unavailable.", WM_CREATE}},
        {"window procedure",
         [&](ThrowingWnd& w) {
             return w.Make(host, WM_USER, [] { throw std::runtime_error("disk full"); }) &&
                    !w.SendMessage(WM_USER) && w.SendMessage(WM_GETTEXTLENGTH) == 0;
         },
         {RUNTIME_CLASS(CStdException), L"disk full", WM_USER}},
        {"timer",
         [&](ThrowingWnd& w) {
             if (!w.Make(host, WM_TIMER, AfxThrowInvalidArgException) || !w.SetTimer(1, 1)) return false;
             for (int i = 0; i < 100 && app.delivered.empty(); ++i) ::Sleep(10), Pump();
             return ::IsWindow(w) != FALSE;
         },
         {RUNTIME_CLASS(CInvalidArgException), L"Invalid argument.", WM_TIMER}},
        {"sort comparison, in the parent's WM_NOTIFY of a header click",
         [&](ThrowingWnd&) {
             ThrowingSortList list;
             list.Create(WS_CHILD | WS_VISIBLE, RECT{10, 10, 300, 200}, &host, 2);
             list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
             for (auto* pRow : {new CSortListCtrlEx::CItemData, new CSortListCtrlEx::CItemData})
                 pRow->m_arrText.Add(L"a"), list.InsertItem(0, pRow);
             real::Click(list.GetHeaderCtrl()->m_hWnd, POINT{50, 8});
             return list.GetItemCount() == 2;
         },
         {RUNTIME_CLASS(CStdException), L"bad row", WM_NOTIFY}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.way);
        app.delivered.clear();
        ThrowingWnd wnd;
        EXPECT_TRUE(row.run(wnd));
        EXPECT_EQ(app.delivered, std::vector<Delivered>{row.expected});
    }
}

} // namespace
