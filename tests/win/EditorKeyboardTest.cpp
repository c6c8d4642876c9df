// The property list under a user's keyboard and mouse (real input): every row type walked and
// edited with the keys alone, values no editor holds kept, the edit taken in when the focus
// leaves, and no edit at all while editing is off.
#include "Harness.h"

#include <functional>

using namespace harness;

namespace {

// A spin on the row named "Spin" and a browse button on "Browse", as applications add them.
class KeyList : public CPropertyListCtrl {
public:
    using CPropertyListCtrl::m_nCurIndex;
    using CPropertyListCtrl::m_pDataWnd;

protected:
    void ShowIndex(int nIndex) override {
        CPropertyListCtrl::ShowIndex(nIndex);
        if (GetItemText(nIndex, 0) == L"Spin") m_pDataWnd->SetIntEditSpin(0, 100);
        if (GetItemText(nIndex, 0) == L"Browse") m_pDataWnd->SetRightButton(L"...");
    }
};

void Keys(std::initializer_list<UINT> vks) {
    for (UINT vk : vks) real::Key(vk);
}

class EditorKeyboardTest : public WindowTest {
protected:
    KeyList list;
    CButton save; // outside the list, as an application's Save
    // The mouse goes back where it was: later tests hover with posted moves.
    POINT m_cursor{};
    void SetUp() override { ::GetCursorPos(&m_cursor); }
    void TearDown() override { ::SetCursorPos(m_cursor.x, m_cursor.y); }
    struct Row {
        const wchar_t* name;
        int type;
        const wchar_t* value;
    };
    void Make(const std::vector<Row>& rows) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 10, 330, 290), &host, 1));
        ASSERT_TRUE(save.Create(L"Save", WS_CHILD | WS_VISIBLE, Rect(340, 10, 420, 34), &host, 2));
        CStringArray choices;
        for (LPCWSTR s : {L"Red", L"Green", L"Blue"}) choices.Add(s);
        for (const Row& r : rows) list.SetItemText(list.InsertItem(r.name, r.type, choices), 1, r.value);
        list.ChangeColumnWidth();
    }
    POINT ValueAt(int row) {
        CRect rc;
        list.GetSubItemRect(row, 1, LVIR_BOUNDS, rc);
        return {rc.left + 4, (rc.top + rc.bottom) / 2};
    }
    HWND Editor() { return list.m_pDataWnd->GetChildDataWnd()->m_hWnd; }
    // In the editor itself, or in a combo editor's edit box.
    bool FocusInEditor() { return ::GetFocus() == Editor() || ::GetParent(::GetFocus()) == Editor(); }
    std::wstring Value(int row) { return list.GetItemText(row, 1).str(); }
};

// Forwards with every key that moves on, each row edited on the way (an open list takes Enter and
// the arrows, Tab closes it and moves), then backwards with Ctrl+Up: after every step the focus is
// in the row's editor, and every value reads back as typed. Values no editor can hold are edited
// as text and otherwise kept.
TEST_F(EditorKeyboardTest, EveryRowTypeWalkedAndEditedWithTheKeysAlone) {
    struct Step {
        Row row;
        std::function<void()> edit;
        UINT key, modifier; // the key that moves on
        const wchar_t* expected;
    } steps[] = {
        {{L"Text", DWT_TEXT, L"old"}, [] { real::Type(L"new"); }, VK_TAB, 0, L"new"},
        {{L"Number", DWT_NUMBER, L"1.5"}, [] { real::Type(L"7.25"); }, VK_RETURN, 0, L"7.25"},
        {{L"Integer", DWT_INTEGER, L"3"}, [] { real::Type(L"42"); }, VK_TAB, VK_SHIFT, L"42"},
        {{L"Spin", DWT_INTEGER, L"5"}, [] { real::Key(VK_UP); }, VK_DOWN, VK_CONTROL, L"6"},
        {{L"Date", DWT_DATE, L"1960-1-1"},
         [] {
             Keys({VK_RIGHT, VK_UP});
         },
         VK_TAB,
         0,
         L"1960-1-2"},
        {{L"List", DWT_LIST, L"Red"},
         [] {
             Keys({VK_F4, VK_DOWN, VK_RETURN});
         },
         VK_TAB,
         0,
         L"Green"},
        {{L"Check", DWT_CHECK, L"0"}, [] { real::Key(VK_SPACE); }, VK_RETURN, 0, L"1"},
        {{L"Combo", DWT_COMBO, L"Red"},
         [] {
             Keys({VK_F4, VK_DOWN, VK_DOWN});
         },
         VK_TAB,
         0,
         L"Blue"},
        {{L"Browse", DWT_TEXT, L"a.prj"}, [] { real::Type(L"b.prj"); }, VK_TAB, 0, L"b.prj"},
        {{L"Month 13", DWT_DATE, L"2024-13-1"}, [] {}, VK_TAB, 0, L"2024-13-1"},
        {{L"Too old", DWT_DATE, L"1899-1-1"},
         [] {
             Keys({VK_END, '2'});
         },
         VK_TAB,
         0,
         L"1899-1-12"},
        {{L"Words", DWT_DATE, L"soon"}, [] {}, VK_TAB, 0, L"soon"},
        {{L"Not a choice", DWT_LIST, L"Pink"}, [] {}, VK_TAB, 0, L"Pink"},
    };
    std::vector<Row> rows;
    for (const Step& s : steps) rows.push_back(s.row);
    Make(rows);
    const int n = static_cast<int>(rows.size());
    real::Click(list, ValueAt(0));
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(rows[i].name);
        ASSERT_EQ(list.m_nCurIndex, i);
        ASSERT_TRUE(FocusInEditor());
        steps[i].edit();
        steps[i].modifier ? real::Key(steps[i].key, {steps[i].modifier}) : real::Key(steps[i].key);
        EXPECT_EQ(Value(i), steps[i].expected);
    }
    for (int i = n - 1; i >= -1; --i) {
        real::Key(VK_UP, {VK_CONTROL});
        ASSERT_EQ(list.m_nCurIndex, (i + n) % n);
        EXPECT_TRUE(FocusInEditor());
    }
    for (int i = 0; i < n; ++i) EXPECT_EQ(Value(i), steps[i].expected) << rows[i].name;
}

// What the user typed is in the row once a button outside the list is clicked, or on CommitEdit;
// the edit stays where it is.
TEST_F(EditorKeyboardTest, TypedValueIsInTheRowWhenTheFocusLeavesOrOnCommit) {
    Make({{L"a", DWT_TEXT, L""},
          {L"b", DWT_DATE, L"2024-3-5"},
          {L"c", DWT_CHECK, L"0"},
          {L"d", DWT_NUMBER, L"1"}});
    real::Click(list, ValueAt(0));
    real::Type(L"typed");
    real::Click(save, {10, 10});
    real::Click(list, ValueAt(1));
    Keys({VK_RIGHT, VK_UP});
    real::Click(save, {10, 10});
    real::Click(list, ValueAt(2));
    real::Key(VK_SPACE);
    real::Click(save, {10, 10});
    real::Click(list, ValueAt(3));
    real::Type(L"2.5");
    EXPECT_EQ(Value(3), L"1");
    EXPECT_TRUE(list.CommitEdit());
    EXPECT_EQ(Value(0) + L" " + Value(1) + L" " + Value(2) + L" " + Value(3), L"typed 2024-3-6 1 2.50");
    EXPECT_EQ(list.m_nCurIndex, 3);
    EXPECT_TRUE(FocusInEditor());
}

// With editing switched off, no path shows, opens or moves an edit, and typing reaches no editor.
TEST_F(EditorKeyboardTest, EditingOffMeansNoEditOnAnyPath) {
    Make({{L"a", DWT_TEXT, L"v0"}, {L"b", DWT_INTEGER, L"1"}, {L"c", DWT_TEXT, L"v2"}});
    real::Click(list, ValueAt(0));
    real::Type(L"x");
    list.SetEnableEdit(FALSE);
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"keys",
         [] {
             Keys({VK_TAB, VK_RETURN, 'Y'});
         }},
        {"scroll", [&] { list.SendMessage(WM_VSCROLL, SB_LINEDOWN); }},
        {"click", [&] { real::Click(list, ValueAt(2)); }},
        {"focus", [&] { list.SetFocus(); }},
    };
    for (const auto& [name, act] : paths) {
        act();
        EXPECT_FALSE(list.m_pDataWnd->IsWindowVisible()) << name;
        EXPECT_EQ(Value(0) + Value(1) + Value(2) + std::to_wstring(list.m_nCurIndex), L"v01v20") << name;
    }
    list.SetEnableEdit(TRUE);
    real::Click(list, ValueAt(0)); // the edit was kept: it goes on
    real::Key(VK_TAB);
    EXPECT_EQ(Value(0), L"x");
}

} // namespace
