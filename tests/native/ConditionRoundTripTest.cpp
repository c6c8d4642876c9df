// Reading a condition text back into rows: every text the builder writes reads back into rows that
// write the same text again, the documented examples give their rows, and what the builder cannot
// have written is refused at the first character that cannot be taken.
#include "condlist/ConditionParser.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <string>
#include <vector>

using namespace listedit::condlist;

namespace {

// One field per type code; "Order" is the start of "Order Date", "城市" is not Latin, "name" differs
// from "NAME" only in case.
const std::vector<ParseField> kFields = {
    {L"NAME", 1, {}},   {L"SALARY", 2, {}},
    {L"AGE", 3, {}},    {L"Order Date", 4, {}},
    {L"Order", 5, {}},  {L"城市", 6, {L"01-North", L"02-South", L"03", L"-none"}},
    {L"ACTIVE", 7, {}}, {L"DEPT", 8, {L"Sales", L"IT"}},
    {L"name", 8, {}},
};

using Cells = std::array<std::wstring, kCellCount>;

std::vector<ConditionRow> Views(const std::vector<Cells>& cells, const std::vector<int>& types) {
    std::vector<ConditionRow> rows(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (int c = 0; c < kCellCount; ++c) rows[i].cells[c] = cells[i][c];
        rows[i].type = types[i];
    }
    return rows;
}

// The rows a parse gave, written as the list would hold them: cells and type codes.
struct ReadBack {
    std::vector<Cells> cells;
    std::vector<int> types;
    explicit ReadBack(const ParseResult& result) {
        for (const ParsedRow& row : result.rows) {
            cells.push_back(CellsOf(row, kFields));
            types.push_back(kFields[row.field].type);
        }
    }
    std::vector<ConditionRow> rows() const { return Views(cells, types); }
};

// Reads a text that must be taken.
ReadBack Taken(std::wstring_view text, const ParseOptions& options = {}) {
    const ParseResult parsed = ParseCondition(text, kFields, options);
    EXPECT_TRUE(parsed.ok()) << "refused at " << parsed.error.pos << ": "
                             << testing::PrintToString(std::wstring(text));
    return ReadBack(parsed);
}

class RandomRows {
public:
    explicit RandomRows(unsigned seed) : m_random(seed) {}

    void Make(std::vector<Cells>& cells, std::vector<int>& types) {
        cells.assign(Pick(0, 8), {});
        types.clear();
        for (Cells& row : cells) {
            const ParseField& field = kFields[Pick(0, kFields.size() - 1)];
            row[kLeftBracket] = Pick(0, 1) ? L"(" : L" ";
            row[kField] = field.name;
            row[kComparison] = ComparisonLabel(static_cast<Comparison>(Pick(0, 7)));
            row[kValue] = Value(field);
            row[kRightBracket] = Pick(0, 1) ? L")" : L" ";
            row[kRelation] = RelationLabel(static_cast<Relation>(Pick(0, 2)));
            types.push_back(field.type);
        }
    }

private:
    std::size_t Pick(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_random);
    }
    std::wstring Value(const ParseField& field) {
        if (!field.values.empty() && field.type == 6) return field.values[Pick(0, field.values.size() - 1)];
        if (field.type == 7) return Pick(0, 1) ? L"1" : L"0";
        if (IsQuotedType(field.type)) {
            static const wchar_t* const pieces[] = {L"a", L"Z", L"'", L" ",  L"(",     L")",
                                                    L"?", L"-", L"%", L"中", L" and ", L"''"};
            std::wstring value;
            for (std::size_t n = Pick(0, 5); n > 0; --n) value += pieces[Pick(0, std::size(pieces) - 1)];
            return value;
        }
        static const wchar_t* const numbers[] = {L"0", L"42", L"-12.50", L"3.", L".5", L"4000.00"};
        return numbers[Pick(0, std::size(numbers) - 1)];
    }
    std::mt19937 m_random;
};

} // namespace

TEST(ConditionRoundTrip, RandomRowsWriteTheSameTextAfterReadingBack) {
    const FieldNameQuotes quotings[] = {{}, {L"[", L"]"}, {L"\"", L"\""}};
    RandomRows random(21);
    std::vector<Cells> cells;
    std::vector<int> types;
    for (int round = 0; round < 600 && !HasFailure(); ++round) {
        const FieldNameQuotes quotes = quotings[round % 3];
        random.Make(cells, types);
        const std::vector<ConditionRow> rows = Views(cells, types);

        const std::wstring text = BuildConditionText(rows, quotes, true);
        EXPECT_EQ(BuildConditionText(Taken(text, {quotes.open, quotes.close, {}, {}}).rows(), quotes, true),
                  text);

        const ParameterizedCondition bound = BuildParameterizedCondition(rows, quotes);
        const ParameterizedCondition again = BuildParameterizedCondition(
            Taken(bound.text, {quotes.open, quotes.close, bound.values, bound.types}).rows(), quotes);
        EXPECT_EQ(std::tie(again.text, again.values, again.types),
                  std::tie(bound.text, bound.values, bound.types));
    }
}

// Texts the builder does not write itself but a person or another program might: each reads into
// rows that the builder writes as the expected text (same meaning, the builder's spelling).
TEST(ConditionRoundTrip, ReadsSpellingsTheBuilderDoesNotWrite) {
    struct Case {
        const wchar_t* text;
        const wchar_t* written;
    };
    const Case cases[] = {
        {L"", L""},
        {L" \t\u3000", L""},
        {L"Name='x'AND\tage>=1", L"NAME = 'x' and AGE >= 1"},
        {L"name = 'x' or NAME = 'y'", L"name = 'x' or NAME = 'y'"},
        {L"NAME\u2000=\u200A'x'", L"NAME = 'x'"},
        {L"NAME not   LIKE 'a%' Or AGE<>-2", L"NAME Not Like 'a%' or AGE <> -2"},
        {L"NAME<'b' or AGE<=3 or SALARY>+4", L"NAME < 'b' or AGE <= 3 or SALARY > +4"},
        {L"Order Date = '2024-3-5' and Order = 1", L"Order Date = '2024-3-5' and Order = 1"},
        {L"[Order] = 1 or \"Order Date\" = 'd' or `NAME` = 'n'",
         L"Order = 1 or Order Date = 'd' or NAME = 'n'"},
        {L"NAME = 'O''Neil''s'''", L"NAME = 'O''Neil''s'''"},
        {L"城市 = '02' and 城市 = '' and 城市 = '03'", L"城市 = '02' and 城市 = '' and 城市 = '03'"},
        {L"(NAME = 'x') or AGE = 1 or AGE = 2", L"NAME = 'x' or AGE = 1 or AGE = 2"},
        {L"(NAME = 'x' or (AGE = 1)) and AGE = 2", L"(NAME = 'x' or AGE = 1) and AGE = 2"},
        {L"(NAME = 'x' or (AGE = 1 and AGE = 2))", L"(NAME = 'x' or (AGE = 1 and AGE = 2))"},
        {L"(AGE = 1 and AGE = 2) or AGE = 3", L"(AGE = 1 and AGE = 2) or AGE = 3"},
        {L"AGE = 1 and AGE = 2 and (AGE = 3)", L"AGE = 1 and AGE = 2 and AGE = 3"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildConditionText(Taken(c.text).rows(), {}, true), c.written);
}

TEST(ConditionRoundTrip, WorkedExamplesReadBackIntoTheirRows) {
    struct Case {
        const wchar_t* text;
        std::vector<Cells> cells;
        std::vector<int> types;
    };
    // With two rows the text has no parentheses, so the first example's rows come back without.
    const Case cases[] = {
        {L"NAME = 'Smith' or AGE > 30",
         {{L" ", L"NAME", L"等于(=)", L"Smith", L" ", L"或(or)"},
          {L" ", L"AGE", L"大于(>)", L"30", L" ", L"无"}},
         {1, 3}},
        {L"(NAME Like 'Sm%' or 城市 = '01') and AGE >= 18",
         {{L"(", L"NAME", L"象(Like)", L"Sm%", L" ", L"或(or)"},
          {L" ", L"城市", L"等于(=)", L"01-North", L")", L"与(and)"},
          {L" ", L"AGE", L"大于等于(>=)", L"18", L" ", L"无"}},
         {1, 6, 3}},
    };
    for (const Case& c : cases) {
        const ReadBack back = Taken(c.text);
        EXPECT_EQ(back.cells, c.cells);
        EXPECT_EQ(back.types, c.types);
    }
}

TEST(ConditionRoundTrip, RefusesWhatNoRowsWrite) {
    using E = ParseErrorCode;
    struct Case {
        std::wstring text;
        E code;
        std::size_t pos;
        std::vector<std::wstring> parameters = {};
        std::vector<int> types = {};
    };
    const Case cases[] = {
        {L"NAME = 'x' and NOSUCH = 1", E::kUnknownField, 15},
        {L"NAME =", E::kExpectedValue, 6},
        {L"NAME = 'x", E::kUnclosedQuote, 7},
        {L"(NAME = 'x'", E::kUnclosedOpen, 0},
        {L"NAME = 'x')", E::kStrayClose, 10},
        {L"NAME == 'x'", E::kExpectedText, 6},
        {std::wstring(10000, L'(') + L"NAME = 'x'", E::kSecondOpen, 1},
        {L"NAMEX = 'x'", E::kUnknownField, 0},
        {L"[NAME = 'x'", E::kUnknownField, 0},
        {L"= 'x'", E::kExpectedField, 0},
        {L"NAME = 'x' and", E::kExpectedField, 14},
        {L"NAME 'x'", E::kExpectedComparison, 5},
        {L"NAME Not 'x'", E::kExpectedComparison, 5},
        {L"NAME Likely 'x'", E::kExpectedComparison, 5},
        {L"NAME = 'x' andAGE = 1", E::kExpectedRelation, 11},
        {L"AGE = 'x'", E::kExpectedNumber, 6},
        {L"AGE = 1x", E::kExpectedNumber, 7},
        {L"AGE = -", E::kExpectedNumber, 6},
        {L"城市 = '04'", E::kNotInList, 5},
        {L"(AGE = 1 or (AGE = 2 and AGE = 3)) and AGE = 4", E::kSecondClose, 33},
        {L"(AGE = 1 or AGE = 2) and (AGE = 3", E::kUnclosedOpen, 25},
        {L"(AGE = 1 or AGE = 2))", E::kStrayClose, 20},
        {L"AGE = ?", E::kNoParameter, 6},
        {L"AGE = ?", E::kParameterType, 6, {L"1"}, {1}},
        {L"AGE = ?", E::kExpectedNumber, 6, {L"1 or 1=1"}, {3}},
        {L"城市 = ?", E::kNotInList, 5, {L"04"}, {6}},
        {L"AGE = ?", E::kExtraParameters, 7, {L"1", L"2"}, {3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.substr(0, 60)));
        ParseOptions options;
        options.parameters = c.parameters;
        options.parameterTypes = c.types;
        const ParseResult parsed = ParseCondition(c.text, kFields, options);
        EXPECT_EQ(parsed.error.code, c.code);
        EXPECT_EQ(parsed.error.pos, c.pos);
        EXPECT_TRUE(parsed.rows.empty());
        EXPECT_FALSE(ParseErrorMessage(c.code).empty());
    }
}

TEST(ConditionRoundTrip, WordsOfComparisonsAndRelations) {
    struct Case {
        const wchar_t* word;
        int comparison;
        int relation;
    };
    const Case cases[] = {
        {L"=", kEqual, -1},
        {L" <> ", kNotEqual, -1},
        {L">", kGreater, -1},
        {L"<", kLess, -1},
        {L">=", kGreaterEqual, -1},
        {L"<=", kLessEqual, -1},
        {L"like", kLike, -1},
        {L"Not \t Like", kNotLike, -1},
        {L"NotLike", -1, -1},
        {L"==", -1, -1},
        {L"", -1, -1},
        {L" AND ", -1, kRelationAnd},
        {L"or", -1, kRelationOr},
        {L"ore", -1, -1},
        {L"and or", -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComparisonOfWord(c.word), c.comparison) << testing::PrintToString(std::wstring(c.word));
        EXPECT_EQ(RelationOfWord(c.word), c.relation) << testing::PrintToString(std::wstring(c.word));
    }
}
