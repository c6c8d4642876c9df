// The extended list in a real list-view: scrolling a column into view, the cell editor opened by a
// real double-click and what it reports, and the drag image taken at a real drag.
#include "ListFixtures.h"

#include <memory>

using namespace harness;

class XListTest : public WindowTest {
protected:
    CXListCtrl list;
    CEdit other;  // somewhere else to click
    CRect client; // the list's, beside its vertical scroll bar
    // What each LVN_ENDLABELEDITW carried (its text), and the list's top row and scroll position then.
    std::vector<std::tuple<NMLVDISPINFOW, std::wstring, int, int>> reports;

    // The owner's part: a double-click opens the editor, a committed text is stored.
    void SetUp() override {
        host.onNotify = [this](const NMHDR& nm) {
            if (nm.hwndFrom != list.m_hWnd) return;
            if (nm.code == NM_DBLCLK) {
                LVHITTESTINFO hit{reinterpret_cast<const NMITEMACTIVATE&>(nm).ptAction, 0, 0, 0, 0};
                if (list.SubItemHitTest(&hit) >= 0) list.EditSubLabel(hit.iItem, hit.iSubItem);
            } else if (nm.code == LVN_ENDLABELEDITW) {
                const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(nm);
                const LPCWSTR text = info.item.pszText;
                reports.emplace_back(info, text ? text : L"", list.GetTopIndex(), list.GetScrollPos(SB_HORZ));
                if (text) list.SetItemText(info.item.iItem, info.item.iSubItem, text);
            }
        };
        // Columns at 0-100, 100-200, 200-300, 300-450, 450-600; the client area ends before 400.
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, Rect(10, 10, 410, 210), &host, 77));
        for (int c = 0; c < 5; ++c)
            list.InsertColumn(c, (L"Col " + std::to_wstring(c)).c_str(), 0, c < 3 ? 100 : 150);
        for (int r = 0; r < 30; ++r)
            list.SetItemText(list.InsertItem(r, (L"row " + std::to_wstring(r)).c_str()), 1, L"Paris");
        list.GetClientRect(client);
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(420, 10, 600, 34), &host, 11));
    }
    CRect Cell(int item, int column) { // column 0's bounds are the whole row's otherwise
        const CRect rc = CellRect(list, item, column);
        return column ? rc : CRect(rc.left, rc.top, rc.left + list.GetColumnWidth(0), rc.bottom);
    }
    HWND Editor() { return ::GetDlgItem(list, 1001); }
};

TEST_F(XListTest, EnsureSubItemVisibleScrollsOnlyColumnsWhollyOutside) {
    // Wholly right or left: to that edge; straddling either edge, or no such column: where it was.
    using Row = std::tuple<int, int, int>; // scrolled by, column, its left edge afterwards
    for (auto [scrolled, column, leftAfter] : {Row{0, 4, client.right - 150}, Row{250, 1, 0}, Row{250, 0, 0},
                                               Row{0, 3, 300}, Row{150, 1, -50}, Row{0, 9, 450}}) {
        list.Scroll(CSize(-10000, 0));
        list.Scroll(CSize(scrolled, 0));
        EXPECT_EQ(list.EnsureSubItemVisible(column), 1);
        EXPECT_EQ(Cell(0, std::min(column, 4)).left, leftAfter) << scrolled << " " << column;
    }
}

// Through real input: a double-click opens the editor right of the image the cell shows (a row out
// of sight is opened directly, which scrolls it in), the user types into it, and a key, a click
// elsewhere or scrolling ends it. The parent hears the outcome once, before the cells move.
TEST_F(XListTest, EditorOpensOverTheCellAndReportsTheOutcome) {
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    images.Add(::LoadIconW(nullptr, IDI_APPLICATION));
    list.SetImageList(&images, LVSIL_SMALL); // column 0 shows image 0 in every row
    list.SetItem(2, 3, LVIF_IMAGE, nullptr, 0, 0, 0, 0);
    const std::wstring wide(60, L'W');
    constexpr UINT kClick = 0;
    // Row, column, extended style, whether the editor starts right of an image, the text typed, the
    // end (a key, kClick: a click elsewhere, or a scroll message and its wParam), the text reported.
    using Row = std::tuple<const char*, int, int, DWORD, bool, LPCWSTR, UINT, WPARAM, LPCWSTR>;
    const Row rows[] = {
        {"Enter", 3, 1, 0, false, L"Lyon", VK_RETURN, 0, L"Lyon"},
        {"column 0, click elsewhere", 2, 0, 0, true, L"Nice", kClick, 0, L"Nice"},
        {"sub-item image, unchanged", 2, 3, LVS_EX_SUBITEMIMAGES, true, L"", kClick, 0, L""},
        {"sub-item images off, Escape", 2, 3, 0, false, L"Rome", VK_ESCAPE, 0, nullptr},
        {"long text, as wide as the list", 4, 1, 0, false, wide.c_str(), VK_RETURN, 0, wide.c_str()},
        {"scroll bar down", 1, 1, 0, false, L"Rome", WM_VSCROLL, SB_LINEDOWN, L"Rome"},
        {"scroll bar right", 5, 1, 0, false, L"Rome", WM_HSCROLL, SB_PAGERIGHT, L"Rome"},
        {"wheel", 6, 1, 0, false, L"Rome", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), L"Rome"},
        {"row out of sight", 29, 1, 0, false, L"", VK_RETURN, 0, L"Paris"},
    };
    for (const auto& [name, item, column, exStyle, image, typed, end, wParam, reported] : rows) {
        SCOPED_TRACE(name);
        list.SetExtendedStyle(exStyle);
        list.EnsureVisible(0, FALSE);
        list.Scroll(CSize(-10000, 0));
        reports.clear();
        const CRect cell = Cell(item, column);
        item < 10 ? real::DoubleClick(list, {cell.left + 10, cell.top + 5})
                  : (void)list.EditSubLabel(item, column);
        HWND hEdit = Editor();
        ASSERT_NE(hEdit, nullptr);
        const std::wstring old = list.GetItemText(item, column).str();
        EXPECT_EQ(TextOf(hEdit), old);
        EXPECT_EQ(Acc(hEdit).Name(), L"Col " + std::to_wstring(column));
        CRect icon, now = Cell(item, column); // scrolled in by now
        list.GetSubItemRect(item, column, LVIR_ICON, icon);
        EXPECT_EQ(RectIn(list, hEdit).TopLeft(), CPoint(image ? icon.right : now.left, now.top));
        const auto before = std::pair(list.GetTopIndex(), list.GetScrollPos(SB_HORZ));
        real::Type(typed); // the editor widens as typed, up to the edge
        EXPECT_EQ(RectIn(list, hEdit).right == client.right, typed == wide.c_str());
        if (end >= WM_HSCROLL)
            list.SendMessage(end, wParam);
        else
            end ? real::Key(end) : real::Click(other, {5, 5});
        ASSERT_EQ(reports.size(), 1u);
        const auto& [info, text, top, hScroll] = reports[0];
        EXPECT_EQ(std::tuple(info.hdr.hwndFrom, info.hdr.idFrom, info.item.mask, info.item.iItem,
                             info.item.iSubItem),
                  std::tuple(list.m_hWnd, UINT_PTR(77), UINT(LVIF_TEXT), item, column));
        EXPECT_EQ(std::tuple(info.item.pszText != nullptr, text, info.item.cchTextMax),
                  std::tuple(reported != nullptr, reported ? reported : L"", static_cast<int>(text.size())));
        EXPECT_EQ(std::tuple(list.GetItemText(item, column).str(), top, hScroll),
                  std::tuple(reported ? reported : old, before.first, before.second));
        EXPECT_EQ(std::pair(list.GetTopIndex(), list.GetScrollPos(SB_HORZ)) != before, end >= WM_HSCROLL);
        EXPECT_FALSE(::IsWindow(hEdit));
    }
    EXPECT_EQ((std::tuple{list.EditSubLabel(30, 1), list.EditSubLabel(1, 5), Editor()}),
              std::tuple(nullptr, nullptr, HWND{})); // no such row, no such column: no editor
    list.SetImageList(nullptr, LVSIL_SMALL);
}

// An open editor moves and sizes with its cell whenever a width changes: its own column's or one
// left of it, set by code or dragged by the user (the header's own change notice).
TEST_F(XListTest, OpenEditorFollowsItsCellWhenAWidthChanges) {
    using Row = std::tuple<const char*, int, int, bool>; // what, the column changed, its width, by the header
    for (const auto& [what, column, width, byHeader] :
         {Row{"the column before, narrower", 0, 60, false}, Row{"the column before, wider", 0, 130, false},
          Row{"its own column", 2, 40, false}, Row{"dragged by the user", 1, 70, true}}) {
        SCOPED_TRACE(what);
        for (int c = 0; c < 3; ++c) list.SetColumnWidth(c, 100);
        ASSERT_NE(list.EditSubLabel(1, 2), nullptr);
        const HWND hEdit = Editor();
        const int nWidth = RectIn(list, hEdit).Width();
        if (byHeader) {
            HDITEMW hdi{};
            hdi.mask = HDI_WIDTH;
            hdi.cxy = width;
            list.GetHeaderCtrl()->SetItem(column, &hdi);
            Pump();
        } else {
            list.SetColumnWidth(column, width);
        }
        const CRect cell = Cell(1, 2), now = RectIn(list, hEdit);
        EXPECT_EQ(std::tuple(now.left, now.top, now.Width()), std::tuple(cell.left, cell.top, nWidth));
        list.SetFocus(); // commits and closes it
        EXPECT_FALSE(::IsWindow(hEdit));
    }
}

// A real drag from a selected row: the owner takes the image when the list view reports the drag.
// Selected rows are opaque in it, the rows between them transparent.
TEST_F(XListTest, DragImageSpansTheSelectedRowsWithTransparentGaps) {
    CPoint hot(-7, -7);
    EXPECT_EQ(list.CreateDragImageEx(hot), nullptr); // nothing selected
    EXPECT_EQ(hot, CPoint(-7, -7));

    for (int r : {1, 3, 6}) list.SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
    CRect rows[7];
    for (int r = 0; r < 7; ++r) list.GetItemRect(r, &rows[r], LVIR_BOUNDS);
    std::unique_ptr<CImageList> drag;
    auto owner = host.onNotify;
    host.onNotify = [&](const NMHDR& nm) {
        if (nm.code == LVN_BEGINDRAG && !drag) drag.reset(list.CreateDragImageEx(hot));
        owner(nm);
    };
    real::Drag(list, {rows[1].left + 40, rows[1].top + 5}, {rows[1].left + 40, rows[1].top + 45});
    host.onNotify = owner;
    ASSERT_NE(drag, nullptr);
    EXPECT_TRUE(hot.x == 40 && hot.y >= 5 && hot.y <= 45) << hot.x << "," << hot.y; // the cursor on the way

    IMAGEINFO info{};
    ASSERT_TRUE(drag->GetImageInfo(0, &info));
    const int cx = CRect(info.rcImage).Width();
    EXPECT_EQ(CRect(info.rcImage).Size(), CSize(rows[1].Width(), rows[6].bottom - rows[1].top));
    MemoryDC image(cx, rows[6].bottom), mask(cx, rows[6].bottom);
    image.Fill(RGB(255, 0, 255));
    mask.Fill(RGB(255, 255, 255));
    ::ImageList_Draw(*drag, 0, image, 0, 0, ILD_NORMAL);
    ::ImageList_Draw(*drag, 0, mask, 0, 0, ILD_MASK);
    for (int r = 1; r <= 6; ++r) { // a selected row all opaque in the mask, another all background
        const RECT row{0, rows[r].top - rows[1].top, cx, rows[r].bottom - rows[1].top};
        const bool sel = r == 1 || r == 3 || r == 6;
        const RECT ink = sel ? mask.InkBounds(row, {RGB(0, 0, 0)}) : image.InkBounds(row, {RGB(255, 0, 255)});
        EXPECT_EQ(CRect(ink), CRect()) << "row " << r;
    }
}

// The wider of the content's and the heading's fit, in one repaint (for every column too); nothing
// outside report view.
TEST_F(XListTest, AutoSizeColumnTakesTheWiderFitOnceInReportViewOnly) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = const_cast<LPWSTR>(L"a heading much wider than its cells");
    list.SetColumn(2, &col);
    list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER);
    const int headerFit = list.GetColumnWidth(2);
    MessageRecorder redraws(list, [](UINT m) { return m == WM_SETREDRAW; });
    using Row = std::tuple<DWORD, bool, int, size_t>; // view, every column, the width after, redraws
    for (auto [view, every, width, count] :
         {Row{LVS_REPORT, false, headerFit, 2}, Row{LVS_REPORT, true, headerFit, 2},
          Row{LVS_ICON, false, 30, 0}, Row{LVS_SMALLICON, true, 30, 0}}) {
        list.SetColumnWidth(2, 30);
        list.ModifyStyle(LVS_TYPEMASK, view);
        redraws.messages.clear();
        every ? list.AutoSizeColumn(TRUE) : list.AutoSizeColumn(2, TRUE);
        list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
        EXPECT_EQ(std::pair(list.GetColumnWidth(2), redraws.messages.size()), std::pair(width, count))
            << view << every;
        EXPECT_TRUE(!count || redraws.messages.front().wParam == 0); // held, then let go
    }
}
