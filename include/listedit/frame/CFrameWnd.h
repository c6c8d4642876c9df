// CFrameWnd: a top-level window whose client area is filled by one view. Given a context naming a
// view class, the frame creates the view by name when its window is made and keeps the view sized
// to its client area and focused when the frame is:
//
//     CCreateContext context;
//     context.m_pNewViewClass = RUNTIME_CLASS(CPropertyListView);
//     auto* pFrame = new CFrameWnd;                     // deletes itself with its window
//     pFrame->Create(nullptr, L"Properties", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr,
//                    nullptr, 0, &context);
//     auto* pView = static_cast<CPropertyListView*>(pFrame->GetActiveView());
//
// A frame is owned by its window: create it with new; it deletes itself when its window is
// destroyed. Closing a frame destroys it. Moved to a monitor of another scale (WM_DPICHANGED), it
// takes the rectangle the system suggests; its controls then lay themselves out for the new scale.
#pragma once
#include "CView.h"

class LISTEDIT_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault; // the system chooses place and size

    CFrameWnd();
    ~CFrameWnd() override;

    using CWnd::Create;
    // Creates the frame's window (with a window class of its own when lpszClassName is null), and
    // with it the view that pContext names. lpszMenuName names a menu resource of the application.
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCWSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates a view of pContext->m_pNewViewClass as child nID of the frame, with the default view
    // style and the context passed on. Null when the class is not a creatable window class or its
    // window cannot be made (the object is then gone).
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // Sizes the main view (child AFX_IDW_PANE_FIRST) to the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Sends OnInitialUpdate to the frame's views and shows the frame when bMakeVisible.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

protected:
    // Makes the context's view while the frame's window is being created.
    virtual BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext);
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PostNcDestroy() override; // deletes the frame

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    // Moved to another display scale: takes the place and size the system suggests for it.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    CView* m_pViewActive = nullptr;

    DECLARE_MESSAGE_MAP()
};
