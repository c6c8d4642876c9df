// Window-free text of a composed condition: its terms in, the SQL condition out, either with the
// values written into the text or with a "?" placeholder per value and the values listed in order
// for binding. Rows read from a list's cells come in through the model (ReadCells).
#pragma once
#include "condlist/ConditionModel.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::condlist {

// Cells are read with white space (the ideographic space included) around them stripped, so that
// the blank parenthesis entry " " reads as an empty cell.
using datawnd::IsBlank;
using datawnd::TrimBlank;

// Whether a type code's values are written between single quotes (text, date, list, combo).
inline bool IsQuotedType(int type) {
    return TraitsOf(type).quoted;
}

// How values are written beyond their type's quoting.
struct ValueOptions {
    bool doubleQuotes = false;              // a quote inside a quoted value is doubled
    std::wstring_view listSeparator = L"-"; // a list value is cut before its first one; empty: whole
    bool isoDates = false;                  // a date value is written YYYY-MM-DD
    wchar_t decimalSeparator = L'.';        // a number value is shown with it; SQL takes '.'
};

// A value as written into the text by its field type: quoted for text, date, list and combo types
// (a list value cut before its separator), unchanged for numbers (but for the decimal separator,
// written '.'), check states and unknown codes.
// A quote inside a quoted value is copied as it stands, or doubled when asked, so that the value
// cannot end the string early.
std::wstring QuotedValue(std::wstring_view value, int type, const ValueOptions& options);
inline std::wstring QuotedValue(std::wstring_view value, int type, bool doubleQuotes = false) {
    return QuotedValue(value, type, ValueOptions{doubleQuotes});
}

// A value as bound to its placeholder: the text itself, a list value cut before its separator, a
// date in ISO form when asked.
std::wstring ParameterValue(std::wstring_view value, int type, const ValueOptions& options = {});

// How field names are written: between nameOpen and nameClose (both empty: bare).
struct FieldNameQuotes {
    std::wstring_view open;
    std::wstring_view close;
};

// The parentheses a term stands between in the text: whether it opens one before it and closes one
// after it. Parentheses take part only from three terms on; a term opens one unless it is the last
// or also closes, and closes one only while one is open. open counts those still open, and what is
// open after the last term is closed at the end.
struct TermBrackets {
    bool open = false;
    bool close = false;
};
TermBrackets NextBrackets(const ConditionTerm& term, std::size_t index, std::size_t termCount,
                          std::size_t& open);

// Joins the terms in order. The count of terms is fixed up front because parentheses take part
// only from three terms on and the last term's relation is never used. Each term's value (quoted
// value, placeholder or whatever a caller formats) is supplied with it; the field's name comes from
// the field list. Appending is amortised constant, so the text grows in linear time.
struct ConditionRow;
class ConditionTextBuilder {
public:
    explicit ConditionTextBuilder(std::size_t rowCount, std::span<const ConditionField> fields = {},
                                  FieldNameQuotes quotes = {})
        : m_rowCount(rowCount), m_fields(fields), m_quotes(quotes) {}
    // Terms past the count given at construction are ignored.
    void AddTerm(const ConditionTerm& term, std::wstring_view valueTerm);
    // A row's cells holding the control's own labels, its field named by its cell.
    void AddRow(const ConditionRow& row, std::wstring_view valueTerm);
    // Closes what is still open and hands out the text.
    std::wstring Finish();

private:
    std::size_t m_rowCount;
    std::span<const ConditionField> m_fields;
    FieldNameQuotes m_quotes;
    std::size_t m_next = 0;
    std::size_t m_open = 0;
    std::wstring m_text;
    std::vector<ConditionField> m_rowFields; // the field a row's cell names

    void Append(const ConditionTerm& term, std::wstring_view fieldName, std::wstring_view valueTerm);
};

// The condition with each value quoted by its type (QuotedValue).
std::wstring BuildConditionText(std::span<const ConditionTerm> terms, std::span<const ConditionField> fields,
                                FieldNameQuotes quotes = {}, const ValueOptions& values = {});

struct ParameterizedCondition {
    std::wstring text;                // the condition with "?" for each value
    std::vector<std::wstring> values; // in placeholder order (ParameterValue)
    std::vector<int> types;           // the field type code beside each value
};
ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionTerm> terms,
                                                   std::span<const ConditionField> fields,
                                                   FieldNameQuotes quotes = {},
                                                   const ValueOptions& values = {});

// ---- rows as a list's cells hold them ----

// One row's six cells (untrimmed) and its field type code.
struct ConditionRow {
    std::array<std::wstring_view, kCellCount> cells;
    int type = 0;
};

// The rows read as a condition over fields (to which a row naming no field adds one), the labels
// by their position in labels.
Condition ReadRows(std::span<const ConditionRow> rows, std::vector<ConditionField> fields = {},
                   const LabelSet& labels = ChineseLabels());

// The text of rows holding the control's own labels.
std::wstring BuildConditionText(std::span<const ConditionRow> rows, FieldNameQuotes quotes = {},
                                bool doubleQuotes = false);
ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionRow> rows,
                                                   FieldNameQuotes quotes = {});

} // namespace listedit::condlist
