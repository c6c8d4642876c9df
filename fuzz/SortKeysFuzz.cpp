// Clicks and Shift+clicks on a list of short records, each followed by a stable sort by the keys the
// clicks leave: the keys are distinct columns, the clicked one among them, a plain click leaves only it;
// the rows come out ordered, the order antisymmetric, level rows in their previous order.
#include "sortlist/SortKeys.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace listedit::sortlist;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    struct Row {
        std::vector<std::wstring> texts;
        size_t place = 0; // before the latest sort
    };
    std::vector<Row> rows(in.ConsumeIntegralInRange<size_t>(0, 40));
    for (Row& row : rows)
        for (size_t n = in.ConsumeIntegralInRange<size_t>(0, 4); n > 0; --n)
            row.texts.emplace_back(in.ConsumeIntegralInRange<size_t>(0, 2),
                                   L'a' + in.ConsumeIntegralInRange<int>(0, 2));
    std::vector<CSortKey> keys;
    while (in.remaining_bytes()) {
        const int column = in.ConsumeIntegralInRange<int>(0, 4);
        const bool add = in.ConsumeBool();
        const size_t before = keys.size();
        keys = ClickKeys(keys, column, add);
        std::set<int> columns;
        for (const CSortKey& k : keys) columns.insert(k.nCol);
        if (columns.size() != keys.size() || !columns.count(column) ||
            (add ? keys.size() < before || keys.size() > before + 1 : keys.size() != 1))
            __builtin_trap();

        for (size_t i = 0; i < rows.size(); ++i) rows[i].place = i;
        auto compare = [&](const Row& a, const Row& b) {
            return CompareByKeys(keys, std::ssize(a.texts), std::ssize(b.texts),
                                 [&](int c) { return OrdinalCompare(a.texts.at(c), b.texts.at(c)); });
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return compare(a, b) < 0; });
        for (size_t i = 1; i < rows.size(); ++i) {
            const int r = compare(rows[i - 1], rows[i]);
            if (r > 0 || compare(rows[i], rows[i - 1]) != -r || (r == 0 && rows[i - 1].place > rows[i].place))
                __builtin_trap();
        }
    }
    return 0;
}
