// The condition list in the application's words and at the window's scale: labels replaced (the
// rows relabelled, the SQL unchanged), ISO dates and whole list entries on request, editors that
// follow their columns, and a change of DPI laid out and undone.
#include "ListFixtures.h"

using namespace harness;

namespace {

CConditionLabels German() {
    CConditionLabels labels = CConditionLabels::English();
    labels.m_arrComparisons.RemoveAll();
    for (const wchar_t* c :
         {L"gleich", L"ungleich", L"größer", L"kleiner", L"mindestens", L"höchstens", L"wie", L"nicht wie"})
        labels.m_arrComparisons.Add(c);
    labels.m_arrRelations.RemoveAll();
    for (const wchar_t* r : {L"-", L"und", L"oder"}) labels.m_arrRelations.Add(r);
    return labels;
}

} // namespace

class ConditionLabelsTest : public ConditionListTest {
protected:
    std::vector<std::wstring> BoxEntries(UINT nID) {
        std::vector<std::wstring> entries;
        wchar_t text[64];
        for (int i = 0, n = int(::SendMessageW(Editor(nID), CB_GETCOUNT, 0, 0)); i < n; ++i)
            ::SendMessageW(Editor(nID), CB_GETLBTEXT, WPARAM(i), LPARAM(text)), entries.push_back(text);
        return entries;
    }
    std::vector<std::wstring> Titles() {
        std::vector<std::wstring> titles;
        wchar_t text[64];
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT, lvc.pszText = text, lvc.cchTextMax = 64;
        for (int c = 0; list.GetColumn(c, &lvc); ++c) titles.push_back(text);
        return titles;
    }
    // Every word the list shows: titles, box entries, the rows' labels, the menu.
    std::vector<std::wstring> Shown() {
        std::vector<std::wstring> words = Titles();
        for (UINT nID : {kCmp, kRel})
            for (const std::wstring& e : BoxEntries(nID)) words.push_back(e);
        for (int i = 0; i + 1 < list.GetItemCount(); ++i)
            words.push_back(Cell(i, 2)), words.push_back(Cell(i, 5));
        list.menus.clear();
        list.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
        for (const std::wstring& entry : list.menus.at(0)) words.push_back(entry.substr(0, entry.find(L' ')));
        return words;
    }
    std::vector<std::wstring> Expected(const CConditionLabels& labels) {
        std::vector<std::wstring> words = Strings(labels.m_arrColumns);
        for (const CStringArray* a : {&labels.m_arrComparisons, &labels.m_arrRelations})
            for (const std::wstring& s : Strings(*a)) words.push_back(s);
        const auto cmp = Strings(labels.m_arrComparisons), rel = Strings(labels.m_arrRelations);
        for (auto [c, r] : {std::pair(6, 2), {0, 1}, {4, 0}})
            words.push_back(cmp[c]), words.push_back(rel[r]);
        for (int m : {1, 0, -1, 2}) words.push_back(m < 0 ? L"" : Strings(labels.m_arrMenu)[size_t(m)]);
        return words;
    }
    std::wstring Params() {
        EXPECT_EQ(list.GetSQLSelectParams(params, values, types), 1);
        std::wstring all = params.str();
        for (INT_PTR i = 0; i < values.GetSize(); ++i) all += L"|" + values[i].str();
        return all;
    }
};

// Whatever the labels, rows made by code, by text and by the editors give the same SQL, and every
// word shown is the set's; a change of labels relabels the rows there.
TEST_F(ConditionLabelsTest, EveryWordIsTheSetsAndTheSqlStays) {
    const wchar_t* sql = L"(NAME Like 'Sm%' or AGE = 3) and CITY >= '01'";
    ASSERT_EQ(list.SetSQLSelectString(sql), 1);
    const std::vector<std::wstring> chinese = Shown();
    const std::wstring bound = Params();
    EXPECT_EQ(chinese, Expected(CConditionLabels::Chinese()));
    for (const CConditionLabels& labels :
         {CConditionLabels::English(), German(), CConditionLabels::Chinese()}) {
        list.SetLabels(labels);
        EXPECT_EQ(Shown(), Expected(labels));
        EXPECT_EQ(std::pair(Sql(), Params()), std::pair(std::wstring(sql), bound));
        list.Clear();
        ASSERT_EQ(list.AddCondition(L"NAME", L"Like", L"Sm%", L"or", TRUE), 0);
        ASSERT_EQ(list.AddCondition(L"AGE", L"=", L"3", L"and", FALSE, TRUE), 1);
        ClickBelowRows(); // the parentheses and the relation stay at their first entries
        Choose(kField, L"CITY"), Choose(kCmp, Strings(labels.m_arrComparisons)[4].c_str());
        list.m_pDataWnd->SetText(L"01-North");
        EXPECT_EQ(std::pair(Sql(), Params()), std::pair(std::wstring(sql), bound));
        EXPECT_EQ(Shown(), Expected(labels));
        ASSERT_EQ(list.SetSQLSelectParams(params, values, types), 1);
        EXPECT_EQ(Shown(), Expected(labels));
    }
    CConditionLabels shortOne = CConditionLabels::English();
    shortOne.m_arrMenu.RemoveAt(2);
    EXPECT_TRUE(RaisesInvalidArg([&] { list.SetLabels(shortOne); }));
    EXPECT_EQ(Shown(), chinese);
}

// Opt-ins: dates written with leading zeros in both forms, list entries taken whole.
TEST_F(ConditionLabelsTest, IsoDatesAndWholeListEntries) {
    CStringArray towns;
    towns.Add(L"07-Aix-en-Provence");
    list.AddFieldString(L"TOWN", DWT_LIST, &towns);
    list.EnableIsoDates(TRUE);
    list.SetListCodeSeparator(L"");
    ASSERT_EQ(list.AddCondition(L"Order Date", L"<", L"1969-7-20", L"and"), 0);
    ASSERT_EQ(list.AddCondition(L"TOWN", L"=", L"07-Aix-en-Provence"), 1);
    const std::wstring sql = L"Order Date < '1969-07-20' and TOWN = '07-Aix-en-Provence'";
    EXPECT_EQ(Sql(), sql);
    EXPECT_EQ(Params(), L"Order Date < ? and TOWN = ?|1969-07-20|07-Aix-en-Provence");
    ASSERT_EQ(list.SetSQLSelectString(sql.c_str()), 1); // read back with the same opt-ins
    EXPECT_EQ(std::pair(Cell(0, 3), Cell(1, 3)),
              std::pair(std::wstring(L"1969-7-20"), std::wstring(L"07-Aix-en-Provence")));
    list.EnableIsoDates(FALSE);
    list.SetListCodeSeparator(L"-");
    EXPECT_EQ(Sql(), L"Order Date < '1969-7-20' and TOWN = '07'");
}

// Numbers typed and shown with a decimal comma are written with a point in both forms and run in
// memory as such, and a condition read from text shows them with the comma again.
TEST_F(ConditionLabelsTest, DecimalCommaShownThePointWritten) {
    list.AddFieldString(L"PRICE", DWT_NUMBER, nullptr);
    list.SetDecimalSeparator(L',');
    ASSERT_EQ(list.AddCondition(L"PRICE", L">", L"1,5", L"or"), 0);
    ClickBelowRows();
    Choose(kField, L"PRICE"), Choose(kCmp, Strings(CConditionLabels::Chinese().m_arrComparisons)[5].c_str());
    TypeChars(list.m_pDataWnd->GetChildDataWnd()->m_hWnd, L"-2.,25");
    EXPECT_EQ(Sql(), L"PRICE > 1.5 or PRICE <= -2.25");
    EXPECT_EQ(Params(), L"PRICE > ? or PRICE <= ?|1.5|-2.25");
    CConditionFilter filter;
    ASSERT_EQ(list.GetFilter(filter), 1);
    filter.Bind(L"PRICE", 0);
    CStringArray record;
    for (auto [price, accepted] : {std::pair(L"1.6", true), {L"1.5", false}, {L"-2.25", true}, {L"0", false}})
        EXPECT_EQ(filter((record.RemoveAll(), record.Add(price), record)), accepted) << price;
    ASSERT_EQ(list.SetSQLSelectParams(params, values, types), 1);
    EXPECT_EQ(std::pair(Cell(0, 3), Cell(1, 3)), std::pair(std::wstring(L"1,5"), std::wstring(L"-2,25")));
}

// The editors of the row being edited sit over their cells after every change of width, and a
// change of DPI lays the list out for it; told of the old DPI, the list is as it was.
TEST_F(ConditionLabelsTest, EditorsFollowTheirColumnsAndTheDpi) {
    Compose({{L" ", L"NAME", CONDITION_EQUAL, L"x", L" ", RELATION_NONE}});
    ClickBelowRows();
    PostClick(0, 1), Pump();
    ASSERT_EQ(list.m_nCurItem, 0);
    // The columns' widths, whether every editor lies on its cell's left, right and top edges, the
    // row's height and the list's width.
    auto layout = [&] {
        std::vector<int> lengths;
        bool onCells = true;
        for (int c = 0; c < 6; ++c) {
            CRect cell = CellRect(list, 0, c); // column 0's bounds are the row's
            if (c == 0) cell.right = cell.left + list.GetColumnWidth(0);
            const CRect editor = RectIn(list, Editor(kLeft + UINT(c == 4 ? 5 : c == 5 ? 4 : c)));
            onCells =
                onCells && editor.left == cell.left && editor.right == cell.right && editor.top == cell.top;
            lengths.push_back(list.GetColumnWidth(c));
        }
        CRect rc;
        list.GetWindowRect(&rc);
        lengths.insert(lengths.end(), {onCells, CellRect(list, 0, 0).Height(), rc.Width()});
        return lengths;
    };
    const std::vector<int> before = layout();
    for (auto [column, width] : {std::pair(1, 110), {3, 200}, {0, 40}}) {
        list.SetColumnWidth(column, width);
        const std::vector<int> now = layout();
        EXPECT_EQ(std::pair(now[size_t(column)], now[6]), std::pair(width, 1)) << column;
    }
    for (int dpi : {192, 144, ScreenDpi()}) {
        TellDpi(host, list, dpi);
        LOGFONTW lf{};
        ::GetObjectW(list.GetFont(), sizeof(lf), &lf);
        std::vector<int> expected;
        for (int width : kWidths) expected.push_back(::MulDiv(width, dpi, 96));
        expected.insert(expected.end(), {1, std::abs(lf.lfHeight) + ::MulDiv(8, dpi, 96)});
        const std::vector<int> now = layout();
        EXPECT_EQ(std::vector<int>(now.begin(), now.begin() + 8), expected) << dpi;
    }
    EXPECT_EQ(layout(), before);
}
