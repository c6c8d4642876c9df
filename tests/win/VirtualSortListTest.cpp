// The string-data list in virtual mode (LVS_OWNERDATA) and sorting by several columns: selection and
// focus across sorts, texts and finding rows through the records (its speed is the benchmark's).
#include "ListFixtures.h"

#include <algorithm>

using namespace harness;

class VirtualSortListTest : public SortListFixture {
protected:
    VirtualSortListTest() { multipleSort = TRUE; }
    // What the list view sends its parent for a header click, Shift held or not.
    void ClickHeader(CSortListCtrlEx& list, int nCol, bool shift) {
        KeysDown keys({shift ? VK_SHIFT : 0});
        NMLISTVIEW nm{{list.m_hWnd, 1, LVN_COLUMNCLICK}, -1, nCol, 0, 0, 0, {0, 0}, 0};
        host.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm));
    }
    static std::wstring Row(CListCtrl& list, int n) {
        return (list.GetItemText(n, 0) + L" " + list.GetItemText(n, 1) + L" " + list.GetItemText(n, 2)).str();
    }
    static Texts Rows(CListCtrl& list, UINT state = LVNI_ALL) {
        Texts out;
        for (int i = list.GetNextItem(-1, state); i != -1; i = list.GetNextItem(i, state))
            out.push_back(Row(list, i));
        return out;
    }
};

// Sorting by clicks and Shift+clicks in either mode keeps the selection and the focus on their
// records; rows inserted above move them down.
TEST_F(VirtualSortListTest, SelectionAndFocusStayOnTheirRecords) {
    using Step = std::tuple<int, bool, Texts>; // the column clicked, Shift, the order afterwards
    const Step steps[] = {
        {0, false, {L"a 2 x", L"b 1 x", L"c 2 y", L"d 1 y"}},
        {1, false, {L"b 1 x", L"d 1 y", L"a 2 x", L"c 2 y"}},
        {0, true, {L"b 1 x", L"d 1 y", L"a 2 x", L"c 2 y"}},
        {0, true, {L"d 1 y", L"b 1 x", L"c 2 y", L"a 2 x"}},
    };
    for (DWORD style : {DWORD{0}, DWORD{LVS_OWNERDATA}}) {
        SCOPED_TRACE(style ? "virtual" : "normal");
        CSortListCtrlEx list;
        Make(list, style);
        CSortListCtrlEx::CItemData* records[] = {Record({L"d", L"1", L"y"}), Record({L"b", L"1", L"x"}),
                                                 Record({L"a", L"2", L"x"}), Record({L"c", L"2", L"y"})};
        list.InsertItems(0, records, 4);
        for (int i : {0, 2}) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(3, LVIS_FOCUSED, LVIS_FOCUSED);
        for (const auto& [column, shift, order] : steps) {
            ClickHeader(list, column, shift);
            EXPECT_EQ(Rows(list), order);
            EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"c 2 y"});
            Texts selected = Rows(list, LVNI_SELECTED);
            std::sort(selected.begin(), selected.end());
            EXPECT_EQ(selected, (Texts{L"a 2 x", L"d 1 y"}));
        }
        list.InsertItem(0, Record({L"e", L"0", L"z"}));
        EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"c 2 y"});
    }
}

// Texts are read from and written to the records, also past a record's last text; the list view
// finds rows by the first texts.
TEST_F(VirtualSortListTest, TextsAndFindingGoThroughTheRecords) {
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDATA);
    list.InsertItem(0, Record({L"name", L"old"}));
    EXPECT_EQ(list.GetItemText(0, 2), L"");
    EXPECT_TRUE(list.SetItemText(0, 1, L"new") && list.SetItemText(0, 2, L"third"));
    EXPECT_FALSE(list.SetItemText(1, 0, L"no row"));
    EXPECT_EQ(Row(list, 0), L"name new third");

    list.DeleteAllItems();
    for (LPCWSTR t : {L"apple", L"Banana", L"berry", L"cherry"})
        list.InsertItem(list.GetItemCount(), Record({t}));
    using Find = std::tuple<int, LPCWSTR, UINT, int>; // after, text, flags, the row found
    for (auto [after, text, flags, row] : {Find{-1, L"b", LVFI_PARTIAL, 1}, // case-insensitive prefix
                                           Find{3, L"a", LVFI_PARTIAL, -1}, // not past the end...
                                           Find{3, L"a", LVFI_PARTIAL | LVFI_WRAP, 0}, // ...unless wrapping
                                           Find{-1, L"ber", LVFI_STRING, -1}}) {       // whole text
        LVFINDINFOW info{flags, text, 0, {}, 0};
        EXPECT_EQ(list.FindItem(&info, after), row) << flags;
    }
}

// A million records, column 0 a seven-digit number (each once), column 1 one of three letters:
// clicks and Shift+clicks sort them, and the first and last rows are the right ones.
TEST_F(VirtualSortListTest, MillionRowsSortByClicksAndShiftClicks) {
    constexpr int n = 1000000;
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDATA);
    std::vector<CSortListCtrlEx::CItemData*> records;
    wchar_t number[16];
    for (int i = 0; i < n; ++i) {
        ::wsprintfW(number, L"%07d", static_cast<int>((i * 7919LL) % n));
        records.push_back(Record({number, i % 3 == 0 ? L"a" : i % 3 == 1 ? L"b" : L"c"}));
    }
    ASSERT_EQ(list.InsertItems(0, records.data(), n), 0);
    using Step = std::tuple<int, bool, LPCWSTR, LPCWSTR, std::vector<CSortKey>>; // click, first, last, keys
    for (const auto& [column, shift, first, last, keys] : {
             Step{0, false, L"0000000 a ", L"0999999 b ", {{0, true}}},
             Step{0, false, L"0999999 b ", L"0000000 a ", {{0, false}}},
             Step{1, false, L"0999886 a ", L"0000057 c ", {{1, true}}}, // ties keep the descending numbers
             Step{0, true, L"0000000 a ", L"0999943 c ", {{1, true}, {0, true}}},
             Step{1, true, L"0000057 c ", L"0999886 a ", {{1, false}, {0, true}}},
         }) {
        ClickHeader(list, column, shift);
        EXPECT_EQ(list.GetSortKeys(), keys);
        EXPECT_EQ(Row(list, list.GetTopIndex()), first) << column << shift;
        EXPECT_EQ(Row(list, n - 1), last) << column << shift;
    }
}
