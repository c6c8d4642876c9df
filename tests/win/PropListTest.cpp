// The property list in real windows: row records, the edit ended or kept by clicks and resizing, the
// title tip, and the painting of a row.
#include "ListFixtures.h"

using namespace harness;
using PropListAndConditionListTest = WindowTest;

// The array forms take entries up to the first index one array lacks, then raise; each row record
// of the property list and field record of the condition list is freed once: at once when removed,
// else (`left` until then) with the window or the object.
TEST_F(PropListAndConditionListTest, ArrayFormsStopAtAMissingEntryAndEveryRecordIsFreedOnce) {
    const auto records = [] {
        return CPropertyListCtrlItemData::GetInstanceCount() + CFieldItemData::GetInstanceCount();
    };
    const long before = records();
    CStringArray names;
    CUIntArray types; // none for the third name
    CPtrArray values;
    for (LPCWSTR s : {L"a", L"b", L"c"}) names.Add(s), values.Add(nullptr);
    types.Add(DWT_TEXT), types.Add(DWT_TEXT);
    const std::pair<void (*)(PropList&, CondList&), long> drops[] = {
        {[](PropList& p, CondList& c) { p.DeleteItem(1), p.DeleteItem(0), c.ClearFieldList(); }, 0},
        {[](PropList& p, CondList& c) { p.DeleteAllItems(), c.SetFieldList(nullptr, 0, nullptr); }, 0},
        {[](PropList& p, CondList& c) { p.DestroyWindow(), c.DestroyWindow(); }, 0},
        {[](PropList&, CondList&) {}, 4}};
    for (auto [drop, left] : drops) {
        {
            PropList props;
            CondList conds;
            ASSERT_TRUE(props.Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 3));
            ASSERT_TRUE(conds.Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 4));
            EXPECT_TRUE(RaisesInvalidArg([&] { props.InsertItem(names, types, values); }));
            EXPECT_TRUE(RaisesInvalidArg([&] { conds.SetFieldList(names, types, values); }));
            EXPECT_EQ(records(), before + 4);
            drop(props, conds);
            EXPECT_EQ(records(), before + left);
        }
        EXPECT_EQ(records(), before);
    }
}

// A click on the edited row only gives the focus back; one below the rows ends the edit and keeps
// the value; resizing drops the edit and the value. With one row Enter goes nowhere, and the data
// window's right button reaches the list.
TEST_F(PropListTest, ClicksAndResizingEndOrKeepTheEdit) {
    Make({{L"n0", DWT_TEXT, L"v0"}, {L"n1", DWT_TEXT, L"v1"}, {L"n2", DWT_TEXT, L"v2"}});
    ClickCell(list, 1, 1);
    real::Type(L"typed");
    ClickCell(list, 1, 0);
    EXPECT_EQ(std::tuple(TextOf(Editor()), ::GetFocus()), std::tuple(L"typed", Editor()));
    real::Click(list, {50, 250});
    EXPECT_EQ(std::tuple(list.m_nCurIndex, Editing(), Value(1)), std::tuple(-1, false, L"typed"));
    ClickCell(list, 2, 1);
    real::Type(L"dropped");
    list.MoveWindow(10, 10, 340, 280);
    EXPECT_EQ(std::tuple(list.m_nCurIndex, Editing(), Value(2)), std::tuple(-1, false, L"v2"));

    list.DeleteItem(2), list.DeleteItem(1);
    ClickCell(list, 0, 1);
    MessageRecorder keys(Editor(), [](UINT m) { return m == WM_KEYDOWN; });
    real::Key(VK_RETURN);
    EXPECT_EQ(std::tuple(keys.messages.size(), list.m_nCurIndex), std::tuple(0u, 0));
    ASSERT_TRUE(list.m_pDataWnd->SetRightButton(L"..."));
    list.m_pDataWnd->GetRightButton()->SendMessage(BM_CLICK);
    EXPECT_EQ(list.rightClicks, 1);
}

// Under the resting mouse: over a name too long for its column, but not over the edited row's nor
// over one that fits; a click on the tip reaches the row beneath.
TEST_F(PropListTest, TitleTipShowsOverLongNamesOutsideTheEditedRow) {
    const wchar_t* longName = L"A name far too long for the name column of this list";
    Make({{longName, DWT_TEXT, L"v0"}, {longName, DWT_TEXT, L"v1"}, {L"short", DWT_TEXT, L"v2"}});
    list.MoveWindow(10, 10, 200, 200); // the names get half the width
    list.ChangeColumnWidth();
    ClickCell(list, 1, 1);
    const auto name = [&](int row) { return POINT{10, CellRect(list, row, 0).top + 3}; };
    const auto tipAt = [&](int row) {
        return real::MoveTo(list, name(row)), list.m_TitleTip.IsWindowVisible() != FALSE;
    };
    EXPECT_EQ((std::vector<bool>{tipAt(0), tipAt(1), tipAt(2), tipAt(0)}), (std::vector<bool>{1, 0, 0, 1}));
    real::Click(list, name(0));
    EXPECT_EQ(std::tuple(Selected(), list.m_nCurIndex), std::tuple(0, 0));
}

// A row with its grid lines, the name filled as selected or not, and heavier when bold (marked
// once, redrawn only on a change).
TEST_F(PropListTest, PaintsARowAndItsBoldForm) {
    Make({{L"n0", DWT_TEXT, L"v0"}, {L"n1", DWT_TEXT, L"v1"}});
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    const CRect row = CellRect(list, 0, 0); // the painted row's pixels, in the list's coordinates
    MemoryDC dc(400, row.bottom + 2 * row.Height());
    ScopedFont font(dc, list.GetFont());
    const int w0 = list.GetColumnWidth(0), h = row.Height(), top = row.top;
    const COLORREF white = RGB(255, 255, 255);
    auto paint = [&](int nRow) { // the ink in the name and in the value
        dc.Fill(white);
        DrawRow(list, dc, nRow);
        const int y = top + nRow * h;
        return std::pair(dc.DarkPixels({0, y + 2, w0 - 1, y + h - 1}),
                         dc.DarkPixels({w0 + 1, y + 2, 200, y + h - 1}));
    };
    // Selection shown, enabled; the name's fill (white: none), the value cell's, the value drawn,
    // the grid's top and column lines.
    for (auto [showSelection, enabled, nameFill] : {std::tuple(TRUE, TRUE, ::GetSysColor(COLOR_HIGHLIGHT)),
                                                    {FALSE, TRUE, list.GetBkColor()},
                                                    {TRUE, FALSE, white}}) {
        list.SetShowSelection(showSelection);
        list.EnableWindow(enabled);
        const int valueInk = paint(0).second;
        EXPECT_EQ(std::tuple(valueInk > 0, dc.At(w0 - 3, top + 2), dc.At(w0 + 30, top + 2),
                             dc.At(10, top) != white, dc.At(w0, top + h / 2) != white),
                  std::tuple(true, nameFill, white, true, true));
    }
    list.EnableWindow(TRUE);
    const auto plain = paint(1);
    MessageRecorder redraws(list, [](UINT m) { return m == LVM_REDRAWITEMS; });
    EXPECT_TRUE(list.SetBoldShow(1, TRUE) && list.SetBoldShow(1, TRUE));
    EXPECT_FALSE(list.SetBoldShow(2, TRUE));
    EXPECT_EQ(
        std::tuple(redraws.messages.size(), list.IsBoldShow(-1), list.IsBoldShow(0), list.IsBoldShow(1)),
        std::tuple(1u, FALSE, FALSE, TRUE));
    const auto bold = paint(1);
    EXPECT_TRUE(bold.first > plain.first && bold.second > plain.second);
}

// A number row is edited with the list's decimal separator (a '.' typed over the selected value is
// refused) and written back with it.
TEST_F(PropListTest, NumberRowsTakeTheListsDecimalSeparator) {
    list.SetDecimalSeparator(L',');
    Make({{L"Price", DWT_NUMBER, L"1.5"}, {L"Name", DWT_TEXT, L"a.b"}});
    ClickCell(list, 0, 1);
    EXPECT_EQ(TextOf(Editor()), L"1,5");
    real::Type(L".9");
    real::Click(list, {50, 250});
    EXPECT_EQ(std::pair(Value(0), Value(1)), std::pair(std::wstring(L"9,00"), std::wstring(L"a.b")));
}

// Told of a new DPI, the rows take their padding at it, the edit going on over its row; told of the
// old DPI again, every length is what it was.
TEST_F(PropListTest, ADpiChangeLaysTheListOutAndBackAgain) {
    Make({{L"n0", DWT_TEXT, L"v0"}, {L"n1", DWT_TEXT, L"v1"}});
    ClickCell(list, 0, 1);
    ASSERT_TRUE(Editing());
    auto layout = [&] {
        const CRect row = CellRect(list, 0, 1), data = RectIn(list, *list.m_pDataWnd);
        return std::vector<int>{row.Height(), data.top - row.top, data.left - row.left,
                                data.Width() - row.Width(), data.Height() - row.Height()};
    };
    const std::vector<int> before = layout();
    const int textHeight = before[0] - Scaled(4);
    for (int dpi : {192, 144, ScreenDpi()}) {
        TellDpi(host, list, dpi);
        const std::vector<int> now = layout();
        // (row height, the data window's place and size against its cell)
        EXPECT_EQ(now, (std::vector<int>{textHeight + ::MulDiv(4, dpi, 96), before[1], before[2], before[3],
                                         before[4]}))
            << dpi;
    }
    EXPECT_EQ(layout(), before);
}
