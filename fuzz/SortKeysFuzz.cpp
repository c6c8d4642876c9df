// Clicks and Shift+clicks on a list of short records, each followed by a stable sort by the keys
// the clicks leave; checks the keys and the order the list promises after every click.
#include "sortlist/SortKeys.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace listedit::sortlist;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

struct Row {
    std::vector<std::wstring> texts;
    int id; // the row's place before the first sort
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    constexpr int kColumns = 4;
    std::vector<Row> rows(in.ConsumeIntegralInRange<size_t>(0, 40));
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].id = static_cast<int>(i);
        rows[i].texts.resize(in.ConsumeIntegralInRange<size_t>(0, kColumns));
        for (auto& t : rows[i].texts)
            t = std::wstring(in.ConsumeIntegralInRange<size_t>(0, 2),
                             L'a' + in.ConsumeIntegralInRange<int>(0, 2));
    }
    std::vector<CSortKey> keys;
    while (in.remaining_bytes()) {
        const int column = in.ConsumeIntegralInRange<int>(0, kColumns);
        const bool add = in.ConsumeBool();
        const std::vector<CSortKey> before = keys;
        keys = ClickKeys(keys, column, add);
        // Every key is a distinct column; the clicked one is a key; a plain click leaves only it.
        for (size_t i = 0; i < keys.size(); ++i)
            for (size_t j = i + 1; j < keys.size(); ++j) Check(keys[i].nCol != keys[j].nCol);
        Check(std::any_of(keys.begin(), keys.end(), [&](const CSortKey& k) { return k.nCol == column; }));
        Check(add ? keys.size() >= before.size() && keys.size() <= before.size() + 1 : keys.size() == 1);

        std::vector<int> previous(rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            previous[static_cast<size_t>(rows[i].id)] = static_cast<int>(i);
        auto compare = [&](const Row& a, const Row& b) {
            return CompareByKeys(keys, std::ssize(a.texts), std::ssize(b.texts), [&](int c) {
                return OrdinalCompare(a.texts[static_cast<size_t>(c)], b.texts[static_cast<size_t>(c)]);
            });
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const Row& a, const Row& b) { return compare(a, b) < 0; });
        for (size_t i = 1; i < rows.size(); ++i) {
            const int r = compare(rows[i - 1], rows[i]);
            Check(r <= 0);
            Check(compare(rows[i], rows[i - 1]) == -r); // the order is antisymmetric
            if (r == 0)
                Check(previous[static_cast<size_t>(rows[i - 1].id)] <
                      previous[static_cast<size_t>(rows[i].id)]);
        }
    }
    return 0;
}
