// The condition text, proven on a real database: each generated condition selects the expected ids
// from a table with one column per field type, once with the values in the text and once with
// placeholders and bound values.
#include "condlist/ConditionText.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace listedit::condlist;

namespace {

// The statements are ASCII: field names, operators and the values below.
std::string Utf8(std::wstring_view s) {
    return std::string(s.begin(), s.end());
}

// Fields: one column per type code.
//   NAME 1 text, SALARY 2 number, AGE 3 integer, BORN 4 date, SCORE 5 number,
//   CITY 6 list ("01-North"), ACTIVE 7 check, DEPT 8 combo
class Db {
public:
    Db() {
        sqlite3_open(":memory:", &m_db);
        Exec("CREATE TABLE t(id INTEGER PRIMARY KEY, NAME TEXT, SALARY REAL, AGE INTEGER, BORN TEXT,"
             " SCORE REAL, CITY TEXT, ACTIVE INTEGER, DEPT TEXT);"
             "INSERT INTO t VALUES"
             " (1, 'Smith',   5000.5, 30, '2024-3-5',  88.5, '01', 1, 'Sales'),"
             " (2, 'Smythe',  4200,   18, '1990-12-1', 70,   '02', 0, 'IT'),"
             " (3, 'Jones',   6100,   45, '1985-7-20', 95,   '01', 1, 'IT'),"
             " (4, 'O''Brien', 3900,  17, '2001-1-1',  60,   '01', 0, 'Sales'),"
             " (5, 'Smart',   7000,   52, '1970-5-5',  99.5, '02', 1, 'HR');");
    }
    ~Db() { sqlite3_close(m_db); }

    void Exec(const char* sql) { ASSERT_EQ(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), SQLITE_OK); }

    // The ids the condition selects (an empty condition: no WHERE clause), the values (if any)
    // bound in order, numbers as numbers; nullopt when the statement does not prepare.
    std::optional<std::vector<int>> Ids(std::wstring_view condition,
                                        const std::vector<std::wstring>& values = {},
                                        const std::vector<int>& types = {}) {
        const std::string sql =
            "SELECT id FROM t" + (condition.empty() ? "" : " WHERE " + Utf8(condition)) + " ORDER BY id";
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, &sqlite3_finalize);
        for (size_t i = 0; i < values.size(); ++i) {
            const std::string v = Utf8(values[i]);
            const int t = types[i], n = int(i) + 1;
            if (t == 2 || t == 3 || t == 5 || t == 7)
                sqlite3_bind_double(raw, n, std::strtod(v.c_str(), nullptr));
            else
                sqlite3_bind_text(raw, n, v.c_str(), -1, SQLITE_TRANSIENT);
        }
        std::vector<int> ids;
        while (sqlite3_step(raw) == SQLITE_ROW) ids.push_back(sqlite3_column_int(raw, 0));
        return ids;
    }

private:
    sqlite3* m_db = nullptr;
};

// A row written the way the editors leave it: blank parentheses are a space.
ConditionRow Row(const wchar_t* field, int type, const wchar_t* comparison, const wchar_t* value,
                 const wchar_t* relation = L"无", const wchar_t* left = L" ", const wchar_t* right = L" ") {
    return ConditionRow{{left, field, comparison, value, right, relation}, type};
}

const wchar_t *const eq = L"等于(=)", *const gt = L"大于(>)", *const ge = L"大于等于(>=)",
                     *const orr = L"或(or)", *const andd = L"与(and)", *const none = L"无";

} // namespace

TEST(ConditionText, SelectsTheExpectedRowsInBothForms) {
    const struct {
        const char* name;
        std::vector<ConditionRow> rows;
        std::wstring text;
        std::vector<int> ids;
    } cases[] = {
        {"no condition rows", {}, L"", {1, 2, 3, 4, 5}},
        {"two rows ignore parentheses",
         {Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"AGE", 2, gt, L"30", none, L" ", L")")},
         L"NAME = 'Smith' or AGE > 30",
         {1, 3, 5}},
        {"three rows: the list value compares by its code",
         {Row(L"NAME", 1, L"象(Like)", L"Sm%", orr, L"("), Row(L"CITY", 6, eq, L"01-North", andd, L" ", L")"),
          Row(L"AGE", 2, ge, L"18")},
         L"(NAME Like 'Sm%' or CITY = '01') and AGE >= 18",
         {1, 2, 3, 5}},
        {"one row: its parentheses and relation unused",
         {Row(L"SALARY", 2, L"不等于(<>)", L"4200", orr, L"(", L")")},
         L"SALARY <> 4200",
         {1, 3, 4, 5}},
        {"number2 and less-or-equal", {Row(L"SCORE", 5, L"小于等于(<=)", L"70")}, L"SCORE <= 70", {2, 4}},
        {"integer and less", {Row(L"AGE", 3, L"小于(<)", L"18")}, L"AGE < 18", {4}},
        {"date quoted", {Row(L"BORN", 4, eq, L"2024-3-5")}, L"BORN = '2024-3-5'", {1}},
        {"check state unquoted", {Row(L"ACTIVE", 7, eq, L"1")}, L"ACTIVE = 1", {1, 3, 5}},
        {"combo and not like", {Row(L"DEPT", 8, L"不象(Not Like)", L"S%")}, L"DEPT Not Like 'S%'", {2, 3, 5}},
        {"list value without a code part", {Row(L"CITY", 6, eq, L"02")}, L"CITY = '02'", {2, 5}},
        {"list value beginning with the dash", {Row(L"CITY", 6, eq, L"-North")}, L"CITY = ''", {}},
        {"cells trimmed", {Row(L" NAME ", 1, L" 等于(=)\t", L"  Smith  ")}, L"NAME = 'Smith'", {1}},
        {"unclosed parenthesis closed at the end",
         {Row(L"NAME", 1, eq, L"Jones", orr, L"("), Row(L"AGE", 3, gt, L"50"), Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Jones' or AGE > 50 and ACTIVE = 1)",
         {3, 5}},
        {"closing with nothing open is ignored; the last row does not open",
         {Row(L"NAME", 1, eq, L"Smith", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Jones", andd),
          Row(L"AGE", 3, gt, L"40", orr, L"(")},
         L"NAME = 'Smith' or NAME = 'Jones' and AGE > 40",
         {1, 3}},
        {"nested: the inner closes, the outer at the end",
         {Row(L"DEPT", 8, eq, L"IT", orr, L"("), Row(L"CITY", 6, eq, L"01", andd, L"("),
          Row(L"AGE", 3, ge, L"40", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Smart")},
         L"(DEPT = 'IT' or (CITY = '01' and AGE >= 40) or NAME = 'Smart')",
         {2, 3, 5}},
        {"a row with both parentheses closes the open one",
         {Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"NAME", 1, eq, L"Jones", andd, L"(", L")"),
          Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Smith' or NAME = 'Jones') and ACTIVE = 1",
         {1, 3}},
    };
    Db db;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring text = BuildConditionText(c.rows);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(db.Ids(text), c.ids);
        const ParameterizedCondition p = BuildParameterizedCondition(c.rows);
        EXPECT_EQ(db.Ids(p.text, p.values, p.types), c.ids);
    }
}

TEST(ConditionText, ParametersListValuesAndTypesInOrder) {
    const ConditionRow rows[] = {Row(L"NAME", 1, L"象(Like)", L" Sm% ", orr, L"("),
                                 Row(L"CITY", 6, eq, L"01-North", andd, L" ", L")"),
                                 Row(L"AGE", 2, ge, L"18")};
    const ParameterizedCondition p = BuildParameterizedCondition(rows);
    EXPECT_EQ(p.text, L"(NAME Like ? or CITY = ?) and AGE >= ?");
    EXPECT_EQ(p.values, (std::vector<std::wstring>{L"Sm%", L"01", L"18"}));
    EXPECT_EQ(p.types, (std::vector<int>{1, 6, 2}));
}

// What the user types is copied between quotes in the text form; bound, it is only ever a value.
TEST(ConditionText, BoundValuesCannotChangeTheStatement) {
    const struct {
        const wchar_t* value;
        std::optional<std::vector<int>> textIds; // nullopt: the text form is not even valid SQL
        std::vector<int> boundIds;
    } cases[] = {
        {L"x' OR '1'='1", std::vector<int>{1, 2, 3, 4, 5}, {}},
        {L"O'Brien", std::nullopt, {4}},
        {L"Smith'; DROP TABLE t; --", std::vector<int>{1}, {}}, // prepared alone, the rest is left over
    };
    Db db;
    for (const auto& c : cases) {
        const ConditionRow rows[] = {Row(L"NAME", 1, eq, c.value)};
        const ParameterizedCondition p = BuildParameterizedCondition(rows);
        EXPECT_EQ(db.Ids(p.text, p.values, p.types), c.boundIds);
        EXPECT_EQ(db.Ids(BuildConditionText(rows)), c.textIds);
    }
    EXPECT_EQ(db.Ids(L""), (std::vector<int>{1, 2, 3, 4, 5})); // the table is still whole
}
