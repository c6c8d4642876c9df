// Builds the condition text from arbitrary rows: the parentheses balance (none below three rows), and
// the text form is the parameterized form with each "?" replaced by the quoted value bound to it.
#include "condlist/ConditionText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

using namespace listedit::condlist;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    // Cells without "(", ")" or "?", so that those in the text come from the rows' structure alone.
    auto pick = [&] {
        static constexpr std::wstring_view alphabet = L"ab01-' %\t\u3000";
        std::wstring s(in.ConsumeIntegralInRange<size_t>(0, 6), L' ');
        for (wchar_t& c : s) c = alphabet[in.ConsumeIntegralInRange<size_t>(0, alphabet.size() - 1)];
        return s;
    };
    auto label = [&] {
        return in.PickValueInArray({L"等于(=)", L"不等于(<>)", L"大于(>)", L"小于(<)", L"大于等于(>=)",
                                    L"小于等于(<=)", L"象(Like)", L"不象(Not Like)", L"无", L"与(and)",
                                    L"或(or)", L"", L"x"});
    };
    auto bracket = [&](const wchar_t* b) { return in.ConsumeBool() ? b : in.ConsumeBool() ? L"" : L" \t"; };
    std::vector<std::array<std::wstring, kCellCount>> cells(in.ConsumeIntegralInRange<size_t>(0, 12));
    std::vector<ConditionRow> rows(cells.size());
    for (size_t r = 0; r < cells.size(); ++r) {
        cells[r] = {bracket(L"("), pick(), label(), pick(), bracket(L")"), label()};
        std::copy(cells[r].begin(), cells[r].end(), rows[r].cells.begin());
        rows[r].type = in.ConsumeIntegralInRange(-1, 10);
    }
    const std::wstring text = BuildConditionText(rows);
    const ParameterizedCondition p = BuildParameterizedCondition(rows);
    if (p.values.size() != rows.size() || p.types.size() != rows.size()) __builtin_trap();

    long depth = 0;
    for (wchar_t c : text)
        if ((depth += c == L'(' ? 1 : c == L')' ? -1 : 0) < 0 || (rows.size() < 3 && depth > 0))
            __builtin_trap();
    std::wstring substituted;
    size_t next = 0;
    for (wchar_t c : p.text) {
        if (c == L'?' && next == p.values.size()) __builtin_trap();
        substituted += c == L'?' ? QuotedValue(p.values[next], p.types[next]) : std::wstring(1, c);
        next += c == L'?';
    }
    if (depth != 0 || next != p.values.size() || substituted != text) __builtin_trap();
    return 0;
}
