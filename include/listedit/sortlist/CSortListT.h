// CSortListT: the behaviour of the sortable lists, written once for every window that is a list.
//
// It holds the sort state's header object, the row-data deletion, the colours and state-image width
// taken from the messages that set them, the focus repainting and the owner-drawn row painting, and
// works on the list through List(). Every member is defined in the library (the instantiations are
// exported from it), none inline. Applications do not use it directly: CSortListCtrl is this
// behaviour over CXListCtrl; a document view form reuses it over its own list window.
#pragma once
#include <listedit/frame/CListCtrl.h>
#include <listedit/frame/CListHost.h>
#include <listedit/frame/MessageMap.h>
#include <listedit/sortlist/CSortedHeaderCtrl.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

template <class TBase> class CSortListT : public TBase {
public:
    ~CSortListT() override;

    // Records the column and direction in the header (report view only, which also moves the
    // triangle), then sorts the rows by CompareItems. ReSort sorts again by the recorded state.
    // An exception thrown by CompareItems stops nothing inside the list's sort; it is raised again
    // from here once the sort has returned.
    void SortColumn(int nCol, BOOL bAsc);
    // Sorts by several columns at once, first key first, and records them all in the header. The
    // order is stable: rows level on every key keep the order they had.
    void SortByKeys(const std::vector<CSortKey>& keys);
    // Sorts again by the recorded keys (by the recorded column while there is at most one).
    void ReSort();
    // The sorted column (-1 when none) and the direction, as the header holds them; with several
    // keys, those of the first.
    int GetSortedColumn() const;
    BOOL IsAscSorted() const;
    // Every key of the current order, first key first; empty while no column is sorted.
    const std::vector<CSortKey>& GetSortKeys() const;

    // Off by default, and then every header click sorts by that column alone. On, a Shift+click adds
    // the column as the next key (or reverses it where it already is one) and a plain click makes it
    // the only key; the header shows each key's direction and rank. The string-data lists compare by
    // every key; a list whose own CompareItems reads only GetSortedColumn sorts by the first key.
    void EnableMultipleSort(BOOL bEnable);
    BOOL IsMultipleSortEnabled() const;
    CSortedHeaderCtrl* GetHeaderCtrl();

    // Ctrl+A selects every row (in virtual mode by one change of state), Ctrl+C puts the selected
    // rows on the clipboard as text (CF_UNICODETEXT): one line per row in row order, its cells
    // separated by tabs, each line ending in CRLF; a cell holding a tab, a line break or a double
    // quote is put in double quotes with its double quotes doubled, as spreadsheets read it. With
    // copy titles on (off by default) the column titles come first, as one more line. The text is
    // fixed at Ctrl+C and handed to the clipboard when it is pasted (or when the list is destroyed
    // first), so a long copy costs no more than building its text.
    void EnableCopyTitles(BOOL bEnable);
    BOOL IsCopyTitlesEnabled() const;

    // Non-zero: the list owns every row's data object (a CObject, or null) and deletes it with its
    // row, whether rows go one by one, all at once or with the window.
    void SetDeleteItemData(BOOL bDelete);
    BOOL GetDeleteItemData() const;

    // The list's extended styles, read afresh: each returns exactly 0 or 1.
    BOOL GetFullRowSel() const;
    BOOL GetGridLine() const;
    BOOL TrackSelect() const;
    BOOL GetHeadDragDrop() const;
    BOOL GetInfoTip() const;
    BOOL GetUnderLineHot() const;

protected:
    explicit CSortListT(BOOL bDeleteItemData);

    // The list window this behaviour works on: the control itself, or a view's list.
    CListCtrl& List();
    const CListCtrl& List() const;
    CListHost& Host() { return m_host; }
    // The header object attached to the list's header window, once the list has one.
    void AttachHeader();
    // Takes the colours and state-image width of a list that was set up before this object watched
    // its messages.
    void TakeListLook();

    // The order of two rows' data objects: negative, zero or positive. The base keeps every pair
    // level; derived lists read GetSortedColumn and IsAscSorted themselves.
    virtual int CompareItems(CObject* pItem1, CObject* pItem2);
    static int CALLBACK CallbackCompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    // Puts the rows in the recorded order: by default the list's own sort through CompareItems.
    virtual void SortRows();
    // Repaints the parts of the focused and (unless the selection always shows) the selected rows
    // whose look depends on the focus.
    void RepaintSelectedItems();

    // Paints one row of an LVS_OWNERDRAWFIXED list.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The copied text's first line (the column titles, when copy titles is on; empty otherwise).
    std::wstring CopyTitles() const;
    // How many cells a copied row has: the list's columns, at least one.
    int CopyColumns() const;
    // Puts the text on the clipboard as CF_UNICODETEXT; FALSE when the clipboard refused. The list
    // keeps the text and claims the format as the clipboard's owner; the text is handed over only
    // when some program asks for it, or when the list goes, and stays the one copied whatever
    // happens to the rows afterwards.
    BOOL PutOnClipboard(std::wstring_view text);
    // The same for a text of nLength characters that write puts straight into the kept text (room
    // for nLength, reused from copy to copy), so that a long text is written once.
    BOOL PutOnClipboard(std::size_t nLength, const std::function<void(wchar_t*)>& write);
    // Whether a key-down is Ctrl with the key, and no Alt.
    static bool IsCtrlKey(UINT nChar, UINT vk);

    void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextBkColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // Selection and check-box changes told to assistive tools where the list view does not.
    BOOL OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult);
    // While set, the list view's item changes are neither raised nor heard by the parent: the list
    // is handing the list view a selection the parent has been told of already.
    bool m_bItemChangesHeard = true;
    // The clipboard's owner's part: hand the kept text over when asked (WM_RENDERFORMAT), when the
    // list goes (WM_RENDERALLFORMATS), and let it go when the claim is over (WM_DESTROYCLIPBOARD).
    LRESULT OnRenderFormat(WPARAM wParam, LPARAM lParam);
    LRESULT OnRenderAllFormats(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroyClipboard(WPARAM wParam, LPARAM lParam);

    int m_cxClient;
    BOOL m_bDeleteItemData;
    CSortedHeaderCtrl m_ctlHeader;
    int m_cxStateImageOffset; // width of the state images; 0 without a state image list
    COLORREF m_clrText;
    COLORREF m_clrTextBk; // fill of unselected rows
    COLORREF m_clrBkgnd;  // background of icons, blend colour of cut rows

    DECLARE_MESSAGE_MAP()

private:
    // The control form is a CListCtrl itself; the view form's list is its own window.
    static constexpr bool kIsControl = std::is_base_of_v<CListCtrl, TBase>;
    BOOL HasExStyle(DWORD dwStyle) const;
    void SortRecorded();
    std::exception_ptr m_sortError; // the first exception a comparison threw during one sort
    BOOL m_bMultipleSort = FALSE;
    BOOL m_bCopyTitles = FALSE;
    // Puts the kept text on the clipboard, which the caller has open.
    void RenderCopied();
    std::wstring m_strCopied;    // the text of the last copy, until the clipboard takes it or lets it go
    bool m_bCopyPending = false; // the clipboard holds this list's claim, not yet handed over
    bool m_bRenewing = false;    // this list is emptying the clipboard to claim it again
    // Last, so that it destroys the window while everything else is still here.
    CListHost m_host{*this};
};
