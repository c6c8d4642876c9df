// The large list page: a million rows in a string-data list in virtual mode, sorted by several
// columns (Shift+click adds a column to the order), with the row count and the last sort's time.
#include "DemoPanel.h"

#include <random>

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
        const int nRows = GetItemCount();
        const int nKeys = static_cast<int>(GetSortKeys().size());
        CString text;
        text.Format(
            L"%d,%03d,%03d rows; the last sort, by %d key%s, took %.2f s. Click a header to sort by it, "
            L"Shift+click to add it as the next key.",
            nRows / 1000000, nRows / 1000 % 1000, nRows % 1000, nKeys, nKeys == 1 ? L"" : L"s",
            static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart));
        m_pStatus->SetWindowText(text);
    }
};

// Staff records: department, name, city and a seven-digit number (zero-padded, so that the text
// order is the number order).
std::vector<CSortListCtrlEx::CItemData*> MakeRows(int count) {
    static const wchar_t* const kDepartments[] = {L"Accounts", L"Design", L"Legal",   L"Logistics",
                                                  L"Research", L"Sales",  L"Support", L"Training"};
    static const wchar_t* const kFirst[] = {L"Ada",  L"Ben",  L"Cleo", L"Dev", L"Eva", L"Finn",
                                            L"Gil",  L"Hana", L"Ivo",  L"Jun", L"Kai", L"Lea",
                                            L"Milo", L"Nia",  L"Otto", L"Pia"};
    static const wchar_t* const kLast[] = {L"Berg", L"Costa", L"Doyle",  L"Engel", L"Fox",  L"Grant",
                                           L"Hale", L"Ito",   L"Jansen", L"Klein", L"Lund", L"Moreau"};
    static const wchar_t* const kCities[] = {L"Bergen", L"Lyon", L"Osaka", L"Porto", L"Quito", L"Tartu"};
    std::mt19937 rng(5);
    std::vector<CSortListCtrlEx::CItemData*> rows(static_cast<size_t>(count));
    CString name, number;
    for (int i = 0; i < count; ++i) {
        auto* row = new CSortListCtrlEx::CItemData;
        name.Format(L"%s %s", kFirst[rng() % 16], kLast[rng() % 12]);
        number.Format(L"%07d", static_cast<int>(rng() % 10000000));
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
        CWnd* status = AddLabel(L"", RECT{8, y, Width() - 8, y + 18});
        y += 22;
        auto* list = Add<CTimedSortList>();
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_OWNERDATA |
                            LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS;
        list->Create(style, RECT{8, y, Width() - 8, y + 500}, this, 100);
        list->SetFont(Font());
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list->EnableMultipleSort(TRUE);
        list->InsertColumn(0, L"Department", LVCFMT_LEFT, 200);
        list->InsertColumn(1, L"Name", LVCFMT_LEFT, 240);
        list->InsertColumn(2, L"City", LVCFMT_LEFT, 160);
        list->InsertColumn(3, L"Number", LVCFMT_RIGHT, 120);
        const std::vector<CSortListCtrlEx::CItemData*> rows = MakeRows(kRows);
        list->InsertItems(0, rows.data(), kRows);
        list->m_pStatus = status;
        // As a click on Department and a Shift+click on Name do.
        list->SortByKeys({{0, true}, {1, true}});
        list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return y + 500;
    }
};

const DemoPageRegistrar kPage{{35, L"Large list", L"virtlist", {[]() -> std::unique_ptr<CDemoPanel> {
                                   return std::make_unique<CVirtualListPanel>();
                               }}}};

} // namespace
