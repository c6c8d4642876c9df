// A condition list filled from code and from a stored condition: rows added with AddCondition,
// condition text (and its parameterized form) set back as rows, and what a refused text leaves.
#include "Harness.h"

using namespace harness;

namespace {

constexpr UINT kFieldBox = 1002, kCmpBox = 1003;

class RestoreList : public CConditionListCtrl {
public:
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
        cities.Add(L"02-South");
        list.SetFieldList(L"NAME", DWT_TEXT, nullptr, L"AGE", static_cast<UINT>(DWT_INTEGER), nullptr,
                          L"CITY", static_cast<UINT>(DWT_LIST), &cities, L"ACTIVE",
                          static_cast<UINT>(DWT_CHECK), nullptr, L"Order Date", static_cast<UINT>(DWT_DATE),
                          nullptr, nullptr);
    }

    std::wstring Sql() {
        CString sql;
        EXPECT_EQ(list.GetSQLSelectString(sql), 1);
        return sql.str();
    }
    std::vector<std::wstring> Row(int row) {
        std::vector<std::wstring> cells;
        for (int c = 0; c < 6; ++c) cells.push_back(list.GetItemText(row, c).str());
        return cells;
    }
    bool EditorShown(UINT nID) {
        return ::IsWindowVisible(::GetDlgItem(list, static_cast<int>(nID))) != FALSE;
    }
    // The user opens the entry row, picks NAME and types a value, and leaves it pending.
    void BeginEntry(const wchar_t* value) {
        CRect rc;
        list.GetItemRect(list.GetItemCount() - 1, rc, LVIR_BOUNDS);
        Click(list, 300, rc.bottom + 30);
        HWND box = ::GetDlgItem(list, kFieldBox);
        ::SendMessageW(box, CB_SETCURSEL, 0, 0);
        ::SendMessageW(list, WM_COMMAND, MAKEWPARAM(kFieldBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        list.m_pDataWnd->SetText(value);
    }
};

} // namespace

TEST_F(ConditionRestoreTest, AddConditionWritesTheControlsOwnCells) {
    struct Case {
        const wchar_t* field;
        const wchar_t* cmp;
        const wchar_t* value;
        const wchar_t* rel;
        BOOL open, close;
        int index;
        std::vector<std::wstring> cells;
        int type;
    };
    const Case cases[] = {
        {L"NAME",
         L"Like",
         L"Sm%",
         L"or",
         TRUE,
         FALSE,
         0,
         {L"(", L"NAME", CONDITION_LIKE, L"Sm%", L" ", RELATION_OR},
         1},
        {L"city",
         L"  not LIKE ",
         L"01-North",
         L"AND",
         FALSE,
         TRUE,
         1,
         {L" ", L"CITY", CONDITION_NOT_LIKE, L"01-North", L")", RELATION_AND},
         DWT_LIST},
        {L"AGE",
         L">=",
         L"18",
         nullptr,
         FALSE,
         FALSE,
         2,
         {L" ", L"AGE", CONDITION_GREATER_EQUAL, L"18", L" ", RELATION_NONE},
         DWT_INTEGER},
        {L"NOSUCH", L"=", L"1", nullptr, FALSE, FALSE, -1, {}, 0},
        {L"AGE", L"==", L"1", nullptr, FALSE, FALSE, -1, {}, 0},
        {L"AGE", L"=", L"1", L"xor", FALSE, FALSE, -1, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const int count = list.GetItemCount();
        ASSERT_EQ(list.AddCondition(c.field, c.cmp, c.value, c.rel, c.open, c.close), c.index);
        if (c.index < 0) {
            EXPECT_EQ(list.GetItemCount(), count);
            continue;
        }
        EXPECT_EQ(Row(c.index), c.cells);
        EXPECT_EQ(list.GetItemData(c.index), static_cast<DWORD_PTR>(c.type));
        EXPECT_EQ(Row(c.index + 1), std::vector<std::wstring>(6)); // the entry row stays last
    }
    EXPECT_EQ(Sql(), L"(NAME Like 'Sm%' or CITY Not Like '01') and AGE >= 18");

    // Editors open on the entry row stay with it as a row is added in front.
    BeginEntry(L"x");
    const int entry = list.GetItemCount() - 1;
    ASSERT_EQ(list.AddCondition(L"AGE", L"=", L"1"), entry);
    EXPECT_EQ(list.m_nCurItem, entry + 1);
    CRect rcEntry, rcBox;
    list.GetItemRect(entry + 1, rcEntry, LVIR_BOUNDS);
    ::GetWindowRect(::GetDlgItem(list, kFieldBox), &rcBox);
    list.ScreenToClient(&rcBox);
    EXPECT_EQ(rcBox.top, rcEntry.top);
}

TEST_F(ConditionRestoreTest, SetSQLSelectStringReplacesTheRowsOrRefusesTheText) {
    struct Case {
        const wchar_t* quoteOpen;
        const wchar_t* quoteClose;
        BOOL doubling;
        const wchar_t* text;
        int pos;             // -1: taken
        const wchar_t* back; // GetSQLSelectString afterwards
        std::vector<DWORD_PTR> types;
    };
    const wchar_t* before = L"NAME = 'before'";
    const Case cases[] = {
        {nullptr, nullptr, FALSE, L"", -1, L"", {}},
        {nullptr,
         nullptr,
         TRUE,
         L"name = 'O''Neil' or (AGE > 30 and city = '01') and ACTIVE = 1",
         -1,
         L"NAME = 'O''Neil' or (AGE > 30 and CITY = '01') and ACTIVE = 1",
         {DWT_TEXT, DWT_INTEGER, DWT_LIST, DWT_CHECK}},
        {nullptr, nullptr, FALSE, L"NAME = 'O''Neil'", -1, L"NAME = 'O'Neil'", {DWT_TEXT}},
        {L"[", L"]", FALSE, L"[Order Date] >= '2024-3-5'", -1, L"[Order Date] >= '2024-3-5'", {DWT_DATE}},
        {L"\"", nullptr, FALSE, L"Order Date >= '2024-3-5'", -1, L"\"Order Date\" >= '2024-3-5'", {DWT_DATE}},
        {nullptr, nullptr, FALSE, L"[Order Date] >= '2024-3-5'", -1, L"Order Date >= '2024-3-5'", {DWT_DATE}},
        {nullptr, nullptr, FALSE, L"NAME = 'x' and NOSUCH = 1", 15, before, {DWT_TEXT}},
        {nullptr, nullptr, FALSE, L"(NAME = 'x'", 0, before, {DWT_TEXT}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        list.Clear();
        list.SetFieldNameQuotes(nullptr, nullptr);
        list.EnableQuoteDoubling(FALSE);
        list.AddCondition(L"NAME", L"=", L"before");
        list.SetFieldNameQuotes(c.quoteOpen, c.quoteClose);
        list.EnableQuoteDoubling(c.doubling);

        EXPECT_EQ(list.SetSQLSelectString(c.text), c.pos < 0 ? 1 : 0);
        int pos = -2;
        EXPECT_EQ(list.GetSQLParseError(&pos).IsEmpty(), c.pos < 0);
        EXPECT_EQ(pos, c.pos);
        EXPECT_EQ(Sql(), c.back);
        ASSERT_EQ(list.GetItemCount(), static_cast<int>(c.types.size()) + 1);
        for (int i = 0; i < static_cast<int>(c.types.size()); ++i) EXPECT_EQ(list.GetItemData(i), c.types[i]);
    }
}

TEST_F(ConditionRestoreTest, AnEditInProgressStaysWithARefusedTextAndGoesWithATakenOne) {
    BeginEntry(L"pending");
    ASSERT_EQ(list.SetSQLSelectString(L"AGE = "), 0);
    EXPECT_EQ(list.m_nCurItem, 0);
    EXPECT_TRUE(EditorShown(kCmpBox));

    ASSERT_EQ(list.SetSQLSelectString(L"AGE = 1"), 1);
    EXPECT_EQ(list.m_nCurItem, -1);
    EXPECT_FALSE(EditorShown(kFieldBox));
    EXPECT_EQ(Sql(), L"AGE = 1"); // "pending" was not committed
}

TEST_F(ConditionRestoreTest, TheParameterizedFormComesBackWithItsValues) {
    list.SetFieldNameQuotes(L"[", L"]");
    list.AddCondition(L"NAME", L"=", L"O'Neil", L"or", TRUE);
    list.AddCondition(L"CITY", L"=", L"02-South", L"and", FALSE, TRUE);
    list.AddCondition(L"ACTIVE", L"<>", L"0");
    CString sql;
    CStringArray values;
    CUIntArray types;
    ASSERT_EQ(list.GetSQLSelectParams(sql, values, types), 1);
    const std::wstring text = Sql();

    list.Clear();
    ASSERT_EQ(list.SetSQLSelectParams(sql, values, types), 1);
    EXPECT_EQ(list.GetItemText(1, 3), L"02-South");
    CString sqlAgain;
    CStringArray valuesAgain;
    CUIntArray typesAgain;
    ASSERT_EQ(list.GetSQLSelectParams(sqlAgain, valuesAgain, typesAgain), 1);
    EXPECT_EQ(sqlAgain, sql);
    ASSERT_EQ(valuesAgain.GetSize(), 3);
    for (INT_PTR i = 0; i < 3; ++i) {
        EXPECT_EQ(valuesAgain[i], values[i]);
        EXPECT_EQ(typesAgain[i], types[i]);
    }

    values.Add(L"1"); // one value too many: refused at the end, rows kept
    types.Add(DWT_INTEGER);
    EXPECT_EQ(list.SetSQLSelectParams(sql, values, types), 0);
    EXPECT_EQ(Sql(), text);
}
