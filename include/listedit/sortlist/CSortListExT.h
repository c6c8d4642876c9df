// CSortListExT: the behaviour of the string-data sortable lists, written once for the control and
// its view form: rows whose texts live in one record each, supplied to the list on demand and
// compared by the sorted column. Applications use CSortListCtrlEx.
#pragma once
#include <listedit/frame/Arrays.h>
#include <listedit/frame/MessageMap.h>

#include <listedit/sortlist/SortKey.h>

#include <span>
#include <vector>

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

protected:
    CSortListExT() = default;
    ~CSortListExT() override;

    // In virtual mode sorts the record container with std::stable_sort by every key, keeping the
    // selected, focused and anchor rows on the same records.
    void SortRows() override;

    // The order of two records by the sorted column, through the per-column comparison below; the
    // direction is applied afterwards. Records that lack the column, and every pair while no column
    // is sorted (a ReSort before the first sort), compare level, so the rows keep their order.
    int CompareItems(CObject* pItem1, CObject* pItem2) override;
    // Compares two texts of one column: ordinal (code unit by code unit, case-sensitive, no
    // locale), so "10" sorts before "9". Override to compare otherwise.
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

    DECLARE_MESSAGE_MAP()

private:
    int CompareRecords(std::span<const CSortKey> keys, const CItemData* p1, const CItemData* p2);
    void ReleaseRecords(std::size_t nFirst, std::size_t nLast);
    // Moves the selection, focus and anchor at or after nFrom by nBy rows (virtual mode).
    void ShiftMarks(int nFrom, int nBy);

    std::vector<CItemData*> m_arrRecords; // virtual mode: row i's record
    mutable int m_nVirtualMode = -1;      // the window's LVS_OWNERDATA, once read; -1 before
};
