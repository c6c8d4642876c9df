// The framework's handle wrappers, drawing, list and header classes: what goes beyond a forward.
#include "Harness.h"

#include <thread>

using namespace harness;

namespace {

// What every wrapper does through its handle map, for a handle h no object owns yet.
template <class T, class H> void CheckHandleMap(HANDLE hRaw) {
    const auto h = static_cast<H>(hRaw);
    auto alive = [h] {
        if constexpr (std::is_same_v<T, CMenu>) {
            return ::IsMenu(h) != FALSE;
        } else if constexpr (std::is_same_v<T, CImageList>) {
            int cx = 0, cy = 0;
            return ImageList_GetIconSize(h, &cx, &cy) != FALSE;
        } else {
            return ::GetObjectType(h) != 0;
        }
    };
    T* pTemp = T::FromHandle(h); // a temporary wrapper (for a GDI object: of the class that fits)
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(T::FromHandle(h), pTemp);
    EXPECT_EQ(T::FromHandlePermanent(h), nullptr);
    EXPECT_EQ(T::FromHandle(H{}), nullptr);
    AfxDeleteTempMap();
    EXPECT_TRUE(alive()); // a temporary wrapper leaves its handle alone
    {
        T owner;
        ASSERT_TRUE(owner.Attach(h));
        EXPECT_FALSE(owner.Attach(h)); // one handle at a time
        EXPECT_EQ(T::FromHandle(h), &owner);
        T* pOther = &owner;
        std::thread([&] {
            pOther = T::FromHandle(h), CWnd::FromHandle(::GetDesktopWindow()), AfxRegisterWndClass(0);
        }).join(); // its own maps
        EXPECT_NE(pOther, &owner);
        EXPECT_TRUE(alive()); // which went with the thread
        EXPECT_EQ(owner.Detach(), h);
        EXPECT_EQ(T::FromHandlePermanent(h), nullptr);
        ASSERT_TRUE(owner.Attach(h));
    }
    EXPECT_TRUE((std::is_same_v<T, CImageList>) || !alive()); // the owner deleted it (a list is not asked)
}

TEST(ListFrame, HandleWrappersShareOneMap) {
    const struct Case {
        const char* name;
        void (*check)(HANDLE);
        HANDLE h;
    } cases[] = {
        {"CFont", CheckHandleMap<CFont, HFONT>,
         ::CreateFontW(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma")},
        {"CPen", CheckHandleMap<CPen, HPEN>, ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3))},
        {"CBrush", CheckHandleMap<CBrush, HBRUSH>, ::CreateSolidBrush(RGB(1, 2, 3))},
        {"CBitmap", CheckHandleMap<CBitmap, HBITMAP>, ::CreateBitmap(4, 4, 1, 1, nullptr)},
        {"CDC", CheckHandleMap<CDC, HDC>, ::CreateCompatibleDC(nullptr)},
        {"CMenu", CheckHandleMap<CMenu, HMENU>, ::CreatePopupMenu()},
        {"CImageList", CheckHandleMap<CImageList, HIMAGELIST>, ImageList_Create(4, 4, ILC_COLOR24, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(c.h);
    }
}

// An owner-drawn list: asked for its row height while it is being created, its rows and its
// header's items drawn by the objects they belong to; texts of any length and the selection read back.
TEST_F(WindowTest, OwnerDrawnListDrawsAndReadsBack) {
    struct RecordingList : CListCtrl {
        std::vector<UINT> drawn, measured;
        void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(p->itemID); }
        void MeasureItem(LPMEASUREITEMSTRUCT p) override { measured.push_back(p->itemHeight = 31); }
    } list;
    struct RecordingHeader : CHeaderCtrl {
        std::vector<UINT> drawn;
        void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(p->itemID); }
    } header;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, Rect(0, 0, 300, 200), &host, 7));
    EXPECT_FALSE(list.measured.empty());
    for (int i = 0; i < 3; ++i) list.InsertColumn(i, L"col", LVCFMT_LEFT, 80), list.InsertItem(i, L"row");
    CRect rc;
    EXPECT_TRUE(list.GetItemRect(0, rc, LVIR_BOUNDS) && rc.Height() == 31);
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ(list.drawn, (std::vector<UINT>{0, 1, 2}));
    CHeaderCtrl* pTemp = list.GetHeaderCtrl(); // a temporary wrapper of the class, until subclassed
    ASSERT_TRUE(pTemp && pTemp->IsKindOf(RUNTIME_CLASS(CHeaderCtrl)) && header.SubclassWindow(*pTemp));
    EXPECT_EQ(list.GetHeaderCtrl(), &header);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_OWNERDRAW;
    ASSERT_TRUE(header.SetItem(1, &item));
    list.drawn.clear();
    header.Invalidate();
    header.UpdateWindow();
    EXPECT_EQ(header.drawn, std::vector<UINT>{1});
    EXPECT_TRUE(list.drawn.empty()); // the header's request is not the list's own
    for (int len : {0, 1, 127, 128, 255, 256, 1000}) {
        std::wstring text = std::wstring(static_cast<size_t>(len), L'x') + L"z";
        EXPECT_TRUE(list.SetItemText(0, 1, text.c_str()));
        EXPECT_EQ(list.GetItemText(0, 1).str(), text) << len;
    }
    for (const std::vector<int>& selected : {std::vector<int>{}, {0}, {0, 2}, {1, 2}}) {
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int i : selected) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        std::vector<int> walked;
        for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
            walked.push_back(list.GetNextSelectedItem(pos));
        EXPECT_EQ(walked, selected);
    }
}

// Draw3dRect's two colours; a point font's height in pixels.
TEST(ListFrame, DrawingPrimitives) {
    const COLORREF white = RGB(255, 255, 255), tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
    MemoryDC mem(10, 10);
    CDC& dc = *CDC::FromHandle(mem);
    dc.FillSolidRect(0, 0, 10, 10, white);
    dc.Draw3dRect(CRect(2, 2, 8, 8), tl, br);
    EXPECT_EQ(dc.GetBkColor(), br); // the fill colour stays the DC's background colour
    const int x[] = {2, 6, 2, 7, 7, 2, 3, 8}, y[] = {2, 2, 6, 2, 7, 7, 3, 8};
    const COLORREF expected[] = {tl, tl, tl, br, br, br, white, white};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(mem.At(x[i], y[i]), expected[i]) << x[i] << "," << y[i];
    for (int tenths : {80, 90, 120}) {
        CFont font;
        LOGFONTW lf{};
        ASSERT_TRUE(font.CreatePointFont(tenths, L"Tahoma") && font.GetLogFont(&lf));
        EXPECT_EQ(lf.lfHeight, -::MulDiv(dc.GetDeviceCaps(LOGPIXELSY), tenths, 720)) << tenths;
        EXPECT_FALSE(font.CreatePointFont(tenths, L"Tahoma")); // one font per object
    }
}

} // namespace
