#include "condlist/ConditionText.h"

namespace listedit::condlist {

namespace {

// One text between two edge characters: a value between quotes, an operator between spaces.
std::wstring Between(wchar_t edge, std::wstring_view inner) {
    std::wstring result;
    result.reserve(inner.size() + 2);
    result += edge;
    result += inner;
    result += edge;
    return result;
}

} // namespace

std::wstring ConditionWord(std::wstring_view label) {
    std::wstring_view word = L"and";
    if (label != L"无") {
        word = label.substr(0, label.empty() ? 0 : label.size() - 1);
        const size_t open = word.find(L'(');
        if (open != std::wstring_view::npos) word.remove_prefix(open + 1);
    }
    return Between(L' ', word);
}

std::wstring_view ParameterValue(std::wstring_view value, int type) {
    return TraitsOf(type).listCode ? datawnd::ListCode(value) : value;
}

std::wstring QuotedValue(std::wstring_view value, int type, bool doubleQuotes) {
    if (!IsQuotedType(type)) return std::wstring(value);
    value = ParameterValue(value, type);
    if (!doubleQuotes) return Between(L'\'', value);
    std::wstring doubled;
    doubled.reserve(value.size() + 4);
    for (const wchar_t c : value) {
        doubled += c;
        if (c == L'\'') doubled += c;
    }
    return Between(L'\'', doubled);
}

void ConditionTextBuilder::AddRow(const ConditionRow& row, std::wstring_view valueTerm) {
    if (m_next >= m_rowCount) return;
    const size_t i = m_next++;
    const bool last = i + 1 == m_rowCount;
    auto cell = [&](Cell c) { return TrimBlank(row.cells[c]); };

    auto appendTerm = [&] {
        m_text += m_quotes.open;
        m_text += cell(kField);
        m_text += m_quotes.close;
        m_text += ConditionWord(cell(kComparison));
        m_text += valueTerm;
    };
    const bool brackets = m_rowCount > 2;
    const bool opens = cell(kLeftBracket) == L"(";
    const bool closes = cell(kRightBracket) == L")";
    if (brackets && !last && opens && !closes) {
        ++m_open;
        m_text += L'(';
        appendTerm();
    } else if (brackets && closes && m_open > 0) {
        --m_open;
        appendTerm();
        m_text += L')';
    } else {
        appendTerm();
    }
    if (!last) m_text += ConditionWord(cell(kRelation));
}

std::wstring ConditionTextBuilder::Finish() {
    m_text.append(m_open, L')');
    m_open = 0;
    return std::move(m_text);
}

std::wstring BuildConditionText(std::span<const ConditionRow> rows, FieldNameQuotes quotes,
                                bool doubleQuotes) {
    ConditionTextBuilder builder(rows.size(), quotes);
    for (const ConditionRow& row : rows)
        builder.AddRow(row, QuotedValue(TrimBlank(row.cells[kValue]), row.type, doubleQuotes));
    return builder.Finish();
}

ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionRow> rows,
                                                   FieldNameQuotes quotes) {
    ParameterizedCondition result;
    ConditionTextBuilder builder(rows.size(), quotes);
    for (const ConditionRow& row : rows) {
        builder.AddRow(row, L"?");
        result.values.emplace_back(ParameterValue(TrimBlank(row.cells[kValue]), row.type));
        result.types.push_back(row.type);
    }
    result.text = builder.Finish();
    return result;
}

} // namespace listedit::condlist
