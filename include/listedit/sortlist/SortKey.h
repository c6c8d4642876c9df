// CSortKey: one key of a sortable list's order, a column and its direction. A list sorted by
// several columns holds them first key first; GetSortedColumn and IsAscSorted answer the first.
#pragma once

struct CSortKey {
    int nCol = -1;
    bool bAsc = true;
    friend bool operator==(const CSortKey&, const CSortKey&) = default;
};
