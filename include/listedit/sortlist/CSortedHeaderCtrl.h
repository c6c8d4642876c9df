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
// and, while there are several, the key's rank (1 for the first) beside it.
#pragma once
#include <listedit/frame/CHeaderCtrl.h>
#include <listedit/sortlist/SortKey.h>

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
    const std::vector<CSortKey>& GetSortKeys() const { return m_arrKeys; }
    int GetSortedColumn() const { return m_nSortCol; }
    BOOL IsAscSorted() const { return m_bSortAsc; }
    // Hands the sorted item back to the header's own painting and forgets the sorted column.
    void UnOwnerDraw();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void SetOwnerDraw(int nCol);

    int m_nSortCol;
    BOOL m_bSortAsc;
    std::vector<CSortKey> m_arrKeys; // the first, when there is one, is m_nSortCol and m_bSortAsc
};
