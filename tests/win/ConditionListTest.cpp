// The condition list in real windows: conditions composed through the editors and clicks, the keys
// and menu commands on a row, scrolling, painting, and the header.
#include "ListFixtures.h"

using namespace harness;

const Cond kSmith{L"(", L"NAME", L"等于(=)", L"Smith", L" ", L"或(or)"};
const Cond kOver30{L" ", L"AGE", L"大于(>)", L"30", L")", L"无"};
const Cond kDept{L" ", L"DEPT", L"等于(=)", L"IT", L" ", L"与(and)"};

// What clicks, keys on the editors and the menu's commands do to the rows, the editors (all
// shown, the field box alone, or none), the focus and the sounds. Keys and commands act on the
// first of two committed rows, with a change pending on it.
TEST_F(ConditionListTest, ClicksKeysAndMenuCommandsActOnTheRows) {
    // Cell0 + n: a click on row 0's column n; an editor's id: a key on it (kValue: on the value
    // editor's own edit), the key following; Menu: the command following.
    enum : UINT {
        Below = 1,
        PickName,
        PickDate,
        PickDay,
        Smith,
        Pending,
        PendingDept,
        NoFields,
        Menu,
        Cell0
    };
    const std::vector<bool> all(6, true), field = {false, true, false, false, false, false}, none(6, false);
    // The steps; then the rows, the current row, the editors shown, the editor with the focus (0: not
    // checked), the beeps, and row 0's comparison afterwards when given.
    using Case =
        std::tuple<const char*, std::vector<UINT>, int, int, std::vector<bool>, UINT, size_t, LPCWSTR>;
    const Case cases[] = {
        {"below the rows: the field box alone", {Below}, 1, 0, field, 0, 0, nullptr},
        {"a field picked: every editor", {Below, PickName}, 1, 0, all, 0, 0, nullptr},
        {"empty value: a beep, focus in the value", {Below, PickName, Below}, 1, 0, all, kValue, 1, nullptr},
        {"today's date, not chosen, is no value", {Below, PickDate, Below}, 1, 0, all, 0, 1, nullptr},
        {"a date changed in the picker is one",
         {Below, PickDate, PickDay, Below},
         2,
         1,
         field,
         0,
         0,
         nullptr},
        {"the entry row again: committed, editors stay", {Smith, Cell0 + 2}, 2, 0, all, kCmp, 0, nullptr},
        {"a condition row's value column", {Smith, Below, Cell0 + 3}, 2, 0, all, kValue, 0, nullptr},
        {"right parenthesis column", {Smith, Cell0 + 4}, 2, 0, all, kRight, 0, nullptr},
        {"relation column", {Smith, Cell0 + 5}, 2, 0, all, kRel, 0, nullptr},
        // The edit inside a combo value editor carries id 1001, as the left-parenthesis box does.
        {"Delete in a combo value's edit", {PendingDept, kValue, VK_DELETE}, 3, 0, all, 0, 0, L"等于(=)"},
        {"Escape in the value discards", {Pending, kValue, VK_ESCAPE}, 3, -1, none, 0, 0, L"等于(=)"},
        {"Escape in a box discards", {Pending, kCmp, VK_ESCAPE}, 3, -1, none, 0, 0, L"等于(=)"},
        {"Delete in the value edits text only", {Pending, kValue, VK_DELETE}, 3, 0, all, 0, 0, L"等于(=)"},
        {"Delete in a box deletes the row", {Pending, kCmp, VK_DELETE}, 2, -1, none, 0, 0, L"大于(>)"},
        {"Insert in the value does nothing", {Pending, kValue, VK_INSERT}, 3, 0, all, 0, 0, L"等于(=)"},
        {"Insert in a box adds a default row", {Pending, kRel, VK_INSERT}, 4, 0, all, 0, 0, L"等于(=)"},
        {"menu: insert", {Pending, Menu, 1102}, 4, 0, all, 0, 0, L"等于(=)"},
        {"menu: delete", {Pending, Menu, 1101}, 2, -1, none, 0, 0, L"大于(>)"},
        {"menu: clear", {Pending, Menu, 1103}, 1, -1, none, 0, 0, nullptr},
        {"no fields: nothing at all", {NoFields, Cell0 + 1, Below}, 1, -1, none, 0, 0, nullptr},
    };
    for (const auto& [name, steps, rows, cur, shown, focusId, beepCount, cmp] : cases) {
        SCOPED_TRACE(name);
        list.Clear();
        BeepCounter beeps;
        for (auto step = steps.begin(); step != steps.end(); ++step) {
            if (*step == Below) ClickBelowRows();
            if (*step == PickName) Choose(kField, L"NAME");
            if (*step == PickDate) Choose(kField, L"Order Date");
            if (*step == PickDay) { // as picked
                SYSTEMTIME day{};
                day.wYear = 2024, day.wMonth = 3, day.wDay = 5;
                ::SendMessageW(ValueEditor(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day));
            }
            if (*step == Smith) Compose({kSmith});
            if (*step == Pending || *step == PendingDept) {
                Compose({*step == Pending ? kSmith : kDept, kOver30});
                PostClick(0, 1);          // commits AGE, opens the first row
                Choose(kCmp, L"大于(>)"); // pending
            }
            if (*step == NoFields) list.ClearFieldList();
            if (*step >= Cell0 && *step < kLeft) PostClick(0, static_cast<int>(*step - Cell0));
            if (*step == Menu)
                ::SendMessageW(list, WM_COMMAND, *++step, 0);
            else if (*step >= kLeft) {
                HWND target = *step == kValue ? ValueEditor() : Editor(*step);
                if (HWND inner = ::GetWindow(target, GW_CHILD); *step == kValue && inner) target = inner;
                PressKey(target, *++step);
            }
        }
        EXPECT_EQ(std::tuple(list.GetItemCount(), list.m_nCurItem, AllShown(), beeps.count()),
                  std::tuple(rows, cur, shown, beepCount));
        HWND focus = focusId == kValue ? ValueEditor() : Editor(focusId);
        EXPECT_TRUE(!focusId || ::GetFocus() == focus || ::IsChild(focus, ::GetFocus()));
        EXPECT_EQ(cmp ? Cell(0, 2) : L"", cmp ? cmp : L"");
    }
}

// The context menu, from the list or a box, grays what needs a row being edited.
TEST_F(ConditionListTest, ContextMenuOffersWhatApplies) {
    for (auto [target, editing] :
         {std::pair(list.m_hWnd, false), {list.m_hWnd, true}, {Editor(kField), true}}) {
        if (editing) ClickBelowRows();
        list.menus.clear();
        ::PostMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        Pump();
        const std::wstring grayed = editing ? L"" : L" grayed";
        EXPECT_EQ(list.menus, (std::vector<std::vector<std::wstring>>{
                                  {L"插入 1102" + grayed, L"删除 1101" + grayed, L" 0", L"清除 1103"}}));
    }
}

TEST_F(ConditionListTest, EditorsFollowTheirRowWhenTheListScrolls) {
    for (int i = 0; i < 30; ++i) list.AddCondition(L"NAME", L"=", L"x");
    PostClick(5, 1);
    ASSERT_EQ(list.m_nCurItem, 5);
    for (UINT code : {SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP, SB_PAGEUP}) {
        ::SendMessageW(list, WM_VSCROLL, code, 0);
        for (UINT nID = kLeft; nID <= kRight; ++nID)
            EXPECT_EQ(EditorTop(nID), CellRect(list, 5, 1).top) << nID << " " << code;
        EXPECT_TRUE(Shown(kValue));
    }
}

// Rows are bands to the client's right edge, sounding when drawn disabled; a row is as high as the
// font plus eight.
TEST_F(ConditionListTest, RowsArePaintedAsBandsOfTheFontsHeightPlusEight) {
    const std::tuple<UINT, bool, bool, bool, int> cases[] = {
        // State, focus, selection always shown, enabled; the band's colour (-1: the list's background).
        {LVIS_SELECTED, true, false, true, COLOR_HIGHLIGHT},
        {LVIS_SELECTED, false, false, true, -1},
        {LVIS_SELECTED, false, true, true, COLOR_HIGHLIGHT},
        {LVIS_DROPHILITED, false, false, true, COLOR_HIGHLIGHT},
        {LVIS_SELECTED, false, true, false, COLOR_GRAYTEXT},
        {0, false, false, false, COLOR_MENU},
    };
    list.SetBkColor(RGB(250, 240, 230));
    list.SetItemText(list.InsertItem(0, L"("), 1, L"NAME");
    CRect client;
    list.GetClientRect(&client);
    for (auto [state, focus, showSelAlways, enabled, band] : cases) {
        list.SetItemState(0, state, LVIS_SELECTED | LVIS_DROPHILITED);
        list.ModifyStyle(showSelAlways ? 0 : LVS_SHOWSELALWAYS, showSelAlways ? LVS_SHOWSELALWAYS : 0);
        list.EnableWindow(enabled);
        focus ? list.SetFocus() : host.SetFocus();
        MemoryDC dc(client.Width(), client.Height());
        dc.Fill(RGB(0, 0, 0));
        ScopedFont font(dc, list.GetFont());
        BeepCounter beeps;
        DrawRow(list, dc, 0);
        const COLORREF colour = band < 0 ? RGB(250, 240, 230) : ::GetSysColor(band);
        const int y = CellRect(list, 0, 0).CenterPoint().y; // past the last column, and in the second
        EXPECT_EQ(
            std::tuple(dc.At(client.right - 1, y), dc.At(kWidths[0] + kWidths[1] - 3, y), beeps.beeps()),
            std::tuple(colour, colour, std::vector<UINT>(enabled ? 0 : 1, 0xFFFF)))
            << state << focus << showSelAlways << enabled;
    }
    list.EnableWindow(TRUE);
    for (int height : {12, 20}) {
        HFONT font = ::CreateFontW(-height, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
        list.SetFont(font);
        EXPECT_EQ(CellRect(list, 0, 0).Height(), height + Scaled(8));
        list.SetFont(nullptr);
        ::DeleteObject(font);
    }
}

// From the keyboard and mouse through the input queue: a condition composed with the field box's
// keys and a typed value, committed by a click and read back; a second one picked with the mouse in
// the boxes and in the value editor's own list, pending in the editors, then the text and its
// parameterized form; a pending row without a value gives none, and no sound. The header's divider
// dragged without effect, where on a bare list it resizes.
TEST_F(ConditionListTest, RealInputComposesConditionsAndCannotResizeAColumn) {
    ClickCell(list, 0, 1); // the entry row: the field box alone
    ASSERT_EQ(AllShown(), std::vector<bool>({false, true, false, false, false, false}));
    real::Click(Editor(kField), {10, 5}); // drops the list down
    real::Key(VK_DOWN);                   // the first field, NAME
    real::Key(VK_RETURN);
    ASSERT_TRUE(Shown(kValue));
    real::Click(ValueEditor(), {5, 5});
    real::Type(L"Smith");
    real::Click(list, {300, CellRect(list, 0, 0).bottom + 40}); // below the rows: commits
    EXPECT_EQ(std::tuple(list.GetItemCount(), Cell(0, 1), Cell(0, 3)), std::tuple(2, L"NAME", L"Smith"));
    PostClick(0, 2); // the committed row loaded back into the editors, on the row
    EXPECT_EQ(std::tuple(list.m_pDataWnd->GetText(), EditorTop(kValue)),
              std::tuple(L"Smith", CellRect(list, 0, 0).top));
    Choose(kRel, L"或(or)");
    real::Click(list, {300, CellRect(list, 1, 0).bottom + 40}); // commits, opens the entry row again
    real::Pick(Editor(kField), 2);                              // CITY
    real::Pick(Editor(kCmp), 1);                                // 不等于(<>)
    real::Pick(ValueEditor(), 0);                               // 01-North
    EXPECT_EQ(Sql(), L"NAME = 'Smith' or CITY <> '01'");
    ASSERT_EQ(list.GetSQLSelectParams(params, values, types), 1);
    EXPECT_EQ(std::tuple(params.str(), values[0] + L" " + values[1], types.GetSize(), list.GetItemCount()),
              std::tuple(L"NAME = ? or CITY <> ?", L"Smith 01", INT_PTR(2), 3));

    list.Clear();
    ClickBelowRows();
    Choose(kField, L"NAME");
    CString sql = L"untouched";
    BeepCounter beeps; // only a click sounds
    EXPECT_EQ(list.GetSQLSelectString(sql), 0);
    EXPECT_EQ(std::tuple(sql.str(), beeps.count(), list.GetItemCount()), std::tuple(L"untouched", 0u, 1));

    CListCtrl bare;
    ASSERT_TRUE(bare.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, Rect(0, 332, 620, 370), &host, 3));
    for (int i = 0; i < 6; ++i) bare.InsertColumn(i, L"c", LVCFMT_LEFT, kWidths[i]);
    const int divider = kWidths[0] + kWidths[1];
    for (CListCtrl* pList : {static_cast<CListCtrl*>(&bare), static_cast<CListCtrl*>(&list)}) {
        HWND header = pList->GetHeaderCtrl()->m_hWnd;
        real::Drag(header, {divider, 8}, {divider + 50, 8});
        real::DoubleClick(header, {divider + (pList == &bare ? 50 : 0), 8});
        EXPECT_EQ(pList->GetColumnWidth(1) != kWidths[1], pList == &bare) << pList->GetColumnWidth(1);
    }
}
