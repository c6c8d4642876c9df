// The condition text the rows write, and reading it back: into rows that write the same text, other
// spellings into the builder's, anything else refused at the first character that cannot be taken.
#include "condlist/ConditionParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

using namespace listedit::condlist;

namespace {

// Every type code; "Order" starts "Order Date", "城市" is not Latin, "name" is "NAME" in another case.
const std::vector<ParseField> kFields = {
    {L"NAME", 1, {}},       {L"SALARY", 2, {}}, {L"AGE", 3, {}},
    {L"Order Date", 4, {}}, {L"Order", 5, {}},  {L"城市", 6, {L"01-North", L"02", L"-none"}},
    {L"ACTIVE", 7, {}},     {L"DEPT", 8, {}},   {L"name", 8, {}}};

// Rows as the list holds them: cells and type codes.
struct Rows {
    std::vector<std::array<std::wstring, kCellCount>> cells;
    std::vector<int> types;
    std::vector<ConditionRow> views() const {
        std::vector<ConditionRow> rows(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::copy(cells[i].begin(), cells[i].end(), rows[i].cells.begin());
            rows[i].type = types[i];
        }
        return rows;
    }
};

// Reads a text that must be taken, from a buffer of exactly its length, so a read past its end fails the run.
Rows ReadBack(std::wstring_view text, const ParseOptions& options = {}) {
    const std::vector<wchar_t> exact(text.begin(), text.end());
    const ParseResult parsed = ParseCondition({exact.data(), exact.size()}, kFields, options);
    EXPECT_TRUE(parsed.ok()) << parsed.error.pos << ": " << testing::PrintToString(std::wstring(text));
    Rows rows;
    for (const ParsedRow& row : parsed.rows) {
        rows.cells.push_back(CellsOf(row, kFields));
        rows.types.push_back(kFields[row.field].type);
    }
    return rows;
}

// A row written the way the editors leave it: blank parentheses are a space.
ConditionRow Row(const wchar_t* field, int type, const wchar_t* comparison, const wchar_t* value,
                 const wchar_t* relation = L"无", const wchar_t* left = L" ", const wchar_t* right = L" ") {
    return ConditionRow{{left, field, comparison, value, right, relation}, type};
}

const wchar_t *const eq = L"等于(=)", *const gt = L"大于(>)", *const ge = L"大于等于(>=)",
                     *const orr = L"或(or)", *const andd = L"与(and)", *const none = L"无";

} // namespace

// Type codes: 1 text, 2 and 5 numbers, 3 integer, 4 date, 6 list ("01-North" compares by "01"),
// 7 check state, 8 combo. Parentheses count from three rows on: a term opens one unless it is the last,
// a close with nothing open is ignored, what is still open closes at the end. Cells are trimmed, a
// quote in a value is copied as it stands. The parameterized form is the same text with a "?" for each
// value, the values (trimmed, a list value cut to its code) listed in order with their types.
TEST(ConditionText, WritesTheRowsInBothForms) {
    const std::pair<std::vector<ConditionRow>, std::wstring> cases[] = {
        {{}, L""},
        {{Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"AGE", 2, gt, L"30", none, L" ", L")")},
         L"NAME = 'Smith' or AGE > 30"},
        {{Row(L"NAME", 1, L"象(Like)", L" Sm% ", orr, L"("),
          Row(L"CITY", 6, eq, L"01-North", andd, L" ", L")"), Row(L"AGE", 2, ge, L"18")},
         L"(NAME Like 'Sm%' or CITY = '01') and AGE >= 18"},
        {{Row(L"SALARY", 2, L"不等于(<>)", L"4200", orr, L"(", L")")}, L"SALARY <> 4200"},
        {{Row(L"SCORE", 5, L"小于等于(<=)", L"70")}, L"SCORE <= 70"},
        {{Row(L"AGE", 3, L"小于(<)", L"18")}, L"AGE < 18"},
        {{Row(L"BORN", 4, eq, L"2024-3-5")}, L"BORN = '2024-3-5'"},
        {{Row(L"ACTIVE", 7, eq, L"1")}, L"ACTIVE = 1"},
        {{Row(L"DEPT", 8, L"不象(Not Like)", L"S%")}, L"DEPT Not Like 'S%'"},
        {{Row(L"CITY", 6, eq, L"02")}, L"CITY = '02'"},
        {{Row(L"CITY", 6, eq, L"-North")}, L"CITY = ''"},
        {{Row(L" NAME ", 1, L" 等于(=)\t", L"\u3000 Smith\u2000\u200A")}, L"NAME = 'Smith'"},
        {{Row(L"NAME", 1, eq, L"O'Brien")}, L"NAME = 'O'Brien'"},
        {{Row(L"NAME", 1, eq, L"Jones", orr, L"("), Row(L"AGE", 3, gt, L"50"), Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Jones' or AGE > 50 and ACTIVE = 1)"},
        {{Row(L"NAME", 1, eq, L"Smith", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Jones", andd),
          Row(L"AGE", 3, gt, L"40", orr, L"(")},
         L"NAME = 'Smith' or NAME = 'Jones' and AGE > 40"},
        {{Row(L"DEPT", 8, eq, L"IT", orr, L"("), Row(L"CITY", 6, eq, L"01", andd, L"("),
          Row(L"AGE", 3, ge, L"40", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Smart")},
         L"(DEPT = 'IT' or (CITY = '01' and AGE >= 40) or NAME = 'Smart')"},
        {{Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"NAME", 1, eq, L"Jones", andd, L"(", L")"),
          Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Smith' or NAME = 'Jones') and ACTIVE = 1"},
    };
    for (const auto& [rows, text] : cases) {
        EXPECT_EQ(BuildConditionText(rows), text);
        const ParameterizedCondition p = BuildParameterizedCondition(rows);
        std::wstring substituted;
        std::size_t next = 0;
        for (wchar_t ch : p.text) {
            substituted += ch != L'?' || next == p.values.size() ? std::wstring(1, ch)
                                                                 : QuotedValue(p.values[next], p.types[next]);
            next += ch == L'?';
        }
        EXPECT_EQ(substituted, text);
        EXPECT_EQ(next, rows.size());
    }
    ConditionTextBuilder builder(1); // rows past the count given are ignored
    builder.AddRow(Row(L"AGE", 3, eq, L"1"), L"1"), builder.AddRow(Row(L"AGE", 3, eq, L"2"), L"2");
    EXPECT_EQ(builder.Finish(), L"AGE = 1");
    const ParameterizedCondition p = BuildParameterizedCondition(cases[2].first);
    EXPECT_EQ(p.values, (std::vector<std::wstring>{L"Sm%", L"01", L"18"}));
    EXPECT_EQ(p.types, (std::vector<int>{1, 6, 2}));
}

namespace {

// Labels of a language that writes no SQL word at all.
const LabelSet& GermanLabels() {
    static const LabelSet german{
        EnglishLabels().columns,
        {L"gleich", L"ungleich", L"größer", L"kleiner", L"mindestens", L"höchstens", L"wie", L"nicht wie"},
        {L"-", L"und", L"oder"},
        EnglishLabels().menu};
    return german;
}

} // namespace

// Rows the list can hold: any field, parentheses anywhere, every comparison and relation, quotes in values.
Rows RandomRows(std::mt19937& random) {
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    static const wchar_t* const kTexts[] = {L"", L"O'Neil ''x'", L"a ( b ) ? and or", L"中 - %"};
    static const wchar_t* const kNumbers[] = {L"0", L"-12.50", L"3.", L".5"};
    Rows rows;
    for (std::size_t n = pick(9); n > 0; --n) {
        const ParseField& field = kFields[pick(kFields.size())];
        const std::wstring value = field.type == 6            ? field.values[pick(field.values.size())]
                                   : IsQuotedType(field.type) ? kTexts[pick(std::size(kTexts))]
                                                              : kNumbers[pick(std::size(kNumbers))];
        rows.cells.push_back({pick(2) ? L"(" : L" ", field.name,
                              std::wstring(ComparisonLabel(Comparison(pick(8)))), value,
                              pick(2) ? L")" : L" ", std::wstring(RelationLabel(Relation(pick(3))))});
        rows.types.push_back(field.type);
    }
    return rows;
}

// Any rows, with each way of quoting field names and quotes doubled, read back in both forms into rows
// that write the same.
TEST(ConditionRoundTrip, RandomRowsWriteTheSameTextAfterReadingBack) {
    const FieldNameQuotes quotings[] = {{}, {L"[", L"]"}, {L"\"", L"\""}};
    std::mt19937 random(21);
    for (int round = 0; round < 300 && !HasFailure(); ++round) {
        const FieldNameQuotes q = quotings[round % 3];
        const Rows held = RandomRows(random);
        const std::vector<ConditionRow> rows = held.views();
        const std::wstring text = BuildConditionText(rows, q, true);
        EXPECT_EQ(BuildConditionText(ReadBack(text, {q.open, q.close, {}, {}}).views(), q, true), text);
        const ParameterizedCondition bound = BuildParameterizedCondition(rows, q);
        const ParameterizedCondition again = BuildParameterizedCondition(
            ReadBack(bound.text, {q.open, q.close, bound.values, bound.types}).views(), q);
        EXPECT_EQ(std::tie(again.text, again.values, again.types),
                  std::tie(bound.text, bound.values, bound.types));
        // Held in the cells of any label set, with or without the SQL words, the same in both forms.
        const std::vector<ConditionTerm> terms =
            ParseCondition(text, kFields, {q.open, q.close, {}, {}}).rows;
        for (const LabelSet* labels : {&ChineseLabels(), &EnglishLabels(), &GermanLabels()}) {
            Rows relabelled;
            for (const ConditionTerm& term : terms) {
                relabelled.cells.push_back(WriteCells(term, kFields, *labels));
                relabelled.types.push_back(kFields[term.field].type);
            }
            const Condition read = ReadRows(relabelled.views(), kFields, *labels);
            EXPECT_EQ(BuildConditionText(read.terms, read.fields, q, ValueOptions{true}), text);
            EXPECT_EQ(BuildParameterizedCondition(read.terms, read.fields, q).values, bound.values);
        }
    }
    // The worked examples come back as their rows, the list value as its whole entry (two rows write
    // no parentheses, so the first example's come back blank).
    EXPECT_EQ(ReadBack(L"NAME = 'Smith' or AGE > 30").cells,
              (decltype(Rows::cells){{L" ", L"NAME", eq, L"Smith", L" ", orr},
                                     {L" ", L"AGE", gt, L"30", L" ", none}}));
    EXPECT_EQ(ReadBack(L"(NAME Like 'Sm%' or 城市 = '01') and AGE >= 18").cells,
              (decltype(Rows::cells){{L"(", L"NAME", L"象(Like)", L"Sm%", L" ", orr},
                                     {L" ", L"城市", eq, L"01-North", L")", andd},
                                     {L" ", L"AGE", ge, L"18", L" ", none}}));
}

// What a person or another program may write: read into rows that the builder writes its own way.
TEST(ConditionRoundTrip, OtherSpellingsReadAsTheBuilderWritesThem) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L" \t\u3000", L""},
        {L"Name='x'AND\tage>=1", L"NAME = 'x' and AGE >= 1"},
        {L"name = 'x' or NAME\u2000not \u200ALIKE 'y'", L"name = 'x' or NAME Not Like 'y'"},
        {L"NAME<'b' or AGE<=3 or SALARY>+49 OR AGE<>1",
         L"NAME < 'b' or AGE <= 3 or SALARY > +49 or AGE <> 1"},
        {L"[Order] = 1 or \"Order Date\" = 'd' or `Order Date`='e'",
         L"Order = 1 or Order Date = 'd' or Order Date = 'e'"},
        {L"城市 = '' and 城市 = '02'", L"城市 = '' and 城市 = '02'"},
        {L"(NAME = 'x') or AGE = 1 or AGE = 2", L"NAME = 'x' or AGE = 1 or AGE = 2"},
        {L"(NAME = 'x' or (AGE = 1)) and AGE = 2", L"(NAME = 'x' or AGE = 1) and AGE = 2"},
        {L"(NAME = 'x' or (AGE = 1 and AGE = 2))", L"(NAME = 'x' or (AGE = 1 and AGE = 2))"},
        {L"AGE = 1 and AGE = 2 and (AGE = 3)", L"AGE = 1 and AGE = 2 and AGE = 3"},
    };
    for (const auto& [text, written] : cases) EXPECT_EQ(BuildConditionText(ReadBack(text).views()), written);
    // The words alone: blanks around and between, any case; nothing else.
    EXPECT_EQ(std::pair(ComparisonOfWord(L" Not \t like "), RelationOfWord(L" AND ")),
              std::pair(+kNotLike, +kRelationAnd));
    for (const wchar_t* word : {L"==", L"NotLike", L"", L"and or", L"ore"})
        EXPECT_EQ(std::pair(ComparisonOfWord(word), RelationOfWord(word)), std::pair(-1, -1));
}

TEST(ConditionRoundTrip, RefusesWhatNoRowsWrite) {
    using E = ParseErrorCode;
    // The text, the error and where, the values bound and their types.
    const std::tuple<std::wstring, E, std::size_t, std::vector<std::wstring>, std::vector<int>> cases[] = {
        {L"NAME = 'x' and NOSUCH = 1", E::kUnknownField, 15, {}, {}},
        {L"NAME =", E::kExpectedValue, 6, {}, {}},
        {L"NAME = 'x", E::kUnclosedQuote, 7, {}, {}},
        {L"(NAME = 'x'", E::kUnclosedOpen, 0, {}, {}},
        {L"NAME = 'x')", E::kStrayClose, 10, {}, {}},
        {L"NAME == 'x'", E::kExpectedText, 6, {}, {}},
        {std::wstring(10000, L'(') + L"NAME = 'x'", E::kSecondOpen, 1, {}, {}},
        {L"NAMEZ = 'x'", E::kUnknownField, 0, {}, {}},
        {L"AGE9 = 1", E::kUnknownField, 0, {}, {}},
        {L"[NAME = 'x'", E::kUnknownField, 0, {}, {}},
        {L"= 'x'", E::kExpectedField, 0, {}, {}},
        {L"NAME = 'x' or", E::kExpectedField, 13, {}, {}},
        {L"NAME Not 'x'", E::kExpectedComparison, 5, {}, {}},
        {L"NAME Likely 'x'", E::kExpectedComparison, 5, {}, {}},
        {L"NAME = 'x' andAGE = 1", E::kExpectedRelation, 11, {}, {}},
        {L"AGE = 'x'", E::kExpectedNumber, 6, {}, {}},
        {L"AGE = 1.2.", E::kExpectedNumber, 9, {}, {}},
        {L"AGE = -", E::kExpectedNumber, 6, {}, {}},
        {L"城市 = '04'", E::kNotInList, 5, {}, {}},
        {L"(AGE = 1 or (AGE = 2 and AGE = 3)) and AGE = 4", E::kSecondClose, 33, {}, {}},
        {L"(AGE = 1 or AGE = 2) and (AGE = 3", E::kUnclosedOpen, 25, {}, {}},
        {L"(AGE = 1 or AGE = 2))", E::kStrayClose, 20, {}, {}},
        {L"AGE = ?", E::kNoParameter, 6, {}, {}},
        {L"AGE = ?", E::kParameterType, 6, {L"1"}, {1}},
        {L"AGE = ?", E::kExpectedNumber, 6, {L"1 or 1=1"}, {3}},
        {L"城市 = ?", E::kNotInList, 5, {L"04"}, {6}},
        {L"AGE = ?", E::kExtraParameters, 7, {L"1", L"2"}, {3, 3}},
    };
    for (const auto& [sql, code, pos, values, types] : cases) {
        const std::vector<wchar_t> exact(sql.begin(), sql.end()); // nothing read past the end
        const ParseResult parsed =
            ParseCondition({exact.data(), exact.size()}, kFields, {{}, {}, values, types});
        EXPECT_EQ(std::tie(parsed.error.code, parsed.error.pos), std::tie(code, pos))
            << testing::PrintToString(sql.substr(0, 50));
        EXPECT_TRUE(parsed.rows.empty() && !ParseErrorMessage(code).empty());
    }
}

// A cell is read by its label's position in the active set; a text of no set by what stands between
// its first "(" and its last character; a field by its name and the row's type.
TEST(ConditionModel, CellsReadThroughTheActiveLabels) {
    const std::tuple<const LabelSet*, std::wstring, std::wstring> words[] = {
        {&ChineseLabels(), L"大于等于(>=)", L" >= "},
        {&ChineseLabels(), L"无", L" and "},
        {&ChineseLabels(), L" 或(or)\t", L" or "},
        {&ChineseLabels(), L"", L"  "},
        {&EnglishLabels(), L"", L" and "},
        {&EnglishLabels(), L"at most (<=)", L" <= "},
        {&EnglishLabels(), L"无", L" and "},
        {&EnglishLabels(), L"等于(=)", L" = "},
        {&EnglishLabels(), L"mine(x)y", L" x) "},
        {&EnglishLabels(), L"plain", L" plai "},
        {&GermanLabels(), L"nicht wie", L" Not Like "},
        {&GermanLabels(), L"-", L" and "},
        {&GermanLabels(), L"oder", L" or "},
    };
    for (const auto& [labels, label, word] : words)
        EXPECT_EQ(labels->WordOf(label), word) << testing::PrintToString(label);

    std::vector<ConditionField> fields = {{L"NAME", 1, {}}, {L"AGE", 3, {}}};
    // Cells, type, the field found.
    const std::tuple<std::array<std::wstring_view, kCellCount>, int, std::size_t> rows[] = {
        {{L" ( ", L"AGE", L"kleiner", L"5", L" ", L"-"}, 3, 1}, // none joins like and
        {{L"", L"AGE", L"gleich", L"5", L")", L"oder"}, 1, 2},  // another type: a field of its own
        {{L"(", L"OTHER", L"liegt(bei)", L"7", L")", L"und(so)"}, 2, 3},
    };
    std::vector<ConditionTerm> read;
    for (const auto& [cells, type, field] : rows) {
        read.push_back(ReadCells(cells, type, fields, GermanLabels()));
        EXPECT_EQ(read.back().field, field);
        EXPECT_EQ(fields[field].type, type);
    }
    ConditionTextBuilder builder(std::size(rows), fields);
    for (const ConditionTerm& term : read)
        builder.AddTerm(term, QuotedValue(term.value, fields[term.field].type));
    EXPECT_EQ(builder.Finish(), L"(AGE < 5 and AGE = '5') or OTHER bei 7");
    // Written back with other labels, a cell of no set keeps its text.
    EXPECT_EQ(WriteCells(read[2], fields, EnglishLabels()),
              (std::array<std::wstring, kCellCount>{L"(", L"OTHER", L"liegt(bei)", L"7", L")", L"und(so)"}));
    EXPECT_EQ(WriteCells(read[0], fields, EnglishLabels()),
              (std::array<std::wstring, kCellCount>{L"(", L"AGE", L"less (<)", L"5", L" ", L""}));
}

// Dates written in ISO form on request, list values cut at a separator of the application's choice,
// numbers shown with a decimal comma written with a point; either date form reads back as the date
// editor gives it.
TEST(ConditionText, IsoDatesAndListSeparators) {
    const std::tuple<std::wstring, int, ValueOptions, std::wstring, std::wstring> cases[] = {
        {L"1969-7-20", DWT_DATE, {false, L"-", true}, L"'1969-07-20'", L"1969-07-20"},
        {L"1969-7-20", DWT_DATE, {}, L"'1969-7-20'", L"1969-7-20"},
        {L"2024-2-30", DWT_DATE, {false, L"-", true}, L"'2024-2-30'", L"2024-2-30"},
        {L"1969-7-20", DWT_TEXT, {false, L"-", true}, L"'1969-7-20'", L"1969-7-20"},
        {L"07-Aix-en-Provence",
         DWT_LIST,
         {false, L"", false},
         L"'07-Aix-en-Provence'",
         L"07-Aix-en-Provence"},
        {L"07-Aix-en-Provence", DWT_LIST, {}, L"'07'", L"07"},
        {L"07 | Aix-en-Provence", DWT_LIST, {false, L" | ", false}, L"'07'", L"07"},
        {L"O'Neil", DWT_COMBO, {true, L"-", true}, L"'O''Neil'", L"O'Neil"},
        {L"-1,5", DWT_NUMBER, {false, L"-", false, L','}, L"-1.5", L"-1.5"},
        {L"2,25", DWT_NUMBER2, {false, L"-", false, L','}, L"2.25", L"2.25"},
        {L"1,5", DWT_TEXT, {false, L"-", false, L','}, L"'1,5'", L"1,5"},
        {L"1,5", DWT_NUMBER, {}, L"1,5", L"1,5"},
    };
    for (const auto& [value, type, options, quoted, bound] : cases) {
        EXPECT_EQ(QuotedValue(value, type, options), quoted);
        EXPECT_EQ(ParameterValue(value, type, options), bound);
    }
    const std::vector<ParseField> fields = {{L"BORN", DWT_DATE, {}},
                                            {L"CITY", DWT_LIST, {L"07-Aix-en-Provence"}}};
    const std::vector<std::wstring> values = {L"1969-07-20"};
    const std::vector<int> types = {DWT_DATE};
    const std::tuple<std::wstring, ParseOptions, std::wstring> reads[] = {
        {L"BORN = '1969-07-20'", {}, L"1969-7-20"},
        {L"BORN = '1969-7-20'", {}, L"1969-7-20"},
        {L"BORN = ?", {{}, {}, values, types}, L"1969-7-20"},
        {L"BORN = 'soon'", {}, L"soon"},
        {L"CITY = '07-Aix-en-Provence'", {{}, {}, {}, {}, L""}, L"07-Aix-en-Provence"},
        {L"CITY = '07'", {}, L"07-Aix-en-Provence"},
    };
    for (const auto& [text, options, value] : reads) {
        const ParseResult parsed = ParseCondition(text, fields, options);
        ASSERT_TRUE(parsed.ok() && parsed.rows.size() == 1) << testing::PrintToString(text);
        EXPECT_EQ(parsed.rows[0].value, value);
    }
}

// The columns' widths give the window's width and every editor's left edge.
TEST(ConditionModel, LayoutDerivesTheEditorsFromTheWidths) {
    std::vector<int> lefts;
    for (std::size_t c = 0; c <= kCellCount; ++c) lefts.push_back(kConditionLayout.Left(c));
    EXPECT_EQ(lefts, (std::vector<int>{0, 60, 230, 350, 480, 540, 620}));
    EXPECT_EQ(kConditionLayout.Total(), 620);
    EXPECT_EQ(kConditionLayout.Left(99), 620);
}
