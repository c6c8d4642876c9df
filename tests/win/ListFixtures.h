// Helpers shared by the window tests of the lists and editors, and the fixtures of the sortable,
// property and condition lists.
#pragma once
#include "Harness.h"

#include <array>
#include <tuple>

namespace harness {

inline CRect CellRect(CListCtrl& list, int row, int col) {
    CRect rc;
    list.GetSubItemRect(row, col, LVIR_BOUNDS, rc);
    return rc;
}

// A window's rectangle in its parent's (or an ancestor's) client coordinates.
inline CRect RectIn(HWND hParent, HWND hWnd) {
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Clicks cell (row, col) a little right of its left edge, through real input.
inline void ClickCell(CListCtrl& list, int row, int col) {
    real::Click(list.m_hWnd, {CellRect(list, row, col).left + 5, CellRect(list, row, col).CenterPoint().y});
}

// Whether a property list's data window is shown over row `row`.
inline bool EditingRow(CListCtrl& list, int row) {
    HWND hData = ::GetDlgItem(list.m_hWnd, 100);
    return ::IsWindowVisible(hData) && CellRect(list, row, 0).PtInRect(RectIn(list, hData).CenterPoint());
}

inline CStringArray& Fill(CStringArray& arr, std::initializer_list<LPCWSTR> texts) {
    arr.RemoveAll();
    for (LPCWSTR s : texts) arr.Add(s);
    return arr;
}

using Texts = std::vector<std::wstring>;

// An array's strings, to compare as a whole.
inline Texts Strings(const CStringArray& array) {
    Texts strings;
    for (INT_PTR i = 0; i < array.GetSize(); ++i) strings.push_back(array[i].str());
    return strings;
}

// A record of the sortable lists holding the texts given.
template <class T = CSortListCtrlEx::CItemData> T* Record(std::initializer_list<LPCWSTR> texts) {
    auto* p = new T;
    for (LPCWSTR t : texts) p->m_arrText.Add(t);
    return p;
}

// Sortable lists with three columns, left, right and centred, and rows with column 0's texts given.
class SortListFixture : public WindowTest {
protected:
    BOOL multipleSort = FALSE; // Shift+click adds a column to the order
    void Make(CSortListCtrlEx& list, DWORD style = 0, Texts column0 = {}) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, Rect(10, 10, 400, 300), &host, 1));
        list.EnableMultipleSort(multipleSort);
        const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
        for (int c : {0, 1, 2}) list.InsertColumn(c, L"Col", formats[c], 100);
        for (const auto& t : column0) list.InsertItem(list.GetItemCount(), Record({t.c_str(), L"x"}));
    }
    // Runs f(list, style) on a new list in each mode: normal, then virtual (LVS_OWNERDATA).
    template <class List = CSortListCtrlEx, class F> void InBothModes(F&& f) {
        for (DWORD style : {DWORD{0}, DWORD{LVS_OWNERDATA}}) {
            SCOPED_TRACE(style ? "virtual" : "normal");
            List list;
            Make(list, style);
            f(list, style);
        }
    }
};

// A property list with a spin on the row named "Spin" and a browse button on "Browse", as
// applications add them, counting the browse button's clicks.
class PropList : public CPropertyListCtrl {
public:
    using CPropertyListCtrl::m_nCurIndex, CPropertyListCtrl::m_pDataWnd, CPropertyListCtrl::m_TitleTip;
    int rightClicks = 0;

protected:
    void ShowIndex(int nIndex) override {
        CPropertyListCtrl::ShowIndex(nIndex);
        if (GetItemText(nIndex, 0) == L"Spin") m_pDataWnd->SetIntEditSpin(0, 100);
        if (GetItemText(nIndex, 0) == L"Browse") m_pDataWnd->SetRightButton(L"...");
    }
    void OnDataWndRButtonClk() override { ++rightClicks; }
};

// The list, created in icon view; the mouse goes back where it was.
class PropListTest : public WindowTest {
protected:
    PropList list;
    POINT m_cursor{};
    using Row = std::tuple<const wchar_t*, int, const wchar_t*>; // name, type, value
    void SetUp() override {
        ::GetCursorPos(&m_cursor);
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_ICON, Rect(10, 10, 330, 290), &host, 1));
    }
    void TearDown() override { ::SetCursorPos(m_cursor.x, m_cursor.y); }
    void Make(const std::vector<Row>& rows) { // each row offers Red, Green and Blue
        CStringArray choices;
        Fill(choices, {L"Red", L"Green", L"Blue"});
        for (auto [name, type, value] : rows)
            list.SetItemText(list.InsertItem(name, type, choices), 1, value);
        list.ChangeColumnWidth();
    }
    HWND Editor() { return list.m_pDataWnd->GetChildDataWnd()->m_hWnd; }
    bool Editing() { return list.m_pDataWnd->IsWindowVisible() != FALSE; }
    // In the editor itself, or in a combo editor's edit box.
    bool FocusInEditor() { return ::GetFocus() == Editor() || ::GetParent(::GetFocus()) == Editor(); }
    std::wstring Value(int row) { return list.GetItemText(row, 1).str(); }
    int Selected() { return list.GetNextItem(-1, LVNI_SELECTED); }
};

// A condition list that records the entries of each context menu it shows ("text id", " grayed"
// added) and closes it at once; a timer ends a menu that never idles, so the run cannot hang.
class CondList : public CConditionListCtrl {
public:
    using CConditionListCtrl::m_nCurItem, CConditionListCtrl::m_pDataWnd;
    std::vector<std::vector<std::wstring>> menus;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP)
            m_hMenu = reinterpret_cast<HMENU>(wParam), SetTimer(77, 3000, nullptr);
        const bool idle = message == WM_ENTERIDLE && wParam == MSGF_MENU && m_hMenu;
        for (int i = 0; idle && i < ::GetMenuItemCount(m_hMenu); ++i) {
            wchar_t text[32] = {};
            ::GetMenuStringW(m_hMenu, UINT(i), text, 32, MF_BYPOSITION);
            const UINT state = ::GetMenuState(m_hMenu, UINT(i), MF_BYPOSITION);
            (i ? menus.back() : menus.emplace_back())
                .push_back(text + (L" " + std::to_wstring(::GetMenuItemID(m_hMenu, i))) +
                           ((state & MF_GRAYED) && !(state & MF_SEPARATOR) ? L" grayed" : L""));
        }
        if (idle || (message == WM_TIMER && wParam == 77)) m_hMenu = nullptr, KillTimer(77), ::EndMenu();
        return CConditionListCtrl::WindowProc(message, wParam, lParam);
    }
    HMENU m_hMenu = nullptr;
};

// A condition row's cells: left parenthesis, field, comparison, value, right parenthesis, relation.
using Cond = std::array<const wchar_t*, 6>;

// The condition list with five fields, and what a user does on it.
class ConditionListTest : public WindowTest {
protected:
    static constexpr UINT kLeft = 1001, kField = 1002, kCmp = 1003, kValue = 1004, kRel = 1005, kRight = 1006;
    static constexpr int kWidths[] = {60, 170, 120, 130, 60, 80};
    CondList list;
    CString params; // the parameterized form, as GetSQLSelectParams gives it
    CStringArray values;
    CUIntArray types;
    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(0, 0, 300, 330), &host, 100));
        CStringArray cities; // each field keeps a copy
        list.SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", UINT(DWT_INTEGER), nullptr, L"CITY",
                          UINT(DWT_LIST), &Fill(cities, {L"01-North"}), L"DEPT", UINT(DWT_COMBO), nullptr,
                          L"Order Date", UINT(DWT_DATE), nullptr, nullptr);
    }
    HWND Editor(UINT nID) { return ::GetDlgItem(list, static_cast<int>(nID)); }
    HWND ValueEditor() { return list.m_pDataWnd->GetChildDataWnd()->m_hWnd; }
    bool Shown(UINT nID) { return ::IsWindowVisible(Editor(nID)) != FALSE; }
    std::vector<bool> AllShown() {
        return {Shown(kLeft), Shown(kField), Shown(kCmp), Shown(kValue), Shown(kRel), Shown(kRight)};
    }
    std::wstring Cell(int row, int col) { return list.GetItemText(row, col).str(); }
    int EditorTop(UINT nID) { return RectIn(list, Editor(nID)).top; }
    // Posted, so that a click reaches the list where an editor covers the cell.
    void PostClick(int row, int col) {
        Click(list, CellRect(list, row, col).left + 5, CellRect(list, row, col).CenterPoint().y);
    }
    void ClickBelowRows() { Click(list, 300, CellRect(list, list.GetItemCount() - 1, 0).bottom + 20); }
    // What a box tells the list when the user picks an entry.
    void Choose(UINT nID, const wchar_t* text) {
        HWND box = Editor(nID);
        const auto i = ::SendMessageW(box, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(text));
        ASSERT_GE(i, 0) << nID;
        ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        ::SendMessageW(list, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    }
    // Conditions composed on the entry row, as a user does it; the last left pending in the editors.
    void Compose(std::initializer_list<Cond> conds) {
        for (const Cond& c : conds) {
            ClickBelowRows();
            Choose(kField, c[1]), Choose(kLeft, c[0]), Choose(kCmp, c[2]);
            list.m_pDataWnd->SetText(c[3]);
            Choose(kRight, c[4]), Choose(kRel, c[5]);
        }
    }
    std::wstring Sql() {
        CString sql;
        EXPECT_EQ(list.GetSQLSelectString(sql), 1);
        return sql.str();
    }
};

} // namespace harness
