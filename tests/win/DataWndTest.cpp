// The data window in real windows: editors per type code, the value as text, the right button
// and spin, the window-text messages, and who deletes what.
#include "Harness.h"

#include <algorithm>
#include <cstring>

using namespace harness;

namespace {

constexpr UINT kId = 7;

CRect RectIn(const CWnd* pParent, HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

std::wstring ClassOf(HWND hWnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

// Expects the call to raise COleException and returns its code (0 when nothing was raised).
template <class F> SCODE OleCodeOf(F&& f) {
    try {
        f();
    } catch (COleException* e) {
        SCODE sc = e->m_sc;
        e->Delete();
        return sc;
    }
    return 0;
}

// Records the creation parameters of every window made on this thread while it lives.
class CreationRecorder {
public:
    struct Created {
        std::wstring cls;
        DWORD style;
        CRect rect;
        HWND parent;
        UINT id;
    };
    std::vector<Created> created;

    CreationRecorder() : m_hook(::SetWindowsHookExW(WH_CBT, &Proc, nullptr, ::GetCurrentThreadId())) {
        s_self = this;
    }
    ~CreationRecorder() {
        ::UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }
    const Created* Find(HWND parent, UINT id) const {
        for (const auto& c : created) {
            if (c.parent == parent && c.id == id) return &c;
        }
        return nullptr;
    }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && s_self) {
            const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            s_self->created.push_back({IS_INTRESOURCE(cs->lpszClass) ? L"#atom" : cs->lpszClass,
                                       static_cast<DWORD>(cs->style),
                                       CRect(cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy), cs->hwndParent,
                                       static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs->hMenu))});
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline CreationRecorder* s_self = nullptr;
    HHOOK m_hook;
};

class DataWndTest : public WindowTest {
protected:
    CDataWnd* dw = nullptr; // deletes itself when the host's windows go
    void SetUp() override {
        dw = new CDataWnd;
        ASSERT_TRUE(dw->Create(WS_CHILD | WS_VISIBLE, Rect(10, 10, 110, 30), &host, kId));
    }
    HWND Editor() { return dw->GetChildDataWnd() ? dw->GetChildDataWnd()->m_hWnd : nullptr; }
    std::wstring Text() { return dw->GetText().str(); }
    void Resize(int cx, int cy) { dw->MoveWindow(10, 10, cx, cy); }
};

// ---- editors --------------------------------------------------------------------------------

TEST_F(DataWndTest, ClassIsRegisteredOnceWithItsStyleInTheLibraryModule) {
    WNDCLASSW wc{};
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), L"kvt_MFCDataWnd", &wc));
    EXPECT_EQ(wc.style, 0x0840u);
    EXPECT_EQ(wc.hbrBackground, nullptr);
    EXPECT_EQ(ClassOf(dw->m_hWnd), L"kvt_MFCDataWnd");
}

TEST_F(DataWndTest, EachTypeCodeBuildsItsEditorAsChild101) {
    struct Row {
        int type;
        const wchar_t* cls;
        const CRuntimeClass* rtc;
        DWORD style;
        CRect rect;
    };
    const CRect client(0, 0, 100, 20);
    const CRect dropDown(0, 0, 100, 220); // the list's 200 pixels below the client area
    const Row rows[] = {
        {DWT_TEXT, L"EDIT", RUNTIME_CLASS(CMaskEditEx), 0x50800080, client},
        {DWT_NUMBER, L"EDIT", RUNTIME_CLASS(CMaskEditEx), 0x50800080, client},
        {DWT_INTEGER, L"EDIT", RUNTIME_CLASS(CEdit), 0x50802080, client},
        {DWT_DATE, DATETIMEPICK_CLASSW, RUNTIME_CLASS(CDateTimeCtrl), 0x50000004, client},
        {DWT_NUMBER2, L"EDIT", RUNTIME_CLASS(CMaskEditEx), 0x50800080, client},
        {DWT_LIST, L"COMBOBOX", RUNTIME_CLASS(CComboBox), 0x50200443, dropDown},
        {DWT_CHECK, L"BUTTON", RUNTIME_CLASS(CButton), 0x50000003, CRect(40, 0, 60, 20)},
        {DWT_COMBO, L"COMBOBOX", RUNTIME_CLASS(CComboBox), 0x50200642, dropDown},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        dw->SetType(0);
        CreationRecorder rec;
        dw->SetType(row.type);
        ASSERT_NE(Editor(), nullptr);
        EXPECT_EQ(dw->GetChildDataWnd()->GetRuntimeClass(), row.rtc);
        const auto* made = rec.Find(dw->m_hWnd, 101);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(_wcsicmp(made->cls.c_str(), row.cls), 0) << made->cls;
        EXPECT_EQ(made->style, row.style);
        EXPECT_EQ(made->rect, row.rect);
        EXPECT_EQ(std::count_if(rec.created.begin(), rec.created.end(),
                                [&](const auto& c) { return c.parent == dw->m_hWnd; }),
                  1); // the editor and nothing else
    }
    dw->SetType(DWT_TEXT);
    auto* text = static_cast<CMaskEditEx*>(dw->GetChildDataWnd());
    EXPECT_FALSE(text->GetUseMask());
    EXPECT_FALSE(text->GetUseNumEdit());
    dw->SetType(DWT_NUMBER);
    auto* number = static_cast<CMaskEditEx*>(dw->GetChildDataWnd());
    EXPECT_FALSE(number->GetUseMask());
    EXPECT_TRUE(number->GetUseNumEdit());
}

TEST_F(DataWndTest, SetTypeKeepsEverythingForTheSameCodeAndRebuildsForAnother) {
    EXPECT_EQ(dw->GetType(), DWT_TEXT);
    EXPECT_EQ(dw->SetType(DWT_INTEGER), DWT_TEXT);
    ASSERT_TRUE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
    CWnd* editor = dw->GetChildDataWnd();
    HWND spin = dw->GetSpinForIntEdit()->m_hWnd;
    HWND button = dw->GetRightButton()->m_hWnd;

    EXPECT_EQ(dw->SetType(DWT_INTEGER), DWT_INTEGER);
    EXPECT_EQ(dw->GetChildDataWnd(), editor);
    EXPECT_NE(dw->GetSpinForIntEdit(), nullptr);
    EXPECT_NE(dw->GetRightButton(), nullptr);

    EXPECT_EQ(dw->SetType(DWT_TEXT), DWT_INTEGER);
    EXPECT_EQ(dw->GetSpinForIntEdit(), nullptr);
    EXPECT_EQ(dw->GetRightButton(), nullptr);
    EXPECT_FALSE(::IsWindow(spin));
    EXPECT_FALSE(::IsWindow(button));
    EXPECT_TRUE(dw->SetRightButton(L"...", -1, 0)); // once per build of the editor
}

TEST_F(DataWndTest, EditorTakesTheParentsFontAndFollowsWmSetFont) {
    // A parent that names a font, as a dialog does.
    class FontParent : public CWnd {
    public:
        HFONT hFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(hFont);
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } parent;
    ASSERT_TRUE(parent.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 40, 300, 80), &host, 2));
    auto* inner = new CDataWnd;
    ASSERT_TRUE(inner->Create(WS_CHILD | WS_VISIBLE, Rect(0, 0, 100, 20), &parent, 1));
    inner->SetType(DWT_LIST);
    EXPECT_EQ(inner->GetChildDataWnd()->GetFont(), parent.hFont);

    HFONT other = static_cast<HFONT>(::GetStockObject(SYSTEM_FIXED_FONT));
    inner->SetFont(other);
    EXPECT_EQ(inner->GetChildDataWnd()->GetFont(), other);
    parent.DestroyWindow();
}

TEST_F(DataWndTest, FocusGoesOnToTheEditor) {
    dw->SetFocus();
    EXPECT_EQ(::GetFocus(), Editor());
    dw->SetType(DWT_COMBO);
    host.SetFocus();
    dw->SetFocus();
    EXPECT_TRUE(::GetFocus() == Editor() || ::GetParent(::GetFocus()) == Editor()); // the combo's edit box
}

// ---- the value as text --------------------------------------------------------------------------

TEST_F(DataWndTest, TextTypesAndTheModifiedFlag) {
    EXPECT_TRUE(dw->SetText(L"hello"));
    EXPECT_EQ(TextOf(Editor()), L"hello");
    EXPECT_FALSE(dw->GetModified());
    TypeChars(Editor(), L"!");
    EXPECT_TRUE(dw->GetModified());
    dw->SetModified(FALSE);
    EXPECT_FALSE(dw->GetModified());
    dw->SetModified(TRUE);
    EXPECT_TRUE(dw->GetModified());
    EXPECT_EQ(Text(), L"!hello");
    dw->SetText(L"!hello"); // the same value set again is unmodified again
    EXPECT_FALSE(dw->GetModified());

    dw->SetType(DWT_COMBO);
    dw->SetText(L"free text");
    EXPECT_EQ(Text(), L"free text");
    EXPECT_FALSE(dw->GetModified());
}

TEST_F(DataWndTest, NumberTypesFilterTypingAndReadTheFormattedValue) {
    for (int type : {DWT_NUMBER, DWT_NUMBER2}) {
        SCOPED_TRACE(type);
        dw->SetType(type);
        BeepCounter beeps;
        TypeChars(Editor(), L"12a.5");
        EXPECT_EQ(TextOf(Editor()), L"12.5");
        EXPECT_EQ(beeps.beeps(), std::vector<UINT>{MB_ICONQUESTION});
        EXPECT_EQ(Text(), static_cast<CNumEdit*>(dw->GetChildDataWnd())->GetValueString().str());
        EXPECT_EQ(Text(), L"12.50");
        // What is saved is the editor's reading, so a reformatted value is not a change.
        dw->SetText(L"3");
        EXPECT_EQ(Text(), L"3.00");
        EXPECT_FALSE(dw->GetModified());
        dw->SetType(DWT_TEXT);
    }
}

TEST_F(DataWndTest, DateTextRoundTripsWithoutLeadingZerosAndNormalises) {
    dw->SetType(DWT_DATE);
    EXPECT_FALSE(dw->GetModified()); // a fresh picker's date is the saved one
    EXPECT_TRUE(dw->SetText(L"2024-03-05"));
    EXPECT_EQ(Text(), L"2024-3-5");
    EXPECT_FALSE(dw->GetModified());
    SYSTEMTIME st{};
    ASSERT_EQ(static_cast<CDateTimeCtrl*>(dw->GetChildDataWnd())->GetTime(&st), DWORD(GDT_VALID));
    EXPECT_EQ(st.wHour + st.wMinute + st.wSecond, 0); // midnight

    dw->SetText(L"2023-4-31");
    EXPECT_EQ(Text(), L"2023-5-1");
    dw->SetText(L"1999-12-31 23:59"); // the time of day is not carried
    EXPECT_EQ(Text(), L"1999-12-31");

    // The picker offers only days the calendar holds, so what a user picks always goes back in.
    auto* picker = static_cast<CDateTimeCtrl*>(dw->GetChildDataWnd());
    SYSTEMTIME early{1950, 6, 0, 1, 0, 0, 0, 0};
    picker->SetTime(&early);
    EXPECT_EQ(Text(), L"1999-12-31");
    SYSTEMTIME range[2]{};
    ASSERT_EQ(picker->SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)), GDTR_MIN | GDTR_MAX);
    for (const SYSTEMTIME& end : range) {
        picker->SetTime(&end);
        const std::wstring picked = Text();
        EXPECT_TRUE(dw->SetText(picked.c_str())) << picked;
        EXPECT_EQ(Text(), picked);
    }
}

TEST_F(DataWndTest, RefusedDatesChangeNeitherPickerNorSavedText) {
    dw->SetType(DWT_DATE);
    dw->SetText(L"2024-3-5");
    dw->SetModified(TRUE); // makes the saved text observable: it must stay "2024-3-5 "

    for (const wchar_t* bad : {L"1899-12-31", L"2024-13-1", L"2024-0-1", L"2024-1-32", L"2024-1-0"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(OleCodeOf([&] { dw->SetText(bad); }), E_FAIL);
        EXPECT_EQ(Text(), L"2024-3-5");
        EXPECT_TRUE(dw->GetModified());
    }
    // Before the run-time calendar's first day: the fields pass, the calendar cannot say it.
    EXPECT_EQ(OleCodeOf([&] { dw->SetText(L"1900-1-1"); }), E_INVALIDARG);
    EXPECT_EQ(Text(), L"2024-3-5");

    EXPECT_FALSE(dw->SetText(L"2024/3/5")); // not a date at all
    EXPECT_EQ(Text(), L"2024-3-5");
    EXPECT_TRUE(dw->GetModified());
}

TEST_F(DataWndTest, ListSelectsTheExactEntryOrNothing) {
    dw->SetType(DWT_LIST);
    CStringArray arr;
    for (LPCWSTR s : {L"Red", L"Green", L"Blue", L"green"}) arr.Add(s);
    dw->SetStringArrayBySelectType(arr);
    auto* combo = static_cast<CComboBox*>(dw->GetChildDataWnd());
    ASSERT_EQ(combo->GetCount(), 4);
    CString first;
    combo->GetLBText(2, first);
    EXPECT_EQ(first, CString(L"Blue")); // array order, not sorted

    dw->SetText(L"green"); // case is ignored; the first match wins
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(Text(), L"Green");
    EXPECT_FALSE(dw->GetModified());
    dw->SetText(L"Purple");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(Text(), L"");

    arr.RemoveAll();
    arr.Add(L"One");
    dw->SetStringArrayBySelectType(arr); // replaces the list
    EXPECT_EQ(combo->GetCount(), 1);

    dw->SetType(DWT_COMBO);
    dw->SetStringArrayBySelectType(arr);
    EXPECT_EQ(static_cast<CComboBox*>(dw->GetChildDataWnd())->GetCount(), 1);
}

TEST_F(DataWndTest, CheckBoxTextIsTheLeadingInteger) {
    dw->SetType(DWT_CHECK);
    EXPECT_EQ(Text(), L"0");
    dw->SetText(L"1");
    EXPECT_EQ(::SendMessageW(Editor(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Text(), L"1");
    dw->SetText(L"abc");
    EXPECT_EQ(Text(), L"0");
    dw->SetText(L"1 and more");
    EXPECT_EQ(Text(), L"1");
    Click(Editor(), 5, 5);
    EXPECT_EQ(Text(), L"0");
    EXPECT_TRUE(dw->GetModified());
}

TEST_F(DataWndTest, UnknownCodesLeaveNoEditorAndAnEmptyText) {
    for (int type : {0, 9}) {
        SCOPED_TRACE(type);
        dw->SetType(DWT_TEXT);
        dw->SetText(L"kept?");
        dw->SetType(type);
        EXPECT_EQ(dw->GetChildDataWnd(), nullptr);
        EXPECT_EQ(Text(), L"");
        EXPECT_TRUE(dw->SetText(L"x"));
        EXPECT_EQ(Text(), L"");
        EXPECT_FALSE(dw->GetModified());
        EXPECT_EQ(TextOf(dw->m_hWnd), L"");
        EXPECT_FALSE(dw->SetRightButton(L"...", -1, 0));
        dw->SetFocus(); // nothing to hand it to
        Resize(120, 20);
    }
}

TEST_F(DataWndTest, WindowTextMessagesAnswerForTheEditor) {
    ::SetWindowTextW(dw->m_hWnd, L"abcdefg");
    EXPECT_EQ(TextOf(Editor()), L"abcdefg");
    EXPECT_FALSE(dw->GetModified());
    EXPECT_EQ(::SendMessageW(dw->m_hWnd, WM_GETTEXTLENGTH, 0, 0), 7);

    wchar_t buf[8];
    std::wmemset(buf, L'#', 8);
    EXPECT_EQ(::SendMessageW(dw->m_hWnd, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buf)), 4);
    EXPECT_EQ(std::wstring(buf, 6), std::wstring(L"abcd\0#", 6));
    std::wmemset(buf, L'#', 8);
    EXPECT_EQ(::SendMessageW(dw->m_hWnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buf)), 0);
    EXPECT_EQ(buf[0], L'#');
    EXPECT_EQ(::SendMessageW(dw->m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"z")), 0);

    dw->SetType(DWT_DATE);
    dw->SetWindowText(L"2024-03-05");
    EXPECT_EQ(TextOf(dw->m_hWnd), L"2024-3-5");
}

TEST_F(DataWndTest, ComboEditBoxCanBeTakenOverByAMaskedEdit) {
    auto masked = std::make_unique<CMaskEditEx>();
    dw->SetType(DWT_TEXT);
    dw->SubclassChildEdit(masked.get()); // not a combo: nothing
    EXPECT_EQ(masked->m_hWnd, nullptr);
    dw->SetType(DWT_COMBO);
    dw->SubclassChildEdit(masked.get());
    EXPECT_EQ(masked->m_hWnd, ::GetDlgItem(Editor(), 1001));
    EXPECT_NE(masked->m_hWnd, nullptr);
    dw->DestroyWindow(); // the edit box goes with the combo; the masked edit is the caller's
    EXPECT_EQ(masked->m_hWnd, nullptr);
}

// ---- right button and spin ---------------------------------------------------------------------

TEST_F(DataWndTest, RightButtonTakesTheRightEdgeAndKeepsItsWidth) {
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
    HWND button = dw->GetRightButton()->m_hWnd;
    EXPECT_EQ(::GetDlgCtrlID(button), 102);
    EXPECT_EQ(TextOf(button), L"...");
    EXPECT_EQ(RectIn(dw, button), CRect(80, 0, 100, 20));
    EXPECT_EQ(RectIn(dw, Editor()), CRect(0, 0, 80, 20));
    EXPECT_FALSE(dw->SetRightButton(L"again", 30, 0));
    EXPECT_EQ(dw->GetRightButton()->m_hWnd, button);

    Resize(150, 20);
    EXPECT_EQ(RectIn(dw, button), CRect(130, 0, 150, 20));
    EXPECT_EQ(RectIn(dw, Editor()), CRect(0, 0, 130, 20));
    Resize(150, 30);
    EXPECT_EQ(RectIn(dw, button), CRect(130, 0, 150, 30)); // the width stays, the height follows
}

TEST_F(DataWndTest, RightButtonClickReachesTheParentAsNotifyMinusOne) {
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0));
    HWND button = dw->GetRightButton()->m_hWnd;
    Click(button, 5, 5);
    ::SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
    ASSERT_EQ(host.notifications.size(), 2u);
    for (const auto& n : host.notifications) {
        EXPECT_EQ(n.message, UINT(WM_NOTIFY));
        EXPECT_EQ(n.wParam, WPARAM(kId));
        EXPECT_EQ(n.idFrom, UINT_PTR(kId));
        EXPECT_EQ(n.hwndFrom, dw->m_hWnd);
        EXPECT_EQ(n.code, 0xFFFFFFFFu);
    }
}

TEST_F(DataWndTest, SpinOnlyForTheIntegerEditFollowsItsBuddy) {
    EXPECT_FALSE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));
    EXPECT_EQ(dw->GetSpinForIntEdit(), nullptr);
    dw->SetType(DWT_INTEGER);
    ASSERT_TRUE(dw->SetIntEditSpin(-5, 70000, UDS_ALIGNRIGHT | UDS_SETBUDDYINT));
    CSpinButtonCtrl* spin = dw->GetSpinForIntEdit();
    EXPECT_EQ(::GetDlgCtrlID(spin->m_hWnd), 0);
    EXPECT_EQ(::GetParent(spin->m_hWnd), dw->m_hWnd);
    EXPECT_EQ(reinterpret_cast<HWND>(spin->SendMessage(UDM_GETBUDDY)), Editor());
    int lower = 0, upper = 0;
    spin->GetRange(lower, upper);
    EXPECT_EQ(lower, -5);
    EXPECT_EQ(upper, 70000 & 0xFFFF); // 16 bits each
    EXPECT_FALSE(dw->SetIntEditSpin(0, 10, UDS_ALIGNRIGHT));

    // Every resize sets the buddy again, which aligns the spin with the resized edit.
    MessageRecorder rec(spin->m_hWnd, [](UINT m) { return m == UDM_SETBUDDY; });
    Resize(150, 20);
    Resize(160, 24);
    ASSERT_EQ(rec.messages.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HWND>(rec.messages[1].wParam), Editor());
    // The up-down control may overlap its buddy's border by a pixel or two.
    EXPECT_NEAR(RectIn(dw, spin->m_hWnd).right, 160, 2);
    EXPECT_LE(RectIn(dw, Editor()).right, RectIn(dw, spin->m_hWnd).left + 2);

    rec.clear();
    ASSERT_TRUE(dw->SetRightButton(L"...", -1, 0)); // the edit moves: so does the spin
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_NEAR(RectIn(dw, spin->m_hWnd).right, 160 - 24, 2);
}

// ---- ownership and failure ----------------------------------------------------------------------

struct Census {
    int made = 0;
    int gone = 0;
    int alive() const { return made - gone; }
};
Census g_editors, g_buttons, g_dataWnds;

class CountedEdit : public CEdit {
public:
    CountedEdit() { ++g_editors.made; }
    ~CountedEdit() override { ++g_editors.gone; }
};

class CountedButton : public CButton {
public:
    CountedButton() { ++g_buttons.made; }
    ~CountedButton() override { ++g_buttons.gone; }
};

class CountingDataWnd : public CDataWnd {
public:
    explicit CountingDataWnd(bool bNoEditor = false) : m_bNoEditor(bNoEditor) { ++g_dataWnds.made; }
    ~CountingDataWnd() override { ++g_dataWnds.gone; }

    CWnd* CreateChildWnd(int nType) override {
        if (m_bNoEditor || nType < DWT_TEXT || nType > DWT_COMBO) return nullptr;
        CRect rc;
        GetClientRect(&rc);
        auto* p = new CountedEdit;
        p->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rc, this, 101);
        return p;
    }

protected:
    CButton* CreateRightButton() override { return new CountedButton; }
    bool m_bNoEditor;
};

class DataWndOwnershipTest : public WindowTest {
protected:
    void SetUp() override { g_editors = g_buttons = g_dataWnds = {}; }
    int ChildWindowsOfHost() {
        int n = 0;
        ::EnumChildWindows(
            host.m_hWnd, [](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), TRUE; },
            reinterpret_cast<LPARAM>(&n));
        return n;
    }
};

TEST_F(DataWndOwnershipTest, EveryOwnedObjectIsDeletedExactlyOnce) {
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
        ASSERT_EQ(g_dataWnds.alive(), 0) << i;
        ASSERT_EQ(g_editors.alive(), 0) << i;
        ASSERT_EQ(g_buttons.alive(), 0) << i;
        ASSERT_FALSE(::IsWindow(spin));
    }
    EXPECT_EQ(g_dataWnds.made, 1000);
    EXPECT_EQ(g_editors.made, 1000 * 2 + 500);
    EXPECT_EQ(g_buttons.made, 2000);
    EXPECT_EQ(ChildWindowsOfHost(), 0);
}

TEST_F(DataWndOwnershipTest, CreationFailsWithoutAnEditorAndReleasesTheObject) {
    auto* dw = new CountingDataWnd(true);
    EXPECT_FALSE(dw->Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 20}, &host, 1));
    EXPECT_EQ(g_dataWnds.alive(), 0);

    // The code set before the window exists is the one creation builds.
    auto* unknown = new CountingDataWnd;
    EXPECT_EQ(unknown->SetType(9), DWT_TEXT);
    EXPECT_FALSE(unknown->Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 20}, &host, 1));
    EXPECT_EQ(g_dataWnds.alive(), 0);
    EXPECT_EQ(g_editors.made, 0);
    EXPECT_EQ(ChildWindowsOfHost(), 0);
}

// ---- the time value the date type rests on ----------------------------------------------------

TEST(DataWndTime, FieldsAreCheckedThenNormalisedByTheCalendar) {
    CTime t(2023, 4, 31, 0, 0, 0);
    EXPECT_EQ(t.GetYear() * 10000 + t.GetMonth() * 100 + t.GetDay(), 20230501);
    SYSTEMTIME st{};
    ASSERT_TRUE(CTime(2024, 3, 5, 13, 14, 15).GetAsSystemTime(st));
    EXPECT_EQ(CTime(st), CTime(2024, 3, 5, 13, 14, 15));
    EXPECT_EQ(st.wDayOfWeek, 2); // a Tuesday

    EXPECT_EQ(OleCodeOf([] { CTime(2024, 1, 1, 24, 0, 0); }), E_FAIL);
    EXPECT_EQ(OleCodeOf([] { CTime(2024, 1, 1, 0, 60, 0); }), E_FAIL);
    EXPECT_EQ(OleCodeOf([] { CTime(2024, 1, 1, 0, 0, -1); }), E_FAIL);
    SYSTEMTIME early{};
    early.wYear = 1601;
    early.wMonth = early.wDay = 1;
    EXPECT_EQ(CTime(early).GetTime(), 0); // before 1900: the time 0
}

} // namespace
