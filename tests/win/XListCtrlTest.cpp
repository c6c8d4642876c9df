// The extended list in a real list-view: column geometry, the cell editor and what it reports,
// scrolling under an open editor, and the combined drag image checked on its pixels and mask.
#include "Harness.h"

#include <optional>

using namespace harness;

namespace {

// What one LVN_ENDLABELEDITW carried.
struct EndLabelEdit {
    HWND hwndFrom;
    UINT_PTR idFrom;
    WPARAM wParam;
    UINT mask;
    int iItem, iSubItem;
    bool hasText;
    std::wstring text;
    int cchTextMax;
    int topIndexThen; // the list's first visible row when the report arrived
    int hScrollThen;
};

EndLabelEdit Capture(const NMHDR& nm, WPARAM wParam) {
    const auto& di = reinterpret_cast<const NMLVDISPINFOW&>(nm);
    return {nm.hwndFrom,
            nm.idFrom,
            wParam,
            di.item.mask,
            di.item.iItem,
            di.item.iSubItem,
            di.item.pszText != nullptr,
            di.item.pszText ? di.item.pszText : L"",
            di.item.cchTextMax,
            static_cast<int>(::SendMessageW(nm.hwndFrom, LVM_GETTOPINDEX, 0, 0)),
            ::GetScrollPos(nm.hwndFrom, SB_HORZ)};
}

constexpr int kListId = 77;

class XListTest : public WindowTest {
public: // table rows reach the fixture through a reference
    CXListCtrl list;
    CEdit other;
    std::vector<EndLabelEdit> reports;
    CImageList images;

    void SetUp() override {
        host.onNotify = [this](const NMHDR& nm) {
            if (nm.code == LVN_ENDLABELEDITW) reports.push_back(Capture(nm, kListId));
        };
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                Rect(10, 10, 410, 210), &host, kListId));
        list.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        const LPCWSTR headings[] = {L"Name", L"City", L"Country", L"Notes", L"Extra"};
        const int widths[] = {100, 100, 100, 150, 150};
        for (int c = 0; c < 5; ++c) list.InsertColumn(c, headings[c], LVCFMT_LEFT, widths[c]);
        for (int r = 0; r < 30; ++r) {
            list.InsertItem(r, (L"row " + std::to_wstring(r)).c_str());
            list.SetItemText(r, 1, L"Paris");
            list.SetItemText(r, 2, L"");
            list.SetItemText(r, 3, L"a note");
        }
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(420, 10, 600, 34), &host, 11));
    }
    CRect Client() {
        CRect rc;
        list.GetClientRect(rc);
        return rc;
    }
    CRect Cell(int item, int column) {
        CRect rc;
        list.GetSubItemRect(item, column, LVIR_BOUNDS, rc);
        if (column == 0) rc.right = rc.left + list.GetColumnWidth(0);
        return rc;
    }
    static CRect PlacementIn(HWND hWnd, HWND hParent) {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    HWND Editor() { return ::GetDlgItem(list, 1001); }
};

TEST_F(XListTest, ColumnCountIsTheHeadersItemCount) {
    EXPECT_EQ(list.GetColumnCount(), 5);
    list.DeleteColumn(4);
    EXPECT_EQ(list.GetColumnCount(), 4);
    EXPECT_STREQ(list.GetRuntimeClass()->m_lpszClassName, "CXListCtrl");
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListCtrl)));
}

TEST_F(XListTest, EnsureSubItemVisibleScrollsOnlyColumnsWhollyOutside) {
    // Columns lie at 0-100, 100-200, 200-300, 300-450, 450-600; the client area is narrower.
    const int right = Client().right;
    struct Row {
        const char* name;
        int scrolledBefore, column;
        int expectedLeft; // the column's left edge afterwards
    } rows[] = {
        {"wholly right: its right edge comes to the client's", 0, 4, right - 150},
        {"straddles the right edge", 0, 3, 300},
        {"visible", 0, 1, 100},
        {"wholly left: its left edge comes to the client's", 250, 1, 0},
        {"column 0 wholly left", 250, 0, 0},
        {"straddles the left edge", 150, 1, -50},
        {"no such column", 0, 9, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.Scroll(CSize(-10000, 0));
        list.Scroll(CSize(r.scrolledBefore, 0));
        EXPECT_EQ(list.EnsureSubItemVisible(r.column), 1);
        EXPECT_EQ(Cell(0, r.column < 5 ? r.column : 0).left, r.expectedLeft);
    }
}

TEST_F(XListTest, AutoSizeColumnTakesTheWiderFitWithOneRedrawPair) {
    list.SetItemText(0, 1, L"a text much wider than the City heading");
    CXListCtrl twin; // where the two fits are read one at a time
    ASSERT_TRUE(twin.Create(WS_CHILD | LVS_REPORT, Rect(10, 220, 410, 300), &host, 78));
    twin.SetFont(list.GetFont());
    twin.InsertColumn(0, L"Name");
    twin.InsertColumn(1, L"City");
    twin.InsertColumn(2, L"Country, a heading wider than its cells");
    twin.InsertItem(0, L"row 0");
    twin.SetItemText(0, 1, L"a text much wider than the City heading");
    twin.SetItemText(0, 2, L"FR");
    twin.InsertColumn(3, L"Notes");
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = const_cast<LPWSTR>(L"Country, a heading wider than its cells");
    list.SetColumn(2, &col);
    list.SetItemText(0, 2, L"FR");
    auto fit = [&](int c, int how) {
        twin.SetColumnWidth(c, how);
        return twin.GetColumnWidth(c);
    };
    const int wider1 = std::max(fit(1, LVSCW_AUTOSIZE), fit(1, LVSCW_AUTOSIZE_USEHEADER));
    const int wider2 = std::max(fit(2, LVSCW_AUTOSIZE), fit(2, LVSCW_AUTOSIZE_USEHEADER));
    ASSERT_LT(fit(2, LVSCW_AUTOSIZE), fit(2, LVSCW_AUTOSIZE_USEHEADER)); // the heading is wider

    MessageRecorder redraws(list, [](UINT m) { return m == WM_SETREDRAW; });
    list.AutoSizeColumn(1, TRUE);
    EXPECT_EQ(list.GetColumnWidth(1), wider1);
    EXPECT_EQ(list.GetColumnWidth(2), 100);
    list.AutoSizeColumn(2, FALSE);
    EXPECT_EQ(list.GetColumnWidth(2), wider2);
    list.AutoSizeColumn(TRUE); // every column, one pair of redraw messages
    EXPECT_EQ(list.GetColumnWidth(1), wider1);
    EXPECT_EQ(list.GetColumnWidth(2), wider2);
    using M = MessageRecorder::Msg;
    EXPECT_EQ(redraws.messages, (std::vector<M>{{WM_SETREDRAW, 0, 0},
                                                {WM_SETREDRAW, 1, 0},
                                                {WM_SETREDRAW, 0, 0},
                                                {WM_SETREDRAW, 1, 0},
                                                {WM_SETREDRAW, 0, 0},
                                                {WM_SETREDRAW, 1, 0}}));

    // Icon views have no columns to size: nothing changes, nothing is sent.
    const int width0 = list.GetColumnWidth(0), width3 = list.GetColumnWidth(3);
    for (DWORD view : {DWORD(LVS_ICON), DWORD(LVS_SMALLICON)}) {
        list.ModifyStyle(LVS_TYPEMASK, view);
        redraws.clear();
        list.AutoSizeColumn(0, TRUE);
        list.AutoSizeColumn(TRUE);
        EXPECT_TRUE(redraws.messages.empty()) << view;
        list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
        EXPECT_EQ(list.GetColumnWidth(0), width0) << view;
        EXPECT_EQ(list.GetColumnWidth(3), width3) << view;
        list.ModifyStyle(LVS_TYPEMASK, view);
    }
}

TEST_F(XListTest, EditSubLabelOpensOverTheCellRightOfItsImage) {
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    images.Add(::LoadIconW(nullptr, IDI_APPLICATION));
    list.SetImageList(&images, LVSIL_SMALL);
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 2;
    item.iImage = 0;
    list.SetItem(&item);
    item.iSubItem = 3;
    list.SetItem(&item);
    list.SetItemText(3, 1, L"a long text that does not fit into its column, nor into the list at all");

    struct Row {
        const char* name;
        int item, column;
        bool subItemImages;
        bool image; // the editor starts right of an image
    } rows[] = {
        {"text", 1, 1, false, false},
        {"empty cell", 1, 2, false, false},
        {"image", 2, 0, false, true},
        {"sub-item image", 2, 3, true, true},
        {"sub-item images off", 2, 3, false, false},
        {"long text", 3, 1, false, false},
        {"last row", 29, 3, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.SetExtendedStyle(r.subItemImages ? LVS_EX_SUBITEMIMAGES : 0);
        list.Scroll(CSize(-10000, 0));
        CEdit* pEdit = list.EditSubLabel(r.item, r.column);
        ASSERT_NE(pEdit, nullptr);
        HWND hEdit = pEdit->m_hWnd;
        EXPECT_EQ(hEdit, Editor());
        EXPECT_STREQ(pEdit->GetRuntimeClass()->m_lpszClassName, "CXInEditEx");
        EXPECT_EQ(::GetFocus(), hEdit);
        const std::wstring text = list.GetItemText(r.item, r.column).str();
        EXPECT_EQ(TextOf(hEdit), text);
        EXPECT_EQ(SelOf(hEdit), std::make_pair(0, static_cast<int>(text.size())));

        CRect cell = Cell(r.item, r.column);
        CRect placed = PlacementIn(hEdit, list);
        CRect icon;
        if (r.image) {
            list.GetSubItemRect(r.item, r.column, LVIR_ICON, icon);
            EXPECT_GT(icon.right, cell.left);
            EXPECT_EQ(placed.left, icon.right);
        } else {
            EXPECT_EQ(placed.left, cell.left);
        }
        EXPECT_EQ(placed.top, cell.top);
        EXPECT_EQ(placed.bottom, cell.bottom + 3);
        EXPECT_GE(placed.Width(), 2 * placed.Height());
        EXPECT_LE(placed.right, Client().right);
        if (r.item == 3) {
            EXPECT_EQ(placed.right, Client().right);
        }
        PressKey(hEdit, VK_ESCAPE);
        EXPECT_FALSE(::IsWindow(hEdit));
    }
    EXPECT_EQ(list.EditSubLabel(30, 1), nullptr); // no such row
    EXPECT_EQ(list.EditSubLabel(1, 5), nullptr);  // no such column
    EXPECT_EQ(Editor(), nullptr);
    list.SetImageList(nullptr, LVSIL_SMALL);
}

TEST_F(XListTest, EditorReportsTheOutcomeToTheListsParent) {
    struct Row {
        const char* name;
        std::function<void(XListTest&, HWND)> act;
        size_t reports;
        bool hasText;
        std::wstring text;
        size_t beeps;
    } rows[] = {
        {"Enter",
         [](XListTest&, HWND e) {
             TypeChars(e, L"Lyon");
             PressKey(e, VK_RETURN);
         },
         1, true, L"Lyon", 0},
        {"Enter, unchanged", [](XListTest&, HWND e) { PressKey(e, VK_RETURN); }, 1, true, L"Paris", 0},
        {"click elsewhere",
         [](XListTest& t, HWND e) {
             TypeChars(e, L"Nice");
             Click(t.other, 3, 3);
         },
         1, true, L"Nice", 0},
        {"Escape",
         [](XListTest&, HWND e) {
             TypeChars(e, L"Lyon");
             PressKey(e, VK_ESCAPE);
         },
         1, false, L"", 0},
        {"Tab", [](XListTest&, HWND e) { PressKey(e, VK_TAB); }, 0, false, L"", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        reports.clear();
        BeepCounter beeps;
        CEdit* pEdit = list.EditSubLabel(4, 1);
        ASSERT_NE(pEdit, nullptr);
        HWND hEdit = pEdit->m_hWnd;
        r.act(*this, hEdit);
        EXPECT_EQ(beeps.count(), r.beeps);
        ASSERT_EQ(reports.size(), r.reports);
        if (r.reports == 0) {
            EXPECT_EQ(::GetFocus(), hEdit); // still editing
            PressKey(hEdit, VK_ESCAPE);
            continue;
        }
        const EndLabelEdit& e = reports[0];
        EXPECT_EQ(e.hwndFrom, list.m_hWnd);
        EXPECT_EQ(e.idFrom, UINT_PTR(kListId));
        EXPECT_EQ(e.mask, UINT(LVIF_TEXT));
        EXPECT_EQ(e.iItem, 4);
        EXPECT_EQ(e.iSubItem, 1);
        EXPECT_EQ(e.hasText, r.hasText);
        EXPECT_EQ(e.text, r.text);
        EXPECT_EQ(e.cchTextMax, static_cast<int>(r.text.size()));
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(list.GetItemText(4, 1), L"Paris"); // storing is the parent's business
    }
}

TEST_F(XListTest, ListWithoutParentHearsTheReportWithTheEditorsId) {
    class LoneList : public CXListCtrl {
    public:
        std::vector<EndLabelEdit> heard;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDITW)
                heard.push_back(Capture(*reinterpret_cast<NMHDR*>(lParam), wParam));
            return CXListCtrl::WindowProc(message, wParam, lParam);
        }
    } lone;
    ASSERT_TRUE(lone.CWnd::CreateEx(0, WC_LISTVIEWW, L"", WS_POPUP | WS_VISIBLE | LVS_REPORT, 100, 100, 300,
                                    200, nullptr, nullptr));
    ::SetForegroundWindow(lone);
    lone.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    lone.InsertColumn(1, L"City", LVCFMT_LEFT, 100);
    lone.InsertItem(0, L"row");
    CEdit* pEdit = lone.EditSubLabel(0, 1);
    ASSERT_NE(pEdit, nullptr);
    TypeChars(pEdit->m_hWnd, L"Oslo");
    PressKey(pEdit->m_hWnd, VK_RETURN);
    ASSERT_EQ(lone.heard.size(), 1u);
    EXPECT_EQ(lone.heard[0].hwndFrom, lone.m_hWnd);
    EXPECT_EQ(lone.heard[0].idFrom, 1001u);
    EXPECT_EQ(lone.heard[0].text, L"Oslo");
    lone.DestroyWindow();
}

TEST_F(XListTest, ScrollingCommitsAnOpenEditBeforeTheCellsMove) {
    struct Row {
        const char* name;
        std::function<void(XListTest&, HWND)> scroll;
        bool vertical;
    } rows[] = {
        {"scroll bar down", [](XListTest& t, HWND) { t.list.SendMessage(WM_VSCROLL, SB_LINEDOWN); }, true},
        {"scroll bar right", [](XListTest& t, HWND) { t.list.SendMessage(WM_HSCROLL, SB_PAGERIGHT); }, false},
        // The wheel reaches the window under the cursor, not the editor that has the focus.
        {"wheel over the list",
         [](XListTest& t, HWND) { t.list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)); }, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list.EnsureVisible(0, FALSE);
        list.Scroll(CSize(-10000, 0));
        reports.clear();
        const int top = list.GetTopIndex();
        const int hpos = list.GetScrollPos(SB_HORZ);
        CEdit* pEdit = list.EditSubLabel(0, 1);
        ASSERT_NE(pEdit, nullptr);
        HWND hEdit = pEdit->m_hWnd;
        TypeChars(hEdit, L"Rome");
        r.scroll(*this, hEdit);
        Pump();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].text, L"Rome");
        EXPECT_EQ(reports[0].topIndexThen, top);
        EXPECT_EQ(reports[0].hScrollThen, hpos);
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(::GetFocus(), list.m_hWnd);
        if (r.vertical) {
            EXPECT_GT(list.GetTopIndex(), top);
        } else {
            EXPECT_GT(list.GetScrollPos(SB_HORZ), hpos);
        }
    }
}

// The image drawn over magenta, and its mask, as 32-bit pixels.
struct Pixels {
    int cx = 0, cy = 0;
    std::vector<COLORREF> image, mask;
    COLORREF At(const std::vector<COLORREF>& v, int x, int y) const {
        return v[size_t(y) * cx + x] & 0xFFFFFF;
    }
};

std::vector<COLORREF> Read(HDC dc, HBITMAP bmp, int cx, int cy) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> px(size_t(cx) * cy);
    ::GetDIBits(dc, bmp, 0, UINT(cy), px.data(), &bi, DIB_RGB_COLORS);
    return px;
}

Pixels Render(CImageList& il) {
    Pixels p;
    IMAGEINFO info{};
    ::ImageList_GetImageInfo(il, 0, &info);
    p.cx = info.rcImage.right - info.rcImage.left;
    p.cy = info.rcImage.bottom - info.rcImage.top;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, p.cx, p.cy);
    HGDIOBJ old = ::SelectObject(dc, canvas);
    HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
    RECT all{0, 0, p.cx, p.cy};
    ::FillRect(dc, &all, magenta);
    ::ImageList_Draw(il, 0, dc, 0, 0, ILD_TRANSPARENT);
    ::SelectObject(dc, old);
    p.image = Read(dc, canvas, p.cx, p.cy);
    p.mask = Read(dc, info.hbmMask, p.cx, p.cy);
    ::DeleteObject(magenta);
    ::DeleteObject(canvas);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return p;
}

TEST_F(XListTest, DragImageSpansTheSelectedRowsWithTransparentGaps) {
    CPoint hot(-7, -7);
    EXPECT_EQ(list.CreateDragImageEx(hot), nullptr); // nothing selected
    EXPECT_EQ(hot, CPoint(-7, -7));

    for (int r : {1, 3, 6}) list.SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
    CRect first, gap, last;
    list.GetItemRect(1, first, LVIR_BOUNDS);
    list.GetItemRect(2, gap, LVIR_BOUNDS);
    list.GetItemRect(6, last, LVIR_BOUNDS);
    CPoint cursor(first.left + 40, first.top + 30);
    CPoint screen = cursor;
    list.ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    CPoint actual;
    ::GetCursorPos(&actual);
    list.ScreenToClient(&actual);

    std::unique_ptr<CImageList> drag(list.CreateDragImageEx(hot));
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->GetImageCount(), 1);
    EXPECT_EQ(hot, CPoint(actual.x - first.left, actual.y - first.top));

    Pixels p = Render(*drag);
    EXPECT_EQ(p.cx, first.Width());
    EXPECT_EQ(p.cy, last.bottom - first.top);
    auto rowCovered = [&](const CRect& row, bool opaque) {
        int opaqueMask = 0, magentaPixels = 0, n = 0;
        for (int y = row.top - first.top; y < row.bottom - first.top; ++y) {
            for (int x = 0; x < p.cx; x += 3) {
                ++n;
                opaqueMask += p.At(p.mask, x, y) == 0;
                magentaPixels += p.At(p.image, x, y) == RGB(255, 0, 255);
            }
        }
        return opaque ? opaqueMask == n && magentaPixels == 0 : opaqueMask == 0 && magentaPixels == n;
    };
    for (int r : {1, 3, 6}) {
        CRect row;
        list.GetItemRect(r, row, LVIR_BOUNDS);
        EXPECT_TRUE(rowCovered(row, true)) << "row " << r;
    }
    for (int r : {2, 4, 5}) {
        CRect row;
        list.GetItemRect(r, row, LVIR_BOUNDS);
        EXPECT_TRUE(rowCovered(row, false)) << "gap " << r;
    }
}

// End to end through real input: a double-click opens the editor (as an owner wires it), typing goes
// to it, and Enter or a click elsewhere commits; the owner stores the text.
TEST_F(XListTest, RealDoubleClickTypeAndCommit) {
    host.onNotify = [this](const NMHDR& nm) {
        if (nm.hwndFrom != list.m_hWnd) return;
        if (nm.code == NM_DBLCLK) {
            LVHITTESTINFO hit{};
            hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(nm).ptAction;
            if (list.SubItemHitTest(&hit) >= 0) list.EditSubLabel(hit.iItem, hit.iSubItem);
        } else if (nm.code == LVN_ENDLABELEDITW) {
            reports.push_back(Capture(nm, kListId));
            const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW&>(nm).item;
            if (item.pszText) list.SetItemText(item.iItem, item.iSubItem, item.pszText);
        }
    };
    struct Row {
        const char* name;
        std::function<void(XListTest&)> end;
    } rows[] = {
        {"Enter", [](XListTest&) { real::Key(VK_RETURN); }},
        {"click elsewhere",
         [](XListTest& t) {
             real::Click(t.other, {5, 5});
         }},
    };
    int item = 2;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        reports.clear();
        CRect cell = Cell(item, 1);
        real::DoubleClick(list, {cell.left + 10, (cell.top + cell.bottom) / 2});
        HWND hEdit = Editor();
        ASSERT_NE(hEdit, nullptr);
        EXPECT_EQ(::GetFocus(), hEdit);
        real::Type(L"Lyon");
        EXPECT_EQ(TextOf(hEdit), L"Lyon");
        r.end(*this);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].iItem, item);
        EXPECT_EQ(reports[0].iSubItem, 1);
        EXPECT_EQ(reports[0].text, L"Lyon");
        EXPECT_FALSE(::IsWindow(hEdit));
        EXPECT_EQ(list.GetItemText(item, 1), L"Lyon");
        ++item;
    }
}

} // namespace
