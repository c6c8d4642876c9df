// CSortListExT: the behaviour of the string-data sortable lists, written once for the control and
// its view form: rows whose texts live in one record each, supplied to the list on demand and
// compared by the sorted column. Applications use CSortListCtrlEx.
#pragma once
#include <listedit/frame/Arrays.h>
#include <listedit/frame/MessageMap.h>

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

protected:
    CSortListExT() = default;

    // The order of two records by the sorted column, through the per-column comparison below; the
    // direction is applied afterwards. Records that lack the column, and every pair while no column
    // is sorted (a ReSort before the first sort), compare level, so the rows keep their order.
    int CompareItems(CObject* pItem1, CObject* pItem2) override;
    // Compares two texts of one column: ordinal (code unit by code unit, case-sensitive, no
    // locale), so "10" sorts before "9". Override to compare otherwise.
    virtual int CompareItems(int nCol, const CString& str1, const CString& str2);

    // Answers the list's request for a cell text; a text longer than the request's buffer is cut.
    void OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
