// The views: made by name in a frame or over any window, the property and sortable lists on the
// view's own window, who deletes what, and the application's loop ending with its main window.
#include "Harness.h"

using namespace harness;

namespace {

int g_viewsGone = 0;
int g_docsGone = 0;
int g_recordsGone = 0;

class CountedPropView : public CPropertyListView {
    DECLARE_DYNCREATE(CountedPropView)
public:
    ~CountedPropView() override { ++g_viewsGone; }
};
IMPLEMENT_DYNCREATE(CountedPropView, CPropertyListView)

class CountedDoc : public CDocument {
public:
    ~CountedDoc() override { ++g_docsGone; }
};

struct CountedRecord : CSortListViewEx::CItemData {
    explicit CountedRecord(std::initializer_list<LPCWSTR> texts) {
        for (LPCWSTR t : texts) m_arrText.Add(t);
    }
    ~CountedRecord() override { ++g_recordsGone; }
};

class ViewsTest : public WindowTest {
protected:
    // A frame holding a view of the named class; the frame deletes itself with its window.
    template <class TView = CView> TView* Framed(const CRuntimeClass* pClass, CDocument* pDoc = nullptr) {
        CCreateContext context;
        context.m_pNewViewClass = pClass;
        context.m_pCurrentDoc = pDoc;
        auto* pFrame = new CFrameWnd;
        if (!pFrame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 420, 260),
                            nullptr, nullptr, 0, &context))
            return nullptr;
        m_hFrame = pFrame->m_hWnd;
        return static_cast<TView*>(pFrame->GetActiveView());
    }
    void TearDown() override {
        if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    }
    HWND m_hFrame = nullptr;
};

int HeaderItems(HWND hList) {
    HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
    return static_cast<int>(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0));
}

TEST_F(ViewsTest, MadeByNameInAFrameFillItAndGoWithIt) {
    struct Case {
        LPCWSTR name;
        int columns;
        bool dataWnd;
    };
    for (const Case& c : {Case{L"CPropertyListView", 2, true}, Case{L"CSortListView", 0, false},
                          Case{L"CSortListViewEx", 0, false}}) {
        SCOPED_TRACE(testing::Message() << c.name);
        g_docsGone = 0;
        auto* pDoc = new CountedDoc;
        CView* pView = Framed(CRuntimeClass::FromName(c.name), pDoc);
        ASSERT_NE(pView, nullptr);
        EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CListView)));
        EXPECT_EQ(pView->GetDocument(), pDoc);
        wchar_t cls[32] = {};
        ::GetClassNameW(pView->m_hWnd, cls, 32);
        EXPECT_STREQ(cls, L"SysListView32");
        EXPECT_EQ(pView->GetDlgCtrlID(), int(AFX_IDW_PANE_FIRST));
        CRect rcFrame, rcView;
        ::GetClientRect(m_hFrame, &rcFrame);
        pView->GetWindowRect(&rcView);
        EXPECT_EQ(rcView.Width(), rcFrame.Width());
        EXPECT_EQ(rcView.Height(), rcFrame.Height());
        EXPECT_EQ(HeaderItems(pView->m_hWnd), c.columns);
        HWND hData = ::GetDlgItem(pView->m_hWnd, 100);
        EXPECT_EQ(hData != nullptr, c.dataWnd);
        EXPECT_FALSE(hData && ::IsWindowVisible(hData));
        ::DestroyWindow(m_hFrame);
        EXPECT_EQ(g_docsGone, 1); // the document's last view went
    }
}

TEST_F(ViewsTest, OverAPlainWindowWithoutContextTheStyleIsTheListsOwn) {
    struct Case {
        LPCWSTR name;
        DWORD asked;
        DWORD mask;
        DWORD expected;
    };
    constexpr DWORD kSortBits = LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOSORTHEADER;
    for (const Case& c :
         {Case{L"CPropertyListView", LVS_SMALLICON, 0xFFFF, 0xC405},
          Case{L"CSortListView", LVS_ICON | LVS_SORTASCENDING | LVS_NOSORTHEADER, kSortBits, LVS_REPORT},
          Case{L"CSortListViewEx", LVS_LIST | LVS_SORTDESCENDING, kSortBits, LVS_REPORT}}) {
        SCOPED_TRACE(testing::Message() << c.name);
        auto* pView = static_cast<CView*>(CRuntimeClass::CreateObject(c.name));
        ASSERT_NE(pView, nullptr);
        ASSERT_TRUE(
            pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | c.asked, Rect(0, 0, 300, 200), &host, 7));
        EXPECT_EQ(pView->GetStyle() & c.mask, c.expected);
        EXPECT_EQ(pView->GetStyle() & AFX_WS_DEFAULT_VIEW, AFX_WS_DEFAULT_VIEW);
        EXPECT_EQ(pView->GetDocument(), nullptr);
        pView->DestroyWindow(); // the view deletes itself
    }
}

TEST_F(ViewsTest, AViewIsDeletedOnceWithItsWindow) {
    g_viewsGone = 0;
    ASSERT_NE(Framed(RUNTIME_CLASS(CountedPropView)), nullptr);
    ::DestroyWindow(m_hFrame);
    auto* pView = static_cast<CView*>(RUNTIME_CLASS(CountedPropView)->CreateObject());
    ASSERT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, Rect(0, 0, 200, 100), &host, 8));
    host.DestroyWindow();
    EXPECT_EQ(g_viewsGone, 2);
}

// The same rows in a view and in a control of the same size: the same picture, and the view's
// edit moves on Tab.
TEST_F(ViewsTest, PropertyViewPaintsAsTheControlAndMovesItsEditOnTab) {
    auto* pView = Framed<CPropertyListView>(RUNTIME_CLASS(CPropertyListView));
    ASSERT_NE(pView, nullptr);
    CRect rc;
    pView->GetClientRect(&rc);
    CPropertyListCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, rc, &host, 1));
    ctrl.SetFont(pView->GetFont());
    pView->InsertItem(L"Name", DWT_TEXT, L"Alice");
    pView->InsertItem(L"Age", DWT_INTEGER, L"42");
    pView->ChangeColumnWidth();
    ctrl.InsertItem(L"Name", DWT_TEXT, L"Alice");
    ctrl.InsertItem(L"Age", DWT_INTEGER, L"42");
    ctrl.ChangeColumnWidth();

    MemoryDC viewDC(rc.Width(), rc.Height()), ctrlDC(rc.Width(), rc.Height());
    pView->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(HDC(viewDC)), PRF_CLIENT | PRF_ERASEBKGND);
    ctrl.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(HDC(ctrlDC)), PRF_CLIENT | PRF_ERASEBKGND);
    int differing = 0;
    for (int y = 0; y < rc.Height(); ++y)
        for (int x = 0; x < rc.Width(); ++x) differing += viewDC.At(x, y) != ctrlDC.At(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(viewDC.InkBounds(rc, {viewDC.At(rc.right - 1, rc.bottom - 1)}).right, 0); // rows were painted

    CRect rcRow0, rcRow1;
    pView->GetListCtrl().GetSubItemRect(0, 1, LVIR_BOUNDS, rcRow0);
    pView->GetListCtrl().GetSubItemRect(1, 1, LVIR_BOUNDS, rcRow1);
    real::Click(pView->m_hWnd, {rcRow0.left + 5, rcRow0.CenterPoint().y});
    real::Key(VK_END);
    real::Type(L"x");
    real::Key(VK_TAB);
    EXPECT_EQ(pView->GetListCtrl().GetItemText(0, 1), CString(L"Alicex"));
    CRect rcData;
    ::GetWindowRect(::GetDlgItem(pView->m_hWnd, 100), &rcData);
    pView->ScreenToClient(&rcData);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(pView->m_hWnd, 100)));
    EXPECT_TRUE(rcRow1.PtInRect(rcData.CenterPoint()));
}

TEST_F(ViewsTest, HeaderClickOnAnEmptySortViewChangesNothing) {
    for (int rows : {0, 2}) {
        SCOPED_TRACE(rows);
        auto* pView = Framed<CSortListViewEx>(RUNTIME_CLASS(CSortListViewEx));
        ASSERT_NE(pView, nullptr);
        CXListCtrl& list = pView->GetListCtrl();
        list.InsertColumn(0, L"A", LVCFMT_LEFT, 100);
        list.InsertColumn(1, L"B", LVCFMT_LEFT, 100);
        for (int i = 0; i < rows; ++i) pView->InsertItem(i, new CountedRecord({L"a", i ? L"x" : L"y"}));
        real::Click(list.GetHeaderCtrl()->m_hWnd, {150, 8});
        EXPECT_EQ(pView->GetSortedColumn(), rows ? 1 : -1);
        if (rows) {
            EXPECT_EQ(list.GetItemText(0, 1), CString(L"x"));
        }
        ::DestroyWindow(m_hFrame);
    }
}

TEST_F(ViewsTest, CellEditorOpensOverTheSortView) {
    auto* pView = Framed<CSortListViewEx>(RUNTIME_CLASS(CSortListViewEx));
    ASSERT_NE(pView, nullptr);
    CXListCtrl& list = pView->GetListCtrl();
    list.InsertColumn(0, L"A", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"B", LVCFMT_LEFT, 100);
    pView->InsertItem(0, new CountedRecord({L"a", L"b"}));
    CEdit* pEdit = list.EditSubLabel(0, 1);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(::GetParent(pEdit->m_hWnd), pView->m_hWnd);
    CRect rcCell, rcEdit;
    list.GetSubItemRect(0, 1, LVIR_BOUNDS, rcCell);
    pEdit->GetWindowRect(&rcEdit);
    pView->ScreenToClient(&rcEdit);
    EXPECT_GE(rcEdit.left, rcCell.left);
    EXPECT_LT(rcEdit.left, rcCell.left + 20);
    EXPECT_EQ(pEdit->GetWindowText(), CString(L"b"));
}

TEST_F(ViewsTest, SortViewExDeletesItsRecordsOnlyWithTheFlag) {
    for (BOOL flag : {FALSE, TRUE}) {
        SCOPED_TRACE(flag);
        g_recordsGone = 0;
        auto* pView = static_cast<CSortListViewEx*>(RUNTIME_CLASS(CSortListViewEx)->CreateObject());
        ASSERT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, Rect(0, 0, 300, 200), &host, 9));
        EXPECT_TRUE(pView->GetDeleteItemData()); // the view owns its records until told otherwise
        pView->SetDeleteItemData(flag);
        pView->GetListCtrl().InsertColumn(0, L"A");
        CountedRecord* records[] = {new CountedRecord({L"1"}), new CountedRecord({L"2"})};
        for (CountedRecord* p : records) pView->InsertItem(0, p);
        pView->GetListCtrl().DeleteItem(0);
        pView->DestroyWindow();
        EXPECT_EQ(g_recordsGone, flag ? 2 : 0);
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
    {
        CWinApp app;
        auto* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        app.m_pMainWnd = pFrame;
        pFrame->PostMessage(WM_CLOSE);
        EXPECT_EQ(app.Run(), 0);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
    {
        CWinApp app;
        ScriptedDialog dlg;
        dlg.script = [](ScriptedDialog& d) {
            ::SetFocus(::GetDlgItem(d.m_hWnd, 10));
            real::Key(VK_TAB);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, 11));
            d.PostMessage(WM_CLOSE); // Cancel: a modeless dialog goes
        };
        ASSERT_TRUE(dlg.CreateIndirect(tpl.get()));
        app.m_pMainWnd = &dlg;
        EXPECT_EQ(app.Run(), 0);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

} // namespace
