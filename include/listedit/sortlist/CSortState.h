// CSortState: the order of a sortable list as a plain value: the sorted column and direction, the
// keys of a sort by several columns (first key first), and each column's sort type. The list's
// header object holds it (CSortedHeaderCtrl::GetSortState); the list reads it from there on every
// sort without touching a window.
#pragma once
#include <listedit/sortlist/SortKey.h>
#include <listedit/sortlist/SortType.h>

#include <vector>

class CSortState {
public:
    // One key: the column (recorded as given, -1 for none) and its direction.
    void SetColumn(int nCol, bool bAsc) {
        m_nSortCol = nCol;
        m_bSortAsc = bAsc;
        m_arrKeys.clear();
        if (nCol >= 0) m_arrKeys.push_back({nCol, bAsc});
    }
    // Several keys, first key first; none leaves no column sorted and the direction as it was.
    void SetKeys(const std::vector<CSortKey>& keys) {
        m_arrKeys = keys;
        m_nSortCol = keys.empty() ? -1 : keys.front().nCol;
        if (!keys.empty()) m_bSortAsc = keys.front().bAsc;
    }
    void Clear() {
        m_nSortCol = -1;
        m_arrKeys.clear();
    }
    int GetSortedColumn() const { return m_nSortCol; }
    bool IsAscSorted() const { return m_bSortAsc; }
    const std::vector<CSortKey>& GetSortKeys() const { return m_arrKeys; }

    // Text for every column until set otherwise; a negative column is ignored.
    void SetColumnType(int nCol, SortType type) {
        if (nCol < 0) return;
        if (static_cast<std::size_t>(nCol) >= m_arrTypes.size()) m_arrTypes.resize(nCol + 1, SortType::Text);
        m_arrTypes[nCol] = type;
    }
    SortType GetColumnType(int nCol) const {
        return nCol >= 0 && static_cast<std::size_t>(nCol) < m_arrTypes.size() ? m_arrTypes[nCol]
                                                                               : SortType::Text;
    }

private:
    int m_nSortCol = -1;
    bool m_bSortAsc = true;
    std::vector<CSortKey> m_arrKeys; // the first, when there is one, is m_nSortCol and m_bSortAsc
    std::vector<SortType> m_arrTypes;
};
