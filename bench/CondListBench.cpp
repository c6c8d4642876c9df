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

struct CondList : CConditionListCtrl {
    CondList(CWnd& host, UINT nID, int rows) {
        Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{0, 0, 660, 400}, &host, nID);
        AddFields(*this);
        FillRows(*this, rows);
    }
};

struct BareList : CListCtrl {
    BareList(CWnd& host, UINT nID, int rows) {
        Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, RECT{0, 0, 660, 400}, &host, nID);
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

const bench::Registrar kCases{{
    {"CConditionListCtrl: GetSQLSelectString vs reading the cells, rows", 10000, 1.5, &SqlAgainstReading},
    {"CConditionListCtrl: GetSQLSelectString vs reading the cells, rows", 20000, 1.5, &SqlAgainstReading},
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
     }},
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
     }},
    {"CConditionListCtrl: rows committed through the editors vs written", 1000, 0.0,
     [](CWnd& host, int n) {
         auto cond = std::make_shared<CondList>(host, 64, 0);
         auto bare = std::make_shared<BareList>(host, 65, 0);
         return bench::Sides{[cond, n] { CommitThroughEditors(*cond, n); },
                             [bare, n] { WriteCells(*bare, n); }};
     }},
}};

} // namespace
