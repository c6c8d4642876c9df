// Builds the condition text from arbitrary rows and checks what the two forms promise: the
// parentheses balance, and the text form is the parameterized form with each "?" replaced by the
// quoted value bound to it.
#include "condlist/ConditionText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace listedit::condlist;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

const wchar_t* const kLabels[] = {
    L"等于(=)",  L"不等于(<>)",     L"大于(>)", L"小于(<)", L"大于等于(>=)", L"小于等于(<=)",
    L"象(Like)", L"不象(Not Like)", L"无",      L"与(and)", L"或(or)",       L"",
    L"x"};

// Cells without "(", ")" or "?", so that those in the text come from the rows' structure alone.
std::wstring Pick(FuzzedDataProvider& in) {
    static constexpr std::wstring_view alphabet = L"ab01-' %\t\u3000";
    std::wstring s(in.ConsumeIntegralInRange<size_t>(0, 6), L' ');
    for (wchar_t& c : s) c = alphabet[in.ConsumeIntegralInRange<size_t>(0, alphabet.size() - 1)];
    return s;
}

const wchar_t* PickBracket(FuzzedDataProvider& in, const wchar_t* bracket) {
    static const wchar_t* const blank[] = {L" ", L"", L"\t"};
    return in.ConsumeBool() ? bracket : blank[in.ConsumeIntegralInRange(0, 2)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<std::array<std::wstring, kCellCount>> cells(in.ConsumeIntegralInRange<size_t>(0, 12));
    std::vector<ConditionRow> rows;
    for (auto& c : cells) {
        c[kLeftBracket] = PickBracket(in, L"(");
        c[kField] = Pick(in);
        c[kComparison] = in.PickValueInArray(kLabels);
        c[kValue] = Pick(in);
        c[kRightBracket] = PickBracket(in, L")");
        c[kRelation] = in.PickValueInArray(kLabels);
        ConditionRow row;
        for (int i = 0; i < kCellCount; ++i) row.cells[i] = c[i];
        row.type = in.ConsumeIntegralInRange(-1, 10);
        rows.push_back(row);
    }
    const std::wstring text = BuildConditionText(rows);
    const ParameterizedCondition p = BuildParameterizedCondition(rows);
    Check(p.values.size() == rows.size() && p.types.size() == rows.size());

    // Parentheses: balanced, never closing more than is open, none with fewer than three rows.
    long depth = 0;
    for (wchar_t c : text) {
        depth += c == L'(' ? 1 : c == L')' ? -1 : 0;
        Check(depth >= 0);
    }
    Check(depth == 0);
    if (rows.size() < 3) Check(std::count(text.begin(), text.end(), L'(') == 0);

    std::wstring substituted;
    size_t next = 0;
    for (wchar_t c : p.text) {
        if (c != L'?') {
            substituted += c;
            continue;
        }
        Check(next < p.values.size());
        substituted += QuotedValue(p.values[next], p.types[next]);
        ++next;
    }
    Check(next == p.values.size());
    Check(substituted == text);
    return 0;
}
