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

} // namespace
