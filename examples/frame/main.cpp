// A frame application whose content is a view created by name: a property list
// (frameapp CPropertyListView, the default) or a sortable list of texts (frameapp CSortListViewEx).
// Run with --self-check to have it drive itself through real input and exit non-zero when what it
// reads back is wrong.
#include "../common/SelfCheck.h"

#include <listedit.h>

#include <string_view>

namespace {

void FillProperties(CPropertyListView& view) {
    view.InsertItem(L"Name", DWT_TEXT, L"Alice");
    view.InsertItem(L"Born", DWT_DATE, L"1990-4-1");
    view.InsertItem(L"Tall", DWT_CHECK, L"1");
    view.ChangeColumnWidth();
}

void FillFiles(CSortListViewEx& view) {
    CXListCtrl& list = view.GetListCtrl();
    list.InsertColumn(0, L"File", LVCFMT_LEFT, 160);
    list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 80);
    for (auto [name, size] :
         {std::pair{L"report.txt", L"1200"}, {L"budget.xls", L"800"}, {L"notes.md", L"35"}}) {
        auto* pRow = new CSortListViewEx::CItemData; // the view deletes it with its row
        pRow->m_arrText.Add(name);
        pRow->m_arrText.Add(size);
        view.InsertItem(list.GetItemCount(), pRow);
    }
}

// Edits the name through the keyboard: the value read back carries what was typed.
void CheckProperties(CPropertyListView& view) {
    using namespace selfcheck;
    CRect rc;
    view.GetListCtrl().GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
    Click(view.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
    Key(VK_END);
    Type(L"x");
    Key(VK_TAB); // writes the row back and edits the next one
    Expect(view.GetListCtrl().GetItemText(0, 1), L"Alicex", L"the name");
    Expect(view.GetListCtrl().GetItemText(1, 1), L"1990-4-1", L"the birth date");
}

// Sorts by clicking the headers: by name, then by size (texts compare ordinally), then reversed.
void CheckFiles(CSortListViewEx& view) {
    using namespace selfcheck;
    CXListCtrl& list = view.GetListCtrl();
    HWND hHeader = list.GetHeaderCtrl()->m_hWnd;
    Click(hHeader, {20, 8});
    Expect(list.GetItemText(0, 0), L"budget.xls", L"the first file by name");
    Click(hHeader, {200, 8});
    Expect(list.GetItemText(0, 0), L"report.txt", L"the first file by size");
    Click(hHeader, {200, 8});
    Expect(list.GetItemText(0, 0), L"budget.xls", L"the first file by size, descending");
}

} // namespace

class CExampleApp : public CWinApp {
public:
    BOOL InitInstance() override {
        const std::wstring_view args(m_lpCmdLine);
        const bool bFiles = args.find(L"CSortListViewEx") != std::wstring_view::npos;
        CCreateContext context;
        context.m_pNewViewClass = CRuntimeClass::FromName(bFiles ? L"CSortListViewEx" : L"CPropertyListView");
        auto* pFrame = new CFrameWnd; // deletes itself with its window
        if (!pFrame->Create(nullptr, bFiles ? L"listedit: files" : L"listedit: properties",
                            WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 300), nullptr, nullptr, 0, &context))
            return FALSE;
        m_pMainWnd = pFrame;
        CView* pView = pFrame->GetActiveView();
        if (bFiles)
            FillFiles(*static_cast<CSortListViewEx*>(pView));
        else
            FillProperties(*static_cast<CPropertyListView*>(pView));
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->UpdateWindow();
        if (args.find(L"--self-check") != std::wstring_view::npos) {
            if (bFiles)
                CheckFiles(*static_cast<CSortListViewEx*>(pView));
            else
                CheckProperties(*static_cast<CPropertyListView*>(pView));
            pFrame->PostMessage(WM_CLOSE); // closing the frame ends the application
        }
        return TRUE;
    }
    int ExitInstance() override { return selfcheck::g_failures ? 1 : CWinApp::ExitInstance(); }
};

CExampleApp theApp;
