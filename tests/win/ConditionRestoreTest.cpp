// A condition list filled from code and from a stored condition: AddCondition, and a condition text
// (and its parameterized form) set back as rows, or refused with the rows left as they were.
#include "Harness.h"

using namespace harness;

namespace {

constexpr int kFieldBox = 1002;

struct RestoreList : CConditionListCtrl {
    using CConditionListCtrl::m_nCurItem;
    using CConditionListCtrl::m_pDataWnd;
};

class ConditionRestoreTest : public WindowTest {
protected:
    RestoreList list;
    CStringArray cities;

    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(0, 0, 300, 330), &host, 100));
        cities.Add(L"01-North");
        list.SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", UINT(DWT_INTEGER), nullptr, L"CITY",
                          UINT(DWT_LIST), &cities, L"Order Date", UINT(DWT_DATE), nullptr, nullptr);
    }
    std::wstring Sql() {
        CString sql;
        EXPECT_EQ(list.GetSQLSelectString(sql), 1);
        return sql.str();
    }
    // The user opens the entry row, picks NAME and types a value that stays pending.
    void BeginEntry() {
        Click(list, 300, 300);
        HWND box = ::GetDlgItem(list, kFieldBox);
        ::SendMessageW(box, CB_SETCURSEL, 0, 0);
        ::SendMessageW(list, WM_COMMAND, MAKEWPARAM(kFieldBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        list.m_pDataWnd->SetText(L"pending");
    }
};

} // namespace

TEST_F(ConditionRestoreTest, AddConditionWritesTheControlsOwnCellsInFrontOfTheEntryRow) {
    EXPECT_EQ(list.AddCondition(L"name", L"  not LIKE ", L"Sm%", L"OR", TRUE), 0);
    EXPECT_EQ(list.AddCondition(L"CITY", L"=", L"01-North", nullptr, FALSE, TRUE), 1);
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> refused[] = {
        {L"NOSUCH", L"=", L"or"}, {L"AGE", L"==", L"or"}, {L"AGE", L"=", L"xor"}};
    for (const auto& [field, cmp, rel] : refused) EXPECT_EQ(list.AddCondition(field, cmp, L"1", rel), -1);
    const wchar_t* cells[2][6] = {{L"(", L"NAME", CONDITION_NOT_LIKE, L"Sm%", L" ", RELATION_OR},
                                  {L" ", L"CITY", CONDITION_EQUAL, L"01-North", L")", RELATION_NONE}};
    ASSERT_EQ(list.GetItemCount(), 3);
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 6; ++c) EXPECT_EQ(list.GetItemText(row, c), cells[row][c]) << row << c;
    EXPECT_EQ(list.GetItemData(1), DWORD_PTR(DWT_LIST));
    EXPECT_EQ(list.GetItemText(2, 1), L"");

    BeginEntry(); // editors on the entry row go down with it
    ASSERT_EQ(list.AddCondition(L"AGE", L"<", L"1"), 2);
    EXPECT_EQ(list.m_nCurItem, 3);
    CRect rcEntry, rcBox;
    list.GetItemRect(3, rcEntry, LVIR_BOUNDS);
    ::GetWindowRect(::GetDlgItem(list, kFieldBox), &rcBox);
    list.ScreenToClient(&rcBox);
    EXPECT_EQ(rcBox.top, rcEntry.top);
}

TEST_F(ConditionRestoreTest, ConditionTextReplacesTheRowsOrLeavesThem) {
    const wchar_t* before = L"NAME = 'before'";
    const std::tuple<const wchar_t*, BOOL, const wchar_t*, int, const wchar_t*> cases[] = {
        // field name quotes, quote doubling, text, offset refused at (-1: taken), text afterwards
        {nullptr, FALSE, L"", -1, L""},
        {nullptr, TRUE, L"name = 'O''Neil' or (AGE > 30 and city = '01') and AGE = 1", -1,
         L"NAME = 'O''Neil' or (AGE > 30 and CITY = '01') and AGE = 1"},
        {nullptr, FALSE, L"NAME = 'O''Neil'", -1, L"NAME = 'O'Neil'"},
        {L"[", FALSE, L"Order Date >= '2024-3-5'", -1, L"[Order Date] >= '2024-3-5'"},
        {nullptr, FALSE, L"NAME = 'x' and NOSUCH = 1", 15, before},
    };
    for (const auto& [quote, doubling, text, pos, back] : cases) {
        list.SetSQLSelectString(before);
        list.SetFieldNameQuotes(quote, quote ? L"]" : nullptr);
        list.EnableQuoteDoubling(doubling);
        EXPECT_EQ(list.SetSQLSelectString(text), pos < 0 ? 1 : 0) << text;
        int at = -2;
        EXPECT_EQ(list.GetSQLParseError(&at).IsEmpty(), pos < 0);
        EXPECT_EQ(at, pos);
        EXPECT_EQ(Sql(), back);
        // The parameterized form of the rows now held sets them back too.
        CString sql;
        CStringArray values;
        CUIntArray types;
        list.GetSQLSelectParams(sql, values, types);
        list.Clear();
        EXPECT_EQ(list.SetSQLSelectParams(sql, values, types), 1);
        EXPECT_EQ(Sql(), back);
    }
    ASSERT_EQ(list.SetSQLSelectString(L"CITY = '01'"), 1);
    EXPECT_EQ(list.GetItemText(0, 3), L"01-North");
    EXPECT_EQ(list.GetItemData(0), DWORD_PTR(DWT_LIST));
}

TEST_F(ConditionRestoreTest, AnEditInProgressStaysWithARefusedTextAndGoesWithATakenOne) {
    BeginEntry();
    ASSERT_EQ(list.SetSQLSelectString(L"AGE = "), 0);
    EXPECT_EQ(list.m_nCurItem, 0);
    ASSERT_EQ(list.SetSQLSelectString(L"AGE = 1"), 1);
    EXPECT_EQ(list.m_nCurItem, -1);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(list, kFieldBox)));
    EXPECT_EQ(Sql(), L"AGE = 1"); // "pending" was not committed
}
