// The string-data list in virtual mode (LVS_OWNERDATA) and sorting by several columns: selection and
// focus across sorts, texts and finding rows through the records (its speed is the benchmark's).
#include "ListFixtures.h"

#include <algorithm>
#include <functional>

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
    InBothModes([&](CSortListCtrlEx& list, DWORD) {
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
    });
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

// A list whose Text columns compare by length, as an application's override would.
class CLengthList : public CSortListCtrlEx {
protected:
    int CompareItems(int, const CString& a, const CString& b) override {
        return a.GetLength() - b.GetLength();
    }
};

// In both modes the column types set decide the sort, also under several keys (how each type
// orders is the typed comparison's rule); an override of the per-column comparison still decides
// the Text columns, and a typed column does not ask it.
TEST_F(VirtualSortListTest, TypedColumnsAndTheApplicationsComparison) {
    InBothModes([&](CSortListCtrlEx& list, DWORD) {
        // Column 0 a name, column 1 a number, column 2 a date (both forms).
        for (const auto& r : {std::array<LPCWSTR, 3>{L"file10", L"10", L"1969-10-1"},
                              {L"file9", L"-2", L"1969-07-20"},
                              {L"File9b", L"x", L"1969-7-20"},
                              {L"a", L"9", L"1900-1-1"}})
            list.InsertItem(list.GetItemCount(), Record({r[0], r[1], r[2]}));
        list.SetColumnSortType(0, SortType::Natural);
        list.SetColumnSortType(1, SortType::Number);
        list.SetColumnSortType(2, SortType::Date);
        EXPECT_EQ(list.GetColumnSortType(2), SortType::Date);
        using Step = std::pair<std::vector<CSortKey>, Texts>; // the keys, column 0 afterwards
        for (const auto& [keys, order] :
             {Step{{{1, true}}, {L"File9b", L"file9", L"a", L"file10"}},
              Step{{{2, false}, {0, false}}, {L"file10", L"File9b", L"file9", L"a"}},
              Step{{{0, true}}, {L"a", L"file9", L"File9b", L"file10"}}}) {
            list.SortByKeys(keys);
            Texts column0;
            for (int i = 0; i < list.GetItemCount(); ++i) column0.push_back(list.GetItemText(i, 0).str());
            EXPECT_EQ(column0, order) << keys.front().nCol << " " << keys.size();
        }
    });
    InBothModes<CLengthList>([&](CSortListCtrlEx& list, DWORD) {
        for (LPCWSTR t : {L"ccc", L"a", L"bb", L"dd"}) list.InsertItem(list.GetItemCount(), Record({t, t}));
        list.SetColumnSortType(1, SortType::Text);
        list.SortColumn(0, TRUE); // by length: level texts keep their order
        EXPECT_EQ(Rows(list), (Texts{L"a a ", L"bb bb ", L"dd dd ", L"ccc ccc "}));
        list.SetColumnSortType(1, SortType::Natural); // typed: the override is not asked
        list.SortColumn(1, FALSE);
        EXPECT_EQ(Rows(list), (Texts{L"dd dd ", L"ccc ccc ", L"bb bb ", L"a a "}));
    });
}

// A filtered virtual list shows the accepted records in sort order, keeps selection and focus on
// their records (a record filtered out loses them), and shows all again when the filter goes.
TEST_F(VirtualSortListTest, FiltersShowTheAcceptedRecordsAndKeepTheMarks) {
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDATA);
    for (LPCWSTR t : {L"delta 4", L"Alpha 1", L"echo 5", L"bravo 2", L"charlie 3", L"alpine 6"}) {
        const std::wstring s(t);
        list.InsertItem(list.GetItemCount(),
                        Record({s.substr(0, s.find(' ')).c_str(), s.substr(s.find(' ') + 1).c_str()}));
    }
    list.SetColumnSortType(1, SortType::Number);
    list.SortColumn(0, TRUE);
    for (int i : {0, 3, 4}) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED); // Alpha, charlie, delta
    list.SetItemState(4, LVIS_FOCUSED, LVIS_FOCUSED);                           // delta
    auto odd = [](const CSortListCtrlEx::CItemData& r) { return r.m_arrText[1].view().back() % 2 == 1; };
    using Step =
        std::tuple<std::function<void()>, Texts, Texts, Texts, int>; // shown, selected, focused, count
    const Step steps[] = {
        {[&] { list.SetQuickFilter(L"AL"); }, {L"Alpha 1 ", L"alpine 6 "}, {L"Alpha 1 "}, {}, 2},
        {[&] { list.SetQuickFilter(L"a", 0); },
         {L"Alpha 1 ", L"alpine 6 ", L"bravo 2 ", L"charlie 3 ", L"delta 4 "},
         {L"Alpha 1 "},
         {},
         5}, // charlie and delta were hidden: unselected
        {[&] { list.SetQuickFilter(L"4", 1); }, {L"delta 4 "}, {}, {}, 1},
        {[&] { list.SetQuickFilter(nullptr); },
         {L"Alpha 1 ", L"alpine 6 ", L"bravo 2 ", L"charlie 3 ", L"delta 4 ", L"echo 5 "},
         {},
         {},
         6},
    };
    const Texts before{L"Alpha 1 ", L"alpine 6 ", L"bravo 2 ", L"charlie 3 ", L"delta 4 ", L"echo 5 "};
    EXPECT_EQ(Rows(list), before);
    EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"delta 4 "});
    for (const auto& [apply, shown, selected, focused, count] : steps) {
        apply();
        EXPECT_EQ(Rows(list), shown);
        EXPECT_EQ(Rows(list, LVNI_SELECTED), selected);
        EXPECT_EQ(Rows(list, LVNI_FOCUSED), focused);
        EXPECT_EQ(std::pair(list.GetItemCount(), list.GetRecordCount()), std::pair(count, 6));
    }
    // Filter and quick filter together ("and"), sorting by a number column keeps what shows, and the
    // focus and selection stay on their records.
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); // bravo
    list.SetFilter(odd);
    EXPECT_EQ(Rows(list), (Texts{L"Alpha 1 ", L"charlie 3 ", L"echo 5 "}));
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); // charlie
    list.SetQuickFilter(L"h");
    EXPECT_EQ(Rows(list), (Texts{L"Alpha 1 ", L"charlie 3 ", L"echo 5 "}));
    list.SetQuickFilter(L"e");
    EXPECT_EQ(Rows(list), (Texts{L"charlie 3 ", L"echo 5 "}));
    list.SortColumn(1, FALSE);
    EXPECT_EQ(Rows(list), (Texts{L"echo 5 ", L"charlie 3 "}));
    EXPECT_EQ(std::pair(Rows(list, LVNI_SELECTED), Rows(list, LVNI_FOCUSED)),
              std::pair(Texts{L"charlie 3 "}, Texts{L"charlie 3 "}));
    // A record inserted shows where it went; deleting a row deletes its record.
    list.InsertItem(1, Record({L"zulu", L"8"}));
    EXPECT_EQ(Rows(list), (Texts{L"echo 5 ", L"zulu 8 ", L"charlie 3 "}));
    EXPECT_TRUE(list.DeleteItem(0));
    list.SetFilter(nullptr);
    list.SetQuickFilter(L"");
    EXPECT_EQ(Rows(list),
              (Texts{L"alpine 6 ", L"delta 4 ", L"zulu 8 ", L"charlie 3 ", L"bravo 2 ", L"Alpha 1 "}));
    EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"charlie 3 "});

    CSortListCtrlEx normal;
    Make(normal, 0, {L"a"});
    EXPECT_EQ(std::tuple(normal.SetFilter(odd), normal.SetQuickFilter(L"x"), normal.GetRecordCount()),
              std::tuple(FALSE, FALSE, 1));
}

// Ctrl+A then Ctrl+C by real keys: every row on the clipboard as tab-separated lines in row order,
// cells quoted where a spreadsheet needs it, the titles first when asked for.
TEST_F(VirtualSortListTest, SelectAllAndCopyByRealKeys) {
    InBothModes([&](CSortListCtrlEx& list, DWORD) {
        list.InsertItem(0, Record({L"b", L"two\tcells", L"say \"hi\""}));
        list.InsertItem(1, Record({L"a", L"line\r\nbreak"}));
        list.SortColumn(0, TRUE);
        SetClipboardText(L"before");
        real::Click(list.m_hWnd, {30, CellRect(list, 0, 0).CenterPoint().y});
        real::Key('A', {VK_CONTROL});
        EXPECT_EQ(list.GetSelectedCount(), 2u);
        real::Key('C', {VK_CONTROL});
        EXPECT_EQ(GetClipboardText(), L"a\t\"line\r\nbreak\"\t\r\nb\t\"two\tcells\"\t\"say \"\"hi\"\"\"\r\n");
        list.EnableCopyTitles(TRUE);
        list.SetItemState(0, 0, LVIS_SELECTED);
        real::Key('C', {VK_CONTROL});
        EXPECT_EQ(GetClipboardText(), L"Col\tCol\tCol\r\nb\t\"two\tcells\"\t\"say \"\"hi\"\"\"\r\n");
    });
}

// After Ctrl+A every row stays selected until a click, a key or a call changes the selection, and
// then it changes as the list view changes it, in both modes. In virtual mode the parent hears one
// change of item -1 to selected, and one to deselected wherever every row is deselected first (by
// the list, or by the list view once it holds the selection again).
TEST_F(VirtualSortListTest, SelectAllHoldsUntilTheSelectionChanges) {
    using List = CSortListCtrlEx;
    using Step = std::tuple<const char*, std::function<void(List&)>, std::wstring, int>;
    auto post = [](List& l, UINT down, UINT up, int row, WPARAM keys) {
        const CRect last = CellRect(l, 3, 0);
        const LPARAM pt = MAKELPARAM(30, row < 0 ? last.bottom + 20 : CellRect(l, row, 0).CenterPoint().y);
        l.PostMessage(down, keys | (down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON), pt);
        l.PostMessage(up, keys, pt);
        Pump();
    };
    auto click = [&](int row, WPARAM keys = 0) {
        return [=, &post](List& l) { post(l, WM_LBUTTONDOWN, WM_LBUTTONUP, row, keys); };
    };
    auto rightClick = [&](int row) {
        return [=, &post](List& l) { post(l, WM_RBUTTONDOWN, WM_RBUTTONUP, row, 0); };
    };
    auto key = [](UINT vk, int modifier = 0) {
        return [=](List& l) {
            KeysDown held({modifier});
            PressKey(l.m_hWnd, vk);
        };
    };
    const Step steps[] = {
        // what is done, the rows selected afterwards, heard every row deselected
        {"nothing", [](List&) {}, L"abcd", 0},
        {"sorted", [](List& l) { l.SortColumn(0, FALSE); }, L"dcba", 0},
        {"clicked", click(1), L"b", 1},
        {"Ctrl+clicked", click(1, MK_CONTROL), L"acd", 0},
        {"Shift+clicked", click(2, MK_SHIFT), L"abc", 1},
        {"clicked off the rows", click(-1), L"", 1},
        {"right-clicked", rightClick(2), L"abcd", 0},
        {"right-clicked off the rows", rightClick(-1), L"", 1},
        {"Down", key(VK_DOWN), L"b", 1},
        {"Ctrl+Down", key(VK_DOWN, VK_CONTROL), L"abcd", 0},
        {"Shift+Down", key(VK_DOWN, VK_SHIFT), L"ab", 1},
        {"Up at the top", key(VK_UP), L"abcd", 0},
        {"Space", key(VK_SPACE), L"a", 1},
        {"Ctrl+Space", key(VK_SPACE, VK_CONTROL), L"bcd", 0},
        {"Page Down", key(VK_NEXT), L"d", 1},
        {"typed", [](List& l) { TypeChars(l.m_hWnd, L"c"); }, L"c", 1},
        {"one deselected", [](List& l) { l.SetItemState(2, 0, LVIS_SELECTED); }, L"abd", 0},
        {"all deselected", [](List& l) { l.SetItemState(-1, 0, LVIS_SELECTED); }, L"", 1},
        {"focus moved", [](List& l) { l.SetItemState(3, LVIS_FOCUSED, LVIS_FOCUSED); }, L"abcd", 0},
        {"one added",
         [](List& l) {
             l.InsertItem(4, Record({L"e", L"x"}));
         },
         L"abcd", 0},
        {"one inserted",
         [](List& l) {
             l.InsertItem(0, Record({L"e", L"x"}));
         },
         L"abcd", 0},
        {"one deleted", [](List& l) { l.DeleteItem(0); }, L"bcd", 0},
        {"all deleted",
         [](List& l) {
             l.DeleteAllItems(), l.InsertItem(0, Record({L"e", L"x"}));
         },
         L"", 1},
        {"filtered and shown again", [](List& l) { l.SetQuickFilter(L"b") && l.SetQuickFilter(L""); }, L"b",
         2},
    };
    InBothModes([&](List& list, DWORD style) {
        int heard[2] = {}; // the parent's changes of item -1: to deselected, to selected
        host.onHeard = [&](const NMHDR& hdr) {
            const auto& nm = reinterpret_cast<const NMLISTVIEW&>(hdr);
            if (hdr.code == LVN_ITEMCHANGED && nm.iItem == -1) ++heard[(nm.uNewState & LVIS_SELECTED) != 0];
        };
        for (const auto& [what, step, selected, everyRowOff] : steps) {
            SCOPED_TRACE(what);
            if (!style && std::string_view(what).starts_with("filtered")) continue;
            list.DeleteAllItems();
            for (LPCWSTR t : {L"a", L"b", L"c", L"d"})
                list.InsertItem(list.GetItemCount(), Record({t, L"x"}));
            list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED); // the list view's own, before
            list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
            list.SetSelectionMark(0);
            heard[0] = heard[1] = 0;
            {
                KeysDown ctrl({VK_CONTROL});
                PressKey(list.m_hWnd, 'A');
            }
            EXPECT_EQ(list.GetSelectedCount(), 4u);
            step(list);
            std::wstring rows;
            for (const std::wstring& row : Rows(list, LVNI_SELECTED)) rows += row[0];
            EXPECT_EQ(rows, selected);
            EXPECT_EQ(list.GetSelectedCount(), selected.size());
            if (style) {
                EXPECT_EQ(std::pair(heard[0], heard[1]), std::pair(everyRowOff, 1));
            }
        }
        host.onHeard = nullptr;
    });
}

// A paste gets the text as it was at Ctrl+C, whatever becomes of the rows or of the list afterwards,
// until a later copy or another program replaces it.
TEST_F(VirtualSortListTest, PasteGetsTheTextOfTheCopy) {
    const auto copy = [](CSortListCtrlEx& list) {
        KeysDown ctrl({VK_CONTROL});
        list.SendMessage(WM_KEYDOWN, 'C');
    };
    struct Case {
        const char* what;
        std::function<void(CSortListCtrlEx&)> then; // after the copy
        std::wstring pasted;
    };
    const Case cases[] = {
        {"a row changed", [](CSortListCtrlEx& list) { list.SetItemText(0, 0, L"changed"); }, L"a\t1\t\r\n"},
        {"the list destroyed", [](CSortListCtrlEx& list) { list.DestroyWindow(); }, L"a\t1\t\r\n"},
        {"pasted, then the list destroyed",
         [](CSortListCtrlEx& list) { GetClipboardText(), list.DestroyWindow(); }, L"a\t1\t\r\n"},
        {"copied again",
         [&](CSortListCtrlEx& list) {
             list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
             copy(list);
         },
         L"a\t1\t\r\nb\t2\t\r\n"},
        {"emptied by another program",
         [](CSortListCtrlEx&) { ::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard(); }, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InBothModes([&](CSortListCtrlEx& list, DWORD) {
            list.InsertItem(0, Record({L"a", L"1"}));
            list.InsertItem(1, Record({L"b", L"2"}));
            list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            copy(list);
            c.then(list);
            EXPECT_EQ(GetClipboardText(), c.pasted);
        });
    }
}
