// Runs arbitrary conditions on arbitrary records: the compiled program (tests and jumps) gives what
// each term alone gives, joined as the text reads ("and" before "or", its parentheses), and Like
// is what a plain recursive reading of the pattern says.
#include "condlist/ConditionFilter.h"
#include "condlist/ConditionText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace listedit::condlist;

namespace {

bool LikeReference(std::wstring_view text, std::wstring_view pattern) {
    if (pattern.empty()) return text.empty();
    if (pattern[0] == L'%')
        return LikeReference(text, pattern.substr(1)) ||
               (!text.empty() && LikeReference(text.substr(1), pattern));
    if (text.empty()) return false;
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c + 32 : c; };
    return (pattern[0] == L'_' || fold(pattern[0]) == fold(text[0])) &&
           LikeReference(text.substr(1), pattern.substr(1));
}

// The joined value of the terms' own results, by precedence climbing over the text's tokens.
struct Reference {
    std::vector<int> tokens; // 0 "(", 1 ")", 2 "and", 3 "or", 4 + r for a term whose result is r
    std::size_t next = 0;
    bool Or() {
        bool value = And();
        while (next < tokens.size() && tokens[next] == 3) ++next, value = And() || value;
        return value;
    }
    bool And() {
        bool value = Primary();
        while (next < tokens.size() && tokens[next] == 2) ++next, value = Primary() && value;
        return value;
    }
    bool Primary() {
        if (tokens[next] == 0) {
            ++next;
            const bool value = Or();
            ++next; // ")"
            return value;
        }
        return tokens[next++] == 5;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto pick = [&](std::size_t most) {
        static constexpr std::wstring_view alphabet = L"aA1-.%_ 2\u00e9";
        std::wstring s(in.ConsumeIntegralInRange<size_t>(0, most), L' ');
        for (wchar_t& c : s) c = alphabet[in.ConsumeIntegralInRange<size_t>(0, alphabet.size() - 1)];
        return s;
    };
    const std::wstring text = pick(8), pattern = pick(6);
    if (LikeMatches(text, pattern) != LikeReference(text, pattern)) __builtin_trap();

    Condition condition;
    for (int f = 0, n = in.ConsumeIntegralInRange(1, 4); f < n; ++f)
        condition.fields.push_back({in.ConsumeBool() ? L"A" : L"b", in.ConsumeIntegralInRange(-1, 10), {}});
    std::vector<FieldColumn> columns;
    for (int c = 0, n = in.ConsumeIntegralInRange(0, 3); c < n; ++c)
        columns.push_back({in.ConsumeBool() ? L"a" : L"b", in.ConsumeIntegralInRange<std::size_t>(0, 5)});
    condition.terms.resize(in.ConsumeIntegralInRange<size_t>(0, 8));
    for (ConditionTerm& term : condition.terms) {
        term.field = in.ConsumeIntegralInRange<size_t>(0, condition.fields.size() - 1);
        term.comparison = static_cast<Comparison>(in.ConsumeIntegralInRange<int>(0, kComparisonCount - 1));
        term.value = pick(4);
        term.relation = static_cast<Relation>(in.ConsumeIntegralInRange<int>(0, kRelationCount - 1));
        term.open = in.ConsumeBool();
        term.close = in.ConsumeBool();
        if (in.ConsumeIntegralInRange(0, 15) == 0) term.otherRelation = L"x(xor)";
    }
    std::vector<std::wstring> record;
    for (int c = 0, n = in.ConsumeIntegralInRange(0, 6); c < n; ++c) record.push_back(pick(5));
    const std::wstring separator = in.ConsumeBool() ? L"-" : L"";

    const ConditionProgram program(condition, columns, separator);
    Reference reference;
    bool valid = true;
    std::size_t open = 0;
    for (std::size_t i = 0; i < condition.terms.size(); ++i) {
        const ConditionTerm& term = condition.terms[i];
        const TermBrackets brackets = NextBrackets(term, i, condition.terms.size(), open);
        if (brackets.open) reference.tokens.push_back(0);
        const ConditionProgram alone(Condition{condition.fields, {term}}, columns, separator);
        reference.tokens.push_back(4 + alone.Matches(record));
        if (brackets.close) reference.tokens.push_back(1);
        if (i + 1 < condition.terms.size()) {
            valid = valid && !term.otherRelation;
            reference.tokens.push_back(term.relation == kRelationOr ? 3 : 2);
        }
    }
    reference.tokens.insert(reference.tokens.end(), open, 1);
    const bool expected = valid && (reference.tokens.empty() || reference.Or());
    if (program.IsValid() != valid || program.Matches(record) != expected) __builtin_trap();
    return 0;
}
