// The large list page: a million rows in a string-data list in virtual mode, sorted by several
// columns (Shift+click adds a column to the order; the amount column as numbers), filtered by a
// quick-filter box and by a condition composed in a condition list (run in memory), with the shown
// count and the time of the last sort or filter.
#include "DemoPanel.h"

#include <cstdlib>
#include <random>
#include <tuple>

namespace {

constexpr int kRows = 1000000;

// Tells after every sort how many rows it ordered, by how many keys, and how long it took.
class CTimedSortList : public CSortListCtrlEx {
public:
    CWnd* m_pStatus = nullptr;

protected:
    void SortRows() override {
        LARGE_INTEGER f, t0, t1;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t0);
        CSortListCtrlEx::SortRows();
        ::QueryPerformanceCounter(&t1);
        if (!m_pStatus) return;
        const int nKeys = static_cast<int>(GetSortKeys().size());
        CString what;
        what.Format(L"the last sort, by %d key%s", nKeys, nKeys == 1 ? L"" : L"s");
        Tell(what, t0, t1, f);
    }

public:
    // Applies the quick filter and tells how many rows it left and how long it took.
    void QuickFilter(LPCWSTR lpszText) {
        LARGE_INTEGER f, t0, t1;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t0);
        SetQuickFilter(lpszText);
        ::QueryPerformanceCounter(&t1);
        Tell(L"the quick filter", t0, t1, f);
    }

    // Shows the records the condition list's condition accepts, and tells how many and how long.
    void ConditionFilter(CConditionListCtrl& query, CConditionFilter& filter) {
        LARGE_INTEGER f, t0, t1;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t0);
        if (!query.GetFilter(filter)) return; // the row being edited has no value yet
        SetFilter([filter](const CItemData& row) { return filter(row.m_arrText); });
        ::QueryPerformanceCounter(&t1);
        Tell(L"the condition", t0, t1, f);
    }
    void ShowAll() {
        LARGE_INTEGER f, t0, t1;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t0);
        SetFilter({});
        ::QueryPerformanceCounter(&t1);
        Tell(L"showing all", t0, t1, f);
    }
    // The status line without the time: a time differs on every run, so a picture of the page
    // would too (the benchmark is what measures it).
    void HideTime() {
        m_bShowTime = false;
        ShowStatus();
    }

private:
    // A count with its thousands grouped: 4,086 and 1,000,000.
    static CString Grouped(int n) {
        CString text;
        text.Format(L"%d", n);
        for (int i = text.GetLength() - 3; i > 0; i -= 3) text.Insert(i, L',');
        return text;
    }
    void Tell(LPCWSTR lpszWhat, LARGE_INTEGER t0, LARGE_INTEGER t1, LARGE_INTEGER f) {
        m_strWhat = lpszWhat;
        m_seconds = static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
        ShowStatus();
    }
    void ShowStatus() {
        if (!m_pStatus) return;
        CString text, time;
        text.Format(L"%s of %s rows shown", Grouped(GetItemCount()).GetString(),
                    Grouped(GetRecordCount()).GetString());
        if (m_bShowTime) time.Format(L"; %s took %.2f s", m_strWhat.GetString(), m_seconds);
        m_pStatus->SetWindowText(text + time + L". Shift+click adds a sort key.");
    }

    CString m_strWhat; // what the last time was taken of
    double m_seconds = 0;
    bool m_bShowTime = true;
};

// The quick-filter box: each change of its text filters the list.
class CFilterEdit : public CEdit {
public:
    CTimedSortList* m_pList = nullptr;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pList) {
            CString text;
            GetWindowText(text);
            m_pList->QuickFilter(text);
            return TRUE;
        }
        return CEdit::OnChildNotify(message, wParam, lParam, pResult);
    }
};

const wchar_t* const kDepartments[] = {L"Accounts", L"Design", L"Legal",   L"Logistics",
                                       L"Research", L"Sales",  L"Support", L"Training"};
const wchar_t* const kCities[] = {L"Bergen", L"Lyon", L"Osaka", L"Porto", L"Quito", L"Tartu"};

// Staff records: department, name, city and an amount (a number column: "9.50" sorts before
// "10.00" because the column sorts as numbers, not as texts).
std::vector<CSortListCtrlEx::CItemData*> MakeRows(int count) {
    static const wchar_t* const kFirst[] = {L"Ada",  L"Ben",  L"Cleo", L"Dev", L"Eva", L"Finn",
                                            L"Gil",  L"Hana", L"Ivo",  L"Jun", L"Kai", L"Lea",
                                            L"Milo", L"Nia",  L"Otto", L"Pia"};
    static const wchar_t* const kLast[] = {L"Berg", L"Costa", L"Doyle",  L"Engel", L"Fox",  L"Grant",
                                           L"Hale", L"Ito",   L"Jansen", L"Klein", L"Lund", L"Moreau"};
    std::mt19937 rng(5);
    std::vector<CSortListCtrlEx::CItemData*> rows(static_cast<size_t>(count));
    CString name, number;
    for (int i = 0; i < count; ++i) {
        auto* row = new CSortListCtrlEx::CItemData;
        name.Format(L"%s %s", kFirst[rng() % 16], kLast[rng() % 12]);
        const int cents = static_cast<int>(rng() % 10000000) - 1000000;
        number.Format(L"%s%d.%02d", cents < 0 ? L"-" : L"", std::abs(cents) / 100, std::abs(cents) % 100);
        row->m_arrText.Add(kDepartments[rng() % 8]);
        row->m_arrText.Add(name);
        row->m_arrText.Add(kCities[rng() % 6]);
        row->m_arrText.Add(number);
        rows[static_cast<size_t>(i)] = row;
    }
    return rows;
}

class CVirtualListPanel : public CDemoPanel {
protected:
    LPCWSTR Title() const override {
        return L"CSortListCtrlEx in virtual mode (LVS_OWNERDATA), sortable by several columns";
    }

    int Fill(int y) override {
        AddLabel(L"Quick filter:", Box(8, y + Px(3), 88, 18));
        auto* filter = Add<CFilterEdit>();
        filter->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, Box(92, y, 260, 22),
                       this, 101);
        filter->SetFont(Font());
        // Two lines: the count and the time, then the hint.
        CWnd* status = AddLabel(L"", Box(272, y, kRight, 32));
        y += Px(36);

        // The condition list over the same four columns, in English words.
        m_pQuery = Add<CConditionListCtrl>();
        m_pQuery->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, Box(8, y, 600, 100), this, 102);
        m_pQuery->SetFont(Font());
        m_pQuery->SetLabels(CConditionLabels::English());
        for (LPCWSTR s : kDepartments) m_departments.Add(s);
        for (LPCWSTR s : kCities) m_cities.Add(s);
        m_pQuery->SetFieldList(L"Department", static_cast<UINT>(DWT_COMBO), &m_departments, L"Name",
                               static_cast<UINT>(DWT_TEXT), nullptr, L"City", static_cast<UINT>(DWT_LIST),
                               &m_cities, L"Amount", static_cast<UINT>(DWT_NUMBER), nullptr, nullptr);
        m_pQuery->AddCondition(L"Amount", L">", L"50000", L"and");
        m_pQuery->AddCondition(L"City", L"=", L"Osaka", L"and");
        m_pQuery->AddCondition(L"Name", L"Like", L"a%");
        NarrowColumns(*m_pQuery, {40, 110, 130, 110, 40, 60});
        y += Px(106);
        for (const auto& [nID, text, left] : {std::tuple{kApplyId, L"Filter by the condition", 8},
                                              std::tuple{kShowAllId, L"Show all", 176}}) {
            auto* button = Add<CButton>();
            button->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           Box(left, y, left + 160, 24), this, nID);
            button->SetFont(Font());
        }
        for (const auto& [field, column] :
             {std::pair{L"Department", 0}, {L"Name", 1}, {L"City", 2}, {L"Amount", 3}})
            m_filter.Bind(field, column);
        y += Px(32);

        auto* list = m_pList = Add<CTimedSortList>();
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_OWNERDATA |
                            LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS;
        list->Create(style, Box(8, y, kRight, 190), this, 100);
        list->SetFont(Font());
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list->EnableMultipleSort(TRUE);
        list->InsertColumn(0, L"Department", LVCFMT_LEFT, Px(150));
        list->InsertColumn(1, L"Name", LVCFMT_LEFT, Px(160));
        list->InsertColumn(2, L"City", LVCFMT_LEFT, Px(120));
        list->InsertColumn(3, L"Amount", LVCFMT_RIGHT, Px(100));
        list->SetColumnSortType(3, SortType::Number);
        const std::vector<CSortListCtrlEx::CItemData*> rows = MakeRows(kRows);
        list->InsertItems(0, rows.data(), kRows);
        list->m_pStatus = status;
        filter->m_pList = list;
        // As a click on Department and a Shift+click on Name do.
        list->SortByKeys({{0, true}, {1, true}});
        list->ConditionFilter(*m_pQuery, m_filter);
        list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return y + Px(190);
    }

    // The page's picture: the counts without the time, so that the pictures (and the README's
    // overview made of them) change only when the page does.
    std::vector<Shot> Shots() override {
        return {{L"", [this] { m_pList->HideTime(); }}};
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED && m_pList) {
            switch (LOWORD(wParam)) {
            case kApplyId:
                m_pList->ConditionFilter(*m_pQuery, m_filter);
                return TRUE;
            case kShowAllId:
                m_pList->ShowAll();
                return TRUE;
            default:
                break;
            }
        }
        return CDemoPanel::OnCommand(wParam, lParam);
    }

private:
    static constexpr UINT kApplyId = 103, kShowAllId = 104;
    CTimedSortList* m_pList = nullptr;
    CConditionListCtrl* m_pQuery = nullptr;
    CConditionFilter m_filter; // its columns bound once; the condition taken at each apply
    CStringArray m_departments, m_cities;
};

const DemoPageRegistrar kPage{{35, L"Large list", L"virtlist", {[]() -> std::unique_ptr<CDemoPanel> {
                                   return std::make_unique<CVirtualListPanel>();
                               }}}};

} // namespace
