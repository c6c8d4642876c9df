// The in-place edit in a real window: how editing ends and the object's life.
#include "Harness.h"

using namespace harness;

static int g_ends = 0, g_deleted = 0;

struct TestInEdit : CInEditEx {
    using CInEditEx::CInEditEx;
    ~TestInEdit() override { ++g_deleted; }
    void ProcessEndEdit() override { ++g_ends; }
};

using InEditTest = WindowTest;

// How each end reports is checked with the list's cell editor; here the editor opens with its text
// selected, Tab only beeps, and a parent destroyed under it takes it along without an end: the
// object goes exactly once either way.
TEST_F(InEditTest, DeletesItselfOnceWhenEditingEnds) {
    for (UINT end : {UINT(VK_RETURN), UINT(VK_TAB), 0u}) { // 0: the parent destroyed
        SCOPED_TRACE(end);
        g_ends = g_deleted = 0;
        CWnd parent;
        ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 400, 200), &host, 10));
        auto* edit = new TestInEdit(L"old");
        edit->CreateEx(0, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                       Rect(20, 20, 120, 44), &parent, 1001);
        HWND hEdit = edit->m_hWnd;
        EXPECT_EQ(std::pair(::GetFocus(), SelOf(hEdit)), std::pair(hEdit, std::pair(0, 3)));
        BeepCounter beeps;
        end ? PressKey(hEdit, end) : (void)parent.DestroyWindow();
        EXPECT_EQ(beeps.beeps(), end == VK_TAB ? std::vector<UINT>{MB_ICONQUESTION} : std::vector<UINT>{});
        EXPECT_EQ(g_ends, end == VK_RETURN ? 1 : 0);
        if (::IsWindow(hEdit)) { // still editing
            EXPECT_EQ(g_deleted, 0);
            PressKey(hEdit, VK_RETURN);
        }
        Pump();
        EXPECT_EQ(std::pair(::IsWindow(hEdit), g_deleted), std::pair(FALSE, 1));
    }
}
