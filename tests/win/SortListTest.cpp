// The sortable lists in real windows: header clicks as the list view reports them, row order, the
// ownership of row data, the stored look, and the header and row painting checked on pixels.
#include "Harness.h"

#include <memory>

using namespace harness;

namespace {

using Texts = std::vector<std::wstring>;

// Exposes what the tests look at; compares as numbers when asked to.
class TestSortList : public CSortListCtrlEx {
public:
    using CSortListCtrlEx::m_cxStateImageOffset;
    int compares = 0;
    bool numeric = false;

protected:
    int CompareItems(CObject* p1, CObject* p2) override {
        ++compares;
        return CSortListCtrlEx::CompareItems(p1, p2);
    }
    int CompareItems(int nCol, const CString& s1, const CString& s2) override {
        return numeric ? ::_wtoi(s1) - ::_wtoi(s2) : CSortListCtrlEx::CompareItems(nCol, s1, s2);
    }
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
        {"empty list: triangle moves, nothing compared", {}, false, {{2, 2, TRUE, {}}, {2, 2, FALSE, {}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestSortList list;
        list.numeric = c.numeric;
        Make(list);
        Fill(list, c.rows);
        for (const auto& s : c.steps) {
            if (s.column < 0)
                list.ReSort();
            else
                ClickHeader(list, s.column);
            EXPECT_EQ(list.GetSortedColumn(), s.sortedColumn) << s.column;
            EXPECT_EQ(list.IsAscSorted(), s.ascending) << s.column;
            EXPECT_EQ(Column(list, 0), s.column0) << s.column;
            if (s.column >= 0) { // an empty list is not sorted
                EXPECT_EQ(list.compares > 0, !c.rows.empty()) << s.column;
            }
            if (s.sortedColumn < 0) continue;
            HDITEMW hdi{};
            hdi.mask = HDI_FORMAT;
            list.GetHeaderCtrl()->GetItem(s.sortedColumn, &hdi);
            EXPECT_TRUE(hdi.fmt & HDF_OWNERDRAW);
        }
    }
    EXPECT_FALSE(ParentSaw(LVN_COLUMNCLICK));
    EXPECT_FALSE(ParentSaw(LVN_DELETEITEM));
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
            for (LPCWSTR t : {L"a", L"b", L"c"}) list->InsertItem(0, rows.emplace_back(Row<CountedRow>({t})));
            LVITEMW nullRow{};
            nullRow.mask = LVIF_TEXT | LVIF_PARAM;
            nullRow.iItem = 3;
            nullRow.pszText = const_cast<LPWSTR>(L"no data");
            list->CListCtrl::InsertItem(&nullRow); // a row without a data object is skipped
            if (how == OneByOne)
                while (list->GetItemCount()) list->DeleteItem(0);
            if (how == AllAtOnce) list->DeleteAllItems();
            if (how == WithTheWindow) list->DestroyWindow();
            if (how == WithTheObject) list.reset();
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
    for (const auto& set : queries) {
        list.SetExtendedStyle(set.style | LVS_EX_CHECKBOXES); // an unrelated style changes nothing
        for (const auto& q : queries) EXPECT_EQ((list.*q.fn)(), q.style == set.style ? 1 : 0) << set.style;
    }
}

TEST_F(SortListTest, CreationForcesAClickableReportView) {
    struct Case {
        DWORD style;
        bool subclass;
        DWORD noSortHeader;
    } cases[] = {
        {LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, false, 0},
        {LVS_SMALLICON | LVS_SORTDESCENDING, false, 0},
        {LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, true, LVS_NOSORTHEADER},
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
        EXPECT_EQ(style & LVS_TYPEMASK, DWORD(LVS_REPORT));
        EXPECT_EQ(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING), 0u);
        EXPECT_EQ(style & LVS_NOSORTHEADER, c.noSortHeader);
        list.InsertColumn(0, L"One", LVCFMT_LEFT, 100);
        EXPECT_EQ(list.GetHeaderCtrl()->m_hWnd, reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)));
    }
}

TEST_F(SortListTest, StateImageWidthFollowsTheStateImageList) {
    TestSortList list;
    Make(list);
    HIMAGELIST small = ::ImageList_Create(20, 20, ILC_COLOR24, 1, 1);
    for (int cx : {16, 0, 12}) {
        HIMAGELIST h = cx ? ::ImageList_Create(cx, cx, ILC_COLOR24, 1, 1) : nullptr;
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(h));
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL,
                         reinterpret_cast<LPARAM>(small)); // not the state list
        EXPECT_EQ(list.m_cxStateImageOffset, cx);
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        list.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
        if (h) ::ImageList_Destroy(h);
    }
    ::ImageList_Destroy(small);
}

// ---- painting: the geometry itself is checked window-free; these check that it reaches the pixels.

TEST_F(SortListTest, HeaderItemPaintsTitleAndTriangle) {
    TestSortList list;
    Make(list);
    CSortedHeaderCtrl& header = *list.GetHeaderCtrl();
    MemoryDC dc(100, 20);
    ScopedFont font(dc, FontWithSpace(4));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = ::GetSysColor(COLOR_BTNSHADOW);
    auto paint = [&](LPCWSTR title, int fmt, int sorted, BOOL ascending, UINT state) {
        HDITEMW hdi{};
        hdi.mask = HDI_TEXT | HDI_FORMAT;
        hdi.pszText = const_cast<LPWSTR>(title);
        hdi.fmt = fmt;
        header.SetItem(0, &hdi);
        header.SetSortImage(sorted, ascending);
        dc.Fill(RGB(255, 0, 255));
        DRAWITEMSTRUCT dis{ODT_HEADER, 0, 0, 0, state, header, dc, {0, 0, 100, 20}, 0};
        header.DrawItem(&dis);
    };

    // The ink of the title keeps inside its rectangle, to the edge its format names.
    struct Title {
        int fmt;
        LPCWSTR title;
        bool sorted, pressed;
        int left, right; // the title rectangle's edges in x
        int align;       // 0 left, 1 right, 2 centre: which edge the ink keeps to
    } titles[] = {
        {HDF_LEFT, L"MMMMMMMMMMMMMMMMMMMM", true, false, 4, 84, 0}, // cut to an ellipsis
        {HDF_LEFT, L"MMMMMMMMMMMMMMMMMMMM", false, false, 4, 96, 0},
        {HDF_CENTER | HDF_RIGHT, L"ab", true, false, 4, 84, 2},
        {HDF_RIGHT, L"ab", true, true, 5, 85, 1},
    };
    for (const auto& t : titles) {
        SCOPED_TRACE(testing::Message()
                     << "fmt " << t.fmt << " sorted " << t.sorted << " pressed " << t.pressed);
        paint(t.title, t.fmt, t.sorted ? 0 : 1, TRUE, t.pressed ? ODS_SELECTED : 0);
        const RECT ink = dc.InkBounds({0, 0, 100, 20}, {face, light, dark});
        EXPECT_GE(ink.left, t.left);
        EXPECT_LE(ink.right, t.right);
        const int off[] = {ink.left - t.left, t.right - ink.right,
                           std::abs(ink.left + ink.right - t.left - t.right)};
        EXPECT_LE(off[t.align], t.align == 2 ? 3 : 2);
        if (t.title[2]) {
            EXPECT_GE(ink.right, t.right - 12); // ends in the ellipsis
        }
        EXPECT_EQ(dc.At(50, 0), face);
    }

    // The triangle, in the header's light and dark, pressed or not; none on a formerly sorted column.
    struct Pixel {
        int sorted;
        BOOL ascending;
        UINT state;
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {0, TRUE, 0, 89, 15, dark},
        {0, TRUE, 0, 94, 16, light},
        {0, TRUE, 0, 92, 2, face},
        {0, TRUE, ODS_SELECTED, 89, 15, dark}, // pressing does not move the triangle
        {0, FALSE, 0, 94, 3, light},
        {0, FALSE, 0, 89, 3, dark},
        {0, FALSE, 0, 91, 17, face},
        {2, TRUE, 0, 89, 15, face},
    };
    for (const auto& p : pixels) {
        paint(L"", HDF_LEFT, p.sorted, p.ascending, p.state);
        EXPECT_EQ(dc.At(p.x, p.y), p.colour)
            << p.sorted << (p.ascending ? " up " : " down ") << p.x << "," << p.y;
    }
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
        c.focus ? list.SetFocus() : host.SetFocus();
        dc.Fill(RGB(255, 0, 255));
        DrawRow(list, dc, 0);
        EXPECT_EQ(dc.At(label.left - 1, mid), RGB(255, 0, 255)); // the band starts at the label
        EXPECT_EQ(dc.At(label.left + 1, mid), c.band);
        EXPECT_EQ(dc.At(bounds.right - 3, bounds.top + 3), c.band);
        const bool dotted =
            dc.At(bounds.right - 1, mid) != c.band || dc.At(bounds.right - 1, mid + 1) != c.band;
        EXPECT_EQ(dotted, c.focusRect);

        // Column 0 keeps left, column 1 right, column 2 centred, each two spaces inside its cell;
        // the band's outermost pixels (the focus rectangle) are left out.
        const int cell1 = label.right, cell2 = cell1 + 100, top = bounds.top + 1, bottom = bounds.bottom - 1;
        const RECT ink0 = dc.InkBounds({label.left + 1, top, cell1, bottom}, {c.band});
        const RECT ink1 = dc.InkBounds({cell1, top, cell2, bottom}, {c.band});
        const RECT ink2 = dc.InkBounds({cell2, top, cell2 + 99, bottom}, {c.band});
        EXPECT_NEAR(ink0.left, label.left + 2 * space + 1, 1);
        EXPECT_NEAR(ink1.right, cell2 - 2 * space - 1, 1);
        EXPECT_LE(std::abs((ink2.left + ink2.right) - (2 * cell2 + 100)), 3);
    }
}

} // namespace
