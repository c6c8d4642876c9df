// CListView: a view whose window is a list-view control ("SysListView32"), for showing rows as the
// content of a frame. GetListCtrl gives the view's own window as a CListCtrl, so every list
// operation works on the view:
//
//     CListCtrl& list = pView->GetListCtrl();
//     list.InsertColumn(0, L"Name");
//
// Owner-drawn rows come back to the view's DrawItem and MeasureItem, as for a CListCtrl.
#pragma once
#include "CCtrlView.h"
#include "CListCtrl.h"

class LISTEDIT_API CListView : public CCtrlView {
    DECLARE_DYNCREATE(CListView)
public:
    CListCtrl& GetListCtrl() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    CListView();
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // A wrapper object of the view's own window, as GetListCtrl hands out: it is not the window's
    // object (the view is), so it neither receives the window's messages nor destroys it, and what
    // it passes on goes to the list view's own procedure (ListProc). A derived view may hand out a
    // richer list class the same way.
    template <class TList> class CWindowAlias : public TList {
    public:
        CWindowAlias() = default;
        ~CWindowAlias() override { this->m_hWnd = nullptr; }
        TList& Of(const CWnd& owner, WNDPROC pfnSuper) {
            this->m_hWnd = owner.m_hWnd;
            this->m_pfnSuper = pfnSuper;
            return *this;
        }
    };
    WNDPROC ListProc() const { return m_pfnSuper; } // the list view's own procedure

private:
    mutable CWindowAlias<CListCtrl> m_list;
};
