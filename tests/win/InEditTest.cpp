// The in-place edit in a real window: how editing ends, the object's life, and the refit.
#include "Harness.h"

#include <algorithm>
#include <cstring>

using namespace harness;

namespace {

struct Ended {
    int calls = 0;
    BOOL cancelled = FALSE;
    std::wstring text;
} g_end;
int g_deleted = 0;
// A deleted editor is poisoned and kept until the test ends: a write after the deletion shows in
// the pattern, and a virtual call through the object faults.
std::vector<std::pair<unsigned char*, size_t>> g_graveyard;

class TestInEdit : public CInEditEx {
public:
    using CInEditEx::CInEditEx;
    ~TestInEdit() override { ++g_deleted; }
    static void* operator new(size_t n) { return ::operator new(n); }
    static void operator delete(void* p, size_t n) {
        std::memset(p, 0xDD, n);
        g_graveyard.emplace_back(static_cast<unsigned char*>(p), n);
    }

protected:
    void ProcessEndEdit() override { g_end = {g_end.calls + 1, m_bCancel, TextOf(m_hWnd)}; }
};

class InEditTest : public WindowTest {
public:          // table rows reach the fixture through a reference
    CWnd parent; // 400 pixels wide, with a font
    CEdit other; // somewhere else to click
    HWND hEdit = nullptr;

    void SetUp() override {
        g_end = {};
        g_deleted = 0;
        parent.DestroyWindow();
        other.DestroyWindow();
        ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 400, 200), &host, 10));
        parent.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(420, 10, 600, 34), &host, 11));
    }
    void TearDown() override {
        for (auto [p, n] : g_graveyard) {
            EXPECT_TRUE(std::all_of(p, p + n, [](unsigned char c) { return c == 0xDD; }))
                << "written after deletion";
            ::operator delete(p);
        }
        g_graveyard.clear();
    }
    CInEditEx* Open(LPCWSTR text, DWORD exStyle = 0) {
        auto* edit = new TestInEdit(text);
        edit->CreateEx(exStyle, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                       Rect(20, 20, 120, 44), &parent, 1001);
        hEdit = edit->m_hWnd;
        return edit;
    }
    CRect Placement() const { // the window rectangle in the parent's client coordinates
        CRect rc;
        ::GetWindowRect(hEdit, &rc);
        parent.ScreenToClient(rc);
        return rc;
    }
};

TEST_F(InEditTest, EndsOnceThroughRealFocusChanges) {
    constexpr UINT kClick = 0, kDestroyParent = 1; // else the key that ends it
    struct Row {
        const char* name;
        LPCWSTR typed;
        UINT end;
        int reports;
        BOOL cancelled;
        LPCWSTR text;
    } rows[] = {
        {"Enter", L"ab", VK_RETURN, 1, FALSE, L"ab"},
        {"Enter, unchanged", L"", VK_RETURN, 1, FALSE, L"old"},
        {"click elsewhere", L"x", kClick, 1, FALSE, L"x"},
        {"click elsewhere, unchanged", L"", kClick, 1, FALSE, L"old"},
        {"Escape", L"ab", VK_ESCAPE, 1, TRUE, L"ab"},
        {"Tab beeps, editing goes on", L"", VK_TAB, 0, FALSE, L""},
        // Taken down from outside: nothing moves the focus to end it, but the object goes all the same.
        {"parent destroyed", L"", kDestroyParent, 0, FALSE, L""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        Open(L"old");
        EXPECT_EQ(::GetFocus(), hEdit);
        EXPECT_EQ(SelOf(hEdit), std::make_pair(0, 3));
        BeepCounter beeps;
        TypeChars(hEdit, r.typed);
        if (r.end == kClick) {
            Click(other, 5, 5);
        } else if (r.end == kDestroyParent) {
            parent.DestroyWindow();
        } else {
            PressKey(hEdit, r.end);
        }
        EXPECT_EQ(beeps.beeps(), r.end == VK_TAB ? std::vector<UINT>{MB_ICONQUESTION} : std::vector<UINT>{});
        EXPECT_EQ(g_end.calls, r.reports);
        EXPECT_EQ(g_end.cancelled, r.cancelled);
        EXPECT_EQ(g_end.text, r.text);
        if (::IsWindow(hEdit)) { // still editing
            EXPECT_EQ(g_deleted, 0);
            PressKey(hEdit, VK_RETURN);
        }
        Pump();
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(g_deleted, 1);
    }
}

TEST_F(InEditTest, RefitChangesOnlyTheWidthWithinTheParent) {
    for (DWORD exStyle : {DWORD(0), DWORD(WS_EX_CLIENTEDGE)}) {
        SCOPED_TRACE(exStyle);
        CInEditEx* edit = Open(L"", exStyle);
        const CRect start = Placement();
        for (int i = 0; i < 20; ++i) {
            TypeChars(hEdit, L"W");
            CRect now = Placement();
            EXPECT_EQ(now.TopLeft(), start.TopLeft());
            EXPECT_EQ(now.Height(), start.Height());
        }
        EXPECT_GT(Placement().Width(), start.Width());
        TypeChars(hEdit, std::wstring(40, L'W'));
        EXPECT_EQ(Placement().right, 400); // the parent's client right edge, and no further
        EXPECT_EQ(Placement().left, start.left);

        const int clipped = Placement().Width();
        TypeChars(hEdit, std::wstring(45, L'\b')); // above the threshold, Backspace narrows
        const int narrower = Placement().Width();
        EXPECT_LT(narrower, clipped);
        SetSel(hEdit, 0, 0);
        PressKey(hEdit, VK_DELETE); // not a typed character: no refit
        EXPECT_EQ(TextOf(hEdit), std::wstring(14, L'W'));
        EXPECT_EQ(Placement().Width(), narrower);

        ASSERT_TRUE(edit->SetMaskString(L"[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9]-[0-9][0-9]", '_'));
        EXPECT_EQ(TextOf(hEdit), L"____-____-__");
        EXPECT_LT(Placement().Width(), narrower); // refitted to the mask's shorter display text
        PressKey(hEdit, VK_RETURN);
    }
}

} // namespace
