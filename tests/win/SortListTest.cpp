// The sortable lists in real windows: header clicks as the list view reports them, row order, the
// ownership of row data, the stored look, and the header and row painting checked on pixels.
#include "Harness.h"

#include <memory>

using namespace harness;

namespace {

using Texts = std::vector<std::wstring>;

// Exposes what the tests look at.
class TestSortList : public CSortListCtrlEx {
public:
    using CSortListCtrlEx::DrawItem;
    using CSortListCtrlEx::m_cxStateImageOffset;
    int compares = 0;

protected:
    using CSortListCtrlEx::CompareItems;
    int CompareItems(CObject* p1, CObject* p2) override {
        ++compares;
        return CSortListCtrlEx::CompareItems(p1, p2);
    }
};

// Compares the texts of every column as numbers.
class NumericSortList : public CSortListCtrlEx {
protected:
    using CSortListCtrlEx::CompareItems;
    int CompareItems(int, const CString& s1, const CString& s2) override { return ::_wtoi(s1) - ::_wtoi(s2); }
};

// A row record that counts its deletions.
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
    template <class List> void Make(List& list, DWORD style = 0) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | style, Rect(10, 10, 400, 300), &host, 1));
        list.InsertColumn(0, L"One", LVCFMT_LEFT, 100);
        list.InsertColumn(1, L"Two", LVCFMT_RIGHT, 100);
        list.InsertColumn(2, L"Three", LVCFMT_CENTER, 100);
    }
    template <class List> void Fill(List& list, const Texts& column0) {
        for (const auto& t : column0) list.InsertItem(list.GetItemCount(), Row({t.c_str(), L"x", L"y"}));
    }
    static Texts Column(CListCtrl& list, int nCol) {
        Texts out;
        for (int i = 0; i < list.GetItemCount(); ++i) out.push_back(list.GetItemText(i, nCol).str());
        return out;
    }
    // A real mouse click on a header item; successive clicks land apart, so that two of them are
    // never taken for a double click.
    static void ClickHeader(CListCtrl& list, int nCol) {
        static int clicks = 0;
        HWND hHeader = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
        RECT rc{};
        ::SendMessageW(hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&rc));
        const int dx = ++clicks % 2 ? -20 : 20;
        real::Click(hHeader, POINT{(rc.left + rc.right) / 2 + dx, (rc.top + rc.bottom) / 2});
    }
    bool ParentSaw(UINT code) const {
        for (const auto& n : host.notifications)
            if (n.code == code) return true;
        return false;
    }
};

TEST_F(SortListTest, HeaderClicksSortAndReverse) {
    struct Step {
        int column; // -1: ReSort
        int sortedColumn;
        BOOL ascending;
        Texts column0;
    };
    struct Case {
        const char* name;
        Texts rows;
        bool numeric;
        std::vector<Step> steps;
    } cases[] = {
        {"letters",
         {L"b", L"a", L"c"},
         false,
         {{0, 0, TRUE, {L"a", L"b", L"c"}},
          {0, 0, FALSE, {L"c", L"b", L"a"}},
          {1, 1, TRUE, {L"c", L"b", L"a"}}, // column 1 is level everywhere: order kept
          {0, 0, TRUE, {L"a", L"b", L"c"}}}},
        {"ordinal numbers",
         {L"10", L"9", L"100"},
         false,
         {{0, 0, TRUE, {L"10", L"100", L"9"}}, {0, 0, FALSE, {L"9", L"100", L"10"}}}},
        {"numeric override",
         {L"10", L"9", L"100"},
         true,
         {{0, 0, TRUE, {L"9", L"10", L"100"}}, {0, 0, FALSE, {L"100", L"10", L"9"}}}},
        {"resort before any sort keeps the order",
         {L"b", L"a", L"c"},
         false,
         {{-1, -1, TRUE, {L"b", L"a", L"c"}}}},
        {"empty list: triangle moves", {}, false, {{2, 2, TRUE, {}}, {2, 2, FALSE, {}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CSortListCtrlEx> list(c.numeric ? new NumericSortList : new CSortListCtrlEx);
        Make(*list);
        Fill(*list, c.rows);
        for (const auto& s : c.steps) {
            if (s.column < 0)
                list->ReSort();
            else
                ClickHeader(*list, s.column);
            EXPECT_EQ(list->GetSortedColumn(), s.sortedColumn) << s.column;
            EXPECT_EQ(list->IsAscSorted(), s.ascending) << s.column;
            EXPECT_EQ(Column(*list, 0), s.column0) << s.column;
            if (s.sortedColumn < 0) continue;
            HDITEMW hdi{};
            hdi.mask = HDI_FORMAT;
            list->GetHeaderCtrl()->GetItem(s.sortedColumn, &hdi);
            EXPECT_TRUE(hdi.fmt & HDF_OWNERDRAW);
        }
    }
    EXPECT_FALSE(ParentSaw(LVN_COLUMNCLICK));
    EXPECT_FALSE(ParentSaw(LVN_DELETEITEM));
}

TEST_F(SortListTest, EmptyListIsNotSorted) {
    TestSortList list;
    Make(list);
    ClickHeader(list, 1);
    EXPECT_EQ(list.GetSortedColumn(), 1);
    EXPECT_EQ(list.compares, 0);
    Fill(list, {L"b", L"a"});
    ClickHeader(list, 1);
    EXPECT_GT(list.compares, 0);
}

TEST_F(SortListTest, CellTextIsCutToTheRequestedBuffer) {
    CSortListCtrlEx list;
    Make(list);
    list.InsertItem(0, Row({L"abcdef", L"two"})); // no third text
    wchar_t buf[8];
    std::fill(std::begin(buf), std::end(buf), L'#');
    EXPECT_EQ(list.GetItemText(0, 0, buf, 4), 3);
    EXPECT_EQ(std::wstring(buf, 5), std::wstring(L"abc\0#", 5));
    EXPECT_EQ(list.GetItemText(0, 2), L"");
}

TEST_F(SortListTest, ExceptionInAComparisonComesOutAfterTheSort) {
    class Throwing : public CSortListCtrlEx {
    protected:
        using CSortListCtrlEx::CompareItems;
        int CompareItems(int, const CString&, const CString&) override { AfxThrowInvalidArgException(); }
    } list;
    Make(list);
    Fill(list, {L"b", L"a", L"c"});
    bool thrown = false;
    try {
        list.SortColumn(0, TRUE);
    } catch (CException* e) {
        e->Delete();
        thrown = true;
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(Column(list, 0).size(), 3u);
}

TEST_F(SortListTest, RowDataIsDeletedExactlyOnceWhenTheFlagIsSet) {
    enum How { OneByOne, AllAtOnce, WithTheWindow, WithTheObject };
    for (BOOL flag : {TRUE, FALSE}) {
        for (How how : {OneByOne, AllAtOnce, WithTheWindow, WithTheObject}) {
            SCOPED_TRACE(testing::Message() << "flag " << flag << " how " << how);
            CountedRow::deleted = 0;
            auto list = std::make_unique<CSortListCtrlEx>();
            list->SetDeleteItemData(flag);
            Make(*list);
            std::vector<CountedRow*> rows;
            for (LPCWSTR t : {L"a", L"b", L"c"}) {
                rows.push_back(Row<CountedRow>({t}));
                list->InsertItem(0, rows.back());
            }
            LVITEMW nullRow{};
            nullRow.mask = LVIF_TEXT | LVIF_PARAM;
            nullRow.iItem = 3;
            nullRow.pszText = const_cast<LPWSTR>(L"no data");
            list->CListCtrl::InsertItem(&nullRow); // a row without a data object is skipped
            switch (how) {
            case OneByOne:
                while (list->GetItemCount()) list->DeleteItem(0);
                break;
            case AllAtOnce:
                list->DeleteAllItems();
                break;
            case WithTheWindow:
                list->DestroyWindow();
                break;
            case WithTheObject:
                list.reset();
                break;
            }
            EXPECT_EQ(CountedRow::deleted, flag ? 3 : 0);
            if (!flag)
                for (auto* p : rows) delete p;
        }
    }
    EXPECT_FALSE(ParentSaw(LVN_DELETEITEM));
}

TEST_F(SortListTest, StyleQueriesAreZeroOrOne) {
    CSortListCtrlEx list;
    Make(list);
    struct Query {
        DWORD style;
        BOOL (CSortListCtrl::*fn)() const;
    } queries[] = {
        {LVS_EX_FULLROWSELECT, &CSortListCtrl::GetFullRowSel},
        {LVS_EX_GRIDLINES, &CSortListCtrl::GetGridLine},
        {LVS_EX_TRACKSELECT, &CSortListCtrl::TrackSelect},
        {LVS_EX_HEADERDRAGDROP, &CSortListCtrl::GetHeadDragDrop},
        {LVS_EX_INFOTIP, &CSortListCtrl::GetInfoTip},
        {LVS_EX_UNDERLINEHOT, &CSortListCtrl::GetUnderLineHot},
    };
    DWORD all = 0;
    for (const auto& q : queries) all |= q.style;
    for (const auto& set : queries) {
        list.SetExtendedStyle(set.style);
        for (const auto& q : queries) EXPECT_EQ((list.*q.fn)(), q.style == set.style ? 1 : 0) << set.style;
    }
    list.SetExtendedStyle(all);
    for (const auto& q : queries) EXPECT_EQ((list.*q.fn)(), 1) << q.style;
}

TEST_F(SortListTest, CreationForcesAClickableReportView) {
    struct Case {
        DWORD style;
        bool subclass;
        DWORD expectedType;
        DWORD noSortHeader;
    } cases[] = {
        {LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, false, LVS_REPORT, 0},
        {LVS_SMALLICON | LVS_SORTDESCENDING, false, LVS_REPORT, 0},
        {LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, true, LVS_REPORT, LVS_NOSORTHEADER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.style << " subclass " << c.subclass);
        CSortListCtrlEx list;
        if (c.subclass) {
            HWND h = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | c.style, 0,
                                       0, 300, 200, host, nullptr, nullptr, nullptr);
            ASSERT_TRUE(list.SubclassWindow(h));
        } else {
            ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | c.style, Rect(0, 0, 300, 200), &host, 1));
        }
        const DWORD style = list.GetStyle();
        EXPECT_EQ(style & LVS_TYPEMASK, c.expectedType);
        EXPECT_EQ(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING), 0u);
        EXPECT_EQ(style & LVS_NOSORTHEADER, c.noSortHeader);
        list.InsertColumn(0, L"One", LVCFMT_LEFT, 100);
        EXPECT_EQ(list.GetHeaderCtrl()->m_hWnd, reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)));
    }
}

TEST_F(SortListTest, StateImageWidthFollowsTheStateImageList) {
    TestSortList list;
    Make(list);
    struct Case {
        int cx;
        int expected;
    } cases[] = {{16, 16}, {0, 0}, {12, 12}};
    for (const auto& c : cases) {
        HIMAGELIST h = c.cx ? ::ImageList_Create(c.cx, c.cx, ILC_COLOR24, 1, 1) : nullptr;
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(h));
        EXPECT_EQ(list.m_cxStateImageOffset, c.expected) << c.cx;
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(h)); // not the state list
        EXPECT_EQ(list.m_cxStateImageOffset, c.expected) << c.cx;
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
        if (h) ::ImageList_Destroy(h);
    }
}

// ---- painting -------------------------------------------------------------------------------------

TEST_F(SortListTest, HeaderItemPaintsTitleAndTriangle) {
    TestSortList list;
    Make(list);
    CSortedHeaderCtrl& header = *list.GetHeaderCtrl();
    MemoryDC dc(100, 20);
    ScopedFont font(dc, FontWithSpace(4));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = ::GetSysColor(COLOR_BTNSHADOW);
    auto paint = [&](int nCol, UINT state) {
        DRAWITEMSTRUCT dis{ODT_HEADER, 0, static_cast<UINT>(nCol), 0, state, header, dc, {0, 0, 100, 20}, 0};
        header.DrawItem(&dis);
    };
    auto setTitle = [&](int nCol, LPCWSTR title, int fmt) {
        HDITEMW hdi{};
        hdi.mask = HDI_TEXT | HDI_FORMAT;
        hdi.pszText = const_cast<LPWSTR>(title);
        hdi.fmt = fmt;
        header.SetItem(nCol, &hdi);
    };

    // The title rectangle: a long title fills it up to the ellipsis; short ones align inside it.
    struct Title {
        int fmt;
        LPCWSTR title;
        bool sorted, pressed;
        int left, right; // the title rectangle's edges in x
        int fmtAlign;    // 0 left, 1 right, 2 centre: which edge the ink keeps to
    } titles[] = {
        {HDF_LEFT, L"MMMMMMMMMMMMMMMMMMMM", true, false, 4, 84, 0},
        {HDF_LEFT, L"MMMMMMMMMMMMMMMMMMMM", false, false, 4, 96, 0},
        {HDF_RIGHT, L"ab", true, false, 4, 84, 1},
        {HDF_CENTER | HDF_RIGHT, L"ab", true, false, 4, 84, 2},
        {HDF_LEFT, L"ab", true, true, 5, 85, 0},
    };
    for (const auto& t : titles) {
        SCOPED_TRACE(testing::Message()
                     << "fmt " << t.fmt << " sorted " << t.sorted << " pressed " << t.pressed);
        setTitle(0, t.title, t.fmt);
        header.SetSortImage(t.sorted ? 0 : 1, TRUE);
        dc.Fill(RGB(255, 0, 255));
        paint(0, t.pressed ? ODS_SELECTED : 0);
        const RECT ink = dc.InkBounds({0, 0, 100, 20}, {face, light, dark});
        EXPECT_GE(ink.left, t.left);
        EXPECT_LE(ink.right, t.right);
        switch (t.fmtAlign) {
        case 0:
            EXPECT_LE(ink.left - t.left, 2);
            break;
        case 1:
            EXPECT_LE(t.right - ink.right, 2);
            break;
        default:
            EXPECT_LE(std::abs((ink.left + ink.right) - (t.left + t.right)), 3);
            break;
        }
        if (t.fmt == HDF_LEFT && t.title[2]) {
            EXPECT_GE(ink.right, t.right - 12); // ends in the ellipsis
        }
        EXPECT_EQ(dc.At(50, 0), face);
    }

    // The triangle, in the header's light and dark, pressed or not.
    setTitle(0, L"", HDF_LEFT);
    struct Pixel {
        BOOL ascending;
        UINT state;
        int x, y;
        COLORREF colour; // CLR_INVALID: either pen
    } pixels[] = {
        {TRUE, 0, 92, 3, CLR_INVALID},      {TRUE, 0, 92, 2, face},   {TRUE, 0, 89, 15, dark},
        {TRUE, 0, 91, 16, light},           {TRUE, 0, 94, 16, light}, {TRUE, 0, 88, 16, face},
        {TRUE, ODS_SELECTED, 89, 15, dark}, // pressing does not move the triangle
        {FALSE, 0, 94, 3, light},           {FALSE, 0, 91, 3, dark},  {FALSE, 0, 89, 3, dark},
        {FALSE, 0, 91, 16, dark},           {FALSE, 0, 91, 17, face}, {FALSE, 0, 95, 3, face},
    };
    for (const auto& p : pixels) {
        header.SetSortImage(0, p.ascending);
        dc.Fill(RGB(255, 0, 255));
        paint(0, p.state);
        if (p.colour == CLR_INVALID)
            EXPECT_NE(dc.At(p.x, p.y), face) << (p.ascending ? "up " : "down ") << p.x << "," << p.y;
        else
            EXPECT_EQ(dc.At(p.x, p.y), p.colour) << (p.ascending ? "up " : "down ") << p.x << "," << p.y;
    }
    // A formerly sorted column stays owner-drawn, without a triangle.
    header.SetSortImage(2, TRUE);
    dc.Fill(RGB(255, 0, 255));
    paint(0, 0);
    EXPECT_EQ(dc.At(92, 3), face);
}

TEST_F(SortListTest, RowPaintsBandTextsAndFocus) {
    TestSortList list;
    Make(list, LVS_OWNERDRAWFIXED);
    const int space = 3;
    CFont* font = FontWithSpace(space);
    list.SetFont(static_cast<HFONT>(font->m_hObject));
    const COLORREF textBk = RGB(200, 255, 200), hilite = ::GetSysColor(COLOR_HIGHLIGHT);
    list.SetTextBkColor(textBk);
    list.InsertItem(0, Row({L"a", L"ii", L"ii"}));
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    CRect bounds, label;
    list.GetItemRect(0, &bounds, LVIR_BOUNDS);
    list.GetItemRect(0, &label, LVIR_LABEL);
    MemoryDC dc(bounds.right + 10, bounds.bottom + 2);
    ScopedFont selected(dc, font);
    const int mid = (bounds.top + bounds.bottom) / 2;

    struct Case {
        bool focus;
        DWORD showSelAlways;
        COLORREF band;
        bool focusRect;
    } cases[] = {
        {true, 0, hilite, true},
        {false, 0, textBk, false},
        {false, LVS_SHOWSELALWAYS, hilite, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "focus " << c.focus << " showSelAlways " << c.showSelAlways);
        list.ModifyStyle(LVS_SHOWSELALWAYS, c.showSelAlways);
        if (c.focus) {
            list.SetFocus();
        } else {
            host.SetFocus();
        }
        dc.Fill(RGB(255, 0, 255));
        DRAWITEMSTRUCT dis{ODT_LISTVIEW, 1, 0, ODA_DRAWENTIRE, 0, list, dc, bounds, 0};
        list.DrawItem(&dis);
        EXPECT_EQ(dc.At(label.left - 1, mid), RGB(255, 0, 255)); // the band starts at the label
        EXPECT_EQ(dc.At(label.left + 1, mid), c.band);
        EXPECT_EQ(dc.At(bounds.right - 3, bounds.top + 3), c.band);
        const bool dotted =
            dc.At(bounds.right - 1, mid) != c.band || dc.At(bounds.right - 1, mid + 1) != c.band;
        EXPECT_EQ(dotted, c.focusRect);

        // Column 1 is right-aligned against its cell less two spaces; column 2 is centred. The
        // band's outermost pixels (the focus rectangle) are left out.
        const int cell1 = label.right, cell2 = cell1 + 100;
        const RECT ink1 = dc.InkBounds({cell1, bounds.top + 1, cell1 + 100, bounds.bottom - 1}, {c.band});
        EXPECT_LE(ink1.right, cell1 + 100 - 2 * space);
        EXPECT_GE(ink1.right, cell1 + 100 - 2 * space - 2);
        const RECT ink2 = dc.InkBounds({cell2, bounds.top + 1, cell2 + 99, bounds.bottom - 1}, {c.band});
        EXPECT_LE(std::abs((ink2.left + ink2.right) - (2 * cell2 + 100)), 3);
        const RECT ink0 = dc.InkBounds({label.left + 1, bounds.top + 1, cell1, bounds.bottom - 1}, {c.band});
        EXPECT_GE(ink0.left, label.left + 2 * space); // first column: left, two spaces in
        EXPECT_LE(ink0.left, label.left + 2 * space + 2);
    }
}

} // namespace
