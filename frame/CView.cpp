// CView, CCtrlView and CListView: views of a document inside a frame.
#include <listedit/frame/CDocument.h>
#include <listedit/frame/CFrameWnd.h>
#include <listedit/frame/CListView.h>
#include <listedit/frame/CPaintDC.h>
#include <listedit/frame/MessageMap.h>
#include "LiveCount.h"

// ---- CView ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_NCDESTROY()
ON_WM_PAINT()
END_MESSAGE_MAP()

CView::CView() {
    AfxCountLive(AfxLive::SelfDeletingWindows, +1);
}

CView::~CView() {
    AfxCountLive(AfxLive::SelfDeletingWindows, -1);
    if (m_pDocument) m_pDocument->RemoveView(this);
}

BOOL CView::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, void* pContext) {
    // The context travels to OnCreate as the creation parameter.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CView::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass)
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW),
                                reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CWnd::PreCreateWindow(cs);
}

void CView::PostNcDestroy() {
    delete this;
}

int CView::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (Default() == -1) return -1;
    const auto* pContext = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc) pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

// Here rather than on WM_DESTROY, which the list views take for their own clean-up.
void CView::OnNcDestroy() {
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    Default();
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate();
}

CFrameWnd* CView::GetParentFrame() const {
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

// ---- CCtrlView --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCtrlView, CView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

CCtrlView::CCtrlView(LPCWSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.lpszClass = m_strClass;
    cs.style |= static_cast<LONG>(m_dwDefaultStyle);
    return CView::PreCreateWindow(cs);
}

void CCtrlView::OnDraw(CDC*) {}

void CCtrlView::OnPaint() {
    Default();
}

// ---- CListView --------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CListView, CCtrlView)

CListView::CListView() : CCtrlView(WC_LISTVIEWW, AFX_WS_DEFAULT_VIEW) {}

CListCtrl& CListView::GetListCtrl() const {
    return m_list.Of(*this, m_pfnSuper);
}

void CListView::DrawItem(LPDRAWITEMSTRUCT) {}

void CListView::MeasureItem(LPMEASUREITEMSTRUCT) {}

// The parent hands back the list's own owner-draw requests, as it does for a CListCtrl: rows to
// DrawItem, the row height to MeasureItem unless the map has a reflected entry for it.
BOOL CListView::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM)
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message != WM_MEASUREITEM)
        return CCtrlView::OnChildNotify(message, wParam, lParam, pResult);
    else if (!CCtrlView::OnChildNotify(message, wParam, lParam, pResult))
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}
