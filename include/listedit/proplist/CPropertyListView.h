// CPropertyListView: the property list as the content of a frame window. It is the same grid as
// CPropertyListCtrl (rows, types, data window, keys, title tip, painting: the same code), on the
// view's own list window. A frame creates it by name:
//
//     CCreateContext context;
//     context.m_pNewViewClass = RUNTIME_CLASS(CPropertyListView);   // or CRuntimeClass::FromName
//     pFrame->Create(nullptr, L"Properties", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr,
//                    nullptr, 0, &context);
//     auto* pView = static_cast<CPropertyListView*>(pFrame->GetActiveView());
//     pView->InsertItem(L"Name", DWT_TEXT, L"Alice");
//     pView->ChangeColumnWidth();
//
// The view makes its two columns, its data window and its title tip when its window is created;
// like every view it deletes itself when its window is destroyed.
#pragma once
#include <listedit/frame/CListView.h>
#include <listedit/proplist/CPropertyListT.h>

extern template class LISTEDIT_API CPropertyListT<CListView>;

class LISTEDIT_API CPropertyListView : public CPropertyListT<CListView> {
    DECLARE_DYNCREATE(CPropertyListView)
public:
    ~CPropertyListView() override;

protected:
    CPropertyListView();
};
