// The property list and the condition list under a user's keyboard and mouse (real input): every
// row type walked with the keys alone, values no editor can hold, the focus never lost, the edit
// taken in when the focus leaves, and editing switched off on every path.
#include "Harness.h"

#include <functional>

using namespace harness;

namespace {

// Puts a spin on the row named "Spin" and a browse button on the row named "Browse", as an
// application does in ShowIndex.
class KeyList : public CPropertyListCtrl {
public:
    using CPropertyListCtrl::m_nCurIndex;
    using CPropertyListCtrl::m_pDataWnd;

protected:
    void ShowIndex(int nIndex) override {
        CPropertyListCtrl::ShowIndex(nIndex);
        const CString name = GetItemText(nIndex, 0);
        if (name == L"Spin") m_pDataWnd->SetIntEditSpin(0, 100);
        if (name == L"Browse" && !m_pDataWnd->GetRightButton()) m_pDataWnd->SetRightButton(L"...");
    }
};

// The picker selects no field until an arrow key moves to one; Right lands on the day.
void PickerDayUp() {
    real::Key(VK_RIGHT);
    real::Key(VK_UP);
}

struct Row {
    const wchar_t* name;
    int type;
    const wchar_t* value;
};

class EditorKeyboardTest : public WindowTest {
protected:
    KeyList list;
    CButton save; // a button outside the list, as an application's Save
    CStringArray choices;

    void Make(std::initializer_list<Row> rows) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 10, 330, 250), &host, 1));
        ASSERT_TRUE(
            save.Create(L"Save", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Rect(340, 10, 420, 34), &host, 2));
        for (const Row& r : rows) {
            if (r.type == DWT_LIST || r.type == DWT_COMBO) {
                choices.RemoveAll();
                for (LPCWSTR s : {L"Red", L"Green", L"Blue"}) choices.Add(s);
                const int n = list.InsertItem(r.name, static_cast<UINT>(r.type), choices);
                list.SetItemText(n, 1, r.value);
            } else {
                list.InsertItem(r.name, static_cast<UINT>(r.type), r.value);
            }
        }
        list.ChangeColumnWidth();
    }
    POINT ValuePoint(int row) {
        CRect rc;
        list.GetSubItemRect(row, 1, LVIR_BOUNDS, rc);
        return {rc.left + 4, (rc.top + rc.bottom) / 2};
    }
    CDataWnd* Data() { return list.m_pDataWnd; }
    HWND Editor() { return Data()->GetChildDataWnd()->m_hWnd; }
    // The focus in the editor itself, or in the edit box of a combo editor.
    bool FocusInEditor() {
        const HWND f = ::GetFocus();
        return f && (f == Editor() || ::GetParent(f) == Editor());
    }
    std::wstring Value(int row) { return list.GetItemText(row, 1).str(); }
    std::wstring EditorClass() {
        wchar_t cls[64] = {};
        ::GetClassNameW(Editor(), cls, 64);
        return cls;
    }
};

// One row of every type, walked forwards with the keys that move on (from whichever window of the
// data window has the focus), each edited on the way; then backwards with Ctrl+Up. After every
// step the focus is in the new row's editor and every value reads back as typed.
TEST_F(EditorKeyboardTest, EveryRowTypeWalkedAndEditedWithTheKeysAlone) {
    struct Step {
        Row row;
        std::function<void()> edit;
        UINT leaveKey;
        std::initializer_list<UINT> modifiers;
        const wchar_t* expected;
    };
    const Step steps[] = {
        {{L"Text", DWT_TEXT, L"old"}, [] { real::Type(L"new"); }, VK_TAB, {}, L"new"},
        {{L"Number", DWT_NUMBER, L"1.5"}, [] { real::Type(L"7.25"); }, VK_RETURN, {}, L"7.25"},
        {{L"Integer", DWT_INTEGER, L"3"}, [] { real::Type(L"42"); }, VK_TAB, {VK_SHIFT}, L"42"},
        {{L"Spin", DWT_INTEGER, L"5"}, [] { real::Key(VK_UP); }, VK_DOWN, {VK_CONTROL}, L"6"},
        {{L"Date", DWT_DATE, L"1960-1-1"}, [] { PickerDayUp(); }, VK_TAB, {}, L"1960-1-2"},
        {{L"List", DWT_LIST, L"Green"}, [] { real::Key(VK_DOWN); }, VK_TAB, {}, L"Blue"},
        {{L"Check", DWT_CHECK, L"0"}, [] { real::Key(VK_SPACE); }, VK_RETURN, {}, L"1"},
        {{L"Combo", DWT_COMBO, L"Red"}, [] { real::Type(L"Osaka"); }, VK_TAB, {}, L"Osaka"},
        {{L"Browse", DWT_TEXT, L"a.prj"}, [] { real::Type(L"b.prj"); }, VK_TAB, {}, L"b.prj"},
    };
    Make({steps[0].row, steps[1].row, steps[2].row, steps[3].row, steps[4].row, steps[5].row, steps[6].row,
          steps[7].row, steps[8].row});
    const int n = static_cast<int>(std::size(steps));
    real::Click(list, ValuePoint(0));
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(steps[i].row.name);
        ASSERT_EQ(list.m_nCurIndex, i);
        ASSERT_TRUE(FocusInEditor());
        steps[i].edit();
        real::Key(steps[i].leaveKey, steps[i].modifiers);
        EXPECT_EQ(Value(i), steps[i].expected);
    }
    EXPECT_EQ(list.m_nCurIndex, 0); // round to the first row again
    for (int i = n - 1; i >= 0; --i) {
        SCOPED_TRACE(steps[i].row.name);
        real::Key(VK_UP, {VK_CONTROL});
        ASSERT_EQ(list.m_nCurIndex, i);
        EXPECT_TRUE(FocusInEditor());
    }
    real::Key(VK_UP, {VK_CONTROL});
    for (int i = 0; i < n; ++i) EXPECT_EQ(Value(i), steps[i].expected) << steps[i].row.name;
}

// An open drop-down list or calendar takes Enter and the arrows; Tab closes it and moves on.
TEST_F(EditorKeyboardTest, OpenDropDownTakesItsKeysAndTabClosesItAndMoves) {
    Make({{L"List", DWT_LIST, L"Red"}, {L"Combo", DWT_COMBO, L"Red"}, {L"After", DWT_TEXT, L"x"}});
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        real::Click(list, ValuePoint(row));
        real::Key(VK_F4); // opens the list
        ASSERT_TRUE(Data()->IsDroppedDown());
        real::Key(VK_DOWN);
        real::Key(VK_RETURN); // picks "Green" and closes, the edit staying
        EXPECT_FALSE(Data()->IsDroppedDown());
        EXPECT_EQ(list.m_nCurIndex, row);
        real::Key(VK_F4);
        real::Key(VK_TAB);
        EXPECT_FALSE(Data()->IsDroppedDown());
        EXPECT_EQ(list.m_nCurIndex, row + 1);
        EXPECT_EQ(Value(row), L"Green");
        EXPECT_TRUE(FocusInEditor());
    }
}

// Values no editor holds are kept as they stand and edited as text; a date the calendar holds,
// however old, edits in the picker. Clicking through the rows and tabbing over them changes none.
TEST_F(EditorKeyboardTest, DatesOutsideTheCalendarAreKeptAndEditedAsText) {
    struct Case {
        const wchar_t* value;
        const wchar_t* editor;
        const wchar_t* kept;
    } cases[] = {
        {L"1960-1-1", DATETIMEPICK_CLASSW, L"1960-1-1"},
        {L"1900-01-01", DATETIMEPICK_CLASSW, L"1900-1-1"},
        {L"9999-12-31", DATETIMEPICK_CLASSW, L"9999-12-31"},
        {L"1899-1-1", L"Edit", L"1899-1-1"},
        {L"2024-13-1", L"Edit", L"2024-13-1"},
        {L"next Tuesday", L"Edit", L"next Tuesday"},
    };
    Make({{L"Before", DWT_TEXT, L"a"}, {L"Date", DWT_DATE, L""}, {L"After", DWT_INTEGER, L"1"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        real::Click(list, ValuePoint(0));
        list.SetItemText(1, 1, c.value);
        for (int row : {1, 2, 0, 1}) real::Click(list, ValuePoint(row));
        EXPECT_EQ(_wcsicmp(EditorClass().c_str(), c.editor), 0) << EditorClass();
        EXPECT_TRUE(FocusInEditor());
        for (int i = 0; i < 3; ++i) real::Key(VK_TAB);
        real::Click(list, ValuePoint(0));
        EXPECT_EQ(Value(1), c.kept);
    }
}

// What the user typed is in the row once a button outside the list is clicked, or CommitEdit is
// called; the edit stays where it is.
TEST_F(EditorKeyboardTest, TypedValueIsInTheRowWhenTheFocusLeavesOrOnCommit) {
    struct Case {
        Row row;
        std::function<void()> edit;
        bool clickSave; // else CommitEdit
        const wchar_t* expected;
    } cases[] = {
        {{L"Text", DWT_TEXT, L""}, [] { real::Type(L"typed"); }, true, L"typed"},
        {{L"Number", DWT_NUMBER, L"1"}, [] { real::Type(L"-2.5"); }, true, L"-2.50"},
        {{L"Date", DWT_DATE, L"2024-3-5"}, [] { PickerDayUp(); }, true, L"2024-3-6"},
        {{L"Check", DWT_CHECK, L"0"}, [] { real::Key(VK_SPACE); }, true, L"1"},
        {{L"Combo", DWT_COMBO, L""}, [] { real::Type(L"Lima"); }, true, L"Lima"},
        {{L"Text", DWT_TEXT, L""}, [] { real::Type(L"typed"); }, false, L"typed"},
    };
    Make({cases[0].row, cases[1].row, cases[2].row, cases[3].row, cases[4].row, cases[5].row});
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.expected);
        real::Click(list, ValuePoint(i));
        c.edit();
        EXPECT_EQ(Value(i), c.row.value); // not yet
        if (c.clickSave)
            real::Click(save, {10, 10});
        else
            EXPECT_TRUE(list.CommitEdit());
        EXPECT_EQ(Value(i), c.expected);
        EXPECT_EQ(list.m_nCurIndex, i);
        EXPECT_TRUE(Data()->IsWindowVisible());
    }
}

// With editing switched off, no path opens, shows or moves an edit, and typing reaches no editor.
TEST_F(EditorKeyboardTest, EditingOffMeansNoEditOnAnyPath) {
    Make({{L"a", DWT_TEXT, L"v0"}, {L"b", DWT_INTEGER, L"1"}, {L"c", DWT_TEXT, L"v2"}});
    real::Click(list, ValuePoint(0));
    real::Type(L"x");
    list.SetEnableEdit(FALSE);
    EXPECT_FALSE(FocusInEditor());
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"Tab", [] { real::Key(VK_TAB); }},
        {"Enter", [] { real::Key(VK_RETURN); }},
        {"typing", [] { real::Type(L"yz"); }},
        {"scroll", [&] { list.SendMessage(WM_VSCROLL, SB_LINEDOWN); }},
        {"wheel", [&] { list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)); }},
        {"click", [&] { real::Click(list, ValuePoint(2)); }},
        {"double-click", [&] { real::DoubleClick(list, ValuePoint(1)); }},
        {"focus", [&] { list.SetFocus(); }},
    };
    for (const auto& [name, act] : paths) {
        act();
        EXPECT_FALSE(Data()->IsWindowVisible()) << name;
        EXPECT_EQ(list.m_nCurIndex, 0) << name;
        EXPECT_EQ(Value(0), L"v0") << name;
        EXPECT_EQ(Value(2), L"v2") << name;
    }
    list.SetEnableEdit(TRUE);
    real::Click(list, ValuePoint(0)); // the edit kept: it goes on where it was
    EXPECT_TRUE(FocusInEditor());
    real::Key(VK_TAB);
    EXPECT_EQ(Value(0), L"x");
}

// The condition list: the value editor changes type under the focus, and Escape in an open box
// closes only the box.
TEST_F(EditorKeyboardTest, ConditionValueEditorKeepsTheFocusAcrossTypes) {
    CConditionListCtrl cond;
    ASSERT_TRUE(cond.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(0, 0, 300, 330), &host, 5));
    cond.AddFieldString(L"NAME", DWT_TEXT);
    cond.AddFieldString(L"BORN", DWT_DATE);
    auto* data = static_cast<CDataWnd*>(CWnd::FromHandlePermanent(::GetDlgItem(cond, 1004)));
    HWND field = ::GetDlgItem(cond, 1002);
    CRect rc;
    cond.GetItemRect(0, rc, LVIR_BOUNDS);
    const int y = (rc.top + rc.bottom) / 2;
    const int xRow = 30, xValue = 350 + 65; // column 0 of the entry row: the list beneath, no box
    struct Pick {
        int field; // index in the field box, chosen with the keys
        const wchar_t* editorClass;
        std::function<void()> type;
    } picks[] = {
        {0, L"Edit", [] { real::Type(L"Smith"); }},
        {1, DATETIMEPICK_CLASSW, [] {}},
    };
    std::vector<std::wstring> values;
    for (const Pick& p : picks) {
        SCOPED_TRACE(p.field);
        real::Click(cond, {xRow, y + (p.field ? rc.Height() : 0)}); // the entry row
        real::Click(field, {10, 5});
        ASSERT_TRUE(::SendMessageW(field, CB_GETDROPPEDSTATE, 0, 0));
        real::Key(VK_ESCAPE); // the box closes; the row stays open
        EXPECT_FALSE(::SendMessageW(field, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_TRUE(::IsWindowVisible(field));
        for (int i = 0; i <= p.field; ++i) real::Key(VK_DOWN);
        real::Click(cond, {xValue, y + (p.field ? rc.Height() : 0)});
        wchar_t cls[64] = {};
        ::GetClassNameW(data->GetChildDataWnd()->m_hWnd, cls, 64);
        EXPECT_EQ(_wcsicmp(cls, p.editorClass), 0) << cls;
        EXPECT_EQ(::GetFocus(), data->GetChildDataWnd()->m_hWnd);
        p.type();
        values.push_back(data->GetText().str());
        real::Click(cond, {xRow, y + 3 * rc.Height()}); // below the rows: commits
    }
    CString sql;
    ASSERT_EQ(cond.GetSQLSelectString(sql), 1);
    EXPECT_EQ(sql.str(), L"NAME = 'Smith' and BORN = '" + values[1] + L"'");
}

} // namespace
