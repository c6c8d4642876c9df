// The condition list in real windows: its frame, the field records, conditions composed through
// the editors and clicks, the keys, menu, header and scrolling, and rows painted into a memory DC.
#include "Harness.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <new>

using namespace harness;

namespace {

constexpr UINT kListId = 100;
constexpr UINT kLeft = 1001, kField = 1002, kCmp = 1003, kValue = 1004, kRel = 1005, kRight = 1006;
constexpr int kWidths[] = {60, 170, 120, 130, 60, 80};

// Exposes the editing state, and closes the context menu as soon as it waits for the user,
// recording what it offered.
class TestList : public CConditionListCtrl {
public:
    using CConditionListCtrl::InsertItemValue;
    using CConditionListCtrl::m_bHasFieldList;
    using CConditionListCtrl::m_nCurItem;
    using CConditionListCtrl::m_pDataWnd;
    using CConditionListCtrl::MoveAllChild;

    struct MenuItem {
        std::wstring text;
        UINT id;
        bool grayed;
        friend bool operator==(const MenuItem&, const MenuItem&) = default;
        friend std::ostream& operator<<(std::ostream& os, const MenuItem& m) {
            return os << "{" << m.text.size() << " chars, " << m.id << (m.grayed ? ", grayed}" : "}");
        }
    };
    std::vector<std::vector<MenuItem>> menus; // one entry per menu shown

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP) {
            m_hMenu = reinterpret_cast<HMENU>(wParam);
            SetTimer(kMenuTimer, 3000); // a menu that never idles must not hang the run
        }
        if (message == WM_TIMER && wParam == kMenuTimer) {
            KillTimer(kMenuTimer);
            ::EndMenu();
        }
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_hMenu) {
            std::vector<MenuItem> items;
            for (int i = 0, n = ::GetMenuItemCount(m_hMenu); i < n; ++i) {
                wchar_t text[32] = {};
                ::GetMenuStringW(m_hMenu, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
                const UINT state = ::GetMenuState(m_hMenu, static_cast<UINT>(i), MF_BYPOSITION);
                const bool separator = (state & MF_SEPARATOR) != 0;
                items.push_back({text, ::GetMenuItemID(m_hMenu, i), !separator && (state & MF_GRAYED) != 0});
            }
            menus.push_back(items);
            m_hMenu = nullptr;
            KillTimer(kMenuTimer);
            ::EndMenu();
        }
        return CConditionListCtrl::WindowProc(message, wParam, lParam);
    }

private:
    static constexpr UINT_PTR kMenuTimer = 77;
    HMENU m_hMenu = nullptr;
};

struct Cond {
    const wchar_t* left;
    const wchar_t* field;
    const wchar_t* cmp;
    const wchar_t* value;
    const wchar_t* right;
    const wchar_t* rel;
};

class ConditionListTest : public WindowTest {
public: // the cases' actions reach the fixture through a reference
    TestList list;
    CStringArray cities;

    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(0, 0, 300, 330), &host, kListId));
        cities.Add(L"01-North");
        cities.Add(L"02-South");
        list.AddFieldString(L"NAME", DWT_TEXT);
        list.AddFieldString(L"AGE", DWT_INTEGER); // a DWT_NUMBER editor would give 30.00
        list.AddFieldString(L"CITY", DWT_LIST, &cities);
        list.AddFieldString(L"ACTIVE", DWT_CHECK);
        list.AddFieldString(L"DEPT", DWT_COMBO);
    }

    HWND Editor(UINT nID) { return ::GetDlgItem(list, static_cast<int>(nID)); }
    HWND ValueEditor() { return list.m_pDataWnd->GetChildDataWnd()->m_hWnd; }
    bool Shown(UINT nID) { return (::GetWindowLongPtrW(Editor(nID), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::vector<bool> AllShown() {
        std::vector<bool> shown;
        for (UINT nID = kLeft; nID <= kRight; ++nID) shown.push_back(Shown(nID));
        return shown;
    }
    int RowCount() { return list.GetItemCount(); }
    std::wstring Cell(int row, int col) { return list.GetItemText(row, col).str(); }
    int EditorTop(UINT nID) {
        CRect rc;
        ::GetWindowRect(Editor(nID), &rc);
        list.ScreenToClient(&rc);
        return rc.top;
    }

    static int ColumnX(int col) {
        int x = 0;
        for (int i = 0; i < col; ++i) x += kWidths[i];
        return x + kWidths[col] / 2;
    }
    int RowY(int row) {
        CRect rc;
        list.GetItemRect(row, rc, LVIR_BOUNDS);
        return (rc.top + rc.bottom) / 2;
    }
    void ClickCell(int row, int col) { Click(list, ColumnX(col), RowY(row)); }
    void ClickBelowRows() { Click(list, 300, RowY(RowCount() - 1) + 30); }

    // What a box tells the list when the user picks an entry.
    void Choose(UINT nID, const wchar_t* text) {
        HWND box = Editor(nID);
        const auto i =
            ::SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
        ASSERT_GE(i, 0) << nID;
        ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        ::SendMessageW(list, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    }
    void EnterValue(const wchar_t* text) {
        HWND editor = ValueEditor();
        if (list.m_pDataWnd->GetType() == DWT_COMBO) {
            ::SetWindowTextW(editor, text);
            return;
        }
        if (list.m_pDataWnd->GetType() == DWT_LIST) {
            ::SendMessageW(editor, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
            return;
        }
        ::SendMessageW(editor, EM_SETSEL, 0, -1);
        TypeChars(editor, text);
    }
    // One condition composed on the entry row, as a user does it; left pending in the editors.
    void Compose(const Cond& c) {
        ClickBelowRows();
        Choose(kField, c.field);
        Choose(kLeft, c.left);
        Choose(kCmp, c.cmp);
        EnterValue(c.value);
        Choose(kRight, c.right);
        Choose(kRel, c.rel);
    }
    void ComposeAll(const std::vector<Cond>& conds) {
        for (const Cond& c : conds) Compose(c);
    }
    std::wstring Sql() {
        CString sql;
        EXPECT_EQ(list.GetSQLSelectString(sql), 1);
        return sql.str();
    }
};

const Cond kSmith{L"(", L"NAME", L"等于(=)", L"Smith", L" ", L"或(or)"};
const Cond kOver30{L" ", L"AGE", L"大于(>)", L"30", L")", L"无"};
const Cond kDept{L" ", L"DEPT", L"等于(=)", L"IT", L" ", L"与(and)"};

// ---- frame ----------------------------------------------------------------------------------------

TEST_F(ConditionListTest, CreatedOrSubclassedItIsAReportOfSixFixedColumnsAndOneEntryRow) {
    // A list view placed by a dialog, in icon view, attached afterwards.
    HWND hPlain = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_ICON, 0, 0, 200, 100,
                                    host, reinterpret_cast<HMENU>(101), nullptr, nullptr);
    CConditionListCtrl subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hPlain));
    ASSERT_EQ(subclassed.InsertAllColumn(), 1);

    for (CConditionListCtrl* pList : {static_cast<CConditionListCtrl*>(&list), &subclassed}) {
        SCOPED_TRACE(pList == &list ? "created" : "subclassed");
        EXPECT_EQ(pList->InsertAllColumn(), 1); // a second call changes nothing
        EXPECT_EQ(pList->GetStyle() & 0x8403, 0x8401u);
        EXPECT_EQ(pList->GetExtendedStyle(), 0x420u);
        CRect rcClient, rcData, rcLeft;
        pList->GetClientRect(&rcClient);
        EXPECT_EQ(rcClient.Width(), 620 + ::GetSystemMetrics(SM_CXVSCROLL));
        ASSERT_EQ(pList->GetHeaderCtrl()->GetItemCount(), 6);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(pList->GetColumnWidth(i), kWidths[i]) << i;
        EXPECT_EQ(pList->GetItemCount(), 1);
        for (UINT nID = kLeft; nID <= kRight; ++nID)
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(*pList, nID)));
        ::GetWindowRect(::GetDlgItem(*pList, kValue), &rcData);
        ::GetWindowRect(::GetDlgItem(*pList, kLeft), &rcLeft);
        pList->ScreenToClient(&rcData);
        EXPECT_EQ(rcData, CRect(350, 0, 480, rcLeft.Height())); // as tall as a closed box
    }
}

// ---- fields ---------------------------------------------------------------------------------------

TEST_F(ConditionListTest, FieldsKeepTheirOwnTypesAndValueLists) {
    CStringArray values;
    values.Add(L"a");
    list.ClearFieldList();
    EXPECT_FALSE(list.m_bHasFieldList);
    list.AddFieldString(L"F", DWT_COMBO, &values);
    list.AddFieldString(L"F", 42, nullptr); // same name, unknown code: nothing is checked
    values.Add(L"b");                       // the application's array is only read
    EXPECT_TRUE(list.m_bHasFieldList);

    CStringArray names;
    names.Add(L"stale");
    list.GetFieldListArray(names);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[0], L"F");
    EXPECT_EQ(names[1], L"F");
    EXPECT_EQ(list.GetFieldListItemType(0), DWT_COMBO);
    EXPECT_EQ(list.GetFieldListItemType(1), 42);
    EXPECT_EQ(list.GetFieldListItemValueArray(0).GetSize(), 1);
    EXPECT_EQ(list.GetFieldListItemValueArray(1).GetSize(), 0);
    list.GetFieldListItemValueArray(0).Add(L"c"); // the record's own array
    EXPECT_EQ(list.GetFieldListItemValueArray(0).GetSize(), 2);
}

TEST_F(ConditionListTest, SetFieldListFormsStopAtTheFirstMissingIndex) {
    CStringArray a, b;
    a.Add(L"x");
    struct Case {
        const char* name;
        int types, values; // entries in arrTypes and arrValues, for three names
        int fieldsAfter;
        bool raises;
    };
    const Case cases[] = {
        {"all there", 3, 3, 3, false},
        {"types short", 1, 3, 1, true},
        {"values short", 3, 2, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CStringArray fields;
        CUIntArray types;
        CPtrArray values;
        for (const wchar_t* f : {L"A", L"B", L"C"}) fields.Add(f);
        for (int i = 0; i < c.types; ++i) types.Add(DWT_LIST);
        for (int i = 0; i < c.values; ++i) values.Add(i == 0 ? &a : nullptr);
        bool raised = false;
        try {
            list.SetFieldList(fields, types, values);
        } catch (CInvalidArgException* e) {
            e->Delete();
            raised = true;
        }
        EXPECT_EQ(raised, c.raises);
        CStringArray names;
        list.GetFieldListArray(names);
        EXPECT_EQ(names.GetSize(), c.fieldsAfter);
        EXPECT_EQ(list.GetFieldListItemValueArray(0).GetSize(), 1);
        EXPECT_EQ(CFieldItemData::GetInstanceCount(), c.fieldsAfter);
    }

    list.SetFieldList(L"P", DWT_TEXT, &a, L"Q", static_cast<UINT>(DWT_INTEGER), nullptr, nullptr);
    CStringArray names;
    list.GetFieldListArray(names);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[1], L"Q");
    EXPECT_EQ(list.GetFieldListItemType(1), DWT_INTEGER);

    // The DWORD form, with a value list at an address that fits in 32 bits.
    void* low =
        ::VirtualAlloc(reinterpret_cast<void*>(0x20000000), 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(low, nullptr);
    ASSERT_LT(reinterpret_cast<uintptr_t>(low), uintptr_t{1} << 32);
    auto* lowValues = new (low) CStringArray;
    lowValues->Add(L"01-North");
    CStringArray fields;
    fields.Add(L"CITY");
    CUIntArray types;
    types.Add(DWT_LIST);
    CDWordArray dwValues;
    dwValues.Add(static_cast<DWORD>(reinterpret_cast<uintptr_t>(lowValues)));
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    list.SetFieldList(fields, types, dwValues);
#pragma GCC diagnostic pop
    EXPECT_EQ(list.GetFieldListItemValueArray(0)[0], L"01-North");
    lowValues->~CStringArray();
    ::VirtualFree(low, 0, MEM_RELEASE);
}

TEST_F(ConditionListTest, EveryFieldRecordIsReleasedOnce) {
    const long base = CFieldItemData::GetInstanceCount() - 4; // the fixture's four fields
    struct Case {
        const char* name;
        std::function<void(TestList&)> drop;
    };
    const Case cases[] = {
        {"ClearFieldList", [](TestList& l) { l.ClearFieldList(); }},
        {"SetFieldList", [](TestList& l) { l.SetFieldList(nullptr, 0, nullptr); }},
        {"window destroyed", [](TestList& l) { l.DestroyWindow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestList other;
        ASSERT_TRUE(other.Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 2));
        other.AddFieldString(L"A", DWT_TEXT);
        other.AddFieldString(L"B", DWT_TEXT);
        EXPECT_EQ(CFieldItemData::GetInstanceCount(), base + 4 + 2);
        c.drop(other);
        EXPECT_EQ(CFieldItemData::GetInstanceCount(), base + 4);
    }
    {
        TestList scoped; // the object going out of scope with its window
        ASSERT_TRUE(scoped.Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 2));
        scoped.AddFieldString(L"A", DWT_TEXT);
    }
    EXPECT_EQ(CFieldItemData::GetInstanceCount(), base + 4);
}

// ---- composing ------------------------------------------------------------------------------------

TEST_F(ConditionListTest, ConditionsComposedThroughTheEditorsGiveTheirText) {
    struct Case {
        const char* name;
        std::vector<Cond> conds;
        const wchar_t* text;
        const wchar_t* params;
        std::vector<std::wstring> values;
    };
    const Case cases[] = {
        {"two rows",
         {kSmith, kOver30},
         L"NAME = 'Smith' or AGE > 30",
         L"NAME = ? or AGE > ?",
         {L"Smith", L"30"}},
        {"three rows",
         {{L"(", L"NAME", L"象(Like)", L"Sm%", L" ", L"或(or)"},
          {L" ", L"CITY", L"等于(=)", L"01-North", L")", L"与(and)"},
          {L" ", L"AGE", L"大于等于(>=)", L"18", L" ", L"无"}},
         L"(NAME Like 'Sm%' or CITY = '01') and AGE >= 18",
         L"(NAME Like ? or CITY = ?) and AGE >= ?",
         {L"Sm%", L"01", L"18"}},
        {"nothing composed", {}, L"", L"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        ComposeAll(c.conds); // the last row is still pending in the editors
        EXPECT_EQ(Sql(), c.text);
        EXPECT_EQ(RowCount(), static_cast<int>(c.conds.size()) + 1);
        CString params;
        CStringArray values;
        CUIntArray types;
        ASSERT_EQ(list.GetSQLSelectParams(params, values, types), 1);
        EXPECT_EQ(params, c.params);
        std::vector<std::wstring> got;
        for (INT_PTR i = 0; i < values.GetSize(); ++i) got.push_back(values[i].str());
        EXPECT_EQ(got, c.values);
        EXPECT_EQ(types.GetSize(), values.GetSize());
    }
}

TEST_F(ConditionListTest, AnEmptyPendingValueYieldsNoText) {
    ClickBelowRows();
    Choose(kField, L"NAME");
    CString sql = L"untouched";
    BeepCounter beeps;
    EXPECT_EQ(list.GetSQLSelectString(sql), 0);
    EXPECT_EQ(sql, L"untouched");
    EXPECT_EQ(beeps.count(), 0u); // only a click sounds
    EXPECT_EQ(RowCount(), 1);
}

// ---- clicks ---------------------------------------------------------------------------------------

TEST_F(ConditionListTest, ClicksOpenCommitOrRefuse) {
    const std::vector<bool> all(6, true), fieldOnly = {false, true, false, false, false, false},
                                          none(6, false);
    enum Do { NoFields, Below, PickName, Smith, Cell0 }; // Cell0 + n: a click on row 0's column n
    struct Case {
        const char* name;
        std::vector<int> steps;
        int rows, cur;
        std::vector<bool> shown;
        UINT focusId; // the editor with the focus; 0: not checked
        size_t beeps;
    };
    const Case cases[] = {
        {"no fields: nothing at all", {NoFields, Cell0 + 1, Below}, 1, -1, none, 0, 0},
        {"below the rows: the field box alone", {Below}, 1, 0, fieldOnly, 0, 0},
        {"a field picked: every editor", {Below, PickName}, 1, 0, all, 0, 0},
        {"empty value: a beep, the focus in the value", {Below, PickName, Below}, 1, 0, all, kValue, 1},
        {"the entry row again: committed, editors stay", {Smith, Cell0 + 2}, 2, 0, all, kCmp, 0},
        {"a condition row's value column", {Smith, Below, Cell0 + 3}, 2, 0, all, kValue, 0},
        {"right parenthesis column", {Smith, Cell0 + 4}, 2, 0, all, kRight, 0},
        {"relation column", {Smith, Cell0 + 5}, 2, 0, all, kRel, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.ClearFieldList();
        list.AddFieldString(L"NAME", DWT_TEXT);
        BeepCounter beeps;
        for (int step : c.steps) {
            if (step == NoFields) list.ClearFieldList();
            if (step == Below) ClickBelowRows();
            if (step == PickName) Choose(kField, L"NAME");
            if (step == Smith) Compose(kSmith);
            if (step >= Cell0) ClickCell(0, step - Cell0);
        }
        EXPECT_EQ(RowCount(), c.rows);
        EXPECT_EQ(list.m_nCurItem, c.cur);
        EXPECT_EQ(AllShown(), c.shown);
        EXPECT_EQ(beeps.count(), c.beeps);
        if (c.focusId == kValue) {
            EXPECT_TRUE(::GetFocus() == ValueEditor() || ::IsChild(ValueEditor(), ::GetFocus()));
        } else if (c.focusId) {
            EXPECT_EQ(::GetFocus(), Editor(c.focusId));
        }
        if (c.rows == 2) { // the committed row, loaded back into the editors
            EXPECT_EQ(Cell(0, 3), L"Smith");
            EXPECT_EQ(Cell(0, 5), L"或(or)");
            EXPECT_EQ(list.m_pDataWnd->GetText(), L"Smith");
            EXPECT_EQ(EditorTop(kField), EditorTop(kValue));
        }
    }
}

// ---- keys -----------------------------------------------------------------------------------------

TEST_F(ConditionListTest, KeysOnTheEditorsActOnTheRow) {
    struct Case {
        const char* name;
        UINT key;
        UINT target; // kValue: the value editor's own edit
        int rows, cur;
        bool shown;
        const wchar_t* cell2; // row 0's comparison afterwards
        Cond first = kSmith;
    };
    const Case cases[] = {
        // The edit inside a combo value editor carries id 1001, as the left-parenthesis box does.
        {"Delete in a combo value's edit", VK_DELETE, kValue, 3, 0, true, L"等于(=)", kDept},
        {"Escape in the value discards", VK_ESCAPE, kValue, 3, -1, false, L"等于(=)"},
        {"Escape in a box discards", VK_ESCAPE, kCmp, 3, -1, false, L"等于(=)"},
        {"Delete in the value edits text only", VK_DELETE, kValue, 3, 0, true, L"等于(=)"},
        {"Delete in a box deletes the row", VK_DELETE, kCmp, 2, -1, false, L"大于(>)"},
        {"Insert in the value does nothing", VK_INSERT, kValue, 3, 0, true, L"等于(=)"},
        {"Insert in a box adds a default row", VK_INSERT, kRel, 4, 0, true, L"等于(=)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        ComposeAll({c.first, kOver30});
        ClickCell(0, 1);          // commits AGE, opens the first row
        Choose(kCmp, L"大于(>)"); // pending
        HWND target = c.target == kValue ? ValueEditor() : Editor(c.target);
        if (HWND inner = ::GetWindow(target, GW_CHILD); c.target == kValue && inner) target = inner;
        PressKey(target, c.key);
        EXPECT_EQ(RowCount(), c.rows);
        EXPECT_EQ(list.m_nCurItem, c.cur);
        EXPECT_EQ(Shown(kValue), c.shown);
        EXPECT_EQ(Cell(0, 2), c.cell2);
    }
}

// ---- menu, header, scrolling ----------------------------------------------------------------------

TEST_F(ConditionListTest, ContextMenuOffersWhatApplies) {
    using Item = TestList::MenuItem;
    struct Case {
        const char* name;
        std::function<void(ConditionListTest&)> act;
        bool rowGrayed;
    };
    const Case cases[] = {
        {"no fields, no row", [](ConditionListTest& t) { t.list.ClearFieldList(); }, true},
        {"editing a row", [](ConditionListTest& t) { t.ClickBelowRows(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.ClearFieldList();
        list.AddFieldString(L"NAME", DWT_TEXT);
        list.menus.clear();
        c.act(*this);
        ::PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
        Pump();
        ASSERT_EQ(list.menus.size(), 1u);
        const std::vector<Item> expected = {{L"插入", 1102, c.rowGrayed},
                                            {L"删除", 1101, c.rowGrayed},
                                            {L"", 0, false},
                                            {L"清除", 1103, false}};
        EXPECT_EQ(list.menus[0], expected);
    }
    // A right click on a box opens the same menu.
    list.menus.clear();
    ::PostMessageW(Editor(kField), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(list.menus.size(), 1u);

    struct Command {
        UINT id;
        int rows, cur;
    };
    for (const Command& cmd : {Command{1102, 3, 0}, Command{1101, 1, -1}, Command{1103, 1, -1}}) {
        SCOPED_TRACE(cmd.id);
        list.Clear();
        ComposeAll({kSmith});
        ClickCell(0, 1);
        ::SendMessageW(list, WM_COMMAND, cmd.id, 0);
        EXPECT_EQ(RowCount(), cmd.rows);
        EXPECT_EQ(list.m_nCurItem, cmd.cur);
    }
}

TEST_F(ConditionListTest, EditorsFollowTheirRowWhenTheListScrolls) {
    for (int i = 0; i < 30; ++i) {
        list.InsertItem(0, L" ");
        list.SetItemData(0, DWT_TEXT);
        list.SetItemText(0, 1, L"NAME");
        list.SetItemText(0, 3, L"x");
    }
    ClickCell(5, 1);
    ASSERT_EQ(list.m_nCurItem, 5);
    for (UINT code : {SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP, SB_PAGEUP}) {
        SCOPED_TRACE(code);
        ::SendMessageW(list, WM_VSCROLL, code, 0);
        CRect rc;
        list.GetSubItemRect(5, 1, LVIR_BOUNDS, rc);
        for (UINT nID = kLeft; nID <= kRight; ++nID) EXPECT_EQ(EditorTop(nID), rc.top) << nID;
        EXPECT_TRUE(Shown(kValue));
    }
}

// ---- drawing --------------------------------------------------------------------------------------

TEST_F(ConditionListTest, RowsArePaintedAsBandsToTheClientsRightEdge) {
    struct Case {
        const char* name;
        UINT state;
        bool focus, showSelAlways, enabled;
        int band; // system colour index; -1: the list's background
        size_t beeps;
    };
    const Case cases[] = {
        {"selected, focused", LVIS_SELECTED, true, false, true, COLOR_HIGHLIGHT, 0},
        {"selected, unfocused", LVIS_SELECTED, false, false, true, -1, 0},
        {"selected, unfocused, shown always", LVIS_SELECTED, false, true, true, COLOR_HIGHLIGHT, 0},
        {"drop target, unfocused", LVIS_DROPHILITED, false, false, true, COLOR_HIGHLIGHT, 0},
        {"disabled, selected", LVIS_SELECTED, false, true, false, COLOR_GRAYTEXT, 1},
        {"disabled, plain", 0, false, false, false, COLOR_MENU, 1},
    };
    list.SetBkColor(RGB(250, 240, 230));
    list.InsertItem(0, L"(");
    list.SetItemText(0, 1, L"NAME");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.SetItemState(0, c.state, LVIS_SELECTED | LVIS_DROPHILITED);
        list.ModifyStyle(c.showSelAlways ? 0 : LVS_SHOWSELALWAYS, c.showSelAlways ? LVS_SHOWSELALWAYS : 0);
        list.EnableWindow(c.enabled);
        if (c.focus)
            list.SetFocus();
        else
            host.SetFocus();
        CRect client;
        list.GetClientRect(&client);
        MemoryDC dc(client.Width(), client.Height());
        dc.Fill(RGB(0, 0, 0));
        ScopedFont font(dc, list.GetFont());
        BeepCounter beeps;
        DrawRow(list, dc, 0);
        const COLORREF expected = c.band < 0 ? RGB(250, 240, 230) : ::GetSysColor(c.band);
        const int y = RowY(0);
        EXPECT_EQ(dc.At(client.right - 1, y), expected); // past the last column
        EXPECT_EQ(dc.At(kWidths[0] + kWidths[1] - 3, y), expected);
        EXPECT_EQ(beeps.beeps(), std::vector<UINT>(c.beeps, 0xFFFF));
    }
    list.EnableWindow(TRUE);
}

TEST_F(ConditionListTest, RowHeightIsTheFontHeightPlusEight) {
    for (int height : {-12, -20}) {
        SCOPED_TRACE(height);
        LOGFONTW lf{};
        lf.lfHeight = height;
        wcscpy(lf.lfFaceName, L"Tahoma");
        HFONT font = ::CreateFontIndirectW(&lf);
        list.SetFont(font);
        CRect rc;
        list.GetItemRect(0, rc, LVIR_BOUNDS);
        EXPECT_EQ(rc.Height(), -height + 8);
        list.SetFont(nullptr);
        ::DeleteObject(font);
    }
}

// ---- real input -----------------------------------------------------------------------------------

// From the keyboard and mouse through the input queue: a condition composed, committed by a click
// and read back; the header's divider dragged without effect.
TEST_F(ConditionListTest, RealInputComposesAConditionAndCannotResizeAColumn) {
    real::Click(list, {ColumnX(1), RowY(0)}); // the entry row: the field box alone
    ASSERT_EQ(AllShown(), std::vector<bool>({false, true, false, false, false, false}));
    real::Click(Editor(kField), {10, 5}); // drops the list down
    real::Key(VK_DOWN);                   // the first field, NAME
    real::Key(VK_RETURN);
    ASSERT_TRUE(Shown(kValue));
    real::Click(ValueEditor(), {5, 5});
    real::Type(L"Smith");
    real::Click(list, {300, RowY(0) + 60}); // below the rows: commits, opens the new entry row
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(Cell(0, 1), L"NAME");
    EXPECT_EQ(Cell(0, 3), L"Smith");
    EXPECT_EQ(Sql(), L"NAME = 'Smith'");

    // The same drag on a bare list shows that the gesture does resize a column.
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

} // namespace
