// The in-place edit in a real window: the end of editing through real keys and focus changes,
// the object's life, and the width it refits to while the user types.
#include "Harness.h"

#include <algorithm>
#include <cstring>

using namespace harness;

namespace {

struct EndRecord {
    int calls = 0;
    BOOL cancelled = FALSE;
    std::wstring text;
};
EndRecord g_end;
int g_deleted = 0;
// Deleted objects are poisoned and kept until the test ends, so that a write after the deletion
// shows in the pattern and a virtual call through the object faults.
std::vector<std::pair<unsigned char*, size_t>> g_quarantine;

class TestInEdit : public CInEditEx {
public:
    using CInEditEx::CInEditEx;
    ~TestInEdit() override { ++g_deleted; }
    static void* operator new(size_t n) { return ::operator new(n); }
    static void operator delete(void* p, size_t n) {
        std::memset(p, 0xDD, n);
        g_quarantine.emplace_back(static_cast<unsigned char*>(p), n);
    }

protected:
    void ProcessEndEdit() override {
        ++g_end.calls;
        g_end.cancelled = m_bCancel;
        g_end.text = TextOf(m_hWnd);
    }
};

class InEditTest : public WindowTest {
public: // the rows of a table reach the fixture through a reference
    // The editor's parent: a window with a font and a known client width.
    CWnd parent;
    CEdit other; // somewhere else to click
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    TestInEdit* edit = nullptr;
    HWND hEdit = nullptr;
    BeepCounter beeps;

    void SetUp() override {
        g_end = {};
        g_deleted = 0;
        ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 400, 200), &host, 10));
        parent.SetFont(font);
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(420, 10, 600, 34), &host, 11));
    }
    void TearDown() override {
        for (auto [p, n] : g_quarantine) {
            EXPECT_TRUE(std::all_of(p, p + n, [](unsigned char c) { return c == 0xDD; }))
                << "the object was written to after it deleted itself";
            ::operator delete(p);
        }
        g_quarantine.clear();
    }
    void Open(LPCWSTR text, DWORD exStyle = 0, RECT rc = Rect(20, 20, 120, 44)) {
        edit = new TestInEdit(text);
        ASSERT_TRUE(edit->CreateEx(exStyle, L"EDIT", nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rc, &parent, 1001));
        hEdit = edit->m_hWnd;
    }
    // The editor's window rectangle in its parent's client coordinates.
    CRect Placement() const {
        CRect rc;
        ::GetWindowRect(hEdit, &rc);
        parent.ScreenToClient(rc);
        return rc;
    }
    int TextExtent(const std::wstring& text) const {
        HDC dc = ::GetDC(hEdit);
        HGDIOBJ old = ::SelectObject(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(hEdit, dc);
        return size.cx;
    }
};

TEST_F(InEditTest, OpensWithTheParentsFontTheTextSelectedAndTheFocus) {
    Open(L"hello");
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(hEdit, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(TextOf(hEdit), L"hello");
    EXPECT_EQ(SelOf(hEdit), std::make_pair(0, 5));
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_EQ(Placement(), CRect(20, 20, 120, 44)); // no refit before typing
    EXPECT_FALSE(edit->GetUseMask());
    EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CMaskEditEx)));
    EXPECT_STREQ(edit->GetRuntimeClass()->m_lpszClassName, "CInEditEx");
    PressKey(hEdit, VK_RETURN);
}

TEST_F(InEditTest, EndsOnceAndReportsThroughRealFocusChanges) {
    struct Row {
        const char* name;
        std::function<void(InEditTest&)> act;
        bool reports; // false: no report (still open, or taken down from outside)
        BOOL cancelled;
        std::wstring text;
        std::vector<UINT> beeps;
    } rows[] = {
        {"Enter",
         [](InEditTest& t) {
             TypeChars(t.hEdit, L"ab");
             PressKey(t.hEdit, VK_RETURN);
         },
         true,
         FALSE,
         L"ab",
         {}},
        {"Enter, text unchanged",
         [](InEditTest& t) { PressKey(t.hEdit, VK_RETURN); },
         true,
         FALSE,
         L"old",
         {}},
        {"click elsewhere",
         [](InEditTest& t) {
             TypeChars(t.hEdit, L"x");
             Click(t.other, 5, 5);
         },
         true,
         FALSE,
         L"x",
         {}},
        {"click elsewhere, text unchanged",
         [](InEditTest& t) { Click(t.other, 5, 5); },
         true,
         FALSE,
         L"old",
         {}},
        {"Escape",
         [](InEditTest& t) {
             TypeChars(t.hEdit, L"ab");
             PressKey(t.hEdit, VK_ESCAPE);
         },
         true,
         TRUE,
         L"ab",
         {}},
        {"Tab", [](InEditTest& t) { PressKey(t.hEdit, VK_TAB); }, false, FALSE, L"", {MB_ICONQUESTION}},
        // Taken down from outside: no focus change to end it, so no report, and gone all the same.
        {"parent destroyed", [](InEditTest& t) { t.parent.DestroyWindow(); }, false, FALSE, L"", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        parent.DestroyWindow();
        other.DestroyWindow();
        SetUp();
        Open(L"old");
        BeepCounter rowBeeps;
        r.act(*this);
        EXPECT_EQ(rowBeeps.beeps(), r.beeps);
        if (r.reports) {
            EXPECT_EQ(g_end.calls, 1);
            EXPECT_EQ(g_end.cancelled, r.cancelled);
            EXPECT_EQ(g_end.text, r.text);
            EXPECT_FALSE(::IsWindow(hEdit));
            EXPECT_EQ(g_deleted, 1);
        } else if (!::IsWindow(hEdit)) {
            EXPECT_EQ(g_end.calls, 0);
            EXPECT_EQ(g_deleted, 1);
        } else {
            EXPECT_EQ(g_end.calls, 0);
            EXPECT_EQ(::GetFocus(), hEdit);
            TypeChars(hEdit, L"z"); // still editing
            EXPECT_EQ(TextOf(hEdit), L"z");
            PressKey(hEdit, VK_RETURN);
            EXPECT_EQ(g_deleted, 1);
        }
        Pump();
        EXPECT_EQ(g_deleted, 1);
    }
}

TEST_F(InEditTest, TypingRefitsOnlyTheWidthUpToTheParentsRightEdge) {
    for (DWORD exStyle : {DWORD(0), DWORD(WS_EX_CLIENTEDGE)}) {
        SCOPED_TRACE(exStyle);
        Open(L"", exStyle);
        const CRect start = Placement();
        std::wstring typed;
        int lastWidth = 0; // the first character already narrows the editor to its text
        for (int i = 0; i < 20; ++i) {
            TypeChars(hEdit, L"W");
            typed += L'W';
            CRect now = Placement();
            EXPECT_EQ(now.left, start.left);
            EXPECT_EQ(now.top, start.top);
            EXPECT_EQ(now.Height(), start.Height());
            EXPECT_GE(now.Width(), lastWidth);
            lastWidth = now.Width();
        }
        EXPECT_GT(lastWidth, TextExtent(typed)); // the pad keeps room behind the text

        TypeChars(hEdit, std::wstring(40, L'W'));
        EXPECT_EQ(Placement().right, 400); // the parent's client right edge, and no further
        EXPECT_EQ(Placement().left, start.left);
        PressKey(hEdit, VK_RETURN);
    }
}

TEST_F(InEditTest, BackspaceNarrowsAboveTheThresholdDeleteLeavesTheWidth) {
    Open(L"");
    edit->SetMinLength(10);
    TypeChars(hEdit, L"WWWWWWWWWWWWWWWWWWWW");
    int wide = Placement().Width();
    TypeChars(hEdit, L"\b\b\b\b\b");
    int narrower = Placement().Width();
    EXPECT_LT(narrower, wide);
    EXPECT_GT(narrower, TextExtent(std::wstring(15, L'W')));

    SetSel(hEdit, 0, 0);
    PressKey(hEdit, VK_DELETE);
    PressKey(hEdit, VK_DELETE);
    EXPECT_EQ(TextOf(hEdit), std::wstring(13, L'W'));
    EXPECT_EQ(Placement().Width(), narrower);

    // Below both the editor's width and the threshold the width stays.
    edit->SetMinLength(1000);
    TypeChars(hEdit, L"\b\b\b\b\b\b\b\b\b\b\b\b");
    EXPECT_EQ(Placement().Width(), narrower);
    PressKey(hEdit, VK_RETURN);
}

TEST_F(InEditTest, MaskStringRefitsToItsDisplayText) {
    Open(L"");
    const std::wstring mask =
        L"[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9][0-9]";
    ASSERT_TRUE(edit->SetMaskString(mask.c_str(), '_'));
    EXPECT_EQ(TextOf(hEdit), L"____-____-____-____");
    EXPECT_GT(Placement().Width(), TextExtent(L"____-____-____-____"));
    EXPECT_FALSE(edit->SetMaskString(L"[0-9", '_'));
    PressKey(hEdit, VK_RETURN);
}

} // namespace
