// The framework's list, header, menu and drawing classes: what goes beyond a one-line forward.
#include "Harness.h"

#include <functional>
#include <string>

using namespace harness;

namespace {

class ListFrameTest : public WindowTest {};

// An owner-drawn list that records what reaches its drawing hooks.
class RecordingList : public CListCtrl {
public:
    int measured = 0;
    std::vector<UINT> drawnRows;
    std::vector<UINT> drawnTypes;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        drawnRows.push_back(lpDIS->itemID);
        drawnTypes.push_back(lpDIS->CtlType);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
        ++measured;
        lpMIS->itemHeight = 31;
    }
};

class RecordingHeader : public CHeaderCtrl {
public:
    std::vector<UINT> drawnItems;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        EXPECT_EQ(lpDIS->CtlType, UINT(ODT_HEADER));
        drawnItems.push_back(lpDIS->itemID);
    }
};

void Paint(CWnd& wnd) {
    wnd.Invalidate();
    wnd.UpdateWindow();
}

TEST_F(ListFrameTest, OwnerDrawnListIsMeasuredFromCreationAndDrawsItsRows) {
    const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED;
    struct Case {
        const char* name;
        bool inPanel; // parent: the host, or a plain framework window inside it
        std::function<BOOL(CListCtrl&, CWnd*)> create;
    };
    const Case cases[] = {
        {"Create", false, [&](CListCtrl& l, CWnd* p) { return l.Create(style, Rect(0, 0, 300, 200), p, 7); }},
        {"CreateEx in a panel", true,
         [&](CListCtrl& l, CWnd* p) {
             return l.CreateEx(WS_EX_CLIENTEDGE, style, Rect(0, 0, 300, 200), p, 7);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CWnd panel;
        ASSERT_TRUE(panel.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 320, 220), &host, 1));
        RecordingList list;
        ASSERT_TRUE(c.create(list, c.inPanel ? &panel : &host));
        EXPECT_GE(list.measured, 1); // asked while the window was being created
        list.InsertColumn(0, L"A", LVCFMT_LEFT, 100);
        for (int i = 0; i < 3; ++i) list.InsertItem(i, L"row");
        CRect rc;
        ASSERT_TRUE(list.GetItemRect(0, rc, LVIR_BOUNDS));
        EXPECT_EQ(rc.Height(), 31);
        Paint(list);
        EXPECT_EQ(list.drawnRows, (std::vector<UINT>{0, 1, 2}));
        EXPECT_EQ(list.drawnTypes, (std::vector<UINT>(3, ODT_LISTVIEW)));
    }
}

TEST_F(ListFrameTest, HeaderDrawsItsOwnerDrawnItemsThroughTheList) {
    RecordingList list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, Rect(0, 0, 300, 200), &host, 7));
    for (int i = 0; i < 3; ++i) list.InsertColumn(i, L"col", LVCFMT_LEFT, 80);
    // Without an object of its own the header comes back as a temporary wrapper of the right class.
    CHeaderCtrl* pTemp = list.GetHeaderCtrl();
    ASSERT_NE(pTemp, nullptr);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CHeaderCtrl)));
    EXPECT_EQ(pTemp->GetItemCount(), 3);

    RecordingHeader header;
    ASSERT_TRUE(header.SubclassWindow(pTemp->m_hWnd));
    EXPECT_EQ(list.GetHeaderCtrl(), &header);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(header.GetItem(1, &item));
    item.fmt |= HDF_OWNERDRAW;
    ASSERT_TRUE(header.SetItem(1, &item));
    list.drawnRows.clear();
    Paint(header);
    EXPECT_EQ(header.drawnItems, std::vector<UINT>{1});
    EXPECT_TRUE(list.drawnRows.empty()); // the header's request is not the list's own
    header.UnsubclassWindow();
}

TEST_F(ListFrameTest, ItemTextOfAnyLengthComesBackWhole) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, Rect(0, 0, 300, 200), &host, 7));
    list.InsertColumn(0, L"A");
    list.InsertColumn(1, L"B");
    for (int len : {0, 1, 126, 127, 128, 255, 256, 1000}) {
        std::wstring text(static_cast<size_t>(len), L'x');
        if (len) text.back() = L'z';
        int nItem = list.InsertItem(list.GetItemCount(), L"row");
        ASSERT_TRUE(list.SetItemText(nItem, 1, text.c_str()));
        EXPECT_EQ(list.GetItemText(nItem, 1).str(), text) << len;
    }
    EXPECT_TRUE(list.GetItemText(999, 0).IsEmpty());
    EXPECT_EQ(list.GetItemData(999), 0u);
}

TEST_F(ListFrameTest, SelectedItemPositionsWalkTheSelection) {
    struct Case {
        std::vector<int> selected;
    };
    for (const Case& c : {Case{{}}, Case{{0}}, Case{{1, 3}}, Case{{0, 1, 2, 3, 4}}}) {
        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT | LVS_SHOWSELALWAYS, Rect(0, 0, 300, 200), &host, 7));
        list.InsertColumn(0, L"A");
        for (int i = 0; i < 5; ++i) list.InsertItem(i, L"row");
        for (int i : c.selected) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        std::vector<int> walked;
        for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
            walked.push_back(list.GetNextSelectedItem(pos));
        EXPECT_EQ(walked, c.selected);
        EXPECT_EQ(list.GetSelectedCount(), c.selected.size());
    }
}

// Each wrapper deletes its handle, unless detached; temporary wrappers never delete theirs.
TEST(ListFrame, GdiWrappersReleaseWhatTheyOwn) {
    struct Case {
        const char* name;
        std::function<HANDLE(bool detach)> make; // makes an object in its own scope, returns its handle
        std::function<bool(HANDLE)> alive;
    };
    auto gdiAlive = [](HANDLE h) { return ::GetObjectType(h) != 0; };
    LOGFONTW lf{};
    lf.lfHeight = -12;
    const Case cases[] = {
        {"CFont",
         [&](bool d) {
             CFont f;
             f.CreateFontIndirect(&lf);
             return d ? f.Detach() : f.m_hObject;
         },
         gdiAlive},
        {"CFont point",
         [](bool d) {
             CFont f;
             f.CreatePointFont(90, L"Tahoma");
             return d ? f.Detach() : f.m_hObject;
         },
         gdiAlive},
        {"CPen",
         [](bool d) {
             CPen p(PS_SOLID, 1, RGB(1, 2, 3));
             return d ? p.Detach() : p.m_hObject;
         },
         gdiAlive},
        {"CBrush",
         [](bool d) {
             CBrush b(RGB(1, 2, 3));
             return d ? b.Detach() : b.m_hObject;
         },
         gdiAlive},
        {"CBitmap",
         [](bool d) {
             CBitmap b;
             b.CreateBitmap(4, 4, 1, 32, nullptr);
             return d ? b.Detach() : b.m_hObject;
         },
         gdiAlive},
        {"CDC",
         [](bool d) {
             CDC dc;
             dc.CreateCompatibleDC(nullptr);
             return HANDLE(d ? dc.Detach() : dc.m_hDC);
         },
         gdiAlive},
        {"CMenu",
         [](bool d) {
             CMenu m;
             m.CreatePopupMenu();
             return HANDLE(d ? m.Detach() : m.m_hMenu);
         },
         [](HANDLE h) { return ::IsMenu(static_cast<HMENU>(h)) != FALSE; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HANDLE owned = c.make(false);
        ASSERT_NE(owned, nullptr);
        EXPECT_FALSE(c.alive(owned));
        HANDLE detached = c.make(true);
        EXPECT_TRUE(c.alive(detached));
        // A temporary wrapper of the detached handle goes with the temporary map, the handle stays.
        if (::GetObjectType(detached) && ::GetObjectType(detached) != OBJ_MEMDC) {
            EXPECT_NE(CGdiObject::FromHandle(detached), nullptr);
        }
        AfxDeleteTempMap();
        EXPECT_TRUE(c.alive(detached));
        if (::IsMenu(static_cast<HMENU>(detached)))
            ::DestroyMenu(static_cast<HMENU>(detached));
        else if (::GetObjectType(detached) == OBJ_MEMDC)
            ::DeleteDC(static_cast<HDC>(detached));
        else
            ::DeleteObject(detached);
    }
}

// SelectObject gives back the previous object: the owning wrapper when there is one, else a
// temporary of the right class, and selecting that back restores the DC.
template <class T> void RoundTrip(const char* name, std::function<void(T&)> create) {
    SCOPED_TRACE(name);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    T a, b;
    create(a);
    create(b);
    T* pOriginal = dc.SelectObject(&a);
    ASSERT_NE(pOriginal, nullptr);
    EXPECT_TRUE(pOriginal->IsKindOf(T::GetThisClass()));
    HGDIOBJ hOriginal = pOriginal->m_hObject;
    EXPECT_EQ(dc.SelectObject(&b), &a);
    EXPECT_EQ(dc.SelectObject(pOriginal), &b);
    EXPECT_EQ(dc.GetCurrentObject(::GetObjectType(hOriginal)), hOriginal);
    EXPECT_EQ(dc.SelectObject(static_cast<T*>(nullptr)), nullptr);
}

TEST(ListFrame, SelectObjectReturnsThePreviousObject) {
    RoundTrip<CFont>("font", [](CFont& f) { f.CreatePointFont(100, L"Tahoma"); });
    RoundTrip<CPen>("pen", [](CPen& p) { p.CreatePen(PS_SOLID, 2, RGB(9, 9, 9)); });
    RoundTrip<CBrush>("brush", [](CBrush& b) { b.CreateSolidBrush(RGB(9, 9, 9)); });
    RoundTrip<CBitmap>("bitmap", [](CBitmap& b) { b.CreateBitmap(8, 8, 1, 1, nullptr); });
}

TEST(ListFrame, Draw3dRectFramesInTwoColours) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 10, -10, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap bmp;
    ASSERT_TRUE(bmp.Attach(::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0)));
    CBitmap* pOld = dc.SelectObject(&bmp);
    const COLORREF white = RGB(255, 255, 255), tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
    dc.FillSolidRect(0, 0, 10, 10, white);
    dc.Draw3dRect(CRect(2, 2, 8, 8), tl, br);
    struct Case {
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {2, 2, tl},    {6, 2, tl},    {2, 6, tl},    // top and left edges
        {7, 2, br},    {7, 7, br},    {2, 7, br},    // right and bottom edges, both corners they own
        {3, 3, white}, {6, 6, white},                // inside
        {1, 1, white}, {8, 8, white}, {8, 2, white}, // outside
    };
    for (const Case& c : cases) EXPECT_EQ(dc.GetPixel(c.x, c.y), c.expected) << c.x << "," << c.y;
    EXPECT_EQ(dc.GetBkColor(), br); // the fill colour stays the DC's background colour
    dc.SelectObject(pOld);
}

// A behaviour template over the window base, with its map written once for every base.
template <class TBase> class CommandProbe : public TBase {
public:
    std::vector<UINT> commands;
    int rightClicks = 0;
    UINT notifiedId = 0;
    BOOL passNotify = FALSE;

protected:
    void OnCommandMenu(UINT nID) { commands.push_back(nID); }
    void OnRButtonDown(UINT nFlags, CPoint point) {
        ++rightClicks;
        TBase::OnRButtonDown(nFlags, point);
    }
    BOOL OnNotifyEx(UINT id, NMHDR*, LRESULT* pResult) {
        notifiedId = id;
        *pResult = 5;
        return !passNotify;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CommandProbe, TBase, TBase)
ON_COMMAND_RANGE(1101, 1103, &CommandProbe::OnCommandMenu)
ON_WM_RBUTTONDOWN()
ON_NOTIFY_EX(NM_CLICK, 40, &CommandProbe::OnNotifyEx)
END_MESSAGE_MAP()

template <class TProbe> void CheckCommandProbe(TProbe& probe) {
    for (UINT id = 1100; id <= 1104; ++id) probe.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(probe.commands, (std::vector<UINT>{1101, 1102, 1103}));
    // The list view's own right-button handling waits for the button to come up.
    probe.PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    probe.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(probe.rightClicks, 1);
    NMHDR nm{nullptr, 40, UINT(NM_CLICK)};
    EXPECT_EQ(probe.SendMessage(WM_NOTIFY, 40, reinterpret_cast<LPARAM>(&nm)), 5);
    EXPECT_EQ(probe.notifiedId, 40u);
    nm.idFrom = 41;
    probe.notifiedId = 0;
    probe.SendMessage(WM_NOTIFY, 41, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(probe.notifiedId, 0u);
}

TEST_F(ListFrameTest, TemplateMessageMapServesEveryBase) {
    CommandProbe<CWnd> wnd;
    ASSERT_TRUE(wnd.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 50, 20), &host, 3));
    CheckCommandProbe(wnd);
    CommandProbe<CListCtrl> list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, Rect(0, 60, 200, 160), &host, 4));
    CheckCommandProbe(list);
}

TEST(ListFrame, RectArithmetic) {
    struct Case {
        const char* name;
        std::function<CRect()> compute;
        CRect expected;
    };
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 15);
    const Case cases[] = {
        {"intersection", [&] { return a & b; }, CRect(5, 5, 10, 10)},
        {"disjoint intersection", [&] { return a & CRect(30, 30, 40, 40); }, CRect(0, 0, 0, 0)},
        {"union", [&] { return a | b; }, CRect(0, 0, 20, 15)},
        {"union with empty", [&] { return a | CRect(); }, a},
        {"offset by point", [&] { return a + CPoint(3, -2); }, CRect(3, -2, 13, 8)},
        {"normalize",
         [] {
             CRect r(10, 8, 2, 4);
             r.NormalizeRect();
             return r;
         },
         CRect(2, 4, 10, 8)},
        {"inflate sides",
         [&] {
             CRect r = a;
             r.InflateRect(1, 2, 3, 4);
             return r;
         },
         CRect(-1, -2, 13, 14)},
        {"deflate sides",
         [&] {
             CRect r = a;
             r.DeflateRect(1, 2, 3, 4);
             return r;
         },
         CRect(1, 2, 7, 6)},
        {"move keeps size",
         [&] {
             CRect r = b;
             r.MoveToXY(1, 1);
             return r;
         },
         CRect(1, 1, 16, 11)},
        {"centre", [&] { return CRect(b.CenterPoint(), CSize(0, 0)); }, CRect(12, 10, 12, 10)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.compute(), c.expected) << c.name;
}

// Tenths of a point become a negative pixel height at the screen's resolution.
TEST(ListFrame, PointFontHeightFollowsTheScreenResolution) {
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    for (int tenths : {80, 90, 100, 120, 240}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(tenths, L"Tahoma"));
        LOGFONTW lf{};
        ASSERT_TRUE(font.GetLogFont(&lf));
        EXPECT_EQ(lf.lfHeight, -::MulDiv(dpi, tenths, 720)) << tenths;
        EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
        EXPECT_FALSE(font.CreatePointFont(tenths, L"Tahoma")); // one font per object
    }
}

// An image added with a mask colour draws only its other pixels.
TEST(ListFrame, MaskedImageLeavesTheMaskColourTransparent) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap target, image;
    ASSERT_TRUE(target.Attach(::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0)));
    ASSERT_TRUE(image.Attach(::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0)));
    const COLORREF magenta = RGB(255, 0, 255), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    CBitmap* pOld = dc.SelectObject(&image);
    dc.FillSolidRect(0, 0, 8, 8, magenta);
    dc.FillSolidRect(0, 0, 4, 8, red); // left half red, right half the mask colour
    dc.SelectObject(pOld);

    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    ASSERT_EQ(images.Add(&image, magenta), 0);
    pOld = dc.SelectObject(&target);
    dc.FillSolidRect(0, 0, 8, 8, white);
    IMAGELISTDRAWPARAMS params{};
    params.i = 0;
    params.hdcDst = dc;
    params.cx = params.cy = 8;
    params.rgbBk = CLR_NONE;
    params.fStyle = ILD_TRANSPARENT;
    ASSERT_TRUE(images.DrawIndirect(&params)); // the list is this one whatever params.himl says
    EXPECT_EQ(dc.GetPixel(1, 1), red);
    EXPECT_EQ(dc.GetPixel(6, 6), white);
    dc.SelectObject(pOld);
}

TEST_F(ListFrameTest, DescendantsAreFoundBelowChildren) {
    CWnd outer, inner, leaf;
    ASSERT_TRUE(outer.Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 50, 50), &host, 1));
    ASSERT_TRUE(inner.Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 40, 40), &outer, 2));
    ASSERT_TRUE(leaf.Create(L"STATIC", L"", WS_CHILD, Rect(0, 0, 30, 30), &inner, 3));
    HWND bare =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, inner.m_hWnd, HMENU(4), nullptr, nullptr);
    EXPECT_EQ(host.GetDescendantWindow(3), &leaf);
    EXPECT_EQ(host.GetDescendantWindow(1), &outer);
    EXPECT_EQ(host.GetDescendantWindow(4, TRUE), nullptr); // no object of its own
    ASSERT_NE(host.GetDescendantWindow(4), nullptr);
    EXPECT_EQ(host.GetDescendantWindow(4)->m_hWnd, bare);
    EXPECT_EQ(host.GetDescendantWindow(99), nullptr);
}

} // namespace
