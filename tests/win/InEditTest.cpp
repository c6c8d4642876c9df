// The in-place edit in a real window: how editing ends and the object's life.
#include "Harness.h"

#include <algorithm>
#include <cstring>

using namespace harness;

namespace {

int g_ends = 0, g_deleted = 0;
// A deleted editor is poisoned and kept until the test ends: a write after the deletion shows in
// the pattern, and a virtual call through the object faults.
std::vector<std::pair<unsigned char*, size_t>> g_graveyard;

class TestInEdit : public CInEditEx {
public:
    using CInEditEx::CInEditEx;
    ~TestInEdit() override { ++g_deleted; }
    static void operator delete(void* p, size_t n) {
        std::memset(p, 0xDD, n);
        g_graveyard.emplace_back(static_cast<unsigned char*>(p), n);
    }

protected:
    void ProcessEndEdit() override { ++g_ends; }
};

class InEditTest : public WindowTest {
protected:
    CWnd parent;
    HWND hEdit = nullptr;

    void SetUp() override {
        g_ends = g_deleted = 0;
        parent.DestroyWindow();
        ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 400, 200), &host, 10));
    }
    void TearDown() override {
        for (auto [p, n] : g_graveyard) {
            EXPECT_TRUE(std::all_of(p, p + n, [](unsigned char c) { return c == 0xDD; }))
                << "written after deletion";
            ::operator delete(p);
        }
        g_graveyard.clear();
    }
    void Open(LPCWSTR text) {
        auto* edit = new TestInEdit(text);
        edit->CreateEx(0, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                       Rect(20, 20, 120, 44), &parent, 1001);
        hEdit = edit->m_hWnd;
    }
};

// How each end reports is checked with the list's cell editor; here the editor opens with its text
// selected, Tab only beeps, a parent destroyed under it takes it along without an end, and the
// object deletes itself once and is not touched afterwards.
TEST_F(InEditTest, DeletesItselfOnceWhenEditingEnds) {
    for (UINT end : {UINT(VK_RETURN), UINT(VK_TAB), 0u}) { // 0: the parent destroyed
        SCOPED_TRACE(end);
        SetUp();
        Open(L"old");
        EXPECT_EQ(std::make_pair(::GetFocus(), SelOf(hEdit)), std::make_pair(hEdit, std::make_pair(0, 3)));
        BeepCounter beeps;
        end ? PressKey(hEdit, end) : (void)parent.DestroyWindow();
        EXPECT_EQ(beeps.beeps(), end == VK_TAB ? std::vector<UINT>{MB_ICONQUESTION} : std::vector<UINT>{});
        EXPECT_EQ(g_ends, end == VK_RETURN ? 1 : 0);
        if (::IsWindow(hEdit)) { // still editing
            EXPECT_EQ(g_deleted, 0);
            PressKey(hEdit, VK_RETURN);
        }
        Pump();
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(g_deleted, 1);
    }
}

} // namespace
