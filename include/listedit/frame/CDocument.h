// CDocument: the data an application shows in one or more views. A view created with a context
// that names the document joins it (AddView) and leaves it when the view is destroyed;
// UpdateAllViews tells every view but the sender to show the data again (CView::OnUpdate).
//
// With m_bAutoDelete set (the default) a document is heap-owned and deletes itself when its last
// view goes; a document on the stack or as a member clears the flag first.
#pragma once
#include "CString.h"
#include "CWnd.h"

#include <vector>

class CView;

class LISTEDIT_API CDocument : public CCmdTarget {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument();
    ~CDocument() override; // the views stay; they no longer know the document

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCWSTR lpszTitle);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Walks the views in the order they joined: pos starts at GetFirstViewPosition, null at the end.
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    BOOL m_bAutoDelete = TRUE;

protected:
    // Called after a view joined or left; the default deletes an auto-delete document left
    // without views.
    virtual void OnChangedViewList();

    CString m_strTitle;

private:
    std::vector<CView*> m_viewList;
};
