// The window-system layer: run-time classes, arrays, strings, message routing.
#include "Harness.h"

using namespace harness;

namespace {

TEST(Frame, ArraysRaiseInvalidArgOutsideTheirBounds) {
    CStringArray arr;
    arr.Add(L"a");
    arr.InsertAt(0, L"b");
    EXPECT_EQ(arr.GetAt(0), CString(L"b"));
    CDWordArray empty;
    const std::function<void()> outside[] = {[&] { arr.GetAt(-1); }, [&] { arr.GetAt(2); },
                                             [&] { empty.RemoveAt(0); }};
    for (const auto& access : outside) {
        bool invalidArg = false;
        try {
            access();
        } catch (CException* e) {
            invalidArg = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
            e->Delete();
        }
        EXPECT_TRUE(invalidArg);
    }
}

TEST(Frame, StringFormatUsesWideArguments) {
    CString s;
    s.Format(L"%s=%d %.2lf", L"x", 42, 1.005);
    EXPECT_EQ(s, CString(L"x=42 1.00"));
    s.Format(L"%%.%dlf", 3);
    EXPECT_EQ(s, CString(L"%.3lf"));
    CString t(L"abcabc");
    EXPECT_EQ(t.Replace(L"bc", L"x"), 2);
    EXPECT_EQ(t, CString(L"axax"));
    EXPECT_EQ(t.Mid(1, 2), CString(L"xa"));
    EXPECT_EQ(CString(L"AbC").CompareNoCase(L"abc"), 0);
}

// Records what the map delivers and answers WM_NCCREATE from the map, to show the object is
// attached from the window's first message.
class ProbeWnd : public CWnd {
public:
    std::vector<UINT> seen;
    int clicks = 0;
    bool handleReflected = true;
    LRESULT OnNcCreate(WPARAM, LPARAM) {
        seen.push_back(WM_NCCREATE);
        return Default();
    }
    LRESULT OnUser(WPARAM wParam, LPARAM) {
        // A nested message in between, even one whose handler throws, must not change what Default
        // passes on.
        SendMessage(WM_GETTEXTLENGTH);
        EXPECT_EQ(SendMessage(WM_USER + 1), 0);
        seen.push_back(UINT(wParam));
        return Default();
    }
    LRESULT OnThrow(WPARAM, LPARAM) {
        AfxThrowInvalidArgException();
        return 5;
    }
    int OnCreate(LPCREATESTRUCTW) {
        if (failCreate) AfxThrowResourceException();
        return 0;
    }
    bool failCreate = false;
    BOOL OnReflectedNotify(NMHDR*, LRESULT* pResult) {
        *pResult = 7;
        return handleReflected;
    }
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
ON_MESSAGE(WM_NCCREATE, &ProbeWnd::OnNcCreate)
ON_MESSAGE(WM_USER, &ProbeWnd::OnUser)
ON_MESSAGE(WM_USER + 1, &ProbeWnd::OnThrow)
ON_WM_CREATE()
ON_NOTIFY_REFLECT_EX(NM_CLICK, &ProbeWnd::OnReflectedNotify)
ON_BN_CLICKED(5, &ProbeWnd::OnClicked)
END_MESSAGE_MAP()

class FrameWindowTest : public WindowTest {
protected:
    ProbeWnd probe;
    bool CreateProbe() {
        return probe.Create(L"STATIC", L"probe", WS_CHILD | WS_VISIBLE, Rect(0, 0, 50, 20), &host, 3);
    }
};

TEST_F(FrameWindowTest, ObjectSeesFirstMessageAndDefaultPassesTheCurrentOne) {
    ASSERT_TRUE(CreateProbe());
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front(), UINT(WM_NCCREATE));
    EXPECT_EQ(CWnd::FromHandlePermanent(probe.m_hWnd), &probe);
    // Default after a nested SendMessage still hands WM_USER to the original procedure.
    EXPECT_EQ(probe.SendMessage(WM_USER, 9), 0);
    EXPECT_EQ(probe.seen.back(), 9u);
    EXPECT_EQ(TextOf(probe), L"probe");
}

TEST_F(FrameWindowTest, ExceptionsFromHandlersEndInTheDispatch) {
    probe.failCreate = true;
    EXPECT_FALSE(CreateProbe());
    EXPECT_EQ(probe.m_hWnd, nullptr);
}

TEST_F(FrameWindowTest, ReflectedNotificationHandledByChildDoesNotReachParent) {
    ASSERT_TRUE(CreateProbe());
    NMHDR nm{probe.m_hWnd, 3, UINT(NM_CLICK)};
    EXPECT_EQ(host.SendMessage(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&nm)), 7);
    EXPECT_TRUE(host.notifications.empty());
    probe.handleReflected = false; // the _EX handler lets it go on
    host.SendMessage(WM_NOTIFY, 3, reinterpret_cast<LPARAM>(&nm));
    ASSERT_EQ(host.notifications.size(), 1u);
    EXPECT_EQ(host.notifications[0].code, UINT(NM_CLICK));
}

TEST_F(FrameWindowTest, CommandEntriesMatchCodeAndId) {
    ASSERT_TRUE(CreateProbe());
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, Rect(0, 0, 10, 10), &probe, 5));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(probe.clicks, 1);
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(6, BN_CLICKED), 0);
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_SETFOCUS), 0);
    EXPECT_EQ(probe.clicks, 1);
}

class ConsumingWnd : public CWnd {
public:
    std::vector<HWND> asked;
    UINT consume = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        asked.push_back(m_hWnd);
        return pMsg->message == consume;
    }
};

TEST_F(FrameWindowTest, PreTranslationWalksFromTargetUpThroughParents) {
    ConsumingWnd outer, inner;
    ASSERT_TRUE(outer.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 100, 50), &host, 1));
    ASSERT_TRUE(inner.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 80, 20), &outer, 2));
    outer.consume = WM_CHAR;
    TypeChars(inner, L"x");
    EXPECT_EQ(TextOf(inner), L""); // consumed by the parent before dispatch
    EXPECT_EQ(inner.asked, std::vector<HWND>{inner.m_hWnd});
    EXPECT_EQ(outer.asked, std::vector<HWND>{outer.m_hWnd});
    outer.consume = 0;
    TypeChars(inner, L"y");
    EXPECT_EQ(TextOf(inner), L"y");
}

class SelfDeletingWnd : public CWnd {
public:
    static inline int alive = 0;
    SelfDeletingWnd() { ++alive; }
    ~SelfDeletingWnd() override { --alive; }

protected:
    void PostNcDestroy() override { delete this; }
};

TEST_F(FrameWindowTest, SelfOwnedWindowLivesAsLongAsItsWindow) {
    auto* p = new SelfDeletingWnd;
    ASSERT_TRUE(p->Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 10, 10), &host, 1));
    EXPECT_EQ(SelfDeletingWnd::alive, 1);
    ::DestroyWindow(p->m_hWnd);
    EXPECT_EQ(SelfDeletingWnd::alive, 0);
    // A failed creation releases the object as well.
    auto* q = new SelfDeletingWnd;
    EXPECT_FALSE(q->Create(L"no such class", L"", WS_CHILD, Rect(0, 0, 10, 10), &host, 1));
    EXPECT_EQ(SelfDeletingWnd::alive, 0);
}

TEST_F(FrameWindowTest, SubclassAndUnsubclassADialogItem) {
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, host.m_hWnd,
                                   reinterpret_cast<HMENU>(44), nullptr, nullptr);
    CNumEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(44, &host));
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), &edit);
    BeepCounter beeps;
    TypeChars(hEdit, L"1x");
    EXPECT_EQ(TextOf(hEdit), L"1");
    EXPECT_EQ(beeps.count(), 1u);
    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    TypeChars(hEdit, L"x");
    EXPECT_EQ(TextOf(hEdit), L"1x");
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    ::DestroyWindow(hEdit);
}

TEST(Frame, RegistryFindsAndCreatesByName) {
    EXPECT_EQ(CRuntimeClass::FromName(L"CWnd"), RUNTIME_CLASS(CWnd));
    EXPECT_EQ(CRuntimeClass::FromName(L"NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"CNumEdit"), nullptr); // not creatable by name
}

} // namespace
