// What assistive software reads: the lists' rows through their accessible objects, the editors named
// after what they edit, the events a tool's hook hears, and the keys that make the lists usable
// without a mouse. Asked in-process, through the system's own entry points.
#include "ListFixtures.h"

using namespace harness;

namespace {

// The object of the window that has the focus: what a screen reader announces.
std::wstring FocusedName() {
    return Acc(::GetFocus()).Name();
}

// The focus and value events a tool's hook hears while it lives; `lastFocusName` names the object
// the last focus event leads to.
class EventRecorder {
public:
    EventRecorder() {
        s_events.clear();
        m_hHook = ::SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_VALUECHANGE, nullptr, &Proc,
                                    ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~EventRecorder() { ::UnhookWinEvent(m_hHook); }
    struct Event {
        DWORD event;
        HWND hWnd;
        LONG idObject, idChild;
    };
    std::vector<Event> Events(DWORD event) const {
        Pump();
        std::vector<Event> out;
        for (const Event& e : s_events)
            if (e.event == event) out.push_back(e);
        return out;
    }
    std::wstring LastFocusName() const {
        const auto focus = Events(EVENT_OBJECT_FOCUS);
        if (focus.empty()) return L"<no event>";
        const Event& e = focus.back();
        IAccessible* p = nullptr;
        VARIANT child;
        ::VariantInit(&child);
        if (FAILED(::AccessibleObjectFromEvent(e.hWnd, static_cast<DWORD>(e.idObject),
                                               static_cast<DWORD>(e.idChild), &p, &child)))
            return L"<no object>";
        Acc acc(p);
        return acc.Name(child.vt == VT_I4 ? child.lVal : CHILDID_SELF);
    }
    void Clear() { Pump(), s_events.clear(); }

private:
    static void CALLBACK Proc(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG idChild, DWORD,
                              DWORD) {
        s_events.push_back({event, hWnd, idObject, idChild});
    }
    static inline std::vector<Event> s_events;
    HWINEVENTHOOK m_hHook;
};

constexpr LONG kRowState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;

class AccessPropListTest : public PropListTest {
protected:
    Com com;
    // One row of each type, as their editors show them.
    void MakeAllTypes() {
        Make({{L"Title", DWT_TEXT, L"Report"},
              {L"Price", DWT_NUMBER, L"12.5"},
              {L"Count", DWT_INTEGER, L"7"},
              {L"Born", DWT_DATE, L"1960-1-1"},
              {L"Rate", DWT_NUMBER2, L"0.25"},
              {L"Colour", DWT_LIST, L"Red"},
              {L"Active", DWT_CHECK, L"1"},
              {L"Shade", DWT_COMBO, L"Teal"}});
    }
};

} // namespace

// Every row is a child of the list's object: its name, value, role, state and place; ids of no
// row are refused.
TEST_F(AccessPropListTest, RowsReadAsTheListsChildren) {
    MakeAllTypes();
    Acc acc(list);
    ASSERT_TRUE(acc);
    EXPECT_EQ(std::tuple(acc.Count(), acc.Role()), std::tuple(8, ROLE_SYSTEM_LIST));
    const struct {
        LONG id;
        const wchar_t* name;
        const wchar_t* value;
        LONG state;
    } rows[] = {
        {1, L"Title", L"Report", kRowState},
        {7, L"Active", L"1", kRowState | STATE_SYSTEM_CHECKED},
        {8, L"Shade", L"Teal", kRowState},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.id);
        list.EnsureVisible(int(r.id) - 1, FALSE);
        EXPECT_EQ(std::tuple(acc.Name(r.id), acc.Value(r.id), acc.Role(r.id), acc.State(r.id)),
                  std::tuple(r.name, r.value, ROLE_SYSTEM_LISTITEM, r.state));
        CRect rc = CellRect(list, int(r.id) - 1, 0);
        list.ClientToScreen(&rc);
        EXPECT_EQ(CRect(acc.Location(r.id)), rc);
        EXPECT_EQ(acc.HitTest(rc.CenterPoint()), r.id);
    }
    for (LONG id : {-1L, 9L, 100000L}) {
        BSTR b = nullptr;
        EXPECT_EQ(acc->get_accName(Acc::Id(id), &b), E_INVALIDARG) << id;
        long x, y, cx, cy;
        EXPECT_EQ(acc->accLocation(&x, &y, &cx, &cy, Acc::Id(id)), E_INVALIDARG) << id;
    }

    // Being edited: selected and focused; with editing off every row reads only.
    ClickCell(list, 2, 1);
    EXPECT_EQ(acc.State(3), kRowState | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    list.SetEnableEdit(FALSE);
    EXPECT_EQ(acc.State(1), kRowState | STATE_SYSTEM_READONLY);
}

// The editor that has the focus is named after its row, whatever its type, and its value is what
// the user sees; the check box is a check button.
TEST_F(AccessPropListTest, EditorsAreNamedAfterTheirRow) {
    MakeAllTypes();
    const struct {
        int row;
        const wchar_t* value;
        LONG role; // 0: the system's
    } editors[] = {
        {0, L"Report", 0},
        {1, L"12.5", 0},
        {3, L"Friday, January 1, 1960", 0},
        {5, L"Red", 0},
        {6, L"<none>", ROLE_SYSTEM_CHECKBUTTON},
        {7, L"Teal", 0},
    };
    for (const auto& e : editors) {
        list.EnsureVisible(e.row, FALSE);
        ClickCell(list, e.row, 1);
        SCOPED_TRACE(Value(e.row));
        ASSERT_TRUE(FocusInEditor());
        Acc editor(::GetFocus());
        EXPECT_EQ(editor.Name(), list.GetItemText(e.row, 0).str());
        if (e.role) {
            EXPECT_EQ(editor.Role(), e.role);
            EXPECT_TRUE(editor.State() & STATE_SYSTEM_CHECKED);
        } else {
            EXPECT_EQ(editor.Value(), e.value);
        }
    }
}

// Through real input, the last focus event leads to an object named after the row now edited, and
// a committed value raises a value change for its row.
TEST_F(AccessPropListTest, FocusEventsFollowTheEditedRow) {
    Make({{L"n0", DWT_TEXT, L"v0"},
          {L"n1", DWT_TEXT, L"v1"},
          {L"n2", DWT_LIST, L"Red"},
          {L"n3", DWT_TEXT, L"v3"}});
    EventRecorder events;
    const struct {
        const char* what;
        std::function<void()> act;
        const wchar_t* name;
    } steps[] = {
        {"click", [&] { ClickCell(list, 0, 1); }, L"n0"},
        {"Tab", [] { real::Key(VK_TAB); }, L"n1"},
        {"Enter", [] { real::Key(VK_RETURN); }, L"n2"},
        {"Ctrl+Down", [] { real::Key(VK_DOWN, {VK_CONTROL}); }, L"n3"},
        {"Ctrl+Up", [] { real::Key(VK_UP, {VK_CONTROL}); }, L"n2"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        events.Clear();
        s.act();
        EXPECT_EQ(events.LastFocusName(), s.name);
        EXPECT_EQ(FocusedName(), s.name);
    }

    ClickCell(list, 1, 1);
    real::Type(L"x");
    events.Clear();
    real::Key(VK_TAB);
    const auto changes = events.Events(EVENT_OBJECT_VALUECHANGE);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(std::tuple(changes[0].hWnd, changes[0].idObject, changes[0].idChild),
              std::tuple(list.m_hWnd, LONG(OBJID_CLIENT), 2L));
}

// With the list itself focused, F2 and Enter open the editor on the focused row (moved there by the
// arrow keys), or on the first; typing and Tab then commit the value with the keyboard alone.
TEST_F(AccessPropListTest, F2AndEnterOpenTheEditor) {
    Make({{L"n0", DWT_TEXT, L"v0"}, {L"n1", DWT_TEXT, L"v1"}, {L"n2", DWT_TEXT, L"v2"}});
    for (UINT key : {UINT(VK_F2), UINT(VK_RETURN)}) {
        SCOPED_TRACE(key);
        list.HideDataWnd();
        list.SetItemState(-1, 0, LVIS_FOCUSED | LVIS_SELECTED);
        list.SetFocus();
        real::Key(key);
        EXPECT_TRUE(EditingRow(list, 0));
        list.HideDataWnd();
        real::Key(VK_DOWN);
        real::Key(key);
        EXPECT_TRUE(EditingRow(list, 1));
        EXPECT_TRUE(FocusInEditor());
        real::Type(L"typed");
        real::Key(VK_TAB);
        EXPECT_EQ(std::tuple(Value(0), Value(1), FocusedName()), std::tuple(L"v0", L"typed", L"n2"));
    }
}

using AccessEditTest = WindowTest;

// A masked edit's value leaves out its placeholders; a data window on a form is named by the
// label before it.
TEST_F(AccessEditTest, EditsOnAFormReadAsTheUserSeesThem) {
    Com com;
    ASSERT_TRUE(::CreateWindowExW(0, L"STATIC", L"&Due date", WS_CHILD | WS_VISIBLE, 10, 10, 90, 20, host,
                                  nullptr, nullptr, nullptr));
    auto* data = new CDataWnd; // deletes itself with its window
    ASSERT_TRUE(data->Create(WS_CHILD | WS_VISIBLE, Rect(110, 10, 300, 34), &host, 6));
    data->SetType(DWT_TEXT);
    EXPECT_EQ(Acc(data->GetChildDataWnd()->m_hWnd).Name(), L"Due date");
    data->SetAccessibleName(L"Given");
    EXPECT_EQ(Acc(data->GetChildDataWnd()->m_hWnd).Name(), L"Given");

    CMaskEditEx date;
    ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 50, 200, 74), &host, 7));
    date.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');
    date.SetText(L"05/03/");
    EXPECT_EQ(std::tuple(TextOf(date), Acc(date).Value()), std::tuple(L"05/03/____", L"05/03/"));
}

namespace {

class AccessSortListTest : public SortListFixture {
protected:
    Com com;
};

} // namespace

// A sortable list's rows in both modes: named by the first column, described by the others with
// their titles; a million virtual rows answer for any row at once.
TEST_F(AccessSortListTest, RowsNamedByTheFirstColumnInBothModes) {
    InBothModes([&](CSortListCtrlEx& list, DWORD style) {
        for (int c : {0, 1, 2}) {
            const wchar_t* titles[] = {L"Name", L"Price", L"City"};
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT;
            col.pszText = const_cast<LPWSTR>(titles[c]);
            list.SetColumn(c, &col);
        }
        const int count = style ? 1000000 : 3;
        std::vector<CSortListCtrlEx::CItemData*> records;
        for (int i = 0; i < count; ++i)
            records.push_back(i == count - 1 ? Record({L"Last", L"", L"Rome"})
                                             : Record({L"Ann", L"12", L"Paris"}));
        ASSERT_EQ(list.InsertItems(0, records.data(), count), 0);
        list.SetItemState(count - 1, LVIS_SELECTED, LVIS_SELECTED);
        list.EnsureVisible(count - 1, FALSE);

        Acc acc(list);
        ASSERT_TRUE(acc);
        EXPECT_EQ(std::tuple(acc.Count(), acc.Role()), std::tuple(LONG(count), ROLE_SYSTEM_LIST));
        EXPECT_EQ(std::tuple(acc.Name(1), acc.Description(1), acc.Role(1), acc.State(1)),
                  std::tuple(L"Ann", L"Price: 12, City: Paris", ROLE_SYSTEM_LISTITEM, kRowState));
        EXPECT_EQ(std::tuple(acc.Name(count), acc.Description(count), acc.State(count)),
                  std::tuple(L"Last", L"City: Rome", kRowState | STATE_SYSTEM_SELECTED));
        CRect rc = CellRect(list, count - 1, 0);
        list.ClientToScreen(&rc);
        EXPECT_EQ(CRect(acc.Location(count)), rc);
        EXPECT_EQ(acc.HitTest(rc.CenterPoint()), LONG(count));
        BSTR b = nullptr;
        EXPECT_EQ(acc->get_accName(Acc::Id(count + 1), &b), E_INVALIDARG);
        if (!style) return;
        // Ctrl+A on a million rows: every row reads as selected, and readers hear one change within.
        EventRecorder events;
        {
            KeysDown ctrl({VK_CONTROL});
            PressKey(list.m_hWnd, 'A');
        }
        EXPECT_EQ(acc.State(1) & STATE_SYSTEM_SELECTED, LONG(STATE_SYSTEM_SELECTED));
        const auto within = events.Events(EVENT_OBJECT_SELECTIONWITHIN);
        ASSERT_EQ(within.size(), 1u);
        EXPECT_EQ(within[0].idChild, LONG(CHILDID_SELF));
    });
}

// A click on a column's header sorts the rows and tells readers they were reordered.
TEST_F(AccessSortListTest, HeaderClickRaisesReorder) {
    CSortListCtrlEx list;
    Make(list, 0, {L"b", L"a", L"c"});
    EventRecorder events;
    HWND header = list.GetHeaderCtrl()->m_hWnd;
    real::Click(header, {20, 8});
    EXPECT_EQ(list.GetItemText(0, 0), L"a");
    const auto reorders = events.Events(EVENT_OBJECT_REORDER);
    ASSERT_EQ(reorders.size(), 1u);
    EXPECT_EQ(std::tuple(reorders[0].hWnd, reorders[0].idObject, reorders[0].idChild),
              std::tuple(list.m_hWnd, LONG(OBJID_CLIENT), LONG(CHILDID_SELF)));
}

namespace {

class AccessCondListTest : public ConditionListTest {
protected:
    Com com;
    void SetUp() override {
        ConditionListTest::SetUp();
        list.SetLabels(CConditionLabels::English());
    }
    bool FocusIn(UINT nID) { return ::GetFocus() == Editor(nID) || ::IsChild(Editor(nID), ::GetFocus()); }
};

} // namespace

// Each condition row reads as its condition in the labels shown; the row being edited is focused.
TEST_F(AccessCondListTest, RowsReadAsTheirConditions) {
    ASSERT_EQ(list.AddCondition(L"NAME", L"=", L"Smith", L"or", TRUE), 0);
    ASSERT_EQ(list.AddCondition(L"AGE", L">", L"30", nullptr, FALSE, TRUE), 1);
    Acc acc(list);
    ASSERT_TRUE(acc);
    EXPECT_EQ(std::tuple(acc.Count(), acc.Role()), std::tuple(3L, ROLE_SYSTEM_LIST));
    EXPECT_EQ(std::tuple(acc.Name(1), acc.Role(1), acc.State(1)),
              std::tuple(L"( NAME equal (=) Smith or", ROLE_SYSTEM_LISTITEM, kRowState));
    EXPECT_EQ(acc.Name(2), L"AGE greater (>) 30 )");
    EXPECT_EQ(acc.Name(3), L""); // the entry row
    PostClick(1, 3);
    EXPECT_EQ(acc.State(2), kRowState | STATE_SYSTEM_FOCUSED);
    CRect rc = CellRect(list, 1, 0);
    list.ClientToScreen(&rc);
    EXPECT_EQ(acc.HitTest(rc.CenterPoint()), 2L);
    EXPECT_EQ(std::tuple(FocusedName(), Acc(Editor(kField)).Name()), std::tuple(L"Value AGE", L"Field"));
}

// From the first key to a committed condition with the keyboard alone: F2 opens the entry row at
// its field box, Tab and Shift+Tab go round the row's editors (the field box alone before a field
// is chosen), Enter commits and opens the next entry row.
TEST_F(AccessCondListTest, ComposedWithTheKeyboardAlone) {
    list.SetFocus();
    real::Key(VK_F2);
    ASSERT_TRUE(FocusIn(kField));
    EXPECT_EQ(FocusedName(), L"Field");
    real::Key(VK_TAB); // no field yet: the only editor shown
    EXPECT_TRUE(FocusIn(kField));
    real::Key(VK_DOWN); // NAME
    ASSERT_TRUE(Shown(kValue));
    const struct {
        UINT key;
        std::initializer_list<UINT> modifiers;
        UINT editor;
    } steps[] = {{VK_TAB, {}, kCmp},  {VK_TAB, {}, kValue},       {VK_TAB, {}, kRight}, {VK_TAB, {}, kRel},
                 {VK_TAB, {}, kLeft}, {VK_TAB, {VK_SHIFT}, kRel}, {VK_TAB, {}, kLeft},  {VK_TAB, {}, kField},
                 {VK_TAB, {}, kCmp},  {VK_TAB, {}, kValue}};
    for (const auto& s : steps) {
        real::Key(s.key, s.modifiers);
        EXPECT_TRUE(FocusIn(s.editor)) << s.editor;
    }
    EXPECT_EQ(FocusedName(), L"Value NAME");
    real::Type(L"Smith");
    real::Key(VK_RETURN);
    EXPECT_EQ(std::tuple(list.GetItemCount(), Cell(0, 1), Cell(0, 3)), std::tuple(2, L"NAME", L"Smith"));
    EXPECT_TRUE(FocusIn(kField));
    EXPECT_EQ(list.m_nCurItem, 1);
    EXPECT_EQ(Sql(), L"NAME = 'Smith'");
}
