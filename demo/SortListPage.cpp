// The sortable lists' page: a string-data list of generated rows, sorted by clicking a header (the
// default comparison is ordinal, so "10" comes before "9"), and a list that compares its number
// columns as numbers.
#include "DemoPanel.h"

#include <random>

namespace {

// Rows of a file listing: a name, a size in bytes (right-aligned) and a type.
void FillRows(CSortListCtrlEx& list, int count) {
    static const wchar_t* const kTypes[] = {L"Text", L"Image", L"Sheet", L"Archive"};
    std::mt19937 rng(13);
    list.SetRedraw(FALSE);
    for (int i = 0; i < count; ++i) {
        auto* row = new CSortListCtrlEx::CItemData;
        CString name, size;
        name.Format(L"file%05d.dat", static_cast<int>(rng() % 100000));
        size.Format(L"%d", static_cast<int>(rng() % 100000));
        row->m_arrText.Add(name);
        row->m_arrText.Add(size);
        row->m_arrText.Add(kTypes[rng() % 4]);
        list.InsertItem(i, row);
    }
    list.SetRedraw(TRUE);
}

// Compares the size column (1) as a number; the other columns keep the ordinal comparison.
class CNumericSortList : public CSortListCtrlEx {
protected:
    using CSortListCtrlEx::CompareItems;
    int CompareItems(int nCol, const CString& str1, const CString& str2) override {
        if (nCol != 1) return CSortListCtrlEx::CompareItems(nCol, str1, str2);
        const int n1 = ::_wtoi(str1), n2 = ::_wtoi(str2);
        return n1 < n2 ? -1 : n1 > n2;
    }
};

template <class List> class CSortListPanel : public CDemoPanel {
public:
    CSortListPanel(LPCWSTR title, int rows, int sortColumn, BOOL ascending)
        : m_title(title), m_rows(rows), m_sortColumn(sortColumn), m_ascending(ascending) {}

protected:
    static constexpr int kHeight = 150; // two lists on a page
    LPCWSTR Title() const override { return m_title; }

    int Fill(int y) override {
        auto* list = Add<List>();
        const DWORD style =
            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS;
        list->Create(style, Box(8, y, kRight, kHeight), this, 100);
        list->SetFont(Font());
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list->InsertColumn(0, L"Name", LVCFMT_LEFT, Px(200));
        list->InsertColumn(1, L"Size", LVCFMT_RIGHT, Px(120));
        list->InsertColumn(2, L"Type", LVCFMT_LEFT, Px(120));
        FillRows(*list, m_rows);
        // As a click on the header does: the first click sorts ascending, the next reverses.
        list->SortColumn(m_sortColumn, m_ascending);
        list->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return y + Px(kHeight);
    }

private:
    LPCWSTR m_title;
    int m_rows, m_sortColumn;
    BOOL m_ascending;
};

std::unique_ptr<CDemoPanel> MakeOrdinalPanel() {
    return std::make_unique<CSortListPanel<CSortListCtrlEx>>(
        L"CSortListCtrlEx: 10,000 rows, click a header to sort (sizes compare as text: 10 before 9)", 10000,
        1, TRUE);
}

std::unique_ptr<CDemoPanel> MakeNumericPanel() {
    return std::make_unique<CSortListPanel<CNumericSortList>>(
        L"Derived from CSortListCtrlEx: the size column compares as numbers", 1000, 1, FALSE);
}

const DemoPageRegistrar kPage{{30, L"Sortable lists", L"sortlist", {&MakeOrdinalPanel, &MakeNumericPanel}}};

} // namespace
