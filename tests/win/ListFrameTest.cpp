// The framework's list, header, menu and drawing classes: what goes beyond a one-line forward.
#include "Harness.h"

#include <functional>
#include <string>
#include <thread>

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
    // Create on the host, and CreateEx on a plain framework window inside it.
    for (DWORD exStyle : {DWORD(0), DWORD(WS_EX_CLIENTEDGE)}) {
        SCOPED_TRACE(exStyle);
        CWnd panel;
        ASSERT_TRUE(panel.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 320, 220), &host, 1));
        RecordingList list;
        ASSERT_TRUE(exStyle ? list.CreateEx(exStyle, style, Rect(0, 0, 300, 200), &panel, 7)
                            : list.Create(style, Rect(0, 0, 300, 200), &host, 7));
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
    for (const std::vector<int>& selected : {std::vector<int>{}, {0}, {1, 3}, {0, 1, 2, 3, 4}}) {
        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT | LVS_SHOWSELALWAYS, Rect(0, 0, 300, 200), &host, 7));
        list.InsertColumn(0, L"A");
        for (int i = 0; i < 5; ++i) list.InsertItem(i, L"row");
        for (int i : selected) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        std::vector<int> walked;
        for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
            walked.push_back(list.GetNextSelectedItem(pos));
        EXPECT_EQ(walked, selected);
        EXPECT_EQ(list.GetSelectedCount(), selected.size());
    }
}

HANDLE Raw(const CGdiObject& o) {
    return o.m_hObject;
}
HANDLE Raw(const CDC& dc) {
    return dc.m_hDC;
}
HANDLE Raw(const CMenu& m) {
    return m.m_hMenu;
}

// Makes a T in its own scope and gives back its handle, detached from the object or not.
template <class T, class F> std::function<HANDLE(bool)> Maker(F create) {
    return [create](bool detach) {
        T obj;
        create(obj);
        return detach ? HANDLE(obj.Detach()) : Raw(obj);
    };
}

// Each wrapper deletes its handle, unless detached; temporary wrappers never delete theirs.
TEST(ListFrame, GdiWrappersReleaseWhatTheyOwn) {
    auto gdiAlive = [](HANDLE h) { return ::GetObjectType(h) != 0; };
    const struct Case {
        const char* name;
        std::function<HANDLE(bool detach)> make;
        std::function<bool(HANDLE)> alive;
    } cases[] = {
        {"CFont", Maker<CFont>([](CFont& f) { f.CreatePointFont(90, L"Tahoma"); }), gdiAlive},
        {"CPen", Maker<CPen>([](CPen& p) { p.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)); }), gdiAlive},
        {"CBrush", Maker<CBrush>([](CBrush& b) { b.CreateSolidBrush(RGB(1, 2, 3)); }), gdiAlive},
        {"CBitmap", Maker<CBitmap>([](CBitmap& b) { b.CreateBitmap(4, 4, 1, 32, nullptr); }), gdiAlive},
        {"CDC", Maker<CDC>([](CDC& dc) { dc.CreateCompatibleDC(nullptr); }), gdiAlive},
        {"CMenu", Maker<CMenu>([](CMenu& m) { m.CreatePopupMenu(); }),
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
        const DWORD type = ::GetObjectType(detached);
        if (type && type != OBJ_MEMDC) {
            EXPECT_NE(CGdiObject::FromHandle(detached), nullptr);
        }
        AfxDeleteTempMap();
        EXPECT_TRUE(c.alive(detached));
        if (!type)
            ::DestroyMenu(static_cast<HMENU>(detached));
        else if (type == OBJ_MEMDC)
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
    MemoryDC mem(10, 10);
    CDC& dc = *CDC::FromHandle(mem);
    const COLORREF white = RGB(255, 255, 255), tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
    dc.FillSolidRect(0, 0, 10, 10, white);
    dc.Draw3dRect(CRect(2, 2, 8, 8), tl, br);
    const struct Case {
        int x, y;
        COLORREF expected;
    } cases[] = {
        {2, 2, tl},    {6, 2, tl},    {2, 6, tl},    // top and left edges
        {7, 2, br},    {7, 7, br},    {2, 7, br},    // right and bottom edges, both corners they own
        {3, 3, white}, {6, 6, white},                // inside
        {1, 1, white}, {8, 8, white}, {8, 2, white}, // outside
    };
    for (const Case& c : cases) EXPECT_EQ(mem.At(c.x, c.y), c.expected) << c.x << "," << c.y;
    EXPECT_EQ(dc.GetBkColor(), br); // the fill colour stays the DC's background colour
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
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 15);
    auto changed = [](CRect r, auto change) {
        change(r);
        return r;
    };
    const struct Case {
        const char* name;
        CRect computed, expected;
    } cases[] = {
        {"intersection", a & b, CRect(5, 5, 10, 10)},
        {"disjoint intersection", a & CRect(30, 30, 40, 40), CRect(0, 0, 0, 0)},
        {"union", a | b, CRect(0, 0, 20, 15)},
        {"union with empty", a | CRect(), a},
        {"offset by point", a + CPoint(3, -2), CRect(3, -2, 13, 8)},
        {"normalize", changed(CRect(10, 8, 2, 4), [](CRect& r) { r.NormalizeRect(); }), CRect(2, 4, 10, 8)},
        {"inflate sides", changed(a, [](CRect& r) { r.InflateRect(1, 2, 3, 4); }), CRect(-1, -2, 13, 14)},
        {"deflate sides", changed(a, [](CRect& r) { r.DeflateRect(1, 2, 3, 4); }), CRect(1, 2, 7, 6)},
        {"move keeps size", changed(b, [](CRect& r) { r.MoveToXY(1, 1); }), CRect(1, 1, 16, 11)},
        {"centre", CRect(b.CenterPoint(), CSize(0, 0)), CRect(12, 10, 12, 10)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.computed, c.expected) << c.name;
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
    const COLORREF magenta = RGB(255, 0, 255), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    MemoryDC mem(8, 8);
    CDC& dc = *CDC::FromHandle(mem);
    CBitmap image;
    ASSERT_TRUE(image.CreateCompatibleBitmap(&dc, 8, 8));
    CBitmap* pOld = dc.SelectObject(&image);
    dc.FillSolidRect(0, 0, 8, 8, magenta);
    dc.FillSolidRect(0, 0, 4, 8, red); // left half red, right half the mask colour
    dc.SelectObject(pOld);

    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    ASSERT_EQ(images.Add(&image, magenta), 0);
    mem.Fill(white);
    IMAGELISTDRAWPARAMS params{};
    params.hdcDst = dc;
    params.cx = params.cy = 8;
    params.rgbBk = CLR_NONE;
    params.fStyle = ILD_TRANSPARENT;
    ASSERT_TRUE(images.DrawIndirect(&params)); // the list is this one whatever params.himl says
    EXPECT_EQ(mem.At(1, 1), red);
    EXPECT_EQ(mem.At(6, 6), white);
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

// Wrappers a thread made for handles it does not own go with the thread; the handles stay.
TEST(ListFrame, EndingThreadLeavesForeignHandlesAlone) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HDC hScreen = ::GetDC(nullptr);
    std::thread([&] {
        EXPECT_NE(CFont::FromHandle(font), &font); // another thread's map: a temporary wrapper
        EXPECT_NE(CMenu::FromHandle(menu), nullptr);
        EXPECT_NE(CDC::FromHandle(hScreen), nullptr);
    }).join();
    EXPECT_EQ(::GetObjectType(font.m_hObject), DWORD(OBJ_FONT));
    EXPECT_TRUE(::IsMenu(menu));
    EXPECT_NE(::GetPixel(hScreen, 0, 0), CLR_INVALID);
    ::ReleaseDC(nullptr, hScreen);
}

} // namespace
