// Value type codes and what each means, in one place: the data window builds its editor from a
// row's code, the property list and the condition list carry the code with each row or field, and
// the condition list quotes, binds, compares and sorts values by it. Window-free: include it
// anywhere.
//
//     const listedit::ValueTraits& traits = listedit::TraitsOf(DWT_DATE);
//     traits.editor == listedit::ValueEditor::Date;  // a date picker
//     traits.quoted;                                 // written between quotes in SQL
//     traits.order == listedit::ValueOrder::Date;    // compared as days, not as text
#pragma once

// Type codes: each selects the editor and the text form of a value.
inline constexpr int DWT_TEXT = 1;    // plain text edit
inline constexpr int DWT_NUMBER = 2;  // numeric edit; the text is its formatted value
inline constexpr int DWT_INTEGER = 3; // digits-only edit; may carry a spin
inline constexpr int DWT_DATE = 4;    // date picker
inline constexpr int DWT_NUMBER2 = 5; // as DWT_NUMBER (owners may give it another meaning)
inline constexpr int DWT_LIST = 6;    // drop-down list
inline constexpr int DWT_CHECK = 7;   // check box
inline constexpr int DWT_COMBO = 8;   // editable drop-down

namespace listedit {

// The editor a data window builds for a code, which also fixes how the value is read and written:
// Text, Digits and Combo as the editor's text; Number as the numeric edit's formatted value; Date
// as "%d-%d-%d"; List as the selected entry's text; Check as "0" or "1".
enum class ValueEditor { None, Text, Number, Digits, Date, List, Check, Combo };

// How two values of a code compare where the list compares them itself (sorting, a condition run
// in memory): as texts, ordinally; as decimal numbers; or as calendar days.
enum class ValueOrder { Text, Number, Date };

struct ValueTraits {
    ValueEditor editor = ValueEditor::None;
    bool quoted = false;   // written between single quotes in SQL (otherwise as a bare number)
    bool listCode = false; // a value is a list entry, of which SQL takes the code before its separator
    bool choices = false;  // the editor offers the row's value list
    ValueOrder order = ValueOrder::Number;
};

namespace detail {
inline constexpr ValueTraits kValueTraits[] = {
    {ValueEditor::None, false, false, false, ValueOrder::Number},   // unknown
    {ValueEditor::Text, true, false, false, ValueOrder::Text},      // DWT_TEXT
    {ValueEditor::Number, false, false, false, ValueOrder::Number}, // DWT_NUMBER
    {ValueEditor::Digits, false, false, false, ValueOrder::Number}, // DWT_INTEGER
    {ValueEditor::Date, true, false, false, ValueOrder::Date},      // DWT_DATE
    {ValueEditor::Number, false, false, false, ValueOrder::Number}, // DWT_NUMBER2
    {ValueEditor::List, true, true, true, ValueOrder::Text},        // DWT_LIST
    {ValueEditor::Check, false, false, false, ValueOrder::Number},  // DWT_CHECK
    {ValueEditor::Combo, true, false, true, ValueOrder::Text},      // DWT_COMBO
};
static_assert(sizeof(kValueTraits) / sizeof(kValueTraits[0]) == DWT_COMBO + 1);
} // namespace detail

// The traits of a code. A code outside 1 to 8 builds no editor and is written bare, like a number.
constexpr const ValueTraits& TraitsOf(int type) {
    return detail::kValueTraits[type >= DWT_TEXT && type <= DWT_COMBO ? type : 0];
}

} // namespace listedit
