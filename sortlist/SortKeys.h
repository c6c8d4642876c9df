// Window-free rules of sorting by several columns: how a header click changes the list of keys, the
// order of two rows by all keys, and where marked rows went after a sort.
#pragma once
#include <listedit/sortlist/SortKey.h>

#include "SortOrder.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace listedit::sortlist {

// The keys after a click on `column`. A plain click makes the column the only key: ascending,
// or the reverse of its direction when it already was the first key. A click that adds (Shift)
// appends the column as the last key, ascending, or reverses it where it already is a key.
std::vector<CSortKey> ClickKeys(std::vector<CSortKey> keys, int column, bool add);

// The order of two rows by every key in turn: the first key that does not find them level
// decides. Each key follows CompareRows (a row lacking the column is level on that key).
template <class CellCompare>
int CompareByKeys(std::span<const CSortKey> keys, std::ptrdiff_t countA, std::ptrdiff_t countB,
                  CellCompare&& cell) {
    for (const CSortKey& key : keys) {
        if (const int r = CompareRows(key.nCol, countA, countB, key.bAsc, cell)) return r;
    }
    return 0;
}

// The index in `rows` of each of `records`, in the order asked (-1 for one that is not there),
// found in one pass over the rows: what a sort of the rows did to the selected and focused ones.
template <class T> std::vector<int> RowsOf(std::span<T* const> rows, std::span<T* const> records) {
    std::vector<int> found(records.size(), -1);
    if (records.empty()) return found;
    std::vector<std::pair<T*, std::size_t>> wanted;
    wanted.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) wanted.emplace_back(records[i], i);
    std::sort(wanted.begin(), wanted.end());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        auto it = std::lower_bound(wanted.begin(), wanted.end(), std::pair<T*, std::size_t>(rows[row], 0));
        for (; it != wanted.end() && it->first == rows[row]; ++it) found[it->second] = static_cast<int>(row);
    }
    return found;
}

} // namespace listedit::sortlist
