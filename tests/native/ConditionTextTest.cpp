#include "condlist/ConditionText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace listedit::condlist;

namespace {

// A row written the way the editors leave it: blank parentheses are a space.
ConditionRow Row(const wchar_t* field, int type, const wchar_t* comparison, const wchar_t* value,
                 const wchar_t* relation = L"无", const wchar_t* left = L" ", const wchar_t* right = L" ") {
    return ConditionRow{{left, field, comparison, value, right, relation}, type};
}

const wchar_t *const eq = L"等于(=)", *const gt = L"大于(>)", *const ge = L"大于等于(>=)",
                     *const orr = L"或(or)", *const andd = L"与(and)", *const none = L"无";

} // namespace

// Type codes: 1 text, 2 and 5 numbers, 3 integer, 4 date, 6 list ("01-North" compares by "01"),
// 7 check state, 8 combo. The parameterized form is the same text with a "?" for each value, the
// values (trimmed, a list value cut to its code) listed in order with their types.
TEST(ConditionText, WritesTheRowsInBothForms) {
    const struct {
        const char* name;
        std::vector<ConditionRow> rows;
        std::wstring text;
    } cases[] = {
        {"no condition rows", {}, L""},
        {"two rows ignore parentheses",
         {Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"AGE", 2, gt, L"30", none, L" ", L")")},
         L"NAME = 'Smith' or AGE > 30"},
        {"three rows: the list value compares by its code",
         {Row(L"NAME", 1, L"象(Like)", L" Sm% ", orr, L"("),
          Row(L"CITY", 6, eq, L"01-North", andd, L" ", L")"), Row(L"AGE", 2, ge, L"18")},
         L"(NAME Like 'Sm%' or CITY = '01') and AGE >= 18"},
        {"one row: its parentheses and relation unused",
         {Row(L"SALARY", 2, L"不等于(<>)", L"4200", orr, L"(", L")")},
         L"SALARY <> 4200"},
        {"number2 and less-or-equal", {Row(L"SCORE", 5, L"小于等于(<=)", L"70")}, L"SCORE <= 70"},
        {"integer and less", {Row(L"AGE", 3, L"小于(<)", L"18")}, L"AGE < 18"},
        {"date quoted", {Row(L"BORN", 4, eq, L"2024-3-5")}, L"BORN = '2024-3-5'"},
        {"check state unquoted", {Row(L"ACTIVE", 7, eq, L"1")}, L"ACTIVE = 1"},
        {"combo and not like", {Row(L"DEPT", 8, L"不象(Not Like)", L"S%")}, L"DEPT Not Like 'S%'"},
        {"list value without a code part", {Row(L"CITY", 6, eq, L"02")}, L"CITY = '02'"},
        {"list value beginning with the dash", {Row(L"CITY", 6, eq, L"-North")}, L"CITY = ''"},
        {"cells trimmed", {Row(L" NAME ", 1, L" 等于(=)\t", L"\u3000 Smith\u2000\u200A")}, L"NAME = 'Smith'"},
        {"a quote copied as it stands", {Row(L"NAME", 1, eq, L"O'Brien")}, L"NAME = 'O'Brien'"},
        {"unclosed parenthesis closed at the end",
         {Row(L"NAME", 1, eq, L"Jones", orr, L"("), Row(L"AGE", 3, gt, L"50"), Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Jones' or AGE > 50 and ACTIVE = 1)"},
        {"closing with nothing open is ignored; the last row does not open",
         {Row(L"NAME", 1, eq, L"Smith", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Jones", andd),
          Row(L"AGE", 3, gt, L"40", orr, L"(")},
         L"NAME = 'Smith' or NAME = 'Jones' and AGE > 40"},
        {"nested: the inner closes, the outer at the end",
         {Row(L"DEPT", 8, eq, L"IT", orr, L"("), Row(L"CITY", 6, eq, L"01", andd, L"("),
          Row(L"AGE", 3, ge, L"40", orr, L" ", L")"), Row(L"NAME", 1, eq, L"Smart")},
         L"(DEPT = 'IT' or (CITY = '01' and AGE >= 40) or NAME = 'Smart')"},
        {"a row with both parentheses closes the open one",
         {Row(L"NAME", 1, eq, L"Smith", orr, L"("), Row(L"NAME", 1, eq, L"Jones", andd, L"(", L")"),
          Row(L"ACTIVE", 7, eq, L"1")},
         L"(NAME = 'Smith' or NAME = 'Jones') and ACTIVE = 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildConditionText(c.rows), c.text);
        const ParameterizedCondition p = BuildParameterizedCondition(c.rows);
        std::wstring substituted;
        std::size_t next = 0;
        for (wchar_t ch : p.text) {
            substituted += ch != L'?' || next == p.values.size() ? std::wstring(1, ch)
                                                                 : QuotedValue(p.values[next], p.types[next]);
            next += ch == L'?';
        }
        EXPECT_EQ(substituted, c.text);
        EXPECT_EQ(next, c.rows.size());
    }
    const ParameterizedCondition p = BuildParameterizedCondition(cases[2].rows);
    EXPECT_EQ(p.values, (std::vector<std::wstring>{L"Sm%", L"01", L"18"}));
    EXPECT_EQ(p.types, (std::vector<int>{1, 6, 2}));
}
