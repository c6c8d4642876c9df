// The property list in real windows: creation, rows and their records, the edit cycle through
// keys and clicks, the title tip, and the painting of a row.
#include "Harness.h"

using namespace harness;

namespace {

// Opens the protected parts a test looks at.
class TestList : public CPropertyListCtrl {
public:
    using CPropertyListCtrl::m_nCurIndex;
    using CPropertyListCtrl::m_TitleTip;
    int rightClicks = 0;

protected:
    void OnDataWndRButtonClk() override { ++rightClicks; }
};

constexpr DWORD kPropertyStyle = 0xC405;
const CString kLongName = L"A name far too long for the name column of this list";

class PropListTest : public WindowTest {
protected:
    TestList list;
    void SetUp() override {
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_ICON, Rect(10, 10, 310, 210), &host, 1));
    }
    // Rows "n0".."n<count-1>" with values "v0".., text rows unless a type is given.
    void AddRows(int count, UINT nType = DWT_TEXT) {
        for (int i = 0; i < count; ++i) {
            CString name, value;
            name.Format(L"n%d", i);
            value.Format(L"v%d", i);
            list.InsertItem(name, nType, value);
        }
        list.ChangeColumnWidth();
    }
    CRect Cell(int row, int col) {
        CRect rc;
        list.GetSubItemRect(row, col, LVIR_BOUNDS, rc);
        if (col == 0) rc.right = list.GetColumnWidth(0);
        return rc;
    }
    void ClickCell(int row, int col) {
        CRect rc = Cell(row, col);
        Click(list, rc.left + 5, (rc.top + rc.bottom) / 2);
    }
    CDataWnd* Data() { return static_cast<CDataWnd*>(CWnd::FromHandlePermanent(::GetDlgItem(list, 100))); }
    HWND Editor() { return Data()->GetChildDataWnd()->m_hWnd; }
    bool Editing() { return Data()->IsWindowVisible() != FALSE; }
    CString Value(int row) { return list.GetItemText(row, 1); }
};

TEST_F(PropListTest, ForcesItsStyleOnBothCreationPaths) {
    EXPECT_EQ(list.GetStyle() & 0xFFFF, kPropertyStyle);
    // A list placed in a dialog, attached afterwards.
    HWND hPlain =
        ::CreateWindowExW(0, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SHOWSELALWAYS, 10,
                          220, 300, 100, host, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    CPropertyListCtrl attached;
    ASSERT_TRUE(attached.SubclassDlgItem(2, &host));
    for (CPropertyListCtrl* p : {static_cast<CPropertyListCtrl*>(&list), &attached}) {
        EXPECT_EQ(p->GetStyle() & (0xFFFF & ~LVS_SHOWSELALWAYS), kPropertyStyle);
        EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CListCtrl)));
        EXPECT_EQ(p->GetHeaderCtrl()->GetItemCount(), 2);
        CWnd* pData = p->GetDlgItem(100);
        ASSERT_NE(pData, nullptr);
        EXPECT_FALSE(pData->IsWindowVisible());
        EXPECT_EQ(pData->GetDlgItem(101)->GetFont(), p->GetFont());
    }
    attached.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPlain));
}

TEST_F(PropListTest, InsertsRowsInEveryForm) {
    CStringArray three;
    for (LPCWSTR s : {L"red", L"green", L"blue"}) three.Add(s);
    EXPECT_EQ(list.InsertItem(L"single", DWT_TEXT, L"one"), 0);
    EXPECT_EQ(list.InsertItem(L"choices", DWT_LIST, three), 1);
    EXPECT_EQ(list.InsertItem(L"none", DWT_TEXT, CStringArray()), 2);
    EXPECT_EQ(list.InsertItem(L"first", DWT_TEXT, L"zero", 0), 0);

    CStringArray names;
    CUIntArray types;
    CPtrArray values;
    for (LPCWSTR s : {L"a", L"b", L"c"}) names.Add(s);
    types.Add(DWT_LIST);
    types.Add(DWT_TEXT);
    values.Add(&three);
    values.Add(nullptr);
    MessageRecorder redraw(list, [](UINT m) { return m == WM_SETREDRAW; });
    bool raised = false;
    try {
        list.InsertItem(names, types, values); // "c" has no type
    } catch (CInvalidArgException* e) {
        e->Delete();
        raised = true;
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(redraw.messages, (std::vector<MessageRecorder::Msg>{{WM_SETREDRAW, FALSE, 0}}));
    const wchar_t* expected[][2] = {{L"first", L"zero"}, {L"single", L"one"}, {L"choices", L"red"},
                                    {L"none", L""},      {L"a", L"red"},      {L"b", L""}};
    ASSERT_EQ(list.GetItemCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list.GetItemText(i, 0), expected[i][0]);
        EXPECT_EQ(Value(i), expected[i][1]);
    }
}

TEST_F(PropListTest, FreesEveryRowRecordExactlyOnce) {
    const long before = CPropertyListCtrlItemData::GetInstanceCount();
    struct Row {
        const char* how;
        void (*remove)(TestList&);
    } rows[] = {
        {"DeleteItem",
         [](TestList& l) {
             while (l.GetItemCount()) l.DeleteItem(0);
         }},
        {"DeleteAllItems", [](TestList& l) { l.DeleteAllItems(); }},
        {"the window going", [](TestList& l) { l.DestroyWindow(); }},
    };
    for (const Row& r : rows) {
        if (!list.m_hWnd) {
            ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, Rect(10, 10, 310, 210), &host, 1));
        }
        AddRows(3);
        EXPECT_EQ(CPropertyListCtrlItemData::GetInstanceCount(), before + 3) << r.how;
        r.remove(list);
        EXPECT_EQ(CPropertyListCtrlItemData::GetInstanceCount(), before) << r.how;
    }
    {
        TestList scoped; // the object going with its window
        ASSERT_TRUE(scoped.Create(WS_CHILD, Rect(0, 0, 100, 100), &host, 3));
        scoped.InsertItem(L"x", DWT_TEXT, L"y");
    }
    EXPECT_EQ(CPropertyListCtrlItemData::GetInstanceCount(), before);
}

TEST_F(PropListTest, MarksBoldRowsAndRedrawsOnlyOnChange) {
    AddRows(2);
    MessageRecorder rec(list, [](UINT m) { return m == LVM_REDRAWITEMS; });
    EXPECT_TRUE(list.SetBoldShow(1, TRUE));
    EXPECT_TRUE(list.SetBoldShow(1, TRUE));
    EXPECT_FALSE(list.SetBoldShow(2, TRUE));
    EXPECT_EQ(rec.messages.size(), 1u);
    EXPECT_TRUE(list.IsBoldShow(1));
    EXPECT_FALSE(list.IsBoldShow(0));
    EXPECT_FALSE(list.IsBoldShow(-1));
    EXPECT_EQ(list.GetItemState(1, 0x0800), 0x0800u);
}

TEST_F(PropListTest, KeysMoveTheEditWithWrapAroundAndWriteBack) {
    AddRows(3);
    struct Row {
        int from;
        UINT vk;
        std::initializer_list<int> held;
        int to;
    } rows[] = {
        {1, VK_TAB, {}, 2},          {2, VK_TAB, {}, 0},         {0, VK_DOWN, {VK_CONTROL}, 1},
        {0, VK_UP, {VK_CONTROL}, 2}, {1, VK_TAB, {VK_SHIFT}, 2}, {2, VK_RETURN, {}, 0},
        {1, VK_DOWN, {}, 1},         {1, VK_UP, {}, 1},
    };
    for (const Row& r : rows) {
        ClickCell(r.from, 1);
        ASSERT_EQ(list.m_nCurIndex, r.from);
        TypeChars(Editor(), L"x");
        {
            KeysDown keys(r.held);
            PressKey(Editor(), r.vk);
        }
        EXPECT_EQ(list.m_nCurIndex, r.to) << r.from << " key " << r.vk;
        EXPECT_TRUE(Editing());
        EXPECT_EQ(::GetFocus(), Editor());
        if (r.to != r.from) {
            EXPECT_EQ(Value(r.from), L"x") << "written back";
            EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), r.to);
            list.SetItemText(r.from, 1, L"v");
        }
    }
}

TEST_F(PropListTest, ClicksAndResizingEndOrKeepTheEdit) {
    AddRows(3);
    ClickCell(1, 1);
    TypeChars(Editor(), L"typed");
    ClickCell(1, 0); // the edited row again: only the focus comes back
    EXPECT_EQ(TextOf(Editor()), L"typed");
    EXPECT_EQ(::GetFocus(), Editor());
    Click(list, 50, 190); // below the rows
    EXPECT_EQ(list.m_nCurIndex, -1);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Value(1), L"typed");

    ClickCell(2, 1);
    TypeChars(Editor(), L"dropped");
    list.MoveWindow(10, 10, 320, 200);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(list.m_nCurIndex, -1);
    EXPECT_EQ(Value(2), L"v2");

    list.SetEnableEdit(FALSE);
    ClickCell(0, 1);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
}

TEST_F(PropListTest, OneRowSwallowsEnter) {
    AddRows(1);
    ClickCell(0, 1);
    MessageRecorder rec(Editor(), [](UINT m) { return m == WM_KEYDOWN; });
    PressKey(Editor(), VK_RETURN);
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_EQ(list.m_nCurIndex, 0);
}

TEST_F(PropListTest, EditsDatesAndChoicesInTheirOwnForms) {
    CStringArray three;
    for (LPCWSTR s : {L"red", L"green", L"blue"}) three.Add(s);
    list.InsertItem(L"date", DWT_DATE, L"2024-03-05");
    list.InsertItem(L"colour", DWT_LIST, three);
    list.SetItemText(1, 1, L"green");
    list.InsertItem(L"last", DWT_TEXT, L"");
    list.ChangeColumnWidth();

    ClickCell(0, 1);
    PressKey(Editor(), VK_TAB);
    EXPECT_EQ(Value(0), L"2024-3-5");
    auto* pCombo = static_cast<CComboBox*>(Data()->GetChildDataWnd());
    ASSERT_EQ(pCombo->GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        CString s;
        pCombo->GetLBText(i, s);
        EXPECT_EQ(s, three[i]);
    }
    EXPECT_EQ(pCombo->GetCurSel(), 1);
    PressKey(Editor(), VK_DOWN); // without Ctrl the key is the drop-down's
    EXPECT_EQ(pCombo->GetCurSel(), 2);
    PressKey(Editor(), VK_TAB);
    EXPECT_EQ(Value(1), L"blue");
}

TEST_F(PropListTest, ReportsTheDataWindowsRightButton) {
    AddRows(2);
    ClickCell(1, 1);
    ASSERT_TRUE(Data()->SetRightButton(L"..."));
    Data()->GetRightButton()->SendMessage(BM_CLICK);
    EXPECT_EQ(list.rightClicks, 1);
}

TEST_F(PropListTest, ShowsTheTitleTipOverALongNameOutsideTheEditedRow) {
    list.InsertItem(kLongName, DWT_TEXT, L"v0");
    list.InsertItem(kLongName, DWT_TEXT, L"v1");
    list.InsertItem(L"short", DWT_TEXT, L"v2");
    list.MoveWindow(10, 10, 200, 200); // the names get half the width
    list.ChangeColumnWidth();
    ClickCell(1, 1);
    auto moveTo = [&](int row) {
        CRect rc = Cell(row, 0);
        ::PostMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(rc.left + 10, rc.top + 3));
        Pump();
        return list.m_TitleTip.IsWindowVisible() != FALSE;
    };
    EXPECT_TRUE(moveTo(0));
    list.m_TitleTip.Hide();
    EXPECT_FALSE(moveTo(1)); // the row being edited
    EXPECT_FALSE(moveTo(2)); // fits

    ASSERT_TRUE(moveTo(0));
    MessageRecorder keys(list, [](UINT m) { return m == WM_KEYDOWN; });
    ::PostMessageW(list.m_TitleTip, WM_KEYDOWN, VK_F2, 0);
    Pump();
    EXPECT_FALSE(list.m_TitleTip.IsWindowVisible());
    EXPECT_EQ(keys.messages.size(), 1u);

    ASSERT_TRUE(moveTo(0)); // a click on the tip reaches the row beneath it
    CRect rc = Cell(0, 0);
    POINT pt{rc.left + 10, rc.top + 3};
    ::MapWindowPoints(list, list.m_TitleTip, &pt, 1);
    Click(list.m_TitleTip, pt.x, pt.y);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(list.m_nCurIndex, 0);
}

TEST_F(PropListTest, RealInputEditsARowAndTheTipAppearsUnderARestingMouse) {
    list.InsertItem(L"name", DWT_TEXT, L"old");
    list.InsertItem(kLongName, DWT_TEXT, L"v1");
    list.MoveWindow(10, 10, 200, 200);
    list.ChangeColumnWidth();
    CRect rc = Cell(0, 1);
    real::Click(list, {rc.left + 5, rc.top + 3});
    real::Type(L"new");
    real::Key(VK_TAB);
    EXPECT_EQ(Value(0), L"new");
    EXPECT_EQ(list.m_nCurIndex, 1);

    real::Click(list, {Cell(0, 1).left + 5, Cell(0, 1).top + 3}); // leave row 1 for the tip
    real::MoveTo(list, {Cell(1, 0).left + 10, Cell(1, 0).top + 3});
    EXPECT_TRUE(list.m_TitleTip.IsWindowVisible());
    real::MoveTo(list, {Cell(1, 0).left + 10, Cell(1, 0).bottom + 4}); // off the cell
    EXPECT_FALSE(list.m_TitleTip.IsWindowVisible());
}

TEST_F(PropListTest, PaintsARow) {
    AddRows(2);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    CRect row; // the painted row's pixels, in the list's coordinates
    list.GetItemRect(0, &row, LVIR_BOUNDS);
    MemoryDC dc(400, row.bottom + 2 * row.Height());
    ScopedFont font(dc, list.GetFont());
    const int w0 = list.GetColumnWidth(0), h = row.Height();
    const COLORREF white = RGB(255, 255, 255), highlight = ::GetSysColor(COLOR_HIGHLIGHT),
                   background = list.GetBkColor();
    auto paint = [&](int nRow) {
        dc.Fill(white);
        DrawRow(list, dc, nRow);
        return nRow * h + row.top;
    };
    auto ink = [&](int top, int x0, int x1) { return dc.DarkPixels({x0, top + 2, x1, top + h - 1}); };
    struct Row {
        const char* what;
        BOOL showSelection, enabled;
        COLORREF nameFill; // white: nothing filled
    } rows[] = {
        {"selected, shown", TRUE, TRUE, highlight},
        {"selected, not shown", FALSE, TRUE, background},
        {"disabled", TRUE, FALSE, white},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        list.SetShowSelection(r.showSelection);
        list.EnableWindow(r.enabled);
        const int top = paint(0);
        EXPECT_EQ(dc.At(w0 - 3, top + 2), r.nameFill);
        EXPECT_EQ(dc.At(w0 + 30, top + 2), white) << "the value cell is not filled";
        EXPECT_NE(dc.At(10, top), white) << "top grid line";
        EXPECT_NE(dc.At(w0, top + h / 2), white) << "column line";
        EXPECT_GT(ink(top, w0 + 1, 200), 0) << "the value is drawn";
    }
    list.EnableWindow(TRUE);
    int top = paint(1);
    const int plainName = ink(top, 0, w0 - 1), plainValue = ink(top, w0 + 1, 200);
    list.SetBoldShow(1, TRUE);
    top = paint(1);
    EXPECT_GT(ink(top, 0, w0 - 1), plainName) << "bold name";
    EXPECT_GT(ink(top, w0 + 1, 200), plainValue) << "bold value";
}

} // namespace
