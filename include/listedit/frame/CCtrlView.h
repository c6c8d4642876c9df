// CCtrlView: a view whose window is a standard control (of window class m_strClass); the control
// paints itself, so OnDraw draws nothing. CListView is the list-view form.
#pragma once
#include "CView.h"

class LISTEDIT_API CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCWSTR lpszClass, DWORD dwStyle);

    void OnDraw(CDC* pDC) override;

protected:
    // The control's class, and its default style added to what the creator asks for.
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnPaint(); // the control's own painting

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};
