// Reads arbitrary text (mostly pieces of conditions, some raw characters) as a condition, with and
// without bound values. Reading must end without a fault, and whatever it takes must be written by
// the builder as a text that reads back into rows writing that same text.
#include "condlist/ConditionParser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace listedit::condlist;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

const std::vector<ParseField> kFields = {
    {L"NAME", 1, {}},       {L"SALARY", 2, {}},    {L"AGE", 3, {}},
    {L"Order Date", 4, {}}, {L"Order", 5, {}},     {L"城市", 6, {L"01-North", L"02", L"-x"}},
    {L"ACTIVE", 7, {}},     {L"DEPT", 8, {L"IT"}}, {L" name ", 1, {}},
    {L"", 3, {}},
};

// Whole terms and joints, so that long conditions that read are common, and pieces of tokens and raw
// characters, so that near misses are too.
const wchar_t* const kTerms[] = {L"NAME = 'x'",          L"AGE > 1",    L"城市 = '01'",
                                 L"[Order Date] <= 'd'", L"ACTIVE = ?", L"DEPT Not Like 'I''T'",
                                 L"Order=-.5",           L"name like ?"};
const wchar_t* const kJoints[] = {L" and ", L" or ", L"(", L")", L" ) ", L"OR"};
const wchar_t* const kPieces[] = {
    L"NAME", L"AGE", L"Order", L"Order Date", L"城市", L"DEPT", L" ",   L"\t",  L"(",   L")",      L"'",
    L"''",   L"=",   L"<>",    L"<",          L">",    L"Like", L"Not", L"and", L"or",  L"?",      L"1",
    L".",    L"-",   L"x",     L"[",          L"]",    L"\"",   L"`",   L"01",  L"AND", L"\u3000", L"name"};

std::vector<ConditionRow> Rows(const ParseResult& result,
                               std::vector<std::array<std::wstring, kCellCount>>& cells) {
    cells.clear();
    std::vector<ConditionRow> rows;
    for (const ParsedRow& row : result.rows) cells.push_back(CellsOf(row, kFields));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        ConditionRow& row = rows.emplace_back();
        for (int c = 0; c < kCellCount; ++c) row.cells[c] = cells[i][c];
        row.type = kFields[result.rows[i].field].type;
    }
    return rows;
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
    std::wstring text;
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            text += in.PickValueInArray(kTerms);
            break;
        case 1:
            text += in.PickValueInArray(kJoints);
            break;
        case 2:
            text += in.PickValueInArray(kPieces);
            break;
        default:
            text += static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>());
            break;
        }
    }
    ParseOptions options;
    options.parameters = values;
    options.parameterTypes = types;
    const ParseResult parsed = ParseCondition(text, kFields, options);
    if (!parsed.ok()) {
        Check(parsed.rows.empty() && parsed.error.pos <= text.size());
        return 0;
    }

    std::vector<std::array<std::wstring, kCellCount>> cells;
    const std::vector<ConditionRow> rows = Rows(parsed, cells);
    const std::wstring written = BuildConditionText(rows, {}, true);
    const ParseResult again = ParseCondition(written, kFields);
    Check(again.ok());
    std::vector<std::array<std::wstring, kCellCount>> cellsAgain;
    Check(BuildConditionText(Rows(again, cellsAgain), {}, true) == written);

    const ParameterizedCondition bound = BuildParameterizedCondition(rows);
    ParseOptions boundOptions;
    boundOptions.parameters = bound.values;
    boundOptions.parameterTypes = bound.types;
    const ParseResult boundAgain = ParseCondition(bound.text, kFields, boundOptions);
    Check(boundAgain.ok());
    Check(BuildParameterizedCondition(Rows(boundAgain, cellsAgain)).text == bound.text);
    return 0;
}
