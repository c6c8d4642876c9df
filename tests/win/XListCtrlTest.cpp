// The extended list in a real list-view: column geometry, the cell editor opened by a real
// double-click and what it reports, scrolling under an open editor, and the drag image.
#include "Harness.h"

using namespace harness;

namespace {

// What one LVN_ENDLABELEDITW carried, and where the list stood when it arrived.
struct Report {
    NMHDR hdr;
    LVITEMW item;
    std::wstring text;
    int topIndex, hScroll;
};

constexpr int kListId = 77;

class XListTest : public WindowTest {
public: // table rows reach the fixture through a reference
    CXListCtrl list;
    CEdit other;
    std::vector<Report> reports;

    // The owner's part: a double-click opens the editor, a committed text is stored.
    void SetUp() override {
        host.onNotify = [this](const NMHDR& nm) {
            if (nm.hwndFrom != list.m_hWnd) return;
            if (nm.code == NM_DBLCLK) {
                LVHITTESTINFO hit{};
                hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(nm).ptAction;
                if (list.SubItemHitTest(&hit) >= 0) list.EditSubLabel(hit.iItem, hit.iSubItem);
            } else if (nm.code == LVN_ENDLABELEDITW) {
                const LVITEMW& it = reinterpret_cast<const NMLVDISPINFOW&>(nm).item;
                reports.push_back(
                    {nm, it, it.pszText ? it.pszText : L"", list.GetTopIndex(), list.GetScrollPos(SB_HORZ)});
                if (it.pszText) list.SetItemText(it.iItem, it.iSubItem, it.pszText);
            }
        };
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, Rect(10, 10, 410, 210), &host,
                                kListId));
        list.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        const int widths[] = {100, 100, 100, 150, 150};
        for (int c = 0; c < 5; ++c)
            list.InsertColumn(c, (L"Col " + std::to_wstring(c)).c_str(), 0, widths[c]);
        for (int r = 0; r < 30; ++r) {
            list.InsertItem(r, (L"row " + std::to_wstring(r)).c_str());
            list.SetItemText(r, 1, L"Paris");
        }
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(420, 10, 600, 34), &host, 11));
    }
    CRect Cell(int item, int column) {
        CRect rc;
        list.GetSubItemRect(item, column, LVIR_BOUNDS, rc);
        if (column == 0) rc.right = rc.left + list.GetColumnWidth(0); // the whole row otherwise
        return rc;
    }
    int ClientRight() {
        CRect rc;
        list.GetClientRect(rc);
        return rc.right;
    }
    HWND Editor() { return ::GetDlgItem(list, 1001); }
};

TEST_F(XListTest, EnsureSubItemVisibleScrollsOnlyColumnsWhollyOutside) {
    // Columns at 0-100, 100-200, 200-300, 300-450, 450-600; the client area ends before 400.
    struct Row {
        const char* name;
        int scrolled, column, leftAfter;
    } rows[] = {
        {"wholly right: its right edge comes to the client's", 0, 4, ClientRight() - 150},
        {"straddles the right edge", 0, 3, 300},
        {"wholly left: its left edge comes to the client's", 250, 1, 0},
        {"column 0 wholly left", 250, 0, 0},
        {"straddles the left edge", 150, 1, -50},
        {"no such column (column 4 stays)", 0, 9, 450},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.Scroll(CSize(-10000, 0));
        list.Scroll(CSize(r.scrolled, 0));
        EXPECT_EQ(list.EnsureSubItemVisible(r.column), 1);
        EXPECT_EQ(Cell(0, std::min(r.column, 4)).left, r.leftAfter);
    }
}

TEST_F(XListTest, AutoSizeColumnTakesTheWiderFitOnceInReportViewOnly) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = const_cast<LPWSTR>(L"a heading much wider than its cells");
    list.SetColumn(2, &col);
    list.SetColumnWidth(2, LVSCW_AUTOSIZE);
    const int contentFit = list.GetColumnWidth(2);
    list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER);
    const int headerFit = list.GetColumnWidth(2);
    ASSERT_LT(contentFit, headerFit);

    MessageRecorder redraws(list, [](UINT m) { return m == WM_SETREDRAW; });
    const std::vector<MessageRecorder::Msg> onePair{{WM_SETREDRAW, 0, 0}, {WM_SETREDRAW, 1, 0}};
    for (bool every : {false, true}) {
        list.SetColumnWidth(2, 30);
        redraws.clear();
        every ? list.AutoSizeColumn(TRUE) : list.AutoSizeColumn(2, TRUE);
        EXPECT_EQ(redraws.messages, onePair) << every; // one repaint, for every column too
        EXPECT_EQ(list.GetColumnWidth(2), headerFit) << every;
    }
    list.SetColumnWidth(2, 30);
    for (DWORD view : {DWORD(LVS_ICON), DWORD(LVS_SMALLICON)}) {
        list.ModifyStyle(LVS_TYPEMASK, view);
        redraws.clear();
        list.AutoSizeColumn(2, TRUE);
        list.AutoSizeColumn(TRUE);
        EXPECT_TRUE(redraws.messages.empty()) << view;
        list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
        EXPECT_EQ(list.GetColumnWidth(2), 30) << view;
    }
}

TEST_F(XListTest, EditSubLabelOpensOverTheCellRightOfItsImage) {
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    images.Add(::LoadIconW(nullptr, IDI_APPLICATION));
    list.SetImageList(&images, LVSIL_SMALL);
    LVITEMW image{};
    image.mask = LVIF_IMAGE;
    image.iItem = 2;
    image.iSubItem = 3;
    list.SetItem(&image); // sub-item 3 of row 2; row 2 itself shows image 0 as every row does
    list.SetItemText(3, 1, std::wstring(80, L'x').c_str());
    struct Row {
        const char* name;
        int item, column;
        DWORD exStyle;
        bool image; // the editor starts right of an image
    } rows[] = {
        {"text", 1, 1, 0, false},
        {"empty cell", 1, 2, 0, false},
        {"column 0 with its image", 2, 0, 0, true},
        {"sub-item image", 2, 3, LVS_EX_SUBITEMIMAGES, true},
        {"sub-item images off", 2, 3, 0, false},
        {"long text", 3, 1, 0, false},
        {"row scrolled into view", 29, 2, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.SetExtendedStyle(r.exStyle);
        CEdit* pEdit = list.EditSubLabel(r.item, r.column);
        ASSERT_NE(pEdit, nullptr);
        HWND hEdit = pEdit->m_hWnd;
        EXPECT_EQ(hEdit, Editor());
        EXPECT_STREQ(pEdit->GetRuntimeClass()->m_lpszClassName, "CXInEditEx");
        EXPECT_EQ(TextOf(hEdit), list.GetItemText(r.item, r.column).str());
        CRect cell = Cell(r.item, r.column), icon, placed;
        list.GetSubItemRect(r.item, r.column, LVIR_ICON, icon);
        ::GetWindowRect(hEdit, &placed);
        list.ScreenToClient(placed);
        EXPECT_EQ(placed.left, r.image ? icon.right : cell.left);
        EXPECT_EQ(placed.top, cell.top);
        EXPECT_EQ(placed.bottom, cell.bottom + 3);
        EXPECT_GE(placed.Width(), std::min<int>(2 * placed.Height(), ClientRight() - placed.left));
        EXPECT_EQ(placed.right == ClientRight(), r.item == 3);
        PressKey(hEdit, VK_ESCAPE);
    }
    EXPECT_EQ(list.EditSubLabel(30, 1), nullptr); // no such row
    EXPECT_EQ(list.EditSubLabel(1, 5), nullptr);  // no such column
    EXPECT_EQ(Editor(), nullptr);
    list.SetImageList(nullptr, LVSIL_SMALL);
}

// Through real input: a double-click opens the editor, the user types, and a key or a click ends it.
TEST_F(XListTest, EditorReportsTheOutcomeToTheListsParent) {
    struct Row {
        const char* name;
        LPCWSTR typed;
        UINT key;         // 0: a click elsewhere
        LPCWSTR reported; // null: cancelled
        LPCWSTR stored;
    } rows[] = {
        {"Enter", L"Lyon", VK_RETURN, L"Lyon", L"Lyon"},
        {"click elsewhere", L"Nice", 0, L"Nice", L"Nice"},
        {"click elsewhere, unchanged", L"", 0, L"Paris", L"Paris"},
        {"Escape", L"Rome", VK_ESCAPE, nullptr, L"Paris"},
    };
    int item = 2;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        reports.clear();
        CRect cell = Cell(++item, 1);
        real::DoubleClick(list, {cell.left + 10, cell.top + 5});
        HWND hEdit = Editor();
        ASSERT_NE(hEdit, nullptr);
        EXPECT_EQ(::GetFocus(), hEdit);
        real::Type(r.typed);
        r.key ? real::Key(r.key) : real::Click(other, {5, 5});
        ASSERT_EQ(reports.size(), 1u);
        const Report& e = reports[0];
        EXPECT_EQ(e.hdr.hwndFrom, list.m_hWnd);
        EXPECT_EQ(e.hdr.idFrom, UINT_PTR(kListId));
        EXPECT_EQ(e.item.mask, UINT(LVIF_TEXT));
        EXPECT_EQ(std::make_pair(e.item.iItem, e.item.iSubItem), std::make_pair(item, 1));
        EXPECT_EQ(e.item.pszText != nullptr, r.reported != nullptr);
        EXPECT_EQ(e.text, r.reported ? r.reported : L"");
        EXPECT_EQ(e.item.cchTextMax, static_cast<int>(e.text.size()));
        EXPECT_EQ(list.GetItemText(item, 1), r.stored);
        EXPECT_FALSE(::IsWindow(hEdit));
    }
}

TEST_F(XListTest, ListWithoutParentHearsTheReportWithTheEditorsId) {
    struct LoneList : CXListCtrl {
        std::vector<NMHDR> heard;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDITW)
                heard.push_back(*reinterpret_cast<NMHDR*>(lParam));
            return CXListCtrl::WindowProc(message, wParam, lParam);
        }
    } lone;
    ASSERT_TRUE(lone.CWnd::CreateEx(0, WC_LISTVIEWW, L"", WS_POPUP | WS_VISIBLE | LVS_REPORT, 100, 100, 300,
                                    200, nullptr, nullptr));
    lone.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    lone.InsertColumn(1, L"City", LVCFMT_LEFT, 100);
    lone.InsertItem(0, L"row");
    ASSERT_NE(lone.EditSubLabel(0, 1), nullptr);
    PressKey(::GetDlgItem(lone, 1001), VK_RETURN);
    ASSERT_EQ(lone.heard.size(), 1u);
    EXPECT_EQ(lone.heard[0].hwndFrom, lone.m_hWnd);
    EXPECT_EQ(lone.heard[0].idFrom, 1001u);
    lone.DestroyWindow();
}

TEST_F(XListTest, ScrollingCommitsAnOpenEditBeforeTheCellsMove) {
    struct Row {
        const char* name;
        UINT message;
        WPARAM wParam;
    } rows[] = {
        {"scroll bar down", WM_VSCROLL, SB_LINEDOWN},
        {"scroll bar right", WM_HSCROLL, SB_PAGERIGHT},
        {"wheel over the list", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.EnsureVisible(0, FALSE);
        list.Scroll(CSize(-10000, 0));
        reports.clear();
        const int top = list.GetTopIndex(), hpos = list.GetScrollPos(SB_HORZ);
        HWND hEdit = list.EditSubLabel(0, 1)->m_hWnd;
        TypeChars(hEdit, L"Rome");
        list.SendMessage(r.message, r.wParam);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].text, L"Rome");
        EXPECT_EQ(std::make_pair(reports[0].topIndex, reports[0].hScroll), std::make_pair(top, hpos));
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_NE(std::make_pair(list.GetTopIndex(), list.GetScrollPos(SB_HORZ)), std::make_pair(top, hpos));
    }
}

// The image drawn over magenta (style ILD_NORMAL) or its mask (ILD_MASK).
std::vector<COLORREF> Draw(HIMAGELIST il, int cx, int cy, UINT style) {
    MemoryDC dc(cx, cy);
    dc.Fill(RGB(255, 0, 255));
    ::ImageList_Draw(il, 0, dc, 0, 0, style);
    std::vector<COLORREF> px;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) px.push_back(dc.At(x, y));
    return px;
}

TEST_F(XListTest, DragImageSpansTheSelectedRowsWithTransparentGaps) {
    CPoint hot(-7, -7);
    EXPECT_EQ(list.CreateDragImageEx(hot), nullptr); // nothing selected
    EXPECT_EQ(hot, CPoint(-7, -7));

    for (int r : {1, 3, 6}) list.SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
    CRect rows[8];
    for (int r = 0; r < 8; ++r) list.GetItemRect(r, &rows[r], LVIR_BOUNDS);
    real::MoveTo(list, {rows[1].left + 40, rows[1].top + 30});

    std::unique_ptr<CImageList> drag(list.CreateDragImageEx(hot));
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(hot, CPoint(40, 30));
    IMAGEINFO info{};
    ASSERT_TRUE(drag->GetImageInfo(0, &info));
    const int cx = CRect(info.rcImage).Width(), cy = CRect(info.rcImage).Height();
    EXPECT_EQ(CSize(cx, cy), CSize(rows[1].Width(), rows[6].bottom - rows[1].top));
    const auto image = Draw(*drag, cx, cy, ILD_NORMAL), mask = Draw(*drag, cx, cy, ILD_MASK);
    for (int r = 1; r <= 6; ++r) {
        const bool selected = r == 1 || r == 3 || r == 6;
        int opaque = 0, magenta = 0;
        for (int y = rows[r].top - rows[1].top; y < rows[r].bottom - rows[1].top; ++y) {
            for (int x = 0; x < cx; ++x) {
                opaque += mask[y * cx + x] == 0;
                magenta += image[y * cx + x] == RGB(255, 0, 255);
            }
        }
        const int n = rows[r].Height() * cx;
        EXPECT_EQ(opaque, selected ? n : 0) << "row " << r;
        EXPECT_EQ(magenta, selected ? 0 : n) << "row " << r;
    }
}

} // namespace
