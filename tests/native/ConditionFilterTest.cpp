// A condition run in memory: random conditions over random rows checked against what SQLite's WHERE
// selects with the parameterized text over a table of the same values, and one by one the rules
// those cannot reach.
#include "condlist/ConditionFilter.h"
#include "condlist/ConditionText.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <random>

using namespace listedit::condlist;

namespace {

const std::vector<ConditionField> kFields = {
    {L"NAME", DWT_TEXT, {}},    {L"AMOUNT", DWT_NUMBER, {}}, {L"QTY", DWT_INTEGER, {}},
    {L"DAY", DWT_DATE, {}},     {L"PRICE", DWT_NUMBER2, {}}, {L"CITY", DWT_LIST, {}},
    {L"ACTIVE", DWT_CHECK, {}}, {L"DEPT", DWT_COMBO, {}},    {L"CODE", 9, {}},
    {L"GHOST", DWT_TEXT, {}}, // bound to no column
};
constexpr std::size_t kBoundFields = 9;

std::vector<FieldColumn> Columns() {
    std::vector<FieldColumn> columns;
    for (std::size_t f = 0; f < kBoundFields; ++f) columns.push_back({kFields[f].name, f});
    return columns;
}

ConditionTerm Term(std::size_t field, Comparison comparison, std::wstring value,
                   Relation relation = kRelationNone, bool open = false, bool close = false) {
    ConditionTerm term;
    term.field = field;
    term.comparison = comparison;
    term.value = std::move(value);
    term.relation = relation;
    term.open = open;
    term.close = close;
    return term;
}

} // namespace

// What the comparison with SQLite below cannot reach: a UTF-16 pair is one character, and only A
// to Z are blind to case (not the characters beside them).
TEST(ConditionFilter, LikeTakesAUtf16PairAsOneCharacterAndFoldsOnlyAToZ) {
    const struct {
        const wchar_t* text;
        const wchar_t* pattern;
        bool match;
    } rows[] = {
        {L"a\xD83D\xDE00"
         L"b",
         L"a_b", true},
        {L"\xD83D\xDE00", L"__", false},
        {L"\xD83D\xDE00", L"\xD83D_", false},
        {L"x\xD83D\xDE00", L"%\xD83D\xDE00", true},
        {L"\xD800\xDC00", L"_", true},
        {L"\xDBFF\xDFFF", L"_", true},
        {L"\xDC00\xDC00", L"_", false}, // a low one first: two characters
        {L"\xD800\xE000", L"_", false},
        {L"A", L"a", true},
        {L"z", L"Z", true},
        {L"[", L"{", false},
        {L"@", L"`", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LikeMatches(row.text, row.pattern), row.match)
            << testing::PrintToString(row.text) << " " << testing::PrintToString(row.pattern);
}

// Text orders by code point, as UTF-8's bytes do: a UTF-16 pair above every unit from E000 on.
TEST(ConditionFilter, TextOrdersByCodePoint) {
    const struct {
        const wchar_t* a;
        const wchar_t* b;
        int order;
    } rows[] = {
        {L"\uE000", L"\xD83D\xDE00", -1},       {L"\uFFFF", L"\xD800\xDC00", -1},
        {L"\xD800\xDC00", L"\uFFFF", 1},        {L"\uD7FF", L"\xD800\xDC00", -1},
        {L"\xD83D\xDE00", L"\xD83D\xDE01", -1}, {L"\uE000", L"\uD7FF", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ((CompareCodePoints(row.a, row.b) > 0) - (CompareCodePoints(row.a, row.b) < 0), row.order)
            << testing::PrintToString(row.a) << " " << testing::PrintToString(row.b);
}

// Words SQL does not know, anywhere, make a condition that matches nothing; how the known ones join
// ("and" before "or", the parentheses) is compared with SQLite below.
TEST(ConditionFilter, JoinsAsTheTextReads) {
    const std::vector<std::wstring> record = {L"a", L"1"};
    const ConditionTerm yes = Term(0, kEqual, L"a"), no = Term(0, kEqual, L"b");
    auto with = [](ConditionTerm term, Relation relation, bool open = false, bool close = false) {
        term.relation = relation;
        term.open = open;
        term.close = close;
        return term;
    };
    ConditionTerm unknownRelation = with(yes, kRelationAnd);
    unknownRelation.otherRelation = L"xor(xor)";
    ConditionTerm unknownComparison = yes;
    unknownComparison.otherComparison = L"is(==)";
    auto unknown = [&](Relation relation, bool open = false, bool close = false) {
        return with(unknownComparison, relation, open, close);
    };
    const struct {
        std::vector<ConditionTerm> terms;
        bool match;
    } rows[] = {
        {{}, true},
        {{yes}, true},
        {{no}, false},
        {{unknownRelation, yes}, false},
        {{with(yes, kRelationOr), unknown(kRelationNone)}, false},
        {{with(yes, kRelationAnd), unknown(kRelationNone)}, false},
        {{with(yes, kRelationOr, true), unknown(kRelationAnd, false, true), yes}, false},
        {{unknownComparison}, false},
    };
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const ConditionProgram program({kFields, rows[r].terms}, Columns());
        EXPECT_EQ(program.Matches(record), rows[r].match) << "row " << r;
        EXPECT_EQ(program.IsValid(), r < std::size(rows) - 5) << "row " << r;
    }
}

// A field's column by its name: exactly, else blind to case for A-Z; another name of the same
// length is another field.
TEST(ConditionFilter, BindsFieldsByName) {
    const std::vector<std::wstring> record = {L"a", L"b", L"c"};
    const struct {
        std::vector<FieldColumn> columns;
        bool match; // NAME = 'b'
    } rows[] = {
        {{{L"NAME", 1}}, true},
        {{{L"name", 1}}, true},
        {{{L"name", 0}, {L"NAME", 1}}, true}, // the exact name first
        {{{L"NAMES", 1}}, false},
        {{{L"MANE", 1}}, false},
        {{{L"NAMF", 1}}, false},
        {{}, false},
    };
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const ConditionProgram program({kFields, {Term(0, kEqual, L"b")}}, rows[r].columns);
        EXPECT_EQ(program.Matches(record), rows[r].match) << "row " << r;
    }
}

// ---- against SQLite ----

namespace {

// The database's text is UTF-16 here, as the library's is (one code unit to a wchar_t).
std::u16string U16(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// Values of every kind a field's type meets, bad ones included; the texts hold the wildcards.
class Values {
public:
    explicit Values(unsigned seed) : m_random(seed) {}

    std::wstring Of(int type) {
        switch (listedit::TraitsOf(type).order) {
        case listedit::ValueOrder::Number:
            return Pick({L"0",
                         L"-0",
                         L"9",
                         L"10",
                         L"-2",
                         L"1.5",
                         L" 7 ",
                         L".5",
                         L"5.",
                         L"010",
                         L"0.1",
                         L"0.10000000000000001",
                         L"123456789012345678",
                         L"1",
                         L"-",
                         L"",
                         L"1e5",
                         L"+1",
                         L"1.2.3",
                         L"abc",
                         L"1,5",
                         L"7"});
        case listedit::ValueOrder::Date:
            return Pick({L"2024-3-5", L"2024-03-05", L"1969-7-20", L"1969-10-1", L"1900-1-1", L"9999-12-31",
                         L"2000-2-29", L"2023-2-29", L"1899-12-31", L"2024-13-1", L" 2020-1-1 ", L"", L"x",
                         L"2024-3-5x", L"1969-07-20"});
        default:
            if (listedit::TraitsOf(type).listCode && Chance(2))
                return Pick({L"01-North", L"02-South", L"01", L"-none", L"x-y-z", L"02"});
            return Text();
        }
    }
    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }
    bool Chance(std::size_t n) { return Below(n) == 0; }

private:
    std::wstring Pick(std::initializer_list<const wchar_t*> values) {
        return *(values.begin() + static_cast<std::ptrdiff_t>(Below(values.size())));
    }
    std::wstring Text() {
        static constexpr std::wstring_view alphabet = L"aAbBz%_-' 0é中\u00c9";
        std::wstring text(Below(5), L' ');
        for (wchar_t& c : text) c = alphabet[Below(alphabet.size())];
        return text;
    }
    std::mt19937 m_random;
};

struct Database {
    Database() { EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK); }
    ~Database() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement Prepare(sqlite3* db, const std::wstring& sql) {
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare16_v2(db, U16(sql).c_str(), -1, &statement, nullptr), SQLITE_OK)
        << testing::PrintToString(sql) << ": " << sqlite3_errmsg(db);
    return Statement(statement, &sqlite3_finalize);
}

// A value stored or bound as the reference table holds it: a number as REAL and a date as ISO
// text, or NULL when not one; texts as they are; a list value by its code.
void BindValue(sqlite3_stmt* statement, int index, std::wstring_view value, int type,
               std::wstring_view separator) {
    using namespace listedit;
    const ValueTraits& traits = TraitsOf(type);
    if (traits.order == ValueOrder::Number) {
        if (const auto number = datawnd::ReadNumber(value))
            sqlite3_bind_double(statement, index, *number + 0.0);
        else
            sqlite3_bind_null(statement, index);
    } else if (traits.order == ValueOrder::Date) {
        if (const auto date = datawnd::ReadDate(value))
            sqlite3_bind_text16(statement, index, U16(datawnd::FormatIsoDate(*date)).c_str(), -1,
                                SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement, index);
    } else {
        const std::wstring_view text = traits.listCode ? datawnd::ListCode(value, separator) : value;
        sqlite3_bind_text16(statement, index, U16(text).c_str(), -1, SQLITE_TRANSIENT);
    }
}

} // namespace

TEST(ConditionFilter, SelectsTheRowsSqliteSelects) {
    Values values(20261207);
    std::size_t conditions = 0, matched = 0, total = 0;
    for (int table = 0; table < 40; ++table) {
        const std::wstring separator = values.Chance(4) ? L"" : L"-";
        Database database;
        std::wstring create = L"CREATE TABLE t(";
        for (std::size_t f = 0; f < kFields.size(); ++f) {
            const auto order = listedit::TraitsOf(kFields[f].type).order;
            create += (f ? L", \"" : L"\"") + kFields[f].name + L"\" " +
                      (order == listedit::ValueOrder::Number ? L"REAL" : L"TEXT");
        }
        ASSERT_EQ(sqlite3_step(Prepare(database.db, create + L")").get()), SQLITE_DONE);

        // Records with every field's column, and some cut short (the columns past their end NULL).
        std::vector<std::vector<std::wstring>> records(150);
        const Statement insert = Prepare(database.db, L"INSERT INTO t VALUES (?,?,?,?,?,?,?,?,?,NULL)");
        for (std::vector<std::wstring>& record : records) {
            for (std::size_t f = 0; f < kBoundFields; ++f) record.push_back(values.Of(kFields[f].type));
            if (values.Chance(10)) record.resize(values.Below(kBoundFields));
            sqlite3_reset(insert.get());
            for (std::size_t f = 0; f < kBoundFields; ++f) {
                const int index = static_cast<int>(f) + 1;
                if (f < record.size())
                    BindValue(insert.get(), index, record[f], kFields[f].type, separator);
                else
                    sqlite3_bind_null(insert.get(), index);
            }
            ASSERT_EQ(sqlite3_step(insert.get()), SQLITE_DONE);
        }

        for (int trial = 0; trial < 60; ++trial, ++conditions) {
            Condition condition{kFields, {}};
            condition.terms.resize(values.Below(7));
            for (ConditionTerm& term : condition.terms) {
                term.field = values.Below(kFields.size() - (values.Chance(8) ? 0 : 1));
                term.comparison = static_cast<Comparison>(values.Below(kComparisonCount));
                term.value = values.Of(kFields[term.field].type);
                term.relation = static_cast<Relation>(values.Below(kRelationCount));
                term.open = values.Chance(3);
                term.close = values.Chance(3);
            }
            const ParameterizedCondition sql = BuildParameterizedCondition(
                condition.terms, condition.fields, {L"\"", L"\""}, ValueOptions{false, separator, false});
            const std::wstring select = L"SELECT rowid FROM t" +
                                        (sql.text.empty() ? L"" : L" WHERE " + sql.text) + L" ORDER BY rowid";
            const Statement query = Prepare(database.db, select);
            ASSERT_TRUE(query);
            for (std::size_t v = 0; v < sql.values.size(); ++v)
                BindValue(query.get(), static_cast<int>(v) + 1, sql.values[v], sql.types[v], separator);
            std::vector<std::size_t> expected;
            for (int step; (step = sqlite3_step(query.get())) == SQLITE_ROW;)
                expected.push_back(static_cast<std::size_t>(sqlite3_column_int64(query.get(), 0)) - 1);

            const ConditionProgram program(condition, Columns(), separator);
            std::vector<std::size_t> actual;
            for (std::size_t r = 0; r < records.size(); ++r)
                if (program.Matches(records[r])) actual.push_back(r);
            ASSERT_EQ(actual, expected)
                << testing::PrintToString(select) << " (separator " << testing::PrintToString(separator)
                << ") values " << testing::PrintToString(sql.values);
            matched += actual.size();
            total += records.size();
        }
    }
    // The conditions are not all trivially true or false.
    EXPECT_GT(matched, total / 20);
    EXPECT_LT(matched, total - total / 20);
    EXPECT_EQ(conditions, 2400u);
}
