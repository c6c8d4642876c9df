// The data window in real windows: the editor each type code builds, the value as text, the right
// button and spin, the window-text messages, and who deletes what. How a date text reads and which
// days the calendar holds are checked natively.
#include "ListFixtures.h"

using namespace harness;

static constexpr UINT kId = 7;

// The code of the COleException the call raises (deleted), 0 when it raises none.
template <class F> static SCODE OleCodeOf(F&& f) {
    try {
        f();
    } catch (COleException* e) {
        const SCODE sc = e->m_sc;
        e->Delete();
        return sc;
    }
    return 0;
}

// The style and rectangle of each child of g_parent created while the hook is set.
static std::vector<std::pair<DWORD, CRect>> g_created;
static HWND g_parent = nullptr;
static LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    const CREATESTRUCTW* cs =
        code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs : nullptr;
    if (cs && cs->hwndParent == g_parent)
        g_created.emplace_back(static_cast<DWORD>(cs->style),
                               CRect(cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class DataWndTest : public WindowTest {
protected:
    CDataWnd* dw = nullptr; // deletes itself when the host's windows go
    void SetUp() override {
        dw = new CDataWnd;
        ASSERT_TRUE(dw->Create(WS_CHILD | WS_VISIBLE, Rect(10, 10, 110, 30), &host, kId));
    }
    HWND Editor() { return dw->GetChildDataWnd() ? dw->GetChildDataWnd()->m_hWnd : nullptr; }
    std::wstring Text() { return dw->GetText().str(); }
    void SetEntries(std::initializer_list<LPCWSTR> entries) {
        CStringArray arr;
        dw->SetStringArrayBySelectType(Fill(arr, entries));
    }
};

// Each code builds its editor, and nothing else, as child 101; what SetText takes in is read back
// as the value and answers WM_GETTEXT. A fresh editor's value and one just set are unmodified.
TEST_F(DataWndTest, EachTypeCodeBuildsItsEditorAndReadsItsValue) {
    WNDCLASSW wc{}; // registered once, in the library's module
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), L"kvt_MFCDataWnd", &wc));
    EXPECT_EQ(std::pair(wc.style, wc.hbrBackground),
              std::pair(UINT(CS_SAVEBITS | CS_CLASSDC), HBRUSH(nullptr)));
    // The list's 200 pixels below; the check box 20 wide in the middle (both at 96 dpi).
    const CRect client(0, 0, 100, 20), dropDown(0, 0, 100, 20 + Scaled(200));
    const CRect check(50 - Scaled(20) / 2, 0, 50 + Scaled(20) / 2, 20);
    const CRuntimeClass *masked = RUNTIME_CLASS(CMaskEditEx), *combo = RUNTIME_CLASS(CComboBox);
    // Type code, the editor's run-time class (none: no editor), its creation style and rectangle, a
    // text set and the value read back.
    const std::tuple<int, const CRuntimeClass*, DWORD, CRect, const wchar_t*, const wchar_t*> rows[] = {
        {DWT_TEXT, masked, 0x50800080, client, L"hello", L"hello"},
        {DWT_NUMBER, masked, 0x50800080, client, L"3", L"3.00"}, // the numeric edit's reading
        {DWT_NUMBER2, masked, 0x50800080, client, L"12.5", L"12.50"},
        {DWT_INTEGER, RUNTIME_CLASS(CEdit), 0x50802080, client, L"42", L"42"},
        {DWT_DATE, RUNTIME_CLASS(CDateTimeCtrl), 0x50000004, client, L"2024-03-05", L"2024-3-5"},
        {DWT_DATE, RUNTIME_CLASS(CDateTimeCtrl), 0x50000004, client, L"2023-4-31", L"2023-5-1"},
        {DWT_LIST, combo, 0x50200443, dropDown, L"green", L"Green"}, // case ignored; the first match
        {DWT_LIST, combo, 0x50200443, dropDown, L"Purple", L""},
        {DWT_CHECK, RUNTIME_CLASS(CButton), 0x50000003, check, L"1 and more", L"1"},
        {DWT_CHECK, RUNTIME_CLASS(CButton), 0x50000003, check, L"abc", L"0"},
        {DWT_COMBO, combo, 0x50200642, dropDown, L"free text", L"free text"},
        {0, nullptr, 0, {}, L"x", L""},
    };
    for (const auto& [type, rtc, style, rect, set, text] : rows) {
        SCOPED_TRACE(testing::Message() << type << " " << set);
        dw->SetType(-1);
        g_created.clear();
        g_parent = dw->m_hWnd;
        HHOOK hook = ::SetWindowsHookExW(WH_CBT, &RecordCreation, nullptr, ::GetCurrentThreadId());
        dw->SetType(type);
        ::UnhookWindowsHookEx(hook);
        ASSERT_EQ(g_created.size(), rtc ? 1u : 0u);
        EXPECT_FALSE(dw->GetModified());
        SetEntries({L"Red", L"Green", L"Blue", L"green"});
        EXPECT_TRUE(dw->SetText(set));
        EXPECT_EQ(std::pair(Text(), TextOf(*dw)), std::pair(std::wstring(text), std::wstring(text)));
        EXPECT_FALSE(dw->GetModified());
        if (!rtc) continue;
        EXPECT_EQ(
            std::tuple(::GetDlgCtrlID(Editor()), dw->GetChildDataWnd()->GetRuntimeClass(), g_created[0]),
            std::tuple(101, rtc, std::pair(style, rect)));
        if (rtc != masked) continue;
        auto* edit = static_cast<CMaskEditEx*>(dw->GetChildDataWnd());
        EXPECT_EQ(std::pair(edit->GetUseMask(), edit->GetUseNumEdit()),
                  std::pair(FALSE, BOOL(type != DWT_TEXT)));
    }
}

// Both number types show and read the separator given, through every rebuild of the editor; a text
// written with '.' is shown with it.
TEST_F(DataWndTest, NumbersTakeTheSeparatorGiven) {
    dw->SetType(DWT_NUMBER);
    dw->SetDecimalSeparator(L',');
    for (int type : {DWT_NUMBER, DWT_TEXT, DWT_NUMBER2}) {
        dw->SetType(type);
        dw->SetText(L"2.25");
        EXPECT_EQ(std::pair(TextOf(Editor()), Text()),
                  type == DWT_TEXT ? std::pair(std::wstring(L"2.25"), std::wstring(L"2.25"))
                                   : std::pair(std::wstring(L"2,25"), std::wstring(L"2,25")));
    }
    EXPECT_TRUE(RaisesInvalidArg([&] { dw->SetDecimalSeparator(L'-'); }));
    EXPECT_EQ(dw->GetDecimalSeparator(), L',');
}
TEST_F(DataWndTest, EditorTakesTheFocusAndTheParentsFont) {
    dw->SetFocus();
    EXPECT_EQ(::GetFocus(), Editor());
    dw->SetType(0);
    dw->SetFocus(); // nothing to hand it to
    dw->MoveWindow(10, 10, 120, 20);

    CWnd parent; // names a font
    ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 200, 40), &host, 2));
    parent.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    auto* inner = new CDataWnd;
    ASSERT_TRUE(inner->Create(WS_CHILD | WS_VISIBLE, Rect(0, 0, 100, 20), &parent, 1));
    inner->SetType(DWT_LIST);
    EXPECT_EQ(inner->GetChildDataWnd()->GetFont(), parent.GetFont());
    EXPECT_NE(parent.GetFont(), nullptr);
    inner->SetFont(static_cast<HFONT>(::GetStockObject(SYSTEM_FIXED_FONT)));
    EXPECT_EQ(inner->GetChildDataWnd()->GetFont(), ::GetStockObject(SYSTEM_FIXED_FONT));
    parent.DestroyWindow();
}

TEST_F(DataWndTest, ModifiedByTheUserOrByTheOwner) {
    dw->SetText(L"hello");
    TypeChars(Editor(), L"!");
    EXPECT_TRUE(dw->GetModified());
    for (BOOL set : {FALSE, TRUE}) EXPECT_EQ((dw->SetModified(set), dw->GetModified()), set);
    dw->SetType(DWT_CHECK);
    Click(Editor(), 5, 5);
    EXPECT_EQ(std::pair(Text(), dw->GetModified()), std::pair(std::wstring(L"1"), TRUE));
}

// A refused date changes neither the picker nor the saved text: the value marked modified stays so.
TEST_F(DataWndTest, DatesOutsideTheCalendarAreRefused) {
    dw->SetType(DWT_DATE);
    dw->SetText(L"2024-3-5");
    dw->SetModified(TRUE);
    // Which days the calendar holds is its own rule; one outside it, one it cannot say, and no date.
    const std::pair<const wchar_t*, SCODE> rows[] = {
        {L"2024-13-1", E_FAIL},
        {L"10000-1-1", E_INVALIDARG}, // the fields pass, the calendar cannot say it
        {L"2024/3/5", 0},             // not a date at all: SetText returns FALSE
    };
    for (auto [bad, code] : rows) {
        BOOL result = TRUE;
        EXPECT_EQ(OleCodeOf([&, text = bad] { result = dw->SetText(text); }), code) << bad;
        EXPECT_EQ(std::tuple(result, Text(), dw->GetModified()),
                  std::tuple(BOOL(code != 0), L"2024-3-5", TRUE));
    }
    // The time of day is midnight; the picker offers only the days SetText takes.
    auto* picker = static_cast<CDateTimeCtrl*>(dw->GetChildDataWnd());
    SYSTEMTIME st{};
    ASSERT_EQ(picker->GetTime(&st), DWORD(GDT_VALID));
    EXPECT_EQ(st.wHour + st.wMinute + st.wSecond, 0);
    SYSTEMTIME range[2]{};
    ASSERT_EQ(picker->SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)), GDTR_MIN | GDTR_MAX);
    const auto day = [](const SYSTEMTIME& t) { return t.wYear * 10000 + t.wMonth * 100 + t.wDay; };
    EXPECT_EQ(std::pair(day(range[0]), day(range[1])), std::pair(19000101, 99991231));
}

TEST_F(DataWndTest, WindowTextMessagesAnswerForTheEditor) {
    ::SetWindowTextW(dw->m_hWnd, L"abcdefg");
    EXPECT_EQ(std::pair(TextOf(Editor()), dw->GetModified()), std::pair(std::wstring(L"abcdefg"), FALSE));
    wchar_t buf[8] = L"#######";
    const auto get = [&](WPARAM n, wchar_t* p) { return dw->SendMessage(WM_GETTEXT, n, LPARAM(p)); };
    EXPECT_EQ((std::tuple{get(5, buf), get(0, buf + 6), std::wstring(buf, 7)}),
              std::tuple(4, 0, std::wstring(L"abcd\0##", 7)));
    EXPECT_EQ(::SendMessageW(dw->m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"z")), 0);
}

TEST_F(DataWndTest, ComboEditBoxCanBeTakenOverByAMaskedEdit) {
    CMaskEditEx masked;
    dw->SubclassChildEdit(&masked); // not a combo: nothing
    EXPECT_EQ(masked.m_hWnd, nullptr);
    dw->SetType(DWT_COMBO);
    SetEntries({L"One"});
    EXPECT_EQ(::SendMessageW(Editor(), CB_GETCOUNT, 0, 0), 1);
    dw->SubclassChildEdit(&masked);
    EXPECT_TRUE(masked.m_hWnd && masked.m_hWnd == ::GetDlgItem(Editor(), 1001));
    dw->DestroyWindow(); // the edit box goes with the combo; the masked edit is the caller's
    EXPECT_EQ(masked.m_hWnd, nullptr);
}

TEST_F(DataWndTest, RightButtonTakesTheRightEdgeAndNotifiesTheParent) {
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
    HWND button = dw->GetRightButton()->m_hWnd;
    EXPECT_EQ(std::pair(::GetDlgCtrlID(button), TextOf(button)), std::pair(102, std::wstring(L"...")));
    EXPECT_FALSE(dw->SetRightButton(L"again", 30, 0));
    // As wide as the window was high; the width stays, the height follows.
    for (auto [cx, cy] : {std::pair{100, 20}, {150, 20}, {150, 30}}) {
        dw->MoveWindow(10, 10, cx, cy);
        EXPECT_EQ(RectIn(*dw, button), CRect(cx - 20, 0, cx, cy));
        EXPECT_EQ(RectIn(*dw, Editor()), CRect(0, 0, cx - 20, cy));
    }
    Click(button, 5, 5);
    ASSERT_EQ(host.notifications.size(), 1u);
    const auto& n = host.notifications[0];
    EXPECT_EQ(std::tuple(n.message, n.wParam, n.idFrom, n.hwndFrom, n.code),
              std::tuple(UINT(WM_NOTIFY), WPARAM(kId), UINT_PTR(kId), dw->m_hWnd, 0xFFFFFFFFu));
    dw->SetType(0);
    EXPECT_FALSE(dw->SetRightButton(L"...", -1, 0)); // no editor to stand beside
}

TEST_F(DataWndTest, SpinOnlyForTheIntegerEditFollowsItsBuddy) {
    EXPECT_FALSE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));
    EXPECT_EQ(dw->SetType(DWT_INTEGER), DWT_TEXT);
    ASSERT_TRUE(dw->SetIntEditSpin(-5, 70000, UDS_ALIGNRIGHT | UDS_SETBUDDYINT));
    EXPECT_FALSE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));
    CSpinButtonCtrl* spin = dw->GetSpinForIntEdit();
    EXPECT_EQ(std::pair(::GetDlgCtrlID(spin->m_hWnd), ::GetParent(spin->m_hWnd)), std::pair(0, dw->m_hWnd));
    int lower = 0, upper = 0;
    spin->GetRange(lower, upper);
    EXPECT_EQ(std::pair(lower, upper), std::pair(-5, 70000 & 0xFFFF)); // 16 bits each

    // Every resize and the right button set the buddy again, which aligns the spin with the edit.
    MessageRecorder rec(spin->m_hWnd, [](UINT m) { return m == UDM_SETBUDDY; });
    dw->MoveWindow(10, 10, 160, 24);
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
    ASSERT_EQ(rec.messages.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HWND>(rec.messages[1].wParam), Editor());
    EXPECT_NEAR(RectIn(*dw, spin->m_hWnd).right, 160 - 24, 2); // it may overlap the edit's border
    // The same code again keeps editor, spin and button; another drops them (see the ownership test).
    CWnd* editor = dw->GetChildDataWnd();
    EXPECT_EQ(dw->SetType(DWT_INTEGER), DWT_INTEGER);
    EXPECT_TRUE(dw->GetChildDataWnd() == editor && dw->GetSpinForIntEdit() == spin && dw->GetRightButton());
}

static int g_made = 0, g_alive = 0;

template <class Base> class Counted : public Base {
public:
    Counted() { ++g_made, ++g_alive; }
    ~Counted() override { --g_alive; }
};

class CountingDataWnd : public Counted<CDataWnd> {
public:
    CWnd* CreateChildWnd(int nType) override {
        if (nType < DWT_TEXT || nType > DWT_COMBO) return nullptr;
        auto* p = new Counted<CEdit>;
        p->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), this, 101);
        return p;
    }

protected:
    CButton* CreateRightButton() override { return new Counted<CButton>; }
};

// Data window, editors and buttons are each deleted exactly once, whichever way they go.
using DataWndOwnershipTest = WindowTest;

TEST_F(DataWndOwnershipTest, DataWndOwnsItsChildrenAndItsWindowOwnsIt) {
    g_made = g_alive = 0;
    for (int i = 0; i < 1000; ++i) {
        auto* dw = new CountingDataWnd;
        ASSERT_TRUE(dw->Create(WS_CHILD, RECT{0, 0, 100, 20}, &host, 1)); // hidden: nothing to paint
        ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
        dw->SetType(DWT_INTEGER); // drops editor and button
        ASSERT_TRUE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));
        HWND spin = dw->GetSpinForIntEdit()->m_hWnd;
        ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
        if (i % 2) {
            dw->SetType(DWT_TEXT); // drops all three again
            ASSERT_FALSE(::IsWindow(spin));
        }
        dw->DestroyWindow(); // the object goes with its window
        ASSERT_EQ(g_alive, 0) << i;
        ASSERT_FALSE(::IsWindow(spin));
    }
    EXPECT_EQ(g_made, 1000 * (1 + 2 + 2) + 500); // data windows, editors, buttons, the odd rounds' editor

    // A creation that fails, here for a code that builds no editor, has released the object already.
    auto* unknown = new CountingDataWnd;
    EXPECT_EQ(unknown->SetType(9), DWT_TEXT); // the code set before the window is the one built
    EXPECT_FALSE(unknown->Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 20}, &host, 1));
    EXPECT_EQ(std::tuple(g_made, g_alive, ::GetWindow(host, GW_CHILD)), std::tuple(5501, 0, HWND{}));
}

TEST(DataWndTime, FieldsAreCheckedThenNormalisedByTheCalendar) {
    const CTime t(2023, 4, 31, 0, 0, 0);
    EXPECT_EQ(t.GetYear() * 10000 + t.GetMonth() * 100 + t.GetDay(), 20230501);
    SYSTEMTIME st{};
    ASSERT_TRUE(CTime(2024, 3, 5, 13, 14, 15).GetAsSystemTime(st));
    EXPECT_EQ(CTime(st), CTime(2024, 3, 5, 13, 14, 15));
    EXPECT_EQ(st.wDayOfWeek, 2); // a Tuesday
    for (auto [h, m, s] : {std::tuple{24, 0, 0}, {0, 60, 0}, {0, 0, -1}})
        EXPECT_EQ(OleCodeOf([h = h, m = m, s = s] { CTime(2024, 1, 1, h, m, s); }), E_FAIL)
            << h << ":" << m << ":" << s;
    EXPECT_EQ(CTime(SYSTEMTIME{1601, 1, 0, 1, 0, 0, 0, 0}).GetTime(), 0); // before 1900: the time 0
}
