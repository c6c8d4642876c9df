// CListHost: what every list of the library does the same way with its list window. Each list
// (the property list, the sortable lists and their views, the extended list, the condition list)
// holds one as its last member, built over itself:
//
//     CListHost m_host{*this}; // a CListCtrl, or a CListView whose list is its own window
//
// It gives
// - List(): the list window, the control itself or the view's list;
// - the window's end: the destructor destroys the list window while the owner's other members
//   and handlers are still there (so rows' records go with their rows), as DestroyList does at once;
// - the window's metrics at its display scale: DPI, 96-dpi lengths scaled to it, the font's
//   heights and the row height rule (a text height plus a margin given at 96 dpi);
// - the owner-drawn row band: its fill and text colours, and the focus rectangle over it;
// - the rows as a reader other than the eye sees them (count, texts, state, rectangle), by
//   default the list view's own items, or what a list's IListRowSource says; WM_GETOBJECT is
//   answered from them (OnGetObject).
#pragma once
#include <listedit/frame/CString.h>
#include <listedit/frame/Geometry.h>

#include <memory>

class CDC;
class CListCtrl;
namespace listedit::access {
class RowSource; // the library's own reading of a list's rows
}
class CListView;
class CWnd;

// The rows of a list whose items are not what it shows row by row (a list gives it to its host
// with SetRowSource). Rows are counted from 0, columns from 0 as the list numbers them.
class IListRowSource {
public:
    virtual int GetRowCount() const = 0;
    virtual int GetColumnCount() const = 0;
    virtual CString GetRowText(int nRow, int nColumn) const = 0;
    // The row's LVIS_* state bits.
    virtual UINT GetRowState(int nRow) const = 0;
    // The row's bounds in the list's client coordinates; FALSE for a row the list does not have.
    virtual BOOL GetRowRect(int nRow, CRect& rect) const = 0;

protected:
    ~IListRowSource() = default;
};

class LISTEDIT_API CListHost {
public:
    explicit CListHost(CListCtrl& list);
    explicit CListHost(CListView& view);
    ~CListHost();
    CListHost(const CListHost&) = delete;
    CListHost& operator=(const CListHost&) = delete;

    // The list window the owner works on.
    CListCtrl& List() const;
    // Destroys the list window now, unless it is gone or belongs to another object.
    void DestroyList();

    // The list window's DPI (asked of the window each time), and a 96-dpi length at it.
    UINT Dpi() const;
    int Scale(int nLength) const;
    // |lfHeight| of the list's font (of the system font while the list has none).
    int FontHeight() const;
    // Text height plus external leading of a client device context of the list with no font
    // selected into it.
    int DeviceTextHeight() const;
    // The height of every row: nTextHeight plus nMargin (a 96-dpi length) at the list's DPI.
    UINT RowHeight(int nTextHeight, int nMargin) const;
    // Has an owner-drawn list ask for its row height again (after a change of font or DPI).
    void RemeasureRows();

    // Whether the list window has the keyboard focus.
    BOOL HasFocus() const;

    // The colours of the DC a row band was painted on, to put back.
    struct CBand {
        CRect rect;
        BOOL bHighlight;
        COLORREF crOldText;
        COLORREF crOldBk;
    };
    // Fills a row's band: with crHighlight, the DC's texts then drawn in the highlight colours, when
    // bHighlight; with crFill otherwise.
    CBand PaintBand(CDC& dc, const CRect& rcBand, BOOL bHighlight, COLORREF crHighlight,
                    COLORREF crFill) const;
    // Draws the focus rectangle over the band when the row (its nState) is focused and the list has
    // the focus, and puts the DC's text colours back.
    void FinishBand(CDC& dc, const CBand& band, UINT nState) const;

    // Where the rows come from for readers: pRows (kept, not owned; null for the list's own items).
    void SetRowSource(const IListRowSource* pRows);
    int GetRowCount() const;
    int GetColumnCount() const;
    CString GetRowText(int nRow, int nColumn) const;
    UINT GetRowState(int nRow) const;
    BOOL GetRowRect(int nRow, CRect& rect) const;

    // WM_GETOBJECT: the owner's handler returns what this answers, or its Default() when it
    // returns FALSE (the system's own answer). For OBJID_CLIENT: an accessible object whose
    // children are the rows (child id = row + 1), each named by its first text and described by
    // the others with their column titles, its state from its list-view state.
    BOOL OnGetObject(WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    // For a list whose rows say more than that (a value, a checked state, the row being edited):
    // makes the library's reading of the rows, for the owner, at each call of the object.
    using AccessibleRowsMaker = std::unique_ptr<listedit::access::RowSource> (*)(CWnd& owner);
    void SetAccessibleRows(AccessibleRowsMaker pMake);

private:
    CWnd& m_owner;      // the object whose window the list is
    CListView* m_pView; // the owner as a view, null for a control
    const IListRowSource* m_pRows = nullptr;
    AccessibleRowsMaker m_pMakeAccessibleRows = nullptr;
};
