// The property list under a user's keyboard and mouse (real input): every row type walked and
// edited with the keys alone, the edit taken in when the focus leaves, and none while editing is off.
#include "ListFixtures.h"

using namespace harness;
using EditorKeyboardTest = PropListTest;

// Forwards with every key that moves on (Shift+Tab too), each row edited on the way: the arrows
// alone stay in the editor (an open list takes Enter as well, Tab closes it and moves); then
// backwards with Ctrl+Up, round the ends. After every step the row is selected with the focus in
// its editor, and every value reads back as typed; values no editor can hold are kept.
TEST_F(EditorKeyboardTest, EveryRowTypeWalkedAndEditedWithTheKeysAlone) {
    // The row, the text typed, the keys editing it, the key (and modifier) moving on, the value after.
    const std::tuple<Row, const wchar_t*, std::vector<UINT>, UINT, UINT, const wchar_t*> steps[] = {
        {{L"Text", DWT_TEXT, L"old"}, L"new", {VK_DOWN}, VK_TAB, 0, L"new"},
        {{L"Number", DWT_NUMBER, L"1.5"}, L"7.25", {}, VK_RETURN, 0, L"7.25"},
        {{L"Integer", DWT_INTEGER, L"3"}, L"42", {}, VK_TAB, VK_SHIFT, L"42"},
        {{L"Spin", DWT_INTEGER, L"5"}, L"", {VK_UP}, VK_DOWN, VK_CONTROL, L"6"},
        {{L"Date", DWT_DATE, L"1960-1-1"}, L"", {VK_RIGHT, VK_UP}, VK_TAB, 0, L"1960-1-2"},
        {{L"List", DWT_LIST, L"Red"}, L"", {VK_F4, VK_DOWN, VK_RETURN}, VK_TAB, 0, L"Green"},
        {{L"Closed list", DWT_LIST, L"Green"}, L"", {VK_DOWN}, VK_TAB, 0, L"Blue"},
        {{L"Check", DWT_CHECK, L"0"}, L"", {VK_SPACE}, VK_RETURN, 0, L"1"},
        {{L"Combo", DWT_COMBO, L"Red"}, L"", {VK_F4, VK_DOWN, VK_DOWN}, VK_TAB, 0, L"Blue"},
        {{L"Browse", DWT_TEXT, L"a.prj"}, L"b.prj", {}, VK_TAB, 0, L"b.prj"},
        {{L"Month 13", DWT_DATE, L"2024-13-1"}, L"", {}, VK_TAB, 0, L"2024-13-1"},
        {{L"Too old", DWT_DATE, L"1899-1-1"}, L"", {VK_END, '2'}, VK_TAB, 0, L"1899-1-12"},
        {{L"Words", DWT_DATE, L"soon"}, L"", {}, VK_TAB, 0, L"soon"},
        {{L"Not a choice", DWT_LIST, L"Pink"}, L"", {}, VK_TAB, 0, L"Pink"},
    };
    for (const auto& s : steps) Make({std::get<0>(s)});
    const int n = static_cast<int>(std::size(steps));
    ClickCell(list, 0, 1);
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(std::tuple(list.m_nCurIndex, Selected(), FocusInEditor()), std::tuple(i, i, true));
        const auto& [row, typed, keys, key, modifier, expected] = steps[i];
        if (*typed) real::Type(typed);
        for (UINT vk : keys) real::Key(vk);
        modifier ? real::Key(key, {modifier}) : real::Key(key);
        EXPECT_EQ(Value(i), expected);
    }
    for (int i = n - 1; i >= -1; --i) {
        real::Key(VK_UP, {VK_CONTROL});
        ASSERT_EQ(std::tuple(list.m_nCurIndex, Selected(), FocusInEditor()),
                  std::tuple((i + n) % n, (i + n) % n, true));
    }
    for (int i = 0; i < n; ++i) EXPECT_EQ(Value(i), std::get<5>(steps[i])) << i;
}

// What the user typed is in the row once a button outside the list is clicked, or on CommitEdit
// (the edit stays where it is). With editing switched off, no path shows, opens or moves an edit or
// the selection, and typing reaches no editor; switched on again, the edit goes on.
TEST_F(EditorKeyboardTest, EditTakenInWhenTheFocusLeavesAndNoneWhileEditingIsOff) {
    CButton save; // outside the list, as an application's Save
    ASSERT_TRUE(save.Create(L"Save", WS_CHILD | WS_VISIBLE, Rect(340, 10, 420, 34), &host, 2));
    Make({{L"a", DWT_TEXT, L""},
          {L"b", DWT_DATE, L"2024-3-5"},
          {L"c", DWT_CHECK, L"0"},
          {L"d", DWT_NUMBER, L"1"}});
    const auto values = [&] { return Value(0) + L" " + Value(1) + L" " + Value(2) + L" " + Value(3); };
    const std::initializer_list<UINT> edits[] = {{'X'}, {VK_RIGHT, VK_UP}, {VK_SPACE}, {}};
    for (int row = 0; row < 4; ++row) {
        ClickCell(list, row, 1);
        for (UINT vk : edits[row]) real::Key(vk);
        row < 3 ? real::Click(save, {10, 10}) : real::Type(L"2.5");
    }
    EXPECT_EQ(Value(3), L"1");
    EXPECT_TRUE(list.CommitEdit());
    EXPECT_EQ(std::tuple(values(), list.m_nCurIndex, FocusInEditor()),
              std::tuple(L"x 2024-3-6 1 2.50", 3, true));

    ClickCell(list, 0, 1);
    real::Key(VK_END), real::Key('Y');
    list.SetEnableEdit(FALSE);
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"keys", [] { real::Key(VK_TAB), real::Key(VK_RETURN), real::Key('Z'); }},
        {"scroll", [&] { list.SendMessage(WM_VSCROLL, SB_LINEDOWN); }},
        {"click", [&] { ClickCell(list, 2, 1); }},
        {"focus", [&] { list.SetFocus(); }},
    };
    for (const auto& [name, act] : paths) {
        act();
        EXPECT_EQ(std::tuple(Editing(), values(), list.m_nCurIndex, Selected()),
                  std::tuple(false, L"x 2024-3-6 1 2.50", 0, 0))
            << name;
    }
    list.SetEnableEdit(TRUE);
    ClickCell(list, 0, 1);
    real::Key(VK_TAB);
    EXPECT_EQ(Value(0), L"xy");
}
