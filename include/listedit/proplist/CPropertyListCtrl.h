// CPropertyListCtrl: a two-column grid of properties, a name on the left and its value on the
// right. The row being edited carries a data window (CDataWnd) over its value cell, whose editor
// follows the row's type code (DWT_TEXT ... DWT_COMBO); Tab, Enter and Ctrl+Up/Down move the edit
// from row to row, writing each value back into the row. A name too wide for its column shows
// whole in a title tip while the mouse rests on it.
//
//     m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, IDC_PROPS); // or SubclassDlgItem
//     m_list.InsertItem(L"Name", DWT_TEXT, L"Alice");
//     CStringArray colours;  colours.Add(L"red");  colours.Add(L"green");
//     m_list.InsertItem(L"Colour", DWT_LIST, colours);     // shows "red", offers both
//     m_list.ChangeColumnWidth();
//     ...
//     CString name = m_list.GetItemText(0, 1);            // each row's value is column 1's text
//
// The style is always an owner-drawn report list without a header (0xC405), whatever the caller
// asks for. Each row's record is freed when the row goes, which the list learns from its own
// LVN_DELETEITEM: its parent must be a framework window (CWnd), which reflects it.
#pragma once
#include <listedit/proplist/CPropertyListT.h>

class LISTEDIT_API CPropertyListCtrl : public CPropertyListT<CListCtrl> {
    DECLARE_DYNAMIC(CPropertyListCtrl)
public:
    CPropertyListCtrl();
    ~CPropertyListCtrl() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PreSubclassWindow() override;
};
