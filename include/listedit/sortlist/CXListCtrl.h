// CXListCtrl: a list control with report-view helpers: the column count, scrolling a column into
// view, sizing columns to the wider of their content and their header, editing any cell in place,
// and one drag image for all selected rows. The base of the sortable lists.
//
//     CXListCtrl list;
//     list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, pParent, IDC_LIST);
//     list.InsertColumn(0, L"Name");  list.InsertColumn(1, L"City");
//     ...
//     list.AutoSizeColumn(TRUE);                    // every column, one repaint
//     list.EnsureSubItemVisible(1);
//     list.EditSubLabel(nItem, 1);                  // an editor over the cell
//
// The cell editor reports to the list's parent (to the list itself when it has none) as
// WM_NOTIFY / LVN_ENDLABELEDITW in an NMLVDISPINFOW: item.iItem and item.iSubItem name the cell,
// item.pszText and item.cchTextMax carry the new text, or NULL and 0 when the user cancelled with
// Escape. Enter and any loss of focus commit, the text unchanged too. The list never stores the
// text: the receiver does, for instance with SetItemText. The text is valid during the
// notification only.
//
// Scrolling the list (scroll bars, the mouse wheel) moves the focus to the list first, so an open
// editor commits before the cells move under it. When a column's width changes while the editor is
// open (SetColumnWidth, the user dragging a divider), the editor moves and sizes with its cell.
#pragma once
#include <listedit/frame/CEdit.h>
#include <listedit/frame/CImageList.h>
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListHost.h>

class LISTEDIT_API CXListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CXListCtrl)
public:
    CXListCtrl();
    ~CXListCtrl() override;

    // The number of header items; 0 when the list has no header.
    int GetColumnCount() const;
    // Scrolls horizontally so that a column lying wholly beyond the left or right edge of the client
    // area comes to that edge; a column partly visible (or a list without rows, or a column it
    // does not have) scrolls nothing. Always returns 1.
    int EnsureSubItemVisible(int nColumn);
    // Sets the column to the wider of its content fit and its header fit, with redrawing held off
    // meanwhile; bRepaint repaints the list once afterwards. Only in report and list view, and only
    // for a column the list has; otherwise nothing happens.
    void AutoSizeColumn(int nColumn, int bRepaint);
    // The same for every column, left to right, with one repaint at the end.
    void AutoSizeColumn(int bRepaint);
    // Opens the editor over one cell (see above) and gives it the focus: right of the cell's image
    // (column 0's, or any cell's with LVS_EX_SUBITEMIMAGES), as wide as the text plus a pad but at least
    // twice its height, clipped at the client's right edge, with control id 1001. The row is scrolled into
    // view, the column is not (call EnsureSubItemVisible first). Null when the row cannot be made visible,
    // the list has no such column, or the editor's window cannot be created. The editor owns itself: the
    // pointer is valid only until editing ends.
    CEdit* EditSubLabel(int nItem, int nColumn);
    // One masked image of all selected rows, laid out as they lie in the list, with everything
    // between them transparent; ptHotSpot receives the cursor's position relative to the image's
    // top-left corner. The caller deletes the image list. Null (ptHotSpot untouched) when no row is
    // selected or the image cannot be made.
    CImageList* CreateDragImageEx(CPoint& ptHotSpot);

protected:
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnRButtonDown(UINT nFlags, CPoint point);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetColumnWidth(WPARAM wParam, LPARAM lParam);
    LRESULT OnFollowEditor(WPARAM wParam, LPARAM lParam);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DECLARE_MESSAGE_MAP()

private:
    // The bounds of one cell in client coordinates; column 0 included (the list reports the whole
    // row for it). FALSE when the list has no such row or column.
    BOOL GetCellRect(int nItem, int nColumn, CRect& rect) const;
    void SizeColumn(int nColumn);
    // Where the editor of a cell goes for a text of that width; FALSE when there is no such cell.
    BOOL PlaceEditor(int nItem, int nColumn, int nTextWidth, CRect& rect, int& nMinLength) const;
    // Moves the open cell editor, if any, over its cell as the cell now lies.
    void FollowCellEditor();

    CListHost m_host{*this};
};
