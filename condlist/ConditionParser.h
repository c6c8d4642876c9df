// Window-free reading of a condition text back into condition rows: the inverse of the condition
// text builder, so that a condition an application stored (as text, or as text with "?"
// placeholders and the values bound to them) can be shown again as rows for editing.
//
// The grammar is the one the builder writes:
//     condition := blank | term (relation term)*
//     term      := ["("] field comparison value [")"...]
//     relation  := and | or
//     comparison:= = | <> | > | < | >= | <= | Like | Not Like
//     value     := 'text' (a doubled quote is one quote) | number | ?
// Keywords are read in any case, blanks (any Unicode white space) may stand between any two
// tokens. A term opens at most one parenthesis and closes at most one, except the last term, which
// closes whatever is still open; "(" term ")" around one term is read as the plain term.
// Reading takes time linear in the text and in the parameters, times the (fixed) field list.
#pragma once
#include "condlist/ConditionText.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::condlist {

// The label of a comparison and of a relation in a label set (the control's own by default).
std::wstring_view ComparisonLabel(Comparison comparison, const LabelSet& labels = ChineseLabels());
std::wstring_view RelationLabel(Relation relation, const LabelSet& labels = ChineseLabels());

// The comparison an SQL word names ("=", "<>", ..., "Like", "Not Like", in any case, with any
// blanks around and between), or -1.
int ComparisonOfWord(std::wstring_view word);
// The relation "and" or "or" names (any case, blanks around), or -1.
int RelationOfWord(std::wstring_view word);

// A field that a condition can name: its name is matched with blanks around it ignored, in any
// case (exact case first); its type decides whether the value is read in quotes or as a number; a
// list field's value is found among its values by its code.
using ParseField = ConditionField;

// One row read from the text: a term over the field list.
using ParsedRow = ConditionTerm;

// The six cells a row read from the text stands for in the list (WriteCells).
inline std::array<std::wstring, kCellCount> CellsOf(const ParsedRow& row, std::span<const ParseField> fields,
                                                    const LabelSet& labels = ChineseLabels()) {
    return WriteCells(row, fields, labels);
}

enum class ParseErrorCode {
    kNone,
    kExpectedField,      // nothing where a field name belongs
    kUnknownField,       // a name that is not in the field list
    kExpectedComparison, // none of the eight comparisons
    kExpectedValue,      // the text ends where a value belongs
    kExpectedText,       // a text, date, list or combo field's value is not in quotes
    kExpectedNumber,     // a number or check field's value is not a number
    kUnclosedQuote,      // at the quote that opens the value
    kNotInList,          // a list field's value is the code of none of its entries
    kNoParameter,        // a "?" with no value left to bind to it
    kParameterType,      // the value bound to a "?" carries another type code than its field
    kExtraParameters,    // more values than placeholders (at the end of the text)
    kExpectedRelation,   // something other than and, or or the end after a term
    kSecondOpen,         // a term opens one parenthesis at most
    kSecondClose,        // only the last term closes more than one
    kStrayClose,         // a ")" with nothing open
    kUnclosedOpen,       // at the "(" still open at the end
};

struct ParseError {
    ParseErrorCode code = ParseErrorCode::kNone;
    std::size_t pos = 0; // zero-based offset of the first character that could not be taken
};

// A short English message for an error, naming what was expected.
std::wstring ParseErrorMessage(ParseErrorCode code);

struct ParseOptions {
    // Field names between these are read as well as bare ones; whatever is set, names in [ ],
    // " " and ` ` are read too.
    std::wstring_view nameOpen;
    std::wstring_view nameClose;
    // The values bound to the "?" placeholders in order, with their type codes; a text without
    // parameters has none, so a "?" in it is an error.
    std::span<const std::wstring> parameters;
    std::span<const int> parameterTypes;
    // What separates a list entry's code from its text (empty: the whole entry is the code).
    std::wstring_view listSeparator = L"-";
};

struct ParseResult {
    std::vector<ParsedRow> rows;
    ParseError error; // code kNone when the whole text was read; rows are then complete
    bool ok() const { return error.code == ParseErrorCode::kNone; }
};

ParseResult ParseCondition(std::wstring_view text, std::span<const ParseField> fields,
                           const ParseOptions& options = {});

} // namespace listedit::condlist
