// Window-free rules of sorting by several columns.
#include "SortKeys.h"

namespace listedit::sortlist {

std::vector<CSortKey> ClickKeys(std::vector<CSortKey> keys, int column, bool add) {
    if (!add) {
        const bool bReverse = !keys.empty() && keys.front().nCol == column;
        return {{column, bReverse ? !keys.front().bAsc : true}};
    }
    auto it =
        std::find_if(keys.begin(), keys.end(), [column](const CSortKey& k) { return k.nCol == column; });
    if (it != keys.end())
        it->bAsc = !it->bAsc;
    else
        keys.push_back({column, true});
    return keys;
}

} // namespace listedit::sortlist
