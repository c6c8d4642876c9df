// CDocument: the list of views showing one document.
#include <listedit/frame/CDocument.h>
#include <listedit/frame/CView.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* pView : m_viewList) pView->m_pDocument = nullptr;
}

void CDocument::SetTitle(LPCWSTR lpszTitle) {
    m_strTitle = lpszTitle;
}

void CDocument::AddView(CView* pView) {
    if (!pView || pView->m_pDocument) return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    if (!pView || pView->m_pDocument != this) return;
    std::erase(m_viewList, pView);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) delete this;
}

// A position is the index of the next view plus one, so that null ends the walk.
POSITION CDocument::GetFirstViewPosition() const {
    return m_viewList.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    const auto i = reinterpret_cast<UINT_PTR>(rPosition) - 1;
    if (!rPosition || i >= m_viewList.size()) {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = i + 1 < m_viewList.size() ? reinterpret_cast<POSITION>(i + 2) : nullptr;
    return m_viewList[i];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (CView* pView : std::vector<CView*>(m_viewList))
        if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
}
