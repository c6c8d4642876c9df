// CSortedHeaderCtrl: the column header of the sortable lists. It holds the list's sort state (the
// sorted column, -1 for none, and the direction) and paints the items it owner-draws itself: a
// button face, the title with an end ellipsis, and on the sorted column an embossed triangle that
// points up for ascending and down for descending order.
//
// A sortable list attaches its own instance to its header window; applications reach it through
// the list's GetHeaderCtrl() and normally only read the state:
//
//     int nCol = list.GetHeaderCtrl()->GetSortedColumn();
//     BOOL bAsc = list.GetHeaderCtrl()->IsAscSorted();
//
// A list sorted by several columns records all its keys here: each key's item shows its triangle,
// and, while there are several, the key's rank (1 for the first) beside it. The whole state, with
// the columns' sort types, is one plain value (CSortState) that lives in this object, whether or
// not it is attached to a window yet.
#pragma once
#include <listedit/frame/CHeaderCtrl.h>
#include <listedit/sortlist/CSortState.h>

#include <vector>

class LISTEDIT_API CSortedHeaderCtrl : public CHeaderCtrl {
public:
    CSortedHeaderCtrl();
    ~CSortedHeaderCtrl() override;

    // Records the sorted column and direction, makes that item owner-drawn (a previously sorted item
    // stays owner-drawn, painted without a triangle) and repaints the header. Returns the previously
    // sorted column. A column the header does not have is recorded but changes no item.
    int SetSortImage(int nCol, BOOL bAsc);
    // Records the keys of a sort by several columns, first key first (GetSortedColumn answers the
    // first, -1 when there is none), and makes each key's item owner-drawn. Returns the previously
    // sorted column.
    int SetSortKeys(const std::vector<CSortKey>& keys);
    // Every key, first key first; empty while no column is sorted.
    const std::vector<CSortKey>& GetSortKeys() const { return m_state.GetSortKeys(); }
    int GetSortedColumn() const { return m_state.GetSortedColumn(); }
    BOOL IsAscSorted() const { return m_state.IsAscSorted(); }
    // Hands the sorted items back to the header's own painting and forgets the sorted column.
    void UnOwnerDraw();
    // The keys and the columns' sort types.
    const CSortState& GetSortState() const { return m_state; }
    void SetColumnSortType(int nCol, SortType type) { m_state.SetColumnType(nCol, type); }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void SetOwnerDraw(int nCol);

    CSortState m_state;
};
