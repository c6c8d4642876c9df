// Window-free model of a composed condition: the field list and the condition as typed terms (open,
// field, comparison, value, close, relation). The condition list's cells are its view: a label set
// maps each comparison and relation to the label its cell shows, by position, and back; the text
// writer, the parser and an evaluator work on the terms alone.
#pragma once
#include "datawnd/ValueText.h"

#include <listedit/datawnd/ValueType.h>

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listedit::condlist {

// The cells of a row, by column.
enum Cell : int { kLeftBracket, kField, kComparison, kValue, kRightBracket, kRelation, kCellCount };

enum Comparison : int { kEqual, kNotEqual, kGreater, kLess, kGreaterEqual, kLessEqual, kLike, kNotLike };
inline constexpr std::size_t kComparisonCount = 8;
enum Relation : int { kRelationNone, kRelationAnd, kRelationOr };
inline constexpr std::size_t kRelationCount = 3;
inline constexpr std::size_t kMenuCount = 3; // delete, insert, clear

// The SQL word of a comparison ("=", ..., "Not Like") and of a relation ("and" for none).
std::wstring_view ComparisonWord(Comparison comparison);
std::wstring_view RelationWord(Relation relation);

// A field a condition can name, as the list declares it.
struct ConditionField {
    std::wstring name;                // as the field box holds it; written trimmed
    int type = 0;                     // the value type code (DWT_*)
    std::vector<std::wstring> values; // the entries offered for it (a list field's value is one)
};

// One row of a condition.
struct ConditionTerm {
    bool open = false;
    std::size_t field = 0; // index into the field list
    Comparison comparison = kEqual;
    std::wstring value; // as the value cell holds it: a list field's value is its whole entry
    bool close = false;
    Relation relation = kRelationNone; // to the next row; unused on the last
    // A cell an application wrote with a label of no set: its text (trimmed), which stands in
    // place of the comparison or the relation and is read as ConditionWord reads it.
    std::optional<std::wstring> otherComparison;
    std::optional<std::wstring> otherRelation;
};

// The SQL word a term's comparison or relation is written as (without spaces).
std::wstring_view ComparisonWordOf(const ConditionTerm& term);
std::wstring_view RelationWordOf(const ConditionTerm& term);

struct Condition {
    std::vector<ConditionField> fields;
    std::vector<ConditionTerm> terms;
};

// The words a condition list shows: column titles, comparison labels (by Comparison), relation
// labels (by Relation) and menu entries (delete, insert, clear).
struct LabelSet {
    std::array<std::wstring, kCellCount> columns;
    std::array<std::wstring, kComparisonCount> comparisons;
    std::array<std::wstring, kRelationCount> relations;
    std::array<std::wstring, kMenuCount> menu;

    // The comparison or relation whose label a cell's trimmed text is, or -1.
    int ComparisonOf(std::wstring_view cell) const;
    int RelationOf(std::wstring_view cell) const;
    // The operator a label names (a comparison's or a relation's, with a space on each side): by
    // its position here, and for a text that is no label of this set, what stands between its
    // first "(" and its last character ("无" joins like "and").
    std::wstring WordOf(std::wstring_view label) const;
};

const LabelSet& ChineseLabels(); // the control's own words, the default
const LabelSet& EnglishLabels();

// The reading of a label that is in no set: what stands between its first "(" and its last
// character, with a space on each side; "无" gives " and ".
std::wstring ConditionWord(std::wstring_view label);

// A row's six cells and its type code read as a term, the labels by their position in labels. The
// field is the first in fields with the cell's name and the row's type; a row naming none is given
// a field of its own, appended to fields, so that what the row says is written as it stands.
ConditionTerm ReadCells(std::span<const std::wstring_view, kCellCount> cells, int type,
                        std::vector<ConditionField>& fields, const LabelSet& labels);

// The six cells a term stands for: " " in a parenthesis cell without one, the field's name, the
// labels of the comparison and the relation.
std::array<std::wstring, kCellCount>
WriteCells(const ConditionTerm& term, std::span<const ConditionField> fields, const LabelSet& labels);

// The list's lengths at 96 dots per inch, in one table: each column's width, the height of each
// column's editor with its list dropped (0 for the value editor, which is as tall as a closed box)
// and what a row adds to its font's height. The editors' rectangles and the window's width are
// derived from it.
struct ConditionLayout {
    std::array<int, kCellCount> widths{60, 170, 120, 130, 60, 80};
    std::array<int, kCellCount> dropHeights{80, 200, 200, 0, 80, 100};
    int rowMargin = 8;

    // The left edge of a column (the sum of the widths before it), and the width of all six.
    constexpr int Left(std::size_t column) const {
        int left = 0;
        for (std::size_t c = 0; c < column && c < widths.size(); ++c) left += widths[c];
        return left;
    }
    constexpr int Total() const { return Left(widths.size()); }
};
inline constexpr ConditionLayout kConditionLayout{};

} // namespace listedit::condlist
