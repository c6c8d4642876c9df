// A modal dialog holding the lists: which keys the controls take for themselves and which the
// dialog manager gets, through real input inside the dialog's own loop.
#include "Harness.h"

#include <functional>

using namespace harness;

namespace {

enum : WORD { IDC_FIRST = 10, IDC_SECOND, IDC_PROPS, IDC_QUERY };

class ListsDialog : public ScriptedDialog {
public:
    CPropertyListCtrl m_props;
    CConditionListCtrl m_query;

    // Whether the property list's data window is shown over row `row`.
    bool Editing(int row) {
        HWND hData = ::GetDlgItem(m_props.m_hWnd, 100);
        CRect rc, rcRow;
        ::GetWindowRect(hData, &rc);
        m_props.ScreenToClient(&rc);
        m_props.GetItemRect(row, &rcRow, LVIR_BOUNDS);
        return ::IsWindowVisible(hData) && rcRow.PtInRect(rc.CenterPoint());
    }
    static void Click(CListCtrl& list, int row, int col) {
        CRect rc;
        list.GetSubItemRect(row, col, LVIR_BOUNDS, rc);
        real::Click(list.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
    }

protected:
    BOOL OnInitDialog() override {
        m_props.SubclassDlgItem(IDC_PROPS, this);
        m_props.InsertItem(L"Name", DWT_TEXT, L"Alice");
        m_props.InsertItem(L"City", DWT_TEXT, L"Paris");
        m_props.ChangeColumnWidth();
        m_query.SubclassDlgItem(IDC_QUERY, this);
        m_query.InsertAllColumn();
        m_query.AddFieldString(L"NAME", DWT_TEXT, nullptr);
        return ScriptedDialog::OnInitDialog();
    }
};

TEST_F(WindowTest, ModalDialogGivesControlsTheirKeysFirst) {
    DialogTemplate tpl(L"lists", 330, 200);
    tpl.Control(L"Edit", L"", IDC_FIRST, {5, 5, 100, 17}, WS_TABSTOP | WS_BORDER)
        .Control(L"Edit", L"", IDC_SECOND, {110, 5, 200, 17}, WS_TABSTOP | WS_BORDER)
        .Control(WC_LISTVIEWW, L"", IDC_PROPS, {5, 25, 160, 120}, WS_TABSTOP | WS_BORDER)
        .Control(WC_LISTVIEWW, L"", IDC_QUERY, {5, 125, 325, 175}, WS_TABSTOP | WS_BORDER)
        .Control(L"Button", L"OK", IDOK, {200, 180, 250, 194}, WS_TABSTOP | BS_DEFPUSHBUTTON)
        .Control(L"Button", L"Cancel", IDCANCEL, {260, 180, 310, 194}, WS_TABSTOP);
    using Step = std::function<bool(ListsDialog&)>;
    const Step focusFirst = [](ListsDialog& d) {
        return ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_FIRST)), true;
    };
    const Step editFirstRow = [](ListsDialog& d) { return d.Click(d.m_props, 0, 1), d.Editing(0); };
    // A condition row with a field chosen and the focus in its value editor.
    const Step editCondition = [](ListsDialog& d) {
        d.Click(d.m_query, 0, 1);
        real::Click(::GetDlgItem(d.m_query.m_hWnd, 1002), {10, 5}); // drops the fields down
        real::Key(VK_DOWN);
        real::Key(VK_RETURN); // NAME: the value editor shows
        real::Click(::GetWindow(::GetDlgItem(d.m_query.m_hWnd, 1004), GW_CHILD), {5, 5});
        return ::IsChild(d.m_query.m_hWnd, ::GetFocus()) != FALSE;
    };
    struct Case {
        const char* what;
        Step before;
        UINT key;
        Step after;
        INT_PTR result;
    } const cases[] = {
        {"Tab on a plain control moves the focus", focusFirst, VK_TAB,
         [](ListsDialog& d) { return ::GetFocus() == ::GetDlgItem(d.m_hWnd, IDC_SECOND); },
         ScriptedDialog::kStillOpen},
        {"Tab in the property list moves its edit", editFirstRow, VK_TAB,
         [](ListsDialog& d) { return d.Editing(1); }, ScriptedDialog::kStillOpen},
        {"Enter there too, and presses no button", editFirstRow, VK_RETURN,
         [](ListsDialog& d) { return d.Editing(1); }, ScriptedDialog::kStillOpen},
        {"Escape in a condition row cancels the row", editCondition, VK_ESCAPE,
         [](ListsDialog& d) { return !::IsWindowVisible(::GetDlgItem(d.m_query.m_hWnd, 1002)); },
         ScriptedDialog::kStillOpen},
        {"Escape elsewhere cancels the dialog", focusFirst, VK_ESCAPE, [](ListsDialog&) { return true; },
         IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsDialog dlg;
        dlg.script = [&c](ScriptedDialog& d) {
            auto& lists = static_cast<ListsDialog&>(d);
            ASSERT_TRUE(c.before(lists));
            real::Key(c.key);
            EXPECT_TRUE(c.after(lists));
        };
        ASSERT_TRUE(dlg.InitModalIndirect(tpl.get(), &host));
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_TRUE(host.IsWindowEnabled());
    }
}

} // namespace
