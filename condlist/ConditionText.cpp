#include "condlist/ConditionText.h"

namespace listedit::condlist {

namespace {

bool IsBlank(wchar_t c) {
    switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

// Type codes whose values are quoted in the text.
bool IsQuoted(int type) {
    return type == 1 || type == 4 || type == 6 || type == 8;
}

constexpr int kListType = 6;

} // namespace

std::wstring_view TrimBlank(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::wstring ConditionWord(std::wstring_view label) {
    std::wstring_view word = L"and";
    if (label != L"无") {
        word = label.substr(0, label.empty() ? 0 : label.size() - 1);
        const size_t open = word.find(L'(');
        if (open != std::wstring_view::npos) word.remove_prefix(open + 1);
    }
    std::wstring result;
    result.reserve(word.size() + 2);
    result += L' ';
    result += word;
    result += L' ';
    return result;
}

std::wstring_view ParameterValue(std::wstring_view value, int type) {
    if (type == kListType) value = value.substr(0, value.find(L'-'));
    return value;
}

std::wstring QuotedValue(std::wstring_view value, int type) {
    if (!IsQuoted(type)) return std::wstring(value);
    value = ParameterValue(value, type);
    std::wstring result;
    result.reserve(value.size() + 2);
    result += L'\'';
    result += value;
    result += L'\'';
    return result;
}

void ConditionTextBuilder::AddRow(const ConditionRow& row, std::wstring_view valueTerm) {
    if (m_next >= m_rowCount) return;
    const size_t i = m_next++;
    const bool last = i + 1 == m_rowCount;
    auto cell = [&](Cell c) { return TrimBlank(row.cells[c]); };

    auto appendTerm = [&] {
        m_text += cell(kField);
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

std::wstring BuildConditionText(std::span<const ConditionRow> rows) {
    ConditionTextBuilder builder(rows.size());
    for (const ConditionRow& row : rows)
        builder.AddRow(row, QuotedValue(TrimBlank(row.cells[kValue]), row.type));
    return builder.Finish();
}

ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionRow> rows) {
    ParameterizedCondition result;
    ConditionTextBuilder builder(rows.size());
    for (const ConditionRow& row : rows) {
        builder.AddRow(row, L"?");
        result.values.emplace_back(ParameterValue(TrimBlank(row.cells[kValue]), row.type));
        result.types.push_back(row.type);
    }
    result.text = builder.Finish();
    return result;
}

} // namespace listedit::condlist
