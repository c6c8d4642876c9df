// CPropertyListT<TBase>: everything a property list does, over the window class it lives in:
// rows and their records, the edit cycle with its data window, keys, clicks, column widths, the
// title tip and the painting. CPropertyListCtrl is this behaviour as a list control; a document
// view of the same list uses the very same code over its own list window. Applications use
// CPropertyListCtrl (or derive from it) and never name this template.
//
// The behaviour reaches its list window only through List(): the control is its own list.
#pragma once
#include <listedit/datawnd/CDataWnd.h>
#include <listedit/frame/Arrays.h>
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListHost.h>
#include <listedit/frame/MessageMap.h>
#include <listedit/proplist/CCtrlTitleTip.h>

// A CDWordArray entry holds a pointer only where pointers are 32 bits wide.
#if defined(_WIN64)
#define LISTEDIT_PROPLIST_DWORD_VALUES                                                                       \
    [[deprecated("a CDWordArray entry cannot hold a 64-bit pointer: use InsertItem with a CPtrArray")]]
#else
#define LISTEDIT_PROPLIST_DWORD_VALUES
#endif

template <class TBase> class CPropertyListT : public TBase {
public:
    CPropertyListT();
    ~CPropertyListT() override;

    // Inserts a row named lpszName of type nType (DWT_*) showing lpszValue, its only choice, at
    // nIndex (-1: at the end). Returns the row's index, or -1 when the list refuses the row.
    virtual int InsertItem(LPCWSTR lpszName, UINT nType, LPCWSTR lpszValue, int nIndex = -1);
    // As above with a list of choices (drop-down rows); the row shows the first one.
    virtual int InsertItem(LPCWSTR lpszName, UINT nType, const CStringArray& arrValue, int nIndex = -1);
    // Appends one row per name: arrType[i] is its type, arrValue[i] the address of its choices
    // (a CStringArray*, 0 for none). Sizes the columns at the end. A missing type or value entry
    // raises CInvalidArgException; the rows before it stay and redrawing stays off until the next
    // ChangeColumnWidth. In a 64-bit program a CDWordArray entry holds an address only below
    // 4 GiB: use the CPtrArray form there.
    LISTEDIT_PROPLIST_DWORD_VALUES virtual void
    InsertItem(const CStringArray& arrName, const CUIntArray& arrType, const CDWordArray& arrValue);
    // As above, each entry of arrValue a const CStringArray* (or null).
    void InsertItem(const CStringArray& arrName, const CUIntArray& arrType, const CPtrArray& arrValue);
    // The names keep the width they need and the values take the rest; where the rest would be
    // narrower than the names or 40 pixels, the two share the width evenly. Ends the edit in
    // progress without keeping it. Call it after filling or resizing the list.
    virtual void ChangeColumnWidth();
    // Ends the edit in progress without keeping it and deletes every row.
    virtual BOOL DeleteAllItems();

    // Bold rows: both texts in weight 700. FALSE for a row that does not exist.
    BOOL SetBoldShow(int nIndex, BOOL bBold);
    BOOL IsBoldShow(int nIndex) const;
    // Whether the selected row's name is painted highlighted (off at first).
    void SetShowSelection(BOOL bShow);
    BOOL GetShowSelection() const;
    // Whether the user may edit (on at first). Turning it off hides the data window, keeping the
    // edit, and takes the focus from it; clicks, keys, scrolling and the focus then open or move
    // no edit until it is turned on again.
    void SetEnableEdit(BOOL bEnable);
    BOOL EnableEdit() const;
    // Hides the data window; nothing is written back.
    void HideDataWnd();
    // Writes the edit in progress into its row (the data window's GetText, so a number row reads
    // formatted), the edit going on where it is. FALSE when no row is being edited. Call it before
    // reading the values when the user may not have moved on from the last row (Save, OK). The
    // list does the same by itself when the focus leaves the data window for a window outside the
    // list, so that GetItemText gives what the user typed once a button outside is clicked.
    BOOL CommitEdit();
    // The decimal separator number rows are edited with, and so written back with
    // (CDataWnd::SetDecimalSeparator); '.' unless set, before or after the window is made.
    void SetDecimalSeparator(wchar_t chSeparator);
    void UseLocaleDecimalSeparator();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The right button of the data window was clicked while row m_nCurIndex is edited.
    virtual void OnDataWndRButtonClk();
    // The data window the list edits with (no window yet); derived classes may return their own.
    virtual CDataWnd* CreateDataWnd();
    // Tab, Shift+Tab, Enter, Ctrl+Down (bNext) and Ctrl+Up in any window of the data window (the
    // editor, a combo's edit box, a picker's calendar, the right button): moves editing to the next
    // or previous row, wrapping around. FALSE lets the key go on to the editor. While a drop-down
    // list or calendar is open it takes Enter and the arrows itself; Tab closes it and moves.
    virtual BOOL TreatTabAndReturnKey(UINT nChar, BOOL bNext);
    // Begins editing row nIndex: the data window takes the row's type, choices and value and
    // moves over the value cell with the focus in its editor. A value the row's editor cannot hold
    // (an empty date, a date before 1900 or with month 13, words in a date or number row, a list
    // row's value outside its choices) is edited as text instead (a list row's in an editable list), so that
    // it is kept as it stands until the user changes it.
    virtual void ShowIndex(int nIndex);
    // Ends editing row nIndex: hides the data window and writes its text into the row.
    virtual void HideIndex(int nIndex);
    void MoveDataWndToIndex(int nIndex);
    // Whether the cell under point needs a title tip, with its text and rectangle.
    BOOL HitTestTip(CPoint point, CString& strText, CRect& rect);
    // The two columns, the hidden data window (child 100) and the title tip.
    void Init();
    // Every form is an owner-drawn report list without a header, whatever its creator asks for.
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    // Once the window exists: the data window object (unless the form made it already) and Init.
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    void OnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnSetFocus(CWnd* pOldWnd);
    void OnDestroy();
    void OnDataWndRightButtonClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDataWndKillFocus(NMHDR* pNMHDR, LRESULT* pResult);
    // F2 and Enter on the list itself open the editor on the focused row (the first when none).
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Enter is the list's, never a dialog's default button.
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    // Assistive tools: the rows as the children of the list's object (answered by the host).
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    BOOL OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult);
    // A change of DPI: the rows take their height at the new one, the data window follows its row.
    LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);

    // The list window the behaviour works on.
    CListCtrl& List();
    const CListCtrl& List() const;

    BOOL m_bShowSelection = FALSE;
    CDataWnd* m_pDataWnd = nullptr; // deletes itself with its window
    CCtrlTitleTip m_TitleTip;
    int m_nCurIndex = -1; // the row being edited
    BOOL m_bEnableEdit = TRUE;
    wchar_t m_chDecimalSeparator = L'.';

private:
    template <class Press> void OnClickRow(Press press);
    template <class ValueAt>
    void InsertRows(const CStringArray& arrName, const CUIntArray& arrType, ValueAt valueAt);
    // The data window's window once it is made, else null.
    CDataWnd* DataWnd() const;
    // How the rows read to assistive tools: name, value, checked, edited, read-only.
    static std::unique_ptr<listedit::access::RowSource> MakeAccessibleRows(CWnd& owner);
    // Writes an edited value into row nIndex and tells assistive tools when it changed.
    void WriteValue(int nIndex, const CString& strValue);

    CListHost m_host{*this};

    DECLARE_MESSAGE_MAP()
};

extern template class LISTEDIT_API CPropertyListT<CListCtrl>;
