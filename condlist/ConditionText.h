// Window-free text of a composed condition: each committed row of the condition list (its six cells
// and its field type code) in, the SQL condition out, either with the values written into the text
// or with a "?" placeholder per value and the values listed in order for binding.
#pragma once
#include "datawnd/ValueText.h"

#include <listedit/datawnd/ValueType.h>

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::condlist {

// The cells of a row, by column.
enum Cell : int { kLeftBracket, kField, kComparison, kValue, kRightBracket, kRelation, kCellCount };

// One committed row as the list holds it; the cells are read as they stand (untrimmed).
struct ConditionRow {
    std::array<std::wstring_view, kCellCount> cells;
    int type = 0; // the field type code stored with the row
};

// Cells are read with white space (the ideographic space included) around them stripped, so that
// the blank parenthesis entry " " reads as an empty cell.
using datawnd::IsBlank;
using datawnd::TrimBlank;

// The SQL word of a comparison or relation label, with one space on each side: "等于(=)" gives
// " = ", "或(or)" gives " or ", and "无" joins like "and". Any other label yields what stands
// between its first "(" and its last character.
std::wstring ConditionWord(std::wstring_view label);

// Whether a type code's values are written between single quotes (text, date, list, combo).
inline bool IsQuotedType(int type) {
    return TraitsOf(type).quoted;
}

// A value as written into the text by its field type: quoted for text, date, list and combo types
// (a list value cut before its first "-"), unchanged for numbers, check states and unknown codes.
// A quote inside a quoted value is copied as it stands, or doubled when doubleQuotes is set, so
// that the value cannot end the string early.
std::wstring QuotedValue(std::wstring_view value, int type, bool doubleQuotes = false);

// A value as bound to its placeholder: the text itself, a list value cut before its first "-".
std::wstring_view ParameterValue(std::wstring_view value, int type);

// How field names are written: between nameOpen and nameClose (both empty: bare).
struct FieldNameQuotes {
    std::wstring_view open;
    std::wstring_view close;
};

// Joins the rows in order. The count of rows is fixed up front because parentheses take part only
// from three rows on and the last row's relation is never used. Each row's value term (quoted
// value, placeholder or whatever a caller formats) is supplied with the row; everything else is
// read from the trimmed cells. Appending is amortised constant, so the text grows in linear time.
class ConditionTextBuilder {
public:
    explicit ConditionTextBuilder(std::size_t rowCount, FieldNameQuotes quotes = {})
        : m_rowCount(rowCount), m_quotes(quotes) {}
    // Rows past the count given at construction are ignored.
    void AddRow(const ConditionRow& row, std::wstring_view valueTerm);
    // Closes what is still open and hands out the text.
    std::wstring Finish();

private:
    std::size_t m_rowCount;
    FieldNameQuotes m_quotes;
    std::size_t m_next = 0;
    std::size_t m_open = 0;
    std::wstring m_text;
};

// The condition with each value quoted by its type (QuotedValue).
std::wstring BuildConditionText(std::span<const ConditionRow> rows, FieldNameQuotes quotes = {},
                                bool doubleQuotes = false);

struct ParameterizedCondition {
    std::wstring text;                // the condition with "?" for each value
    std::vector<std::wstring> values; // in placeholder order (ParameterValue)
    std::vector<int> types;           // the field type code beside each value
};
ParameterizedCondition BuildParameterizedCondition(std::span<const ConditionRow> rows,
                                                   FieldNameQuotes quotes = {});

} // namespace listedit::condlist
