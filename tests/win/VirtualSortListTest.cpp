// The string-data list in virtual mode (LVS_OWNERDATA) and sorting by several columns: header
// clicks as the list view reports them, selection and focus across a sort, record ownership, texts
// and finding rows through the records, and the header's keys.
#include "Harness.h"

#include <memory>

using namespace harness;

namespace {

using Texts = std::vector<std::wstring>;

struct CountedRecord : CSortListCtrlEx::CItemData {
    static inline int deleted = 0;
    ~CountedRecord() override { ++deleted; }
};

template <class T = CSortListCtrlEx::CItemData> T* Record(std::initializer_list<LPCWSTR> texts) {
    auto* p = new T;
    for (LPCWSTR t : texts) p->m_arrText.Add(t);
    return p;
}

class VirtualSortListTest : public WindowTest {
protected:
    void Make(CSortListCtrlEx& list, DWORD style) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, Rect(10, 10, 400, 300), &host, 1));
        for (int c = 0; c < 3; ++c) list.InsertColumn(c, L"", LVCFMT_LEFT, 100);
        list.EnableMultipleSort(TRUE);
    }
    // What the list view sends its parent for a header click, Shift held or not.
    void ClickHeader(CSortListCtrlEx& list, int nCol, bool shift) {
        std::unique_ptr<KeysDown> keys(shift ? new KeysDown({VK_SHIFT}) : nullptr);
        NMLISTVIEW nm{};
        nm.hdr = {list.m_hWnd, 1, LVN_COLUMNCLICK};
        nm.iItem = -1;
        nm.iSubItem = nCol;
        host.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm));
    }
    static std::wstring Row(CListCtrl& list, int nItem) {
        return (list.GetItemText(nItem, 0) + L" " + list.GetItemText(nItem, 1) + L" " +
                list.GetItemText(nItem, 2))
            .str();
    }
    static Texts Rows(CListCtrl& list, UINT state = LVNI_ALL) {
        Texts out;
        for (int i = list.GetNextItem(-1, state); i != -1; i = list.GetNextItem(i, state))
            out.push_back(Row(list, i));
        return out;
    }
};

// A million records: column 0 a seven-digit number (each once), column 1 one of three letters.
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
    struct Step {
        int column;
        bool shift;
        std::wstring first, last;
        std::vector<CSortKey> keys;
    } steps[] = {
        {0, false, L"0000000 a ", L"0999999 b ", {{0, true}}},
        {0, false, L"0999999 b ", L"0000000 a ", {{0, false}}},
        {1, false, L"0999886 a ", L"0000057 c ", {{1, true}}}, // ties keep the descending numbers
        {0, true, L"0000000 a ", L"0999943 c ", {{1, true}, {0, true}}},
        {1, true, L"0000057 c ", L"0999886 a ", {{1, false}, {0, true}}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "click on " << s.column << (s.shift ? " with Shift" : ""));
        ClickHeader(list, s.column, s.shift);
        EXPECT_EQ(list.GetSortKeys(), s.keys);
        EXPECT_EQ(list.GetSortedColumn(), s.keys.front().nCol);
        EXPECT_EQ(Row(list, list.GetTopIndex()), s.first);
        EXPECT_EQ(Row(list, n - 1), s.last);
    }
}

TEST_F(VirtualSortListTest, SelectionAndFocusStayOnTheirRecords) {
    struct Step {
        int column;
        bool shift;
        Texts order;
    } steps[] = {
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
        list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(3, LVIS_FOCUSED, LVIS_FOCUSED);
        for (const Step& s : steps) {
            ClickHeader(list, s.column, s.shift);
            EXPECT_EQ(Rows(list), s.order);
            EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"c 2 y"});
            Texts selected = Rows(list, LVNI_SELECTED);
            std::sort(selected.begin(), selected.end());
            EXPECT_EQ(selected, (Texts{L"a 2 x", L"d 1 y"}));
        }
        list.InsertItem(0, Record({L"e", L"0", L"z"})); // rows inserted above move them down
        EXPECT_EQ(Rows(list, LVNI_FOCUSED), Texts{L"c 2 y"});
    }
}

TEST_F(VirtualSortListTest, DeleteFlagDecidesEachRecordsFate) {
    for (BOOL flag : {TRUE, FALSE}) {
        for (int how = 0; how < 4; ++how) { // one by one, all at once, with the window, with the object
            SCOPED_TRACE(testing::Message() << "flag " << flag << " how " << how);
            CountedRecord::deleted = 0;
            auto list = std::make_unique<CSortListCtrlEx>();
            list->SetDeleteItemData(flag);
            Make(*list, LVS_OWNERDATA);
            std::vector<CountedRecord*> records;
            for (LPCWSTR t : {L"a", L"b", L"c"}) {
                records.push_back(Record<CountedRecord>({t}));
                list->InsertItem(list->GetItemCount(), records.back());
            }
            if (how == 0) {
                ASSERT_TRUE(list->DeleteItem(1));
                EXPECT_EQ(list->GetItemRecord(1), records[2]);
                while (list->DeleteItem(0)) continue;
            }
            if (how == 1) list->DeleteAllItems();
            if (how == 2) list->DestroyWindow();
            if (how == 3) list.reset();
            EXPECT_EQ(CountedRecord::deleted, flag ? 3 : 0);
            if (!flag)
                for (auto* p : records) delete p;
        }
    }
}

TEST_F(VirtualSortListTest, CellTextsGoThroughTheRecords) {
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDATA);
    CSortListCtrlEx::CItemData* record = Record({L"name", L"old"});
    list.InsertItem(0, record);
    EXPECT_EQ(list.GetItemRecord(0), record);
    EXPECT_EQ(list.GetItemRecord(1), nullptr);
    CEdit* pEdit = list.EditSubLabel(0, 1); // the cell editor opens with the cell's text
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(TextOf(pEdit->m_hWnd), L"old");
    pEdit->DestroyWindow();
    Pump();
    // What the owner does with the edited text lands in the record, beyond its last text too.
    EXPECT_TRUE(list.SetItemText(0, 1, L"new"));
    EXPECT_TRUE(list.SetItemText(0, 2, L"third"));
    EXPECT_FALSE(list.SetItemText(1, 0, L"no row"));
    EXPECT_EQ(Row(list, 0), L"name new third");
}

TEST_F(VirtualSortListTest, FindingARowReadsTheFirstTexts) {
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDATA);
    for (LPCWSTR t : {L"apple", L"Banana", L"berry", L"cherry"})
        list.InsertItem(list.GetItemCount(), Record({t}));
    auto find = [&](int after, LPCWSTR text, UINT flags) {
        LVFINDINFOW info{};
        info.flags = flags;
        info.psz = text;
        return list.SendMessage(LVM_FINDITEMW, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(&info));
    };
    EXPECT_EQ(find(-1, L"b", LVFI_PARTIAL), 1);            // case-insensitive prefix
    EXPECT_EQ(find(3, L"a", LVFI_PARTIAL), -1);            // not past the end...
    EXPECT_EQ(find(3, L"a", LVFI_PARTIAL | LVFI_WRAP), 0); // ...unless wrapping
    EXPECT_EQ(find(-1, L"ber", LVFI_STRING), -1);          // whole text
    list.SetFocus();
    TypeChars(list.m_hWnd, L"c"); // typing moves the focus to the row the letter begins
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 3);
}

// Each key's item shows its direction and, with several keys, its rank left of the triangle
// (items 100 pixels wide, a space of 4 pixels: the triangle starts at x = 88).
TEST_F(VirtualSortListTest, HeaderShowsEachKeysDirectionAndRank) {
    CSortListCtrlEx list;
    Make(list, 0);
    CSortedHeaderCtrl& header = *list.GetHeaderCtrl();
    MemoryDC dc(100, 20);
    ScopedFont font(dc, FontWithSpace(4));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), dark = ::GetSysColor(COLOR_BTNSHADOW);
    const std::vector<CSortKey> two{{1, false}, {0, true}};
    struct Row {
        std::vector<CSortKey> keys;
        int column;
        bool rank;
        POINT darkPixel; // on the triangle's shadowed slope; {0, 0}: no triangle
    } rows[] = {
        {two, 0, true, {89, 15}},          // second key, ascending
        {two, 1, true, {91, 16}},          // first key, descending
        {two, 2, false, {0, 0}},           // not a key
        {{{0, true}}, 0, false, {89, 15}}, // a single key has no rank
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.keys.size() << " keys, column " << r.column);
        header.SetSortKeys(r.keys);
        dc.Fill(RGB(255, 0, 255));
        DRAWITEMSTRUCT dis{ODT_HEADER, 0, static_cast<UINT>(r.column), 0, 0, header, dc, {0, 0, 100, 20}, 0};
        header.DrawItem(&dis);
        EXPECT_EQ(dc.InkBounds({0, 0, 87, 20}, {face, ::GetSysColor(COLOR_BTNHIGHLIGHT), dark}).right > 0,
                  r.rank);
        const POINT& p = r.darkPixel;
        EXPECT_EQ(p.x ? dc.At(p.x, p.y) : dc.InkBounds({0, 0, 100, 20}, {face}).right, p.x ? dark : 0u);
    }
}

} // namespace
