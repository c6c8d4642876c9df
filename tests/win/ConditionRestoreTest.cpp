// A condition list filled from code and from a stored condition: AddCondition, and a condition text
// (and its parameterized form) set back as rows, or refused with the rows and any edit left as they
// were.
#include "ListFixtures.h"

using namespace harness;
using ConditionRestoreTest = ConditionListTest;

TEST_F(ConditionRestoreTest, AddConditionWritesTheControlsOwnCellsInFrontOfTheEntryRow) {
    EXPECT_EQ(list.AddCondition(L"name", L"  not LIKE ", L"Sm%", L"OR", TRUE), 0);
    EXPECT_EQ(list.AddCondition(L"CITY", L"=", L"01-North", nullptr, FALSE, TRUE), 1);
    for (auto [field, cmp, rel] :
         {std::tuple(L"NOSUCH", L"=", L"or"), {L"AGE", L"==", L"or"}, {L"AGE", L"=", L"xor"}})
        EXPECT_EQ(list.AddCondition(field, cmp, L"1", rel), -1);
    std::wstring cells;
    for (int i = 0; i < 18; ++i) cells += Cell(i / 6, i % 6) + L"|";
    EXPECT_EQ(cells, L"(|NAME|不象(Not Like)|Sm%| |或(or)| |CITY|等于(=)|01-North|)|无|||||||");
    EXPECT_EQ(list.GetItemData(1), DWORD_PTR(DWT_LIST));

    ClickBelowRows(); // editors on the entry row go down with it
    ASSERT_EQ(list.AddCondition(L"AGE", L"<", L"1"), 2);
    EXPECT_EQ(std::tuple(list.m_nCurItem, EditorTop(kField)), std::tuple(3, CellRect(list, 3, 0).top));
}

TEST_F(ConditionRestoreTest, ConditionTextReplacesTheRowsOrLeavesThem) {
    list.SetFieldNameQuotes(L"[", L"]");
    list.EnableQuoteDoubling(TRUE);
    const wchar_t* taken = L"[NAME] = 'O''Neil' or [Order Date] >= '2024-3-5' and [CITY] = '01'";
    ClickBelowRows(); // an edit in progress: NAME picked, a value pending
    Choose(kField, L"NAME");
    list.m_pDataWnd->SetText(L"pending");
    int at = -2;
    ASSERT_EQ(list.SetSQLSelectString(L"AGE = "), 0);
    EXPECT_EQ(std::tuple(list.m_nCurItem, list.GetSQLParseError().IsEmpty()), std::tuple(0, FALSE));
    ASSERT_EQ(list.SetSQLSelectString(L"name = 'O''Neil' or [Order Date] >= '2024-3-5' and city = '01'"), 1);
    EXPECT_EQ((std::tuple{list.m_nCurItem, Shown(kField), list.GetSQLParseError(&at).IsEmpty(), at}),
              std::tuple(-1, false, TRUE, -1));
    EXPECT_EQ(Sql(), taken); // "pending" was not committed
    EXPECT_EQ(std::tuple(Cell(2, 3), list.GetItemData(2)), std::tuple(L"01-North", DWORD_PTR(DWT_LIST)));
    ASSERT_EQ(list.GetSQLSelectParams(params, values, types), 1);
    list.Clear();
    EXPECT_EQ(list.SetSQLSelectParams(params, values, types), 1);
    EXPECT_EQ(Sql(), taken);

    EXPECT_EQ(list.SetSQLSelectString(L"NAME = 'x' and NOSUCH = 1"), 0);
    EXPECT_EQ((std::tuple{list.GetSQLParseError(&at).IsEmpty(), at, Sql()}),
              std::tuple(FALSE, 15, std::wstring(taken)));
    list.EnableQuoteDoubling(FALSE);
    EXPECT_EQ(Sql(), L"[NAME] = 'O'Neil' or [Order Date] >= '2024-3-5' and [CITY] = '01'");
    EXPECT_EQ(list.SetSQLSelectString(L""), 1); // no conditions
    EXPECT_EQ(list.GetItemCount(), 1);
}

// The rows as a predicate: the pending row committed first, the list's code separator, the
// bindings kept; an empty pending value leaves the filter as it was.
TEST_F(ConditionRestoreTest, GetFilterRunsTheRowsOnRecords) {
    CConditionFilter filter;
    filter.Bind(L"AGE", 0);
    filter.Bind(L"CITY", 1);
    Compose({{L" ", L"AGE", L"大于(>)", L"9", L" ", L"与(and)"},
             {L" ", L"CITY", L"等于(=)", L"01-North", L" ", L"无"}});
    ASSERT_EQ(list.GetFilter(filter), 1);
    EXPECT_EQ(list.GetItemCount(), 3);
    CStringArray record;
    EXPECT_EQ(std::pair(filter(Fill(record, {L"10", L"01-South"})), filter(Fill(record, {L"9", L"01"}))),
              std::pair(true, false)); // the city by its code

    list.SetListCodeSeparator(L"");
    ASSERT_EQ(list.GetFilter(filter), 1);
    EXPECT_EQ(
        std::pair(filter(Fill(record, {L"10", L"01-South"})), filter(Fill(record, {L"10", L"01-North"}))),
        std::pair(false, true));
    ClickBelowRows();
    Choose(kField, L"NAME"); // a pending row with no value
    EXPECT_EQ(list.GetFilter(filter), 0);
    EXPECT_TRUE(filter(Fill(record, {L"10", L"01-North"})));
    EXPECT_TRUE(CConditionFilter()(Fill(record, {})));
}
