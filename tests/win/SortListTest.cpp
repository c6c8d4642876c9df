// The sortable lists in real windows: header clicks as the list view reports them, row order, the
// ownership of row data, the stored look, and the header and row painting checked on pixels.
#include "Harness.h"

#include <algorithm>
#include <memory>
#include <tuple>

using namespace harness;

namespace {

using Texts = std::vector<std::wstring>;

// Exposes the state image width; compares as numbers when asked to.
class TestSortList : public CSortListCtrlEx {
public:
    using CSortListCtrlEx::m_cxStateImageOffset;
    bool numeric = false;

protected:
    using CSortListCtrlEx::CompareItems;
    int CompareItems(int nCol, const CString& s1, const CString& s2) override {
        return numeric ? ::_wtoi(s1) - ::_wtoi(s2) : CSortListCtrlEx::CompareItems(nCol, s1, s2);
    }
};

struct CountedRow : CSortListCtrlEx::CItemData {
    static inline int deleted = 0;
    ~CountedRow() override { ++deleted; }
};

template <class T = CSortListCtrlEx::CItemData> T* Row(std::initializer_list<LPCWSTR> texts) {
    auto* p = new T;
    for (LPCWSTR t : texts) p->m_arrText.Add(t);
    return p;
}

class SortListTest : public WindowTest {
protected:
    void Make(CSortListCtrlEx& list, DWORD style = 0, Texts column0 = {}) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, Rect(10, 10, 400, 300), &host, 1));
        list.InsertColumn(0, L"One", LVCFMT_LEFT, 100);
        list.InsertColumn(1, L"Two", LVCFMT_RIGHT, 100);
        list.InsertColumn(2, L"Three", LVCFMT_CENTER, 100);
        for (const auto& t : column0) list.InsertItem(list.GetItemCount(), Row({t.c_str(), L"x"}));
    }
    static Texts Column0(CListCtrl& list) {
        Texts out;
        for (int i = 0; i < list.GetItemCount(); ++i) out.push_back(list.GetItemText(i, 0).str());
        return out;
    }
    // A real click on a header item; successive clicks land apart, never taken for a double click.
    static void ClickHeader(CListCtrl& list, int nCol) {
        static int clicks = 0;
        HWND hHeader = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
        CRect rc;
        ::SendMessageW(hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&rc));
        real::Click(hHeader, rc.CenterPoint() + CPoint(++clicks % 2 ? -20 : 20, 0));
    }
    static bool OwnerDrawn(CSortListCtrlEx& list, int nCol) {
        HDITEMW hdi{};
        hdi.mask = HDI_FORMAT;
        return list.GetHeaderCtrl()->GetItem(nCol, &hdi) && (hdi.fmt & HDF_OWNERDRAW);
    }
    bool ParentSaw(UINT code) const {
        return std::any_of(host.notifications.begin(), host.notifications.end(),
                           [code](const HostWnd::Notification& n) { return n.code == code; });
    }
};

// A click sorts by its column, a second one reverses, by the list's own comparison; the parent
// hears nothing of it. An empty list moves the triangle all the same.
TEST_F(SortListTest, HeaderClicksSortAndReverse) {
    TestSortList list;
    Make(list, 0, {L"b", L"a", L"c"});
    using Step = std::tuple<int, BOOL, Texts>; // the column clicked, ascending, column 0 afterwards
    for (const auto& [column, ascending, column0] :
         {Step{0, TRUE, {L"a", L"b", L"c"}}, Step{0, FALSE, {L"c", L"b", L"a"}},
          Step{1, TRUE, {L"c", L"b", L"a"}}}) { // column 1 is level everywhere: order kept
        ClickHeader(list, column);
        EXPECT_EQ(std::make_tuple(list.GetSortedColumn(), list.IsAscSorted(), Column0(list)),
                  std::make_tuple(column, ascending, column0));
        EXPECT_TRUE(OwnerDrawn(list, column));
    }
    EXPECT_FALSE(ParentSaw(LVN_COLUMNCLICK));

    list.DestroyWindow(); // the lists below take its place
    TestSortList numbers;
    numbers.numeric = true;
    Make(numbers, 0, {L"10", L"9", L"100"});
    ClickHeader(numbers, 0);
    EXPECT_EQ(Column0(numbers), (Texts{L"9", L"10", L"100"}));
    numbers.DestroyWindow();
    TestSortList empty;
    Make(empty);
    ClickHeader(empty, 2);
    EXPECT_EQ(std::make_pair(empty.GetSortedColumn(), OwnerDrawn(empty, 2)), std::make_pair(2, true));
}

// However a row goes, in either mode, its data goes with it once when the flag says so; a row
// without data is passed over.
TEST_F(SortListTest, RowDataIsDeletedExactlyOnceWhenTheFlagIsSet) {
    for (DWORD style : {DWORD{0}, DWORD{LVS_OWNERDATA}}) {
        for (BOOL flag : {TRUE, FALSE}) {
            for (int how = 0; how < 4; ++how) { // one by one, all at once, with the window, with the object
                SCOPED_TRACE(testing::Message() << "style " << style << " flag " << flag << " how " << how);
                CountedRow::deleted = 0;
                auto list = std::make_unique<CSortListCtrlEx>();
                list->SetDeleteItemData(flag);
                Make(*list, style);
                std::vector<CountedRow*> rows;
                for (LPCWSTR t : {L"a", L"b", L"c"})
                    list->InsertItem(list->GetItemCount(), rows.emplace_back(Row<CountedRow>({t})));
                if (!style) list->CListCtrl::InsertItem(3, L"-");
                if (how == 0) {
                    ASSERT_TRUE(list->DeleteItem(1));
                    EXPECT_EQ(list->GetItemRecord(1), rows[2]);
                    while (list->DeleteItem(0)) continue;
                }
                if (how == 1) list->DeleteAllItems();
                if (how == 2) list->DestroyWindow();
                if (how == 3) list.reset();
                EXPECT_EQ(CountedRow::deleted, flag ? 3 : 0);
                if (!flag)
                    for (auto* p : rows) delete p;
            }
        }
    }
    EXPECT_FALSE(ParentSaw(LVN_DELETEITEM));
}

// Creation and subclassing force a report view without the list view's own sorting (subclassing
// keeps LVS_NOSORTHEADER); the state image list, not another, sets the state image width.
TEST_F(SortListTest, StyleAndStateImagesAsTheListStoresThem) {
    for (auto [style, subclass] : {std::pair{LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, false},
                                   {LVS_SMALLICON | LVS_SORTDESCENDING, false},
                                   {LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, true}}) {
        TestSortList list;
        if (subclass) {
            ASSERT_TRUE(list.SubclassWindow(::CreateWindowExW(0, WC_LISTVIEWW, L"",
                                                              WS_CHILD | WS_VISIBLE | LVS_REPORT | style, 0,
                                                              0, 300, 200, host, nullptr, nullptr, nullptr)));
        } else {
            ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | style, Rect(0, 0, 300, 200), &host, 1));
        }
        EXPECT_EQ(list.GetStyle() &
                      (LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOSORTHEADER),
                  DWORD(LVS_REPORT | (subclass ? LVS_NOSORTHEADER : 0)))
            << std::hex << style;
        list.InsertColumn(0, L"One", LVCFMT_LEFT, 100);
        EXPECT_EQ(list.GetHeaderCtrl()->m_hWnd, reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)));
        if (!subclass) continue;
        HIMAGELIST small = ::ImageList_Create(20, 20, ILC_COLOR24, 1, 1);
        for (int cx : {16, 0, 12}) {
            HIMAGELIST h = cx ? ::ImageList_Create(cx, cx, ILC_COLOR24, 1, 1) : nullptr;
            list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(h));
            list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
            EXPECT_EQ(list.m_cxStateImageOffset, cx);
            list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
            list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
            if (h) ::ImageList_Destroy(h);
        }
        ::ImageList_Destroy(small);
    }
}

// ---- painting: the geometry itself is checked window-free; these check that it reaches the pixels.

// Items 100 pixels wide, a space of 4 pixels: the title keeps left of 84 (85 pressed), a key's rank
// ends at 87, its triangle starts at 88.
TEST_F(SortListTest, HeaderItemPaintsTitleTriangleAndRank) {
    TestSortList list;
    Make(list);
    CSortedHeaderCtrl& header = *list.GetHeaderCtrl();
    MemoryDC dc(100, 20);
    ScopedFont font(dc, FontWithSpace(4));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = ::GetSysColor(COLOR_BTNSHADOW);
    const std::vector<CSortKey> up{{0, true}}, down{{0, false}}, two{{1, false}, {0, true}};
    struct Row {
        const char* name;
        LPCWSTR title;
        int fmt, column;
        const std::vector<CSortKey>& keys;
        UINT state;
        int from, to; // where the ink left of the triangle lies, touching one end; 0, 0: none
        POINT at;     // a pixel of the triangle; {}: no triangle
        COLORREF colour;
    } rows[] = {
        {"long title, cut", L"MMMMMMMMMMMMMMMMMMMM", HDF_LEFT, 0, up, 0, 4, 84, {94, 16}, light},
        {"right, pressed", L"ab", HDF_RIGHT, 0, up, ODS_SELECTED, 5, 85, {89, 15}, dark},
        {"descending", L"", HDF_LEFT, 0, down, 0, 0, 0, {89, 3}, dark},
        {"not the sorted column", L"", HDF_LEFT, 1, up, 0, 0, 0, {}, 0},
        {"first of two keys, descending", L"", HDF_LEFT, 1, two, 0, 70, 87, {94, 3}, light},
        {"second of two keys", L"", HDF_LEFT, 0, two, 0, 70, 87, {94, 16}, light},
        {"not a key", L"", HDF_LEFT, 2, two, 0, 0, 0, {}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        HDITEMW hdi{};
        hdi.mask = HDI_TEXT | HDI_FORMAT;
        hdi.pszText = const_cast<LPWSTR>(r.title);
        hdi.fmt = r.fmt;
        header.SetItem(r.column, &hdi);
        header.SetSortKeys(r.keys);
        dc.Fill(RGB(255, 0, 255));
        DRAWITEMSTRUCT dis{ODT_HEADER, 0, UINT(r.column), 0, r.state, header, dc, {0, 0, 100, 20}, 0};
        header.DrawItem(&dis);
        EXPECT_EQ(dc.At(50, 0), face);
        const RECT ink = dc.InkBounds({0, 0, 88, 20}, {face, light, dark});
        EXPECT_TRUE(ink.left >= r.from && ink.right <= r.to &&
                    std::min(ink.left - r.from, r.to - ink.right) <= 2)
            << ink.left << "-" << ink.right;
        EXPECT_EQ(dc.InkBounds({88, 0, 100, 20}, {face}).right > 0, r.at.x > 0);
        EXPECT_EQ(r.at.x ? dc.At(r.at.x, r.at.y) : 0, r.colour);
    }
}

// The band and focus rectangle follow the focus and LVS_SHOWSELALWAYS; column 0 keeps left, column 1
// right, column 2 centred, each two spaces inside its cell (the band's edge pixels left out).
TEST_F(SortListTest, RowPaintsBandTextsAndFocus) {
    TestSortList list;
    Make(list, LVS_OWNERDRAWFIXED);
    const int space = 3;
    CFont* font = FontWithSpace(space);
    list.SetFont(static_cast<HFONT>(font->m_hObject));
    const COLORREF textBk = RGB(200, 255, 200), hilite = ::GetSysColor(COLOR_HIGHLIGHT),
                   none = RGB(255, 0, 255);
    list.SetTextBkColor(textBk);
    list.InsertItem(0, Row({L"a", L"ii", L"ii"}));
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    CRect bounds, label;
    list.GetItemRect(0, &bounds, LVIR_BOUNDS);
    list.GetItemRect(0, &label, LVIR_LABEL);
    MemoryDC dc(bounds.right + 10, bounds.bottom + 2);
    ScopedFont selected(dc, font);
    const int mid = bounds.CenterPoint().y, top = bounds.top + 1, bottom = bounds.bottom - 1;
    const int cell1 = label.right, cell2 = cell1 + 100;
    using Look = std::tuple<bool, DWORD, COLORREF>; // focus, LVS_SHOWSELALWAYS, the band's colour
    for (auto [focus, showSelAlways, band] :
         {Look{true, 0, hilite}, Look{false, 0, textBk}, Look{false, LVS_SHOWSELALWAYS, hilite}}) {
        SCOPED_TRACE(testing::Message() << "focus " << focus << " showSelAlways " << showSelAlways);
        list.ModifyStyle(LVS_SHOWSELALWAYS, showSelAlways);
        focus ? list.SetFocus() : host.SetFocus();
        dc.Fill(none);
        DrawRow(list, dc, 0);
        EXPECT_EQ(std::make_tuple(dc.At(label.left - 1, mid), dc.At(label.left + 1, mid),
                                  dc.At(bounds.right - 3, bounds.top + 3)),
                  std::make_tuple(none, band, band));
        EXPECT_EQ(dc.At(bounds.right - 1, mid) != band || dc.At(bounds.right - 1, mid + 1) != band, focus);
        EXPECT_NEAR(dc.InkBounds({label.left + 1, top, cell1, bottom}, {band}).left,
                    label.left + 2 * space + 1, 1);
        EXPECT_NEAR(dc.InkBounds({cell1, top, cell2, bottom}, {band}).right, cell2 - 2 * space - 1, 1);
        const RECT ink2 = dc.InkBounds({cell2, top, cell2 + 99, bottom}, {band});
        EXPECT_LE(std::abs((ink2.left + ink2.right) - (2 * cell2 + 100)), 3);
    }
}

} // namespace
