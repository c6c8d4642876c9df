// CSortListExT: the behaviour of the string-data sortable lists, written once for the control and
// its view form: rows whose texts live in one record each, supplied to the list on demand and
// compared by the sorted column. Applications use CSortListCtrlEx.
#pragma once
#include <listedit/frame/Arrays.h>
#include <listedit/frame/MessageMap.h>

#include <listedit/sortlist/RowView.h>
#include <listedit/sortlist/SortKey.h>
#include <listedit/sortlist/SortType.h>

#include <functional>
#include <span>
#include <vector>

namespace listedit::sortlist {
enum class HeldStep; // what a click or a key does to a selection the list keeps (internal)
}

// One row of a string-data sortable list, known to applications as CSortListCtrlEx::CItemData:
// element i of m_arrText is the text of column i (it may hold fewer texts than the list has
// columns). Create it with new, fill it, and hand it to InsertItem; the list deletes it with its
// row.
class LISTEDIT_API CSortListExItemData : public CObject {
public:
    CStringArray m_arrText;
};

template <class TBase> class CSortListExT : public TBase {
public:
    using CItemData = CSortListExItemData;

    // Inserts a row at nItem whose texts come from pData, which becomes the row's item data.
    // Returns the new row's index; -1 when no row was inserted (pData then still belongs to the
    // caller). Changing a record later neither repaints nor re-sorts: invalidate the row and call
    // ReSort when the order matters.
    int InsertItem(int nItem, CItemData* pData);
    // Inserts nCount records at nItem at once (in virtual mode one growth of the record container)
    // and, when a column is sorted, sorts the whole list once. Returns the first new row's index, or
    // -1 when nothing was inserted (the records then still belong to the caller). In normal mode
    // the list is not redrawn while the rows go in, and is redrawn afterwards.
    int InsertItems(int nItem, CItemData* const* ppData, int nCount);
    // The record of a row; null for a row that does not exist.
    CItemData* GetItemRecord(int nItem) const;
    // Non-zero when the list was created with LVS_OWNERDATA (see CSortListCtrlEx).
    BOOL IsVirtualMode() const;

    // How a column orders its texts (see SortType); every column is Text until set. Takes effect
    // with the next sort (ReSort to apply it at once).
    void SetColumnSortType(int nCol, SortType type);
    SortType GetColumnSortType(int nCol) const;

    // Virtual mode only: shows the records the function accepts, in sort order; an empty function
    // shows all. The rows move, the records stay: selected and focused records keep their marks,
    // and lose them while they do not show. The filter is applied now and whenever it is set again;
    // a record inserted later shows where it went in until then, and a sort keeps what shows.
    // FALSE in normal mode, where nothing changes.
    BOOL SetFilter(std::function<bool(const CItemData&)> filter);
    // Virtual mode only: shows the records in which the text occurs, blind to case, in column nCol
    // or, with -1, in any column; combined with SetFilter's by "and". An empty or null text
    // accepts every record. FALSE in normal mode.
    BOOL SetQuickFilter(LPCWSTR lpszText, int nCol = -1);
    // Every record the list holds, shown or not (GetItemCount counts the shown rows).
    int GetRecordCount() const;

protected:
    CSortListExT();
    ~CSortListExT() override;

    // In virtual mode sorts the record container with std::stable_sort by every key, keeping the
    // selected, focused and anchor rows on the same records.
    void SortRows() override;

    // The order of two records by the sorted column, through the per-column comparison below; the
    // direction is applied afterwards. Records that lack the column, and every pair while no column
    // is sorted (a ReSort before the first sort), compare level, so the rows keep their order.
    int CompareItems(CObject* pItem1, CObject* pItem2) override;
    // Compares two texts of one column that has no sort type (Text): ordinal (code unit by code
    // unit, case-sensitive, no locale), so "10" sorts before "9". Override to compare otherwise.
    // A column given another type with SetColumnSortType is compared by its type, not here.
    //
    // In virtual mode a sort takes one key per record and sorts the keys, for the typed columns
    // and for the Text columns while this function is the library's own; the list tells by the
    // function the object has (looked up once per sort). With an override of a derived class, the
    // list calls it for every pair it compares on a Text column, as in normal mode.
    virtual int CompareItems(int nCol, const CString& str1, const CString& str2);

    // Answers the list's request for a cell text; a text longer than the request's buffer is cut.
    void OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult);
    // Finds a row by its first text for the list view in virtual mode (typing, LVM_FINDITEM).
    void OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult);
    // In virtual mode the deletion and text messages act on the records; otherwise they pass on.
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteAllItems(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetItemText(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    // Ctrl+C copies the selected rows from their records. Ctrl+A in virtual mode selects every row
    // in the list's own keeping (see WindowProc); in normal mode the base handles it.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // While every row is selected by Ctrl+A in virtual mode, the list answers the selected count
    // itself and the list view paints the selection it asks the list for (its callback mask). The
    // list view is given every row's selection, in one walk, only when a message could read or
    // change its own: a click, a key, a state or count change.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    // The selected, focused and anchor records of a virtual list, by storage index.
    struct Marks {
        bool bAll = false; // every row selected (the records are not listed)
        std::vector<std::size_t> selected;
        std::ptrdiff_t nFocus = -1, nAnchor = -1;
    };
    int CompareRecords(std::span<const CSortKey> keys, const CItemData* p1, const CItemData* p2);
    int CompareCell(int nCol, const CString& str1, const CString& str2);
    bool HasOwnTextCompare();
    void ReleaseRecords(std::size_t nFirst, std::size_t nLast);
    // Moves the selection, focus and anchor at or after nFrom by nBy rows (virtual mode).
    void ShiftMarks(int nFrom, int nBy);
    Marks TakeMarks(bool bListAll);
    // Clears the rows' marks and puts them on the rows now showing the records; newIndex maps a
    // storage index taken to the current one (empty: unchanged).
    void PutMarks(const Marks& marks, std::span<const std::uint32_t> newIndex);
    bool Accepts(const CItemData* pData) const;
    void ApplyFilter();
    // Puts the selected rows' texts on the clipboard, from their records.
    BOOL CopySelection() const;
    // Ctrl+A in virtual mode: every row selected at once, in the list's keeping.
    void SelectAllRows();
    // Tells the parent of a change of every row (item -1), as the list view does in virtual mode.
    void NotifyEveryRow(UINT nNewState, UINT nOldState);
    // What a message to the list view does to the selection the list keeps.
    listedit::sortlist::HeldStep HeldStepFor(UINT message, WPARAM wParam, LPARAM lParam);
    // Stops keeping every row selected: the list view is given every row's selection, unheard
    // (bEveryRow), or every row is deselected and the parent told.
    void LetGoOfSelection(bool bEveryRow);
    // Selects or deselects every row in the list view's own keeping, in its one walk.
    void SetRowsSelected(bool bSelected);
    // Up to this many rows selected are deselected one by one rather than by a walk over every row.
    static constexpr UINT kFewRows = 64;

    std::vector<CItemData*> m_arrRecords; // virtual mode: every record, in sort order
    listedit::sortlist::RowView m_rows;   // virtual mode: the records that show
    std::function<bool(const CItemData&)> m_filter;
    std::wstring m_strQuickFolded; // the quick filter's text, as FoldText gives it
    int m_nQuickCol = -1;
    mutable int m_nVirtualMode = -1; // the window's LVS_OWNERDATA, once read; -1 before
    bool m_bAllSelected = false;     // every row selected in the list's keeping, not the list view's
    bool m_bRedraw = true;           // the last WM_SETREDRAW the list was sent
    int m_nHeldPress = -1;           // the row a plain press went down on while every row is selected
};
