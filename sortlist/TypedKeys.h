// Window-free typed ordering of the string-data sortable lists: how a column of each sort type reads
// and compares its texts, and the sort by keys taken once per record, which gives the same order as
// a stable sort with those comparisons at a fraction of the cost.
#pragma once
#include <listedit/sortlist/SortKey.h>
#include <listedit/sortlist/SortType.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace listedit::sortlist {

// The lower-case form of a character for case-blind matching (Latin, Greek and Cyrillic letters).
wchar_t FoldCase(wchar_t ch);
// Blind to case, runs of decimal digits compared by value ("file9" < "file10" < "File11"); level
// when the texts differ only in case or in leading zeros. The natural order where the system
// offers none of its own.
int NaturalCompare(std::wstring_view a, std::wstring_view b);

using TextCompare = int (*)(std::wstring_view, std::wstring_view);

// The comparison of a column of the given type (negative, zero or positive). Numbers and days are
// read as the value types read them (datawnd/ValueText.h). Ascending, a text that is not a valid
// number or date comes before every valid one; two invalid ones are level.
int CompareTyped(SortType type, std::wstring_view a, std::wstring_view b,
                 TextCompare natural = NaturalCompare);

// A key of a text such that keys that differ order as CompareTyped does. Equal keys of numbers and
// dates are level; of texts they hold only the first four code units, and the whole texts decide.
// A natural text has no key of its own (0): its comparison decides every pair.
std::uint64_t KeyOf(SortType type, std::wstring_view text);

// A record's place in a sort by keys: the value of its first key and whether it holds the column.
struct KeyEntry {
    std::uint64_t value;
    std::uint32_t rec;
    std::uint32_t has;
};
// Sorts the entries stably by value, ascending or descending (a radix sort: no comparisons).
void RadixSortByValue(std::vector<KeyEntry>& entries, bool ascending);

// One key of a sort: the column, its direction, its type, and whether a comparison of the caller's
// decides its pairs (then no key is taken, as for a natural column).
struct KeyColumn {
    int nCol;
    bool bAsc;
    SortType type;
    bool bCallerCompares;
};

// Sorts `order` (indices of records below nRecords) stably by the keys, first key first, as
// std::stable_sort would with each column's comparison. text(record, column) gives a record's text
// of a column, nullopt when it lacks the column (it is then level on that key with every record);
// compare(key index, record, record) orders the pairs of a natural or caller-compared key.
template <class TextOf, class Compare>
void StableSortByKeys(std::vector<std::uint32_t>& order, std::size_t nRecords,
                      std::span<const KeyColumn> keys, TextOf&& text, Compare&& compare) {
    if (keys.empty()) return;
    constexpr std::uint8_t kHas = 1;
    const std::size_t nKeys = keys.size();
    // Per key and record: the key value and whether the record holds the column.
    std::vector<std::uint64_t> values(nKeys * nRecords);
    std::vector<std::uint8_t> has(nKeys * nRecords);
    // Every record holding every key column, no comparison of the caller's: the order is a strict
    // weak one, the stable sort of it unique, and the first key's values can be sorted by radix.
    bool bStrict = keys[0].type != SortType::Natural;
    for (std::size_t k = 0; k < nKeys; ++k) {
        const KeyColumn& key = keys[k];
        bStrict = bStrict && !key.bCallerCompares;
        for (std::uint32_t rec : order) {
            const std::optional<std::wstring_view> t = text(rec, key.nCol);
            if (!t) {
                bStrict = false;
                continue;
            }
            has[k * nRecords + rec] = kHas;
            if (!key.bCallerCompares) values[k * nRecords + rec] = KeyOf(key.type, *t);
        }
    }
    auto level = [&](std::size_t k, std::uint32_t a, std::uint32_t b) -> int {
        const KeyColumn& key = keys[k];
        if (key.bCallerCompares || key.type == SortType::Natural) return compare(k, a, b);
        if (key.type != SortType::Text) return 0;
        return text(a, key.nCol)->compare(*text(b, key.nCol));
    };
    auto cmp = [&](std::size_t k, std::uint32_t a, std::uint32_t b) -> int {
        const std::size_t ia = k * nRecords + a, ib = k * nRecords + b;
        if (!has[ia] || !has[ib]) return 0;
        int r = values[ia] < values[ib] ? -1 : values[ia] > values[ib] ? 1 : level(k, a, b);
        r = (r > 0) - (r < 0);
        return keys[k].bAsc ? r : -r;
    };
    std::vector<KeyEntry> entries(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) entries[i] = {values[order[i]], order[i], has[order[i]]};
    const bool bAsc = keys[0].bAsc;
    auto before = [&](const KeyEntry& a, const KeyEntry& b) {
        if (a.has && b.has && a.value != b.value) return (a.value < b.value) == bAsc;
        int r = cmp(0, a.rec, b.rec);
        for (std::size_t k = 1; r == 0 && k < nKeys; ++k) r = cmp(k, a.rec, b.rec);
        return r < 0;
    };
    if (!bStrict) {
        std::stable_sort(entries.begin(), entries.end(), before);
    } else {
        RadixSortByValue(entries, bAsc);
        // Records level on the first key's value: its whole text, then the later keys decide.
        if (keys[0].type == SortType::Text || nKeys > 1) {
            for (auto first = entries.begin(); first != entries.end();) {
                auto last = first + 1;
                while (last != entries.end() && last->value == first->value) ++last;
                if (last - first > 1) std::stable_sort(first, last, before);
                first = last;
            }
        }
    }
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = entries[i].rec;
}

} // namespace listedit::sortlist
