// The sortable lists in real windows: real header clicks, the ownership of row data, and the header
// and row painting checked on pixels.
#include "ListFixtures.h"

#include <algorithm>
#include <memory>

using namespace harness;

struct NumericList : CSortListCtrlEx {
    using CSortListCtrlEx::CompareItems;
    int CompareItems(int, const CString& s1, const CString& s2) override { return ::_wtoi(s1) - ::_wtoi(s2); }
};

struct CountedRow : CSortListCtrlEx::CItemData {
    static inline int deleted = 0;
    ~CountedRow() override { ++deleted; }
};

class SortListTest : public SortListFixture {
protected:
    static Texts Column0(CListCtrl& list) {
        Texts out;
        for (int i = 0; i < list.GetItemCount(); ++i) out.push_back(list.GetItemText(i, 0).str());
        return out;
    }
    // A real click on a header item; successive clicks land apart, never taken for a double click.
    static void ClickHeader(CListCtrl& list, int nCol) {
        static int clicks = 0;
        CRect rc;
        list.GetHeaderCtrl()->GetItemRect(nCol, rc);
        real::Click(*list.GetHeaderCtrl(), rc.CenterPoint() + CPoint(++clicks % 2 ? -20 : 20, 0));
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

// A click sorts by its column, a second one reverses, by the list's own comparison (here as
// numbers); the parent hears nothing of it. An empty list moves the triangle all the same.
TEST_F(SortListTest, HeaderClicksSortAndReverse) {
    NumericList list;
    Make(list, 0, {L"10", L"9", L"100"});
    using Step = std::tuple<int, BOOL, Texts>; // the column clicked, ascending, column 0 afterwards
    for (const auto& [column, ascending, column0] :
         {Step{0, TRUE, {L"9", L"10", L"100"}}, Step{0, FALSE, {L"100", L"10", L"9"}},
          Step{1, TRUE, {L"100", L"10", L"9"}}}) { // column 1 is level everywhere: order kept
        ClickHeader(list, column);
        EXPECT_EQ(std::tuple(list.GetSortedColumn(), list.IsAscSorted(), Column0(list)),
                  std::tuple(column, ascending, column0));
        EXPECT_TRUE(OwnerDrawn(list, column));
    }
    EXPECT_FALSE(ParentSaw(LVN_COLUMNCLICK));
    // Column 0, sorted no longer, has the face of column 2, never sorted and painted by the system.
    CRect header;
    list.GetHeaderCtrl()->GetClientRect(header);
    MemoryDC dc(header.Width(), header.Height());
    list.GetHeaderCtrl()->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                                      PRF_CLIENT);
    EXPECT_EQ(dc.At(88, header.Height() / 2), dc.At(288, header.Height() / 2));
    list.DeleteAllItems();
    ClickHeader(list, 2);
    EXPECT_EQ(std::pair(list.GetSortedColumn(), OwnerDrawn(list, 2)), std::pair(2, true));
}

// However a row goes, in either mode, its data goes with it once when the flag says so; a row
// without data is passed over.
TEST_F(SortListTest, RowDataIsDeletedExactlyOnceWhenTheFlagIsSet) {
    for (DWORD style : {DWORD{0}, DWORD{LVS_OWNERDATA}})
        for (BOOL flag : {TRUE, FALSE})
            for (int how : {0, 1, 2, 3}) { // one by one, all at once, with the window, with the object
                SCOPED_TRACE(testing::Message() << "style " << style << " flag " << flag << " how " << how);
                CountedRow::deleted = 0;
                auto list = std::make_unique<CSortListCtrlEx>();
                list->SetDeleteItemData(flag);
                Make(*list, style);
                std::vector<CountedRow*> rows;
                for (LPCWSTR t : {L"a", L"b", L"c"})
                    list->InsertItem(list->GetItemCount(), rows.emplace_back(Record<CountedRow>({t})));
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
    EXPECT_FALSE(ParentSaw(LVN_DELETEITEM));
}

// The painting's geometry is checked window-free; here, that it reaches the pixels. Header items
// 100 pixels wide, a space of 4 pixels, at 96 dots per inch: the title keeps left of 84 (85
// pressed), a key's rank ends at 87, its triangle starts at 88; at 192 the triangle's pen is 2
// pixels. Then a row as the list view asks for it.
TEST_F(SortListTest, PaintsHeaderItemsAndRows) {
    CSortListCtrlEx list;
    Make(list, LVS_OWNERDRAWFIXED);
    CSortedHeaderCtrl& header = *list.GetHeaderCtrl();
    auto tellDpi = [&](int dpi) { ::SendMessageW(host.m_hWnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0); };
    tellDpi(96);
    MemoryDC dc(100, 20);
    ScopedFont font(dc, FontWithSpace(4));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = ::GetSysColor(COLOR_BTNSHADOW);
    // Paints one item; gives the bounds of the ink left of the triangle.
    auto paint = [&](int column, LPCWSTR title, int fmt, const std::vector<CSortKey>& keys, UINT state) {
        HDITEMW hdi{};
        hdi.mask = HDI_TEXT | HDI_FORMAT;
        hdi.pszText = const_cast<LPWSTR>(title);
        hdi.fmt = fmt;
        header.SetItem(column, &hdi);
        header.SetSortKeys(keys);
        dc.Fill(RGB(255, 0, 255));
        DRAWITEMSTRUCT dis{ODT_HEADER, 0, UINT(column), 0, state, header, dc, {0, 0, 100, 20}, 0};
        header.DrawItem(&dis);
        return dc.InkBounds({0, 0, 88, 20}, {face, light, dark});
    };
    // The title keeps to the edge its format names, cut to an ellipsis, moved when pressed.
    RECT ink = paint(0, L"MMMMMMMMMMMMMMMMMMMM", HDF_LEFT, {{0, true}}, 0);
    EXPECT_TRUE(ink.left >= 4 && ink.left <= 6 && ink.right <= 84) << ink.left << "-" << ink.right;
    ink = paint(0, L"ab", HDF_RIGHT, {{0, true}}, ODS_SELECTED);
    EXPECT_TRUE(ink.left > 5 && ink.right >= 83 && ink.right <= 85) << ink.left << "-" << ink.right;
    EXPECT_EQ(std::pair(dc.At(50, 0), dc.At(89, 15)), std::pair(face, dark)); // the triangle stays

    // The triangle in light and dark on each key's item; with several keys, each key's rank.
    const std::vector<CSortKey> two{{1, false}, {0, true}};
    using Pixel = std::tuple<int, std::vector<CSortKey>, POINT, COLORREF, bool>; // column, keys, pixel, rank
    for (const auto& [column, keys, at, colour, rank] :
         {Pixel{0, {{0, true}}, {94, 16}, light, false}, Pixel{0, {{0, false}}, {89, 3}, dark, false},
          Pixel{1, {{0, true}}, {89, 15}, face, false}, // not the sorted column
          Pixel{1, two, {94, 3}, light, true}, Pixel{0, two, {94, 16}, light, true},
          Pixel{2, two, {89, 15}, face, false}}) {
        const bool ranked = paint(column, L"", HDF_LEFT, keys, 0).right > 0;
        EXPECT_EQ(std::pair(dc.At(at.x, at.y), ranked), std::pair(colour, rank)) << column << keys.size();
    }
    // The lit base of the ascending triangle, across x = 91: one pixel thick at 96, two at 192.
    for (const auto& [dpi, thickness] : {std::pair{96, 1}, std::pair{192, 2}}) {
        tellDpi(dpi);
        paint(0, L"", HDF_LEFT, {{0, true}}, 0);
        int lit = 0;
        for (int y = 12; y < 20; ++y) lit += dc.At(91, y) == light;
        EXPECT_EQ(lit, thickness) << dpi;
    }
    tellDpi(ScreenDpi());

    // The selected row of the focused list: the band from the label on, the focus rectangle round it,
    // column 1's text two spaces inside its cell's right edge.
    list.SetFont(FontWithSpace(3));
    list.InsertItem(0, Record({L"a", L"ii"}));
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetFocus();
    CRect bounds, label;
    list.GetItemRect(0, &bounds, LVIR_BOUNDS);
    list.GetItemRect(0, &label, LVIR_LABEL);
    MemoryDC row(bounds.right + 10, bounds.bottom + 2);
    ScopedFont rowFont(row, FontWithSpace(3));
    row.Fill(RGB(255, 0, 255));
    DrawRow(list, row, 0);
    const COLORREF band = ::GetSysColor(COLOR_HIGHLIGHT);
    const int mid = bounds.CenterPoint().y, cell2 = label.right + 100;
    EXPECT_EQ(std::pair(row.At(label.left - 1, mid), row.At(label.left + 1, mid)),
              std::pair(RGB(255, 0, 255), band));
    EXPECT_TRUE(row.At(bounds.right - 1, mid) != band || row.At(bounds.right - 1, mid + 1) != band); // dotted
    EXPECT_NEAR(row.InkBounds({label.right, bounds.top + 1, cell2, bounds.bottom - 1}, {band}).right,
                cell2 - 7, 1);
}
