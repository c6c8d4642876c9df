// The condition list: its SQL text over many rows against reading the same cells from a bare list
// (and the text's growth, 2n rows against twice n), a condition text read back into rows (its
// growth likewise), and rows committed through its editors against rows written straight into a
// bare list.
#include "BenchCase.h"

#include <memory>

namespace {

constexpr UINT kFieldBox = 1002;
constexpr UINT kValueWnd = 1004;

struct CondRow {
    const wchar_t* cells[6];
    int type;
};
const CondRow kRows[] = {
    {{L"(", L"NAME", L"象(Like)", L"Sm%", L" ", L"或(or)"}, DWT_TEXT},
    {{L" ", L"AGE", L"大于(>)", L"30", L")", L"与(and)"}, DWT_INTEGER},
    {{L" ", L"CITY", L"等于(=)", L"01-North", L" ", L"无"}, DWT_LIST},
};

// Rows 0..n-1 written in front of whatever the list holds (the condition list's entry row).
void FillRows(CListCtrl& list, int n) {
    list.SetRedraw(FALSE);
    for (int i = 0; i < n; ++i) {
        const CondRow& row = kRows[i % 3];
        list.InsertItem(i, row.cells[0]);
        for (int c = 1; c < 6; ++c) list.SetItemText(i, c, row.cells[c]);
        list.SetItemData(i, static_cast<DWORD_PTR>(row.type));
    }
    list.SetRedraw(TRUE);
}

void AddFields(CConditionListCtrl& list) {
    list.SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", static_cast<UINT>(DWT_INTEGER), nullptr, L"CITY",
                      static_cast<UINT>(DWT_LIST), nullptr, nullptr);
}

// The two sides of a case where painting counts sit one above the other, both in full view.
constexpr RECT kUpper{0, 0, 660, 290};
constexpr RECT kLower{0, 300, 660, 590};

struct CondList : CConditionListCtrl {
    CondList(CWnd& host, UINT nID, int rows, const RECT& rc = RECT{0, 0, 660, 400}) {
        Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rc, &host, nID);
        AddFields(*this);
        FillRows(*this, rows);
    }
};

struct BareList : CListCtrl {
    BareList(CWnd& host, UINT nID, int rows, const RECT& rc = RECT{0, 0, 660, 400}) {
        Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, rc, &host, nID);
        for (int c = 0; c < 6; ++c) InsertColumn(c, L"c", LVCFMT_LEFT, 100);
        FillRows(*this, rows);
    }
};

void ReadCells(CListCtrl& list) {
    for (int i = 0, n = list.GetItemCount(); i < n; ++i)
        for (int c = 0; c < 6; ++c) CString s = list.GetItemText(i, c);
}

void Sql(CConditionListCtrl& list) {
    CString sql;
    list.GetSQLSelectString(sql);
}

bench::Sides SqlAgainstReading(CWnd& host, int n) {
    auto cond = std::make_shared<CondList>(host, 60, n);
    auto bare = std::make_shared<BareList>(host, 61, n);
    return {[cond] { Sql(*cond); }, [bare] { ReadCells(*bare); }};
}

// A user's way of adding n conditions: click the entry row, pick a field, give a value; the next
// click commits.
void CommitThroughEditors(CConditionListCtrl& list, int n) {
    list.Clear();
    CWnd* pFieldBox = list.GetDlgItem(kFieldBox);
    CWnd* pValue = list.GetDlgItem(kValueWnd);
    const LPARAM below = MAKELPARAM(300, 30000); // under every row: the entry row opens
    wchar_t value[16];
    for (int i = 0; i < n; ++i) {
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, below);
        pFieldBox->SendMessage(CB_SETCURSEL, 0);
        list.SendMessage(WM_COMMAND, MAKEWPARAM(kFieldBox, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(pFieldBox->m_hWnd));
        ::swprintf(value, 16, L"v%d", i);
        pValue->SetWindowText(value);
    }
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, below);
}

void WriteCells(CListCtrl& list, int n) {
    list.DeleteAllItems();
    wchar_t value[16];
    for (int i = 0; i < n; ++i) {
        list.InsertItem(i, L" ");
        list.SetItemText(i, 1, L"NAME");
        list.SetItemText(i, 2, L"等于(=)");
        ::swprintf(value, 16, L"v%d", i);
        list.SetItemText(i, 3, value);
        list.SetItemText(i, 4, L" ");
        list.SetItemText(i, 5, L"无");
        list.SetItemData(i, DWT_TEXT);
    }
}

// A list of its own for reading conditions back, so that the case depends on nothing shared: the
// list field needs its entries to find a value's code in.
struct ParseList : CConditionListCtrl {
    CStringArray cities;
    ParseList(CWnd& host, UINT nID) {
        Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{0, 0, 660, 400}, &host, nID);
        cities.Add(L"01-North");
        cities.Add(L"02-South");
        SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", static_cast<UINT>(DWT_INTEGER), nullptr, L"CITY",
                     static_cast<UINT>(DWT_LIST), &cities, nullptr);
    }
};

// n terms in groups of three, each group in parentheses, as GetSQLSelectString writes them.
CString ConditionOfTerms(int n) {
    static const wchar_t* const kTerms[] = {L"(NAME Like 'Sm''%'", L"AGE > 30)", L"CITY = '01'"};
    CString text;
    for (int i = 0; i < n; ++i) {
        if (i) text += i % 3 == 0 ? L" or " : L" and ";
        text += i % 3 == 0 && i + 1 == n ? L"NAME Like 'Sm''%'" : kTerms[i % 3]; // the last opens nothing
    }
    return text;
}

// The floor of a commit: a bare list view with the editors a condition row needs (five drop-down
// lists and an edit for the value, children of the list) doing the window work of the same user
// steps. The click below the rows reads the editors, writes the row, brings the entry row into
// view, moves the editors onto it (only the field box shown) and resets them; picking the field
// shows the other editors; then the value is typed. Its rows are as tall as the condition list's
// (tall enough for the editors), so that a page holds as many rows: once the rows fill a page, every
// commit scrolls the list and redraws its scroll bar, several times the work of one in the first page.
struct FloorEditors {
    CListCtrl list;
    CImageList rowHeight; // no images: its height alone sets the rows' height
    CComboBox boxes[5];   // left bracket, field, comparison, right bracket, relation
    CEdit value;
    static constexpr int kLeft[6] = {0, 60, 230, 480, 540, 350}; // the five boxes, then the value
    static constexpr int kWidth[6] = {60, 170, 120, 60, 80, 130};
    FloorEditors(CWnd& host, int nRowHeight) {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    kLower, &host, 66);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
        for (int c = 0; c < 6; ++c) list.InsertColumn(c, L"c", LVCFMT_LEFT, 100);
        list.InsertItem(0, L"");
        // A row is the image's height and a little padding: the first try measures the padding.
        for (int cy = nRowHeight, nTry = 0; nTry < 2; ++nTry) {
            rowHeight.DeleteImageList();
            rowHeight.Create(1, cy, ILC_COLOR, 0, 1);
            list.SetImageList(&rowHeight, LVSIL_SMALL);
            CRect rc;
            list.GetItemRect(0, rc, LVIR_BOUNDS);
            cy += nRowHeight - rc.Height();
        }
        const std::initializer_list<const wchar_t*> entries[5] = {{L" ", L"("},
                                                                  {L"NAME", L"AGE", L"CITY"},
                                                                  {L"等于(=)", L"大于(>)", L"象(Like)"},
                                                                  {L" ", L")"},
                                                                  {L"无", L"与(and)", L"或(or)"}};
        for (int b = 0; b < 5; ++b) {
            boxes[b].Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT,
                            CRect(kLeft[b], 0, kLeft[b] + kWidth[b], 200), &list,
                            1001 + static_cast<UINT>(b));
            boxes[b].SetFont(list.GetFont());
            for (const wchar_t* e : entries[b]) boxes[b].AddString(e);
        }
        value.Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, CRect(350, 0, 480, 20), &list, 1007);
        value.SetFont(list.GetFont());
    }
    CWnd& Editor(int i) { return i < 5 ? static_cast<CWnd&>(boxes[i]) : value; }
    void Commit(int n) {
        for (int e = 0; e < 6; ++e) Editor(e).ShowWindow(SW_HIDE);
        list.DeleteAllItems();
        list.InsertItem(0, L"");
        int row = -1;
        wchar_t text[16];
        for (int i = 0; i <= n; ++i) {
            if (row >= 0) { // the click below the rows writes the row being edited
                CString cells[6];
                for (int b = 0; b < 5; ++b) boxes[b].GetLBText(boxes[b].GetCurSel(), cells[b]);
                cells[5] = value.GetWindowText();
                list.InsertItem(row, cells[0]);
                const int column[5] = {0, 1, 2, 4, 5};
                for (int b = 1; b < 5; ++b) list.SetItemText(row, column[b], cells[b]);
                list.SetItemText(row, 3, cells[5]);
                list.SetItemData(row, DWT_TEXT);
            }
            row = list.GetItemCount() - 1;
            list.EnsureVisible(row, FALSE);
            CRect cell;
            list.GetSubItemRect(row, 1, LVIR_BOUNDS, cell);
            for (int e = 0; e < 6; ++e) {
                Editor(e).SetWindowPos(nullptr, kLeft[e], cell.top, 0, 0,
                                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                Editor(e).ShowWindow(e == 1 ? SW_SHOW : SW_HIDE);
            }
            for (int b = 0; b < 5; ++b) boxes[b].SetCurSel(b == 1 ? -1 : 0);
            value.SetWindowText(L"");
            if (i == n) break;
            boxes[1].SetCurSel(0); // the user picks the field
            for (int e = 0; e < 6; ++e)
                if (e != 1) Editor(e).ShowWindow(SW_SHOW);
            ::swprintf(text, 16, L"v%d", i);
            value.SetWindowText(text);
        }
    }
};

const bench::Registrar kCases{{
    {"CConditionListCtrl: GetSQLSelectString vs reading the cells, rows", 10000, 1.5, &SqlAgainstReading,
     "the same cells read from a bare list view"},
    {"CConditionListCtrl: GetSQLSelectString vs reading the cells, rows", 20000, 1.5, &SqlAgainstReading,
     "the same cells read from a bare list view"},
    // Linear growth: 2n rows take at most 2.2 times n rows, a ratio of at most 1.1 against two runs
    // over n.
    {"CConditionListCtrl: GetSQLSelectString, 2n rows vs 2 x n rows", 20000, 1.1,
     [](CWnd& host, int n) {
         auto big = std::make_shared<CondList>(host, 62, n);
         auto half = std::make_shared<CondList>(host, 63, n / 2);
         return bench::Sides{[big] { Sql(*big); },
                             [half] {
                                 Sql(*half);
                                 Sql(*half);
                             }};
     },
     "the same condition list's text over half the rows, twice"},
    // Reading is linear too: 2n terms take at most 2.2 times n terms.
    {"CConditionListCtrl: SetSQLSelectString, 2n terms vs 2 x n terms", 20000, 1.1,
     [](CWnd& host, int n) {
         auto list = std::make_shared<ParseList>(host, 66);
         const CString big = ConditionOfTerms(n), half = ConditionOfTerms(n / 2);
         return bench::Sides{[list, big] { list->SetSQLSelectString(big); },
                             [list, half] {
                                 list->SetSQLSelectString(half);
                                 list->SetSQLSelectString(half);
                             }};
     },
     "the same condition list reading half the terms, twice"},
    {"CConditionListCtrl: rows committed through the editors vs written", 20, 0.0,
     [](CWnd& host, int n) {
         auto cond = std::make_shared<CondList>(host, 64, 0, kUpper);
         auto bare = std::make_shared<BareList>(host, 65, 0, kLower);
         return bench::Sides{[cond, n] { CommitThroughEditors(*cond, n); },
                             [bare, n] { WriteCells(*bare, n); }};
     },
     "the same cells written straight into a bare list view"},
    {"CConditionListCtrl: rows committed, against their floor", 20, 1.3,
     [](CWnd& host, int n) {
         auto cond = std::make_shared<CondList>(host, 67, 0, kUpper);
         CRect row;
         cond->GetItemRect(0, row, LVIR_BOUNDS); // the entry row
         auto floor = std::make_shared<FloorEditors>(host, row.Height());
         return bench::Sides{[cond, n] { CommitThroughEditors(*cond, n); }, [floor, n] { floor->Commit(n); }};
     },
     "a bare list view with bare drop-down lists and an edit doing the same window work per row"},
}};

} // namespace
