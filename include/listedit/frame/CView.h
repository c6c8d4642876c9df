// CView: a child window that shows a document inside a frame window. A view is made by its frame
// (CFrameWnd::CreateView, from the run-time class named in a CCreateContext) or by the application
// with Create(nullptr, nullptr, style, rect, parent, id, pContext); a null context gives a view
// without a document. A view is owned by its window: it is created with new (or CreateObject) and
// deletes itself when its window is destroyed.
//
// Derived classes paint in OnDraw; OnInitialUpdate and OnUpdate tell them to show the document.
#pragma once
#include "CCreateContext.h"
#include "CWnd.h"

class CDocument;
class CFrameWnd;

class LISTEDIT_API CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override; // leaves the document

    // Creates the view's window; with a null window class the view's PreCreateWindow chooses one.
    // pContext is a CCreateContext* (or null).
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The nearest ancestor that is a frame window; null when there is none.
    CFrameWnd* GetParentFrame() const;

    // Called once by the frame after the view is made; the default calls OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed (pSender: the view that changed it); the default repaints the view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // Paints the view into pDC (the window's paint DC).
    virtual void OnDraw(CDC* pDC) = 0;

protected:
    CView();

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override; // a class of its own when none is named
    void PostNcDestroy() override;                    // deletes the view

    int OnCreate(LPCREATESTRUCTW lpCreateStruct); // joins the context's document
    void OnNcDestroy();                           // stops being its frame's active view
    void OnPaint();                               // OnDraw into the paint DC

    CDocument* m_pDocument = nullptr;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};

// The style a frame gives the views it makes: visible, with a border.
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;
static_assert(AFX_WS_DEFAULT_VIEW == 0x50800000);
// The control id of a frame's main view, which the frame sizes to its client area.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
