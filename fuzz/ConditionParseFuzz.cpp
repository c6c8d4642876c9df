// Reads arbitrary text (whole terms, joints, pieces of tokens and raw characters) as a condition,
// with and without bound values. Reading must end without a fault, and whatever it takes must be
// written by the builder as a text that reads back into rows writing that same text.
#include "condlist/ConditionParser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

using namespace listedit::condlist;

namespace {

const std::vector<ParseField> kFields = {
    {L"NAME", 1, {}},      {L"AGE", 3, {}},    {L"Order Date", 4, {}}, {L"Order", 5, {}},
    {L"DEPT", 8, {L"IT"}}, {L" name ", 1, {}}, {L"", 3, {}},           {L"城市", 6, {L"01-North", L"-x"}},
};

// What the builder writes for rows read from a text, held in the cells of a label set and read
// from them: the values in the text, and the values bound.
std::pair<std::wstring, ParameterizedCondition> Written(const ParseResult& parsed,
                                                        const LabelSet& labels = ChineseLabels()) {
    std::vector<std::array<std::wstring, kCellCount>> cells(parsed.rows.size());
    std::vector<ConditionRow> rows(cells.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        cells[i] = CellsOf(parsed.rows[i], kFields, labels);
        std::copy(cells[i].begin(), cells[i].end(), rows[i].cells.begin());
        rows[i].type = kFields[parsed.rows[i].field].type;
    }
    const Condition read = ReadRows(rows, kFields, labels);
    return {BuildConditionText(read.terms, read.fields, {}, ValueOptions{true}),
            BuildParameterizedCondition(read.terms, read.fields)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<std::wstring> values;
    std::vector<int> types;
    for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 3); n > 0; --n) {
        values.push_back(in.PickValueInArray({L"1", L"-2.5", L"x", L"01", L"O'N", L""}));
        types.push_back(in.ConsumeIntegralInRange(1, 8));
    }
    const LabelSet& labels = in.ConsumeBool() ? EnglishLabels() : ChineseLabels();
    std::wstring text;
    while (in.remaining_bytes() > 0) {
        text += in.ConsumeBool()
                    ? std::wstring(in.PickValueInArray(
                          {L"NAME = 'x'", L"AGE > 1", L"城市 = '01'", L"[Order Date] <= 'd'", L"AGE = ?",
                           L"DEPT Not Like 'I''T'", L"Order=-.5", L"name like ?", L" and ", L" or ", L"(",
                           L")", L"'", L"Not", L"Like", L"[", L"\"", L"\u3000"}))
                    : std::wstring(1, static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>()));
    }
    const ParseResult parsed = ParseCondition(text, kFields, {{}, {}, values, types});
    if (!parsed.ok()) {
        if (!parsed.rows.empty() || parsed.error.pos > text.size()) __builtin_trap();
        return 0;
    }
    // Both forms of what was taken read back into rows that write them again.
    const auto [written, bound] = Written(parsed);
    // The same through the cells of another label set.
    if (Written(parsed, labels).first != written) __builtin_trap();
    const ParseResult fromText = ParseCondition(written, kFields);
    const ParseResult fromBound = ParseCondition(bound.text, kFields, {{}, {}, bound.values, bound.types});
    if (!fromText.ok() || !fromBound.ok() || Written(fromText).first != written) __builtin_trap();
    const ParameterizedCondition again = Written(fromBound).second;
    if (std::tie(again.text, again.values, again.types) != std::tie(bound.text, bound.values, bound.types))
        __builtin_trap();
    return 0;
}
