// Window-free typed ordering of the string-data sortable lists.
#include "TypedKeys.h"

#include "datawnd/ValueText.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace listedit::sortlist {

namespace {

using datawnd::ReadNumber;

std::optional<int> ReadDay(std::wstring_view text) {
    const std::optional<datawnd::DateFields> date = datawnd::ReadDate(text);
    return date ? std::optional<int>(datawnd::DaySerial(*date)) : std::nullopt;
}

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

int Sign(int r) {
    return (r > 0) - (r < 0);
}

} // namespace

wchar_t FoldCase(wchar_t ch) {
    if (ch < 0x80) return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 0x20) : ch;
    if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) || (ch >= 0x391 && ch <= 0x3AB && ch != 0x3A2) ||
        (ch >= 0x410 && ch <= 0x42F))
        return static_cast<wchar_t>(ch + 0x20);
    if (ch >= 0x400 && ch <= 0x40F) return static_cast<wchar_t>(ch + 0x50);
    return ch;
}

int NaturalCompare(std::wstring_view a, std::wstring_view b) {
    std::size_t i = 0, j = 0;
    // The positions only ever step to the ends of their texts.
    while (i != a.size() && j != b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i != a.size() && a[i] == L'0') ++i;
            while (j != b.size() && b[j] == L'0') ++j;
            std::size_t ei = i, ej = j;
            while (ei != a.size() && IsDigit(a[ei])) ++ei;
            while (ej != b.size() && IsDigit(b[ej])) ++ej;
            // More significant digits is the larger number; as many, the first digit that differs.
            if (const int d = static_cast<int>(ei - i) - static_cast<int>(ej - j)) return Sign(d);
            if (const int r = a.substr(i, ei - i).compare(b.substr(j, ej - j))) return Sign(r);
            i = ei, j = ej;
            continue;
        }
        const wchar_t ca = FoldCase(a[i]), cb = FoldCase(b[j]);
        if (const int d = int(ca) - int(cb)) return Sign(d);
        ++i, ++j;
    }
    const bool aLeft = i != a.size(), bLeft = j != b.size();
    return aLeft == bLeft ? 0 : aLeft ? 1 : -1;
}

int CompareTyped(SortType type, std::wstring_view a, std::wstring_view b, TextCompare natural) {
    switch (type) {
    case SortType::Number: {
        const std::optional<double> x = ReadNumber(a), y = ReadNumber(b);
        if (!x || !y) return int(bool(x)) - int(bool(y));
        return (*x > *y) - (*x < *y);
    }
    case SortType::Date: {
        const std::optional<int> x = ReadDay(a), y = ReadDay(b);
        if (!x || !y) return int(bool(x)) - int(bool(y));
        return (*x > *y) - (*x < *y);
    }
    case SortType::Natural:
        return Sign(natural(a, b));
    case SortType::Text:
        break;
    }
    return Sign(a.compare(b));
}

std::uint64_t KeyOf(SortType type, std::wstring_view text) {
    switch (type) {
    case SortType::Number: {
        const std::optional<double> x = ReadNumber(text);
        if (!x) return 0;
        // The bits of a double ordered as its value: negative ones reversed below the positive.
        const auto bits = std::bit_cast<std::uint64_t>(*x + 0.0); // minus zero is zero
        // Never 0, the key of the invalid texts: that would be the bits of a NaN.
        return bits & (std::uint64_t{1} << 63) ? ~bits : bits | (std::uint64_t{1} << 63);
    }
    case SortType::Date: {
        const std::optional<int> day = ReadDay(text);
        return day ? static_cast<std::uint64_t>(*day) : 0;
    }
    case SortType::Natural:
        return 0;
    case SortType::Text:
        break;
    }
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 4; ++i)
        key = key << 16 | (i < text.size() ? static_cast<std::uint16_t>(text[i]) : 0u);
    return key;
}

void RadixSortByValue(std::vector<KeyEntry>& entries, bool ascending) {
    // Four stable passes over 16-bit digits, least significant first; a pass whose digit all the
    // entries share changes nothing and is skipped. Descending sorts the complement.
    if (entries.empty()) return;
    const std::size_t n = entries.size();
    std::vector<KeyEntry> spare(n);
    std::vector<std::size_t> count(std::size_t{1} << 16);
    const std::uint64_t flip = ascending ? 0 : ~std::uint64_t{0};
    for (int shift = 0; shift < 64; shift += 16) {
        std::fill(count.begin(), count.end(), 0);
        auto digit = [&](const KeyEntry& e) {
            return static_cast<std::size_t>(((e.value ^ flip) >> shift) & 0xFFFF);
        };
        for (const KeyEntry& e : entries) ++count[digit(e)];
        if (count[digit(entries.front())] == n) continue;
        std::size_t sum = 0;
        for (std::size_t& c : count) sum += std::exchange(c, sum);
        for (const KeyEntry& e : entries) spare[count[digit(e)]++] = e;
        entries.swap(spare);
    }
}

} // namespace listedit::sortlist
