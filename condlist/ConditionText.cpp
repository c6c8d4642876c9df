#include "condlist/ConditionText.h"

#include <algorithm>

namespace listedit::condlist {

std::wstring ParameterValue(std::wstring_view value, int type, const ValueOptions& options) {
    const ValueTraits& traits = TraitsOf(type);
    if (traits.listCode) return std::wstring(datawnd::ListCode(value, options.listSeparator));
    if (options.isoDates && traits.editor == ValueEditor::Date)
        if (const auto date = datawnd::ReadDate(value)) return datawnd::FormatIsoDate(*date);
    std::wstring text(value);
    if (traits.editor == ValueEditor::Number)
        std::replace(text.begin(), text.end(), options.decimalSeparator, L'.');
    return text;
}

std::wstring QuotedValue(std::wstring_view value, int type, const ValueOptions& options) {
    if (!IsQuotedType(type)) return ParameterValue(value, type, options);
    const std::wstring inner = ParameterValue(value, type, options);
    std::wstring quoted;
    quoted.reserve(inner.size() + 4);
    quoted += L'\'';
    for (const wchar_t c : inner) {
        quoted += c;
        if (c == L'\'' && options.doubleQuotes) quoted += c;
    }
    quoted += L'\'';
    return quoted;
}

TermBrackets NextBrackets(const ConditionTerm& term, std::size_t index, std::size_t termCount,
                          std::size_t& open) {
    const bool brackets = termCount > 2;
    if (brackets && index + 1 < termCount && term.open && !term.close) {
        ++open;
        return {true, false};
    }
    if (brackets && term.close && open > 0) {
        --open;
        return {false, true};
    }
    return {};
}

void ConditionTextBuilder::AddTerm(const ConditionTerm& term, std::wstring_view valueTerm) {
    Append(term, m_fields[term.field].name, valueTerm);
}

void ConditionTextBuilder::AddRow(const ConditionRow& row, std::wstring_view valueTerm) {
    m_rowFields.clear();
    const ConditionTerm term = ReadCells(row.cells, row.type, m_rowFields, ChineseLabels());
    Append(term, m_rowFields[term.field].name, valueTerm);
}

void ConditionTextBuilder::Append(const ConditionTerm& term, std::wstring_view fieldName,
                                  std::wstring_view valueTerm) {
    if (m_next >= m_rowCount) return;
    const std::size_t i = m_next++;
    const bool last = i + 1 == m_rowCount;

    const TermBrackets brackets = NextBrackets(term, i, m_rowCount, m_open);
    if (brackets.open) m_text += L'(';
    m_text += m_quotes.open;
    m_text += TrimBlank(fieldName);
    m_text += m_quotes.close;
    m_text += L' ';
    m_text += ComparisonWordOf(term);
    m_text += L' ';
    m_text += valueTerm;
    if (brackets.close) m_text += L')';
    if (!last) {
        m_text += L' ';
        m_text += RelationWordOf(term);
        m_text += L' ';
    }
}

std::wstring ConditionTextBuilder::Finish() {
    m_text.append(m_open, L')');
    m_open = 0;
    return std::move(m_text);
}

std::wstring BuildConditionText(std::span<const ConditionTerm> terms, std::span<const ConditionField> fields,
                                FieldNameQuotes quotes, const ValueOptions& values) {
    ConditionTextBuilder builder(terms.size(), fields, quotes);
    for (const ConditionTerm& term : terms)
        builder.AddTerm(term, QuotedValue(TrimBlank(term.value), fields[term.field].type, values));
    return builder.Finish();
}

ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionTerm> terms,
                                                   std::span<const ConditionField> fields,
                                                   FieldNameQuotes quotes, const ValueOptions& values) {
    ParameterizedCondition result;
    ConditionTextBuilder builder(terms.size(), fields, quotes);
    for (const ConditionTerm& term : terms) {
        const int type = fields[term.field].type;
        builder.AddTerm(term, L"?");
        result.values.push_back(ParameterValue(TrimBlank(term.value), type, values));
        result.types.push_back(type);
    }
    result.text = builder.Finish();
    return result;
}

Condition ReadRows(std::span<const ConditionRow> rows, std::vector<ConditionField> fields,
                   const LabelSet& labels) {
    Condition condition{std::move(fields), {}};
    condition.terms.reserve(rows.size());
    for (const ConditionRow& row : rows)
        condition.terms.push_back(ReadCells(row.cells, row.type, condition.fields, labels));
    return condition;
}

std::wstring BuildConditionText(std::span<const ConditionRow> rows, FieldNameQuotes quotes,
                                bool doubleQuotes) {
    const Condition condition = ReadRows(rows);
    return BuildConditionText(condition.terms, condition.fields, quotes, ValueOptions{doubleQuotes});
}

ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionRow> rows,
                                                   FieldNameQuotes quotes) {
    const Condition condition = ReadRows(rows);
    return BuildParameterizedCondition(condition.terms, condition.fields, quotes);
}

} // namespace listedit::condlist
