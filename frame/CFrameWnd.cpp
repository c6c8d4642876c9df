// CFrameWnd: a top-level window holding one view.
#include <listedit/frame/CFrameWnd.h>
#include <listedit/frame/CView.h>
#include <listedit/frame/MessageMap.h>
#include "frame/Dpi.h"
#include "LiveCount.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_MESSAGE(WM_DPICHANGED, &CFrameWnd::OnDpiChanged)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() {
    AfxCountLive(AfxLive::SelfDeletingWindows, +1);
}

CFrameWnd::~CFrameWnd() {
    AfxCountLive(AfxLive::SelfDeletingWindows, -1);
}

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCWSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = lpszMenuName ? ::LoadMenuW(::GetModuleHandleW(nullptr), lpszMenuName) : nullptr;
    // rectDefault's right and bottom stand for the system's default size too.
    const bool bDefault = rect.left == CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  bDefault ? CW_USEDEFAULT : rect.right - rect.left,
                  bDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext)) {
        if (hMenu) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // The view paints the client area; the frame need not paint under it.
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (Default() == -1) return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateClient(lpCreateStruct, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTW, CCreateContext* pContext) {
    if (!pContext || !pContext->m_pNewViewClass) return TRUE;
    CWnd* pView = CreateView(pContext);
    if (!pView) return FALSE;
    if (pView->IsKindOf(RUNTIME_CLASS(CView))) SetActiveView(static_cast<CView*>(pView), FALSE);
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    const CRuntimeClass* pClass = pContext ? pContext->m_pNewViewClass : nullptr;
    if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd))) return nullptr;
    auto* pView = static_cast<CWnd*>(pClass->CreateObject());
    if (!pView) return nullptr;
    CCreateContext context = *pContext;
    context.m_pCurrentFrame = this;
    // A view deletes itself when its window cannot be made.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, &context))
        return nullptr;
    RecalcLayout();
    return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) {
    m_pViewActive = pViewNew;
}

void CFrameWnd::RecalcLayout(BOOL) {
    CWnd* pView = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    if (!pView || ::GetParent(pView->m_hWnd) != m_hWnd) return;
    CRect rc;
    GetClientRect(&rc);
    pView->MoveWindow(&rc);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible) {
    for (HWND hWnd = ::GetTopWindow(m_hWnd); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CView))) static_cast<CView*>(pWnd)->OnInitialUpdate();
    }
    if (bMakeVisible) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
}

void CFrameWnd::OnSize(UINT, int, int) {
    Default();
    RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd*) {
    Default();
    if (m_pViewActive && m_pViewActive->m_hWnd) m_pViewActive->SetFocus();
}

LRESULT CFrameWnd::OnDpiChanged(WPARAM, LPARAM lParam) {
    if (const auto* pRect = reinterpret_cast<const RECT*>(lParam))
        SetWindowPos(nullptr, pRect->left, pRect->top, pRect->right - pRect->left, pRect->bottom - pRect->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}
