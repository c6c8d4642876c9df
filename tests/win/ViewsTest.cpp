// The views: made by name in a frame or over any window, the property and sortable lists on the
// view's own window, who deletes what, and the application's loop ending with its main window.
#include "Harness.h"

using namespace harness;

namespace {

int g_gone = 0; // views, documents and records deleted

class CountedPropView : public CPropertyListView {
    DECLARE_DYNCREATE(CountedPropView)
public:
    ~CountedPropView() override { ++g_gone; }
};
IMPLEMENT_DYNCREATE(CountedPropView, CPropertyListView)

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
    template <class TView = CView> TView* Made(LPCWSTR name, bool framed = true, DWORD style = 0) {
        CCreateContext context{CRuntimeClass::FromName(name), new CountedDoc};
        if (!framed) {
            auto* pView = static_cast<TView*>(context.m_pNewViewClass->CreateObject());
            return pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | style, Rect(0, 0, 300, 200), &host,
                                 7, &context)
                       ? pView
                       : nullptr;
        }
        auto* pFrame = new CFrameWnd;
        if (!pFrame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 420, 260),
                            nullptr, nullptr, 0, &context))
            return nullptr;
        m_hFrame = pFrame->m_hWnd;
        return static_cast<TView*>(pFrame->GetActiveView());
    }
    void TearDown() override { ::DestroyWindow(m_hFrame); }
    HWND m_hFrame = nullptr;
};

TEST_F(ViewsTest, MadeByNameTheyTakeTheirListsLookAndGoWithTheirWindow) {
    constexpr DWORD kSortBits = LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOSORTHEADER;
    struct Case {
        LPCWSTR name;
        bool framed;
        DWORD asked, mask, expected;
        int columns;
    } const cases[] = {
        {L"CPropertyListView", true, 0, 0xFFFF, 0xC405, 2},
        {L"CPropertyListView", false, LVS_SMALLICON, 0xFFFF, 0xC405, 2},
        {L"CSortListView", true, 0, kSortBits, LVS_REPORT, 0},
        {L"CSortListView", false, LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, kSortBits, LVS_REPORT, 0},
        {L"CSortListViewEx", false, LVS_LIST | LVS_SORTDESCENDING, kSortBits, LVS_REPORT, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << (c.framed ? " in a frame" : " over a plain window"));
        g_gone = 0;
        CView* pView = Made(c.name, c.framed, c.asked);
        ASSERT_NE(pView, nullptr);
        EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CListView)));
        EXPECT_EQ(pView->GetStyle() & c.mask, c.expected);
        EXPECT_EQ(pView->GetStyle() & AFX_WS_DEFAULT_VIEW, AFX_WS_DEFAULT_VIEW);
        EXPECT_EQ(static_cast<CListView*>(pView)->GetListCtrl().GetHeaderCtrl()->GetItemCount(), c.columns);
        HWND hData = ::GetDlgItem(pView->m_hWnd, 100);
        EXPECT_EQ(hData != nullptr, c.columns == 2); // the property view's, hidden
        EXPECT_FALSE(::IsWindowVisible(hData));
        if (c.framed) {
            CRect rcFrame, rcView;
            ::GetClientRect(m_hFrame, &rcFrame);
            pView->GetWindowRect(&rcView);
            EXPECT_EQ(rcView.Size(), rcFrame.Size());
        }
        pView->DestroyWindow(); // the view leaves the document as it is deleted, and the document goes
        EXPECT_EQ(g_gone, 1);
    }
}

// The same rows in a view and in a control of the same size: the same picture; and the view's
// edit moves on Tab.
TEST_F(ViewsTest, PropertyViewPaintsAsTheControlAndMovesItsEditOnTab) {
    auto* pView = Made<CPropertyListView>(L"CountedPropView");
    ASSERT_NE(pView, nullptr);
    CRect rc;
    pView->GetClientRect(&rc);
    CPropertyListCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, rc, &host, 1));
    MemoryDC viewDC(rc.Width(), rc.Height()), ctrlDC(rc.Width(), rc.Height());
    for (auto [pList, hDC] : {std::pair<CPropertyListT<CListView>*, HDC>{pView, viewDC}, {nullptr, ctrlDC}}) {
        auto insert = [&](auto& list) {
            list.InsertItem(L"Name", DWT_TEXT, L"Alice");
            list.InsertItem(L"Age", DWT_INTEGER, L"42");
            list.ChangeColumnWidth();
            list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT | PRF_ERASEBKGND);
        };
        pList ? insert(*pList) : insert(ctrl);
    }
    int differing = 0;
    for (int y = 0; y < rc.Height(); ++y)
        for (int x = 0; x < rc.Width(); ++x) differing += viewDC.At(x, y) != ctrlDC.At(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(viewDC.InkBounds(rc, {viewDC.At(rc.right - 1, rc.bottom - 1)}).right, 0); // rows were painted

    CRect rcRow0, rcRow1, rcData;
    pView->GetListCtrl().GetSubItemRect(0, 1, LVIR_BOUNDS, rcRow0);
    pView->GetListCtrl().GetSubItemRect(1, 1, LVIR_BOUNDS, rcRow1);
    real::Click(pView->m_hWnd, {rcRow0.left + 5, rcRow0.CenterPoint().y});
    real::Key(VK_END);
    real::Type(L"x");
    real::Key(VK_TAB);
    EXPECT_EQ(pView->GetListCtrl().GetItemText(0, 1), CString(L"Alicex"));
    ::GetWindowRect(::GetDlgItem(pView->m_hWnd, 100), &rcData);
    pView->ScreenToClient(&rcData);
    EXPECT_TRUE(rcRow1.PtInRect(rcData.CenterPoint()));
    g_gone = 0;
    ::DestroyWindow(m_hFrame);
    EXPECT_EQ(g_gone, 2); // the view once, its document once
}

TEST_F(ViewsTest, SortViewClicksEditsAndRecords) {
    for (int rows : {0, 2}) {
        SCOPED_TRACE(rows);
        auto* pView = Made<CSortListViewEx>(L"CSortListViewEx");
        ASSERT_NE(pView, nullptr);
        CXListCtrl& list = pView->GetListCtrl();
        list.InsertColumn(0, L"A", LVCFMT_LEFT, 100);
        list.InsertColumn(1, L"B", LVCFMT_LEFT, 100);
        for (int i = 0; i < rows; ++i) pView->InsertItem(i, new CountedRecord(L"a", i ? L"x" : L"y"));
        real::Click(list.GetHeaderCtrl()->m_hWnd, {150, 8}); // an empty view keeps its state
        EXPECT_EQ(pView->GetSortedColumn(), rows ? 1 : -1);
        if (rows) {
            EXPECT_EQ(list.GetItemText(0, 1), CString(L"x"));
            CEdit* pEdit = list.EditSubLabel(0, 1); // the cell editor over the view
            ASSERT_NE(pEdit, nullptr);
            EXPECT_EQ(::GetParent(pEdit->m_hWnd), pView->m_hWnd);
            EXPECT_EQ(pEdit->GetWindowText(), CString(L"x"));
        }
        ::DestroyWindow(m_hFrame);
    }
}

TEST_F(ViewsTest, SortViewExDeletesItsRecordsOnlyWithTheFlag) {
    for (BOOL flag : {FALSE, TRUE}) {
        SCOPED_TRACE(flag);
        auto* pView = Made<CSortListViewEx>(L"CSortListViewEx", false);
        ASSERT_NE(pView, nullptr);
        EXPECT_TRUE(pView->GetDeleteItemData()); // the view owns its records until told otherwise
        pView->SetDeleteItemData(flag);
        pView->GetListCtrl().InsertColumn(0, L"A");
        CountedRecord* records[] = {new CountedRecord(L"1", L""), new CountedRecord(L"2", L"")};
        for (CountedRecord* p : records) pView->InsertItem(0, p);
        g_gone = 0;
        pView->GetListCtrl().DeleteItem(0);
        pView->DestroyWindow();
        EXPECT_EQ(g_gone, flag ? 3 : 1); // and the document
        if (!flag)
            for (CountedRecord* p : records) delete p;
    }
}

// The application's loop ends when its main window goes, whatever closes it; a main window made
// from a dialog template moves the focus on Tab meanwhile.
TEST(AppTest, RunEndsWithTheMainWindow) {
    DialogTemplate tpl(L"main", 120, 60, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    tpl.Control(L"Edit", L"", 10, {5, 5, 100, 17}, WS_TABSTOP | WS_BORDER)
        .Control(L"Edit", L"", 11, {5, 25, 100, 37}, WS_TABSTOP | WS_BORDER);
    ScriptedDialog dlg;
    dlg.script = [](ScriptedDialog& d) {
        ::SetFocus(::GetDlgItem(d.m_hWnd, 10));
        real::Key(VK_TAB);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, 11));
        d.PostMessage(WM_CLOSE); // Cancel: a modeless dialog goes
    };
    auto* pFrame = new CFrameWnd;
    for (CWnd* pMain : {static_cast<CWnd*>(pFrame), static_cast<CWnd*>(&dlg)}) {
        CWinApp app;
        ASSERT_TRUE(pMain == pFrame ? pFrame->Create(nullptr, L"main") : dlg.CreateIndirect(tpl.get()));
        if (pMain == pFrame) pFrame->PostMessage(WM_CLOSE);
        app.m_pMainWnd = pMain;
        EXPECT_EQ(app.Run(), 0);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
}

} // namespace
