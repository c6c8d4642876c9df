// The views: made by name in a frame or over any window, painting through OnDraw, the lists on the
// view's own window, and the view and its document deleted with the window.
#include "ListFixtures.h"

using namespace harness;

namespace {

int g_gone = 0; // views and documents deleted

struct CountedDrawView : CView {
    DECLARE_DYNCREATE(CountedDrawView)
    std::vector<HWND> drawnOn; // the window of each DC OnDraw was given
    ~CountedDrawView() override { ++g_gone; }
    void OnDraw(CDC* pDC) override { drawnOn.push_back(::WindowFromDC(*pDC)); }
};
IMPLEMENT_DYNCREATE(CountedDrawView, CView)

struct CountedDoc : CDocument {
    ~CountedDoc() override { ++g_gone; }
};

struct CountedRecord : CSortListViewEx::CItemData {
    CountedRecord(LPCWSTR a, LPCWSTR b) { m_arrText.Add(a), m_arrText.Add(b); }
    ~CountedRecord() override { ++g_gone; }
};

class ViewsTest : public WindowTest {
protected:
    // The view of a new frame (which deletes itself with its window), or one made over the host.
    CView* Made(LPCWSTR name, bool framed = true, DWORD style = 0) {
        CCreateContext context{CRuntimeClass::FromName(name), new CountedDoc};
        auto* pFrame = framed ? new CFrameWnd : nullptr;
        auto* pView = framed ? nullptr : static_cast<CView*>(context.m_pNewViewClass->CreateObject());
        if (framed ? !pFrame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(20, 20, 420, 260), nullptr, nullptr, 0, &context)
                   : !pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | style, Rect(0, 0, 300, 200),
                                    &host, 7, &context))
            return nullptr;
        m_hFrame = framed ? pFrame->m_hWnd : nullptr;
        return framed ? pFrame->GetActiveView() : pView;
    }
    void TearDown() override { ::DestroyWindow(m_hFrame); }
    HWND m_hFrame = nullptr;
};

TEST_F(ViewsTest, MadeByNameTheyTakeTheirLookFillTheFrameAndGoWithTheirWindow) {
    constexpr DWORD kSortBits = LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOSORTHEADER;
    const struct Case {
        LPCWSTR name;
        bool framed;
        DWORD asked, mask, expected;
        int columns; // -1: not a list view
    } cases[] = {
        {L"CPropertyListView", true, 0, 0xFFFF, 0xC405, 2},
        {L"CPropertyListView", false, LVS_SMALLICON, 0xFFFF, 0xC405, 2},
        {L"CSortListView", true, 0, kSortBits, LVS_REPORT, 0},
        {L"CSortListView", false, LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, kSortBits, LVS_REPORT, 0},
        {L"CSortListViewEx", false, LVS_LIST | LVS_SORTDESCENDING, kSortBits, LVS_REPORT, 0},
        {L"CountedDrawView", true, 0, AFX_WS_DEFAULT_VIEW, AFX_WS_DEFAULT_VIEW, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << (c.framed ? " in a frame" : " over a plain window"));
        g_gone = 0;
        CView* pView = Made(c.name, c.framed, c.asked);
        ASSERT_NE(pView, nullptr);
        EXPECT_EQ(pView->GetStyle() & (c.mask | AFX_WS_DEFAULT_VIEW), c.expected | AFX_WS_DEFAULT_VIEW);
        HWND hData = ::GetDlgItem(pView->m_hWnd, 100); // the property view's, hidden
        EXPECT_EQ(hData && !::IsWindowVisible(hData), c.columns == 2);
        if (c.columns >= 0) {
            EXPECT_EQ(static_cast<CListView*>(pView)->GetListCtrl().GetHeaderCtrl()->GetItemCount(),
                      c.columns);
        } else { // a plain view paints through OnDraw, on a DC of its own window
            pView->Invalidate();
            pView->UpdateWindow();
            const auto& drawnOn = static_cast<CountedDrawView*>(pView)->drawnOn;
            EXPECT_EQ(drawnOn.empty() ? nullptr : drawnOn.back(), pView->m_hWnd);
        }
        CRect rcFrame, rcView;
        pView->GetWindowRect(&rcView);
        EXPECT_TRUE(!c.framed || (::GetClientRect(m_hFrame, &rcFrame) && rcView.Size() == rcFrame.Size()));
        // The view leaves the document as it is deleted, and the document goes; a frame goes with both.
        ::DestroyWindow(c.framed ? m_hFrame : pView->m_hWnd);
        EXPECT_EQ(g_gone, c.columns >= 0 ? 1 : 2);
    }
}

// The same rows in a property view and in a control of the same size paint the same picture, and
// the view's edit moves on Tab.
TEST_F(ViewsTest, PropertyViewPaintsAsTheControlAndMovesItsEditOnTab) {
    auto* pView = static_cast<CPropertyListView*>(Made(L"CPropertyListView"));
    ASSERT_NE(pView, nullptr);
    CRect rc;
    pView->GetClientRect(&rc);
    CPropertyListCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, rc, &host, 1));
    MemoryDC viewDC(rc.Width(), rc.Height()), ctrlDC(rc.Width(), rc.Height());
    auto paint = [&](auto& list, HDC hDC) {
        list.InsertItem(L"Name", DWT_TEXT, L"Alice");
        list.InsertItem(L"Age", DWT_INTEGER, L"42");
        list.ChangeColumnWidth();
        list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT | PRF_ERASEBKGND);
    };
    paint(*pView, viewDC);
    paint(ctrl, ctrlDC);
    int differing = 0;
    for (int y = 0; y < rc.Height(); ++y)
        for (int x = 0; x < rc.Width(); ++x) differing += viewDC.At(x, y) != ctrlDC.At(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(viewDC.InkBounds(rc, {viewDC.At(rc.right - 1, rc.bottom - 1)}).right, 0); // rows were painted
    ClickCell(pView->GetListCtrl(), 0, 1);
    real::Key(VK_END);
    real::Type(L"x");
    real::Key(VK_TAB);
    EXPECT_EQ(pView->GetListCtrl().GetItemText(0, 1), CString(L"Alicex"));
    EXPECT_TRUE(EditingRow(pView->GetListCtrl(), 1));
}

// A header click on an empty sortable view changes nothing; with rows it sorts, the cell editor opens
// over the view, and the records go with the view: its delete flag is set from the start (what the
// flag does is the sortable lists' own, checked on the control).
TEST_F(ViewsTest, SortViewClicksEditsAndOwnsItsRecords) {
    auto* pView = static_cast<CSortListViewEx*>(Made(L"CSortListViewEx", false));
    ASSERT_NE(pView, nullptr);
    EXPECT_TRUE(pView->GetDeleteItemData());
    CXListCtrl& list = pView->GetListCtrl();
    list.InsertColumn(0, L"A", LVCFMT_LEFT, 100), list.InsertColumn(1, L"B", LVCFMT_LEFT, 100);
    real::Click(list.GetHeaderCtrl()->m_hWnd, {50, 8}); // away from the next click: no double click
    EXPECT_EQ(pView->GetSortedColumn(), -1);
    for (CountedRecord* p : {new CountedRecord(L"a", L"y"), new CountedRecord(L"b", L"x")})
        pView->InsertItem(0, p);
    real::Click(list.GetHeaderCtrl()->m_hWnd, {150, 8});
    EXPECT_EQ(pView->GetSortedColumn(), 1);
    CEdit* pEdit = list.EditSubLabel(0, 1);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(::GetParent(pEdit->m_hWnd), pView->m_hWnd);
    EXPECT_EQ(pEdit->GetWindowText(), CString(L"x"));
    g_gone = 0;
    pView->DestroyWindow();
    EXPECT_EQ(g_gone, 3); // the records and the document
}

} // namespace
