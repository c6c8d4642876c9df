// Dialogs holding the lists, modal and modeless: which keys the controls take for themselves and
// which the dialog manager gets, through real input inside the dialog's own loop.
#include "ListFixtures.h"

using namespace harness;

namespace {

enum : WORD { IDC_FIRST = 10, IDC_SECOND, IDC_PROPS, IDC_QUERY };

class ListsDialog : public ScriptedDialog {
public:
    CPropertyListCtrl m_props;
    CConditionListCtrl m_query;
    static LPCDLGTEMPLATEW Template() {
        static const DialogTemplate tpl = [] {
            DialogTemplate t(L"lists", 330, 200,
                             DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
            t.Control(L"Edit", L"", IDC_FIRST, {5, 5, 100, 17}, WS_TABSTOP | WS_BORDER)
                .Control(L"Edit", L"", IDC_SECOND, {110, 5, 200, 17}, WS_TABSTOP | WS_BORDER)
                .Control(WC_LISTVIEWW, L"", IDC_PROPS, {5, 25, 160, 120}, WS_TABSTOP | WS_BORDER)
                .Control(WC_LISTVIEWW, L"", IDC_QUERY, {5, 125, 325, 175}, WS_TABSTOP | WS_BORDER)
                .Control(L"Button", L"OK", IDOK, {200, 180, 250, 194}, WS_TABSTOP | BS_DEFPUSHBUTTON)
                .Control(L"Button", L"Cancel", IDCANCEL, {260, 180, 310, 194}, WS_TABSTOP);
            return t;
        }();
        return tpl.get();
    }

    // The steps of the keyboard cases: each says whether it went as it should.
    bool IsOpen() { return true; }
    bool FocusFirst() { return ::SetFocus(::GetDlgItem(m_hWnd, IDC_FIRST)), true; }
    bool SecondFocused() { return ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_SECOND); }
    bool EditFirstRow() { return ClickCell(m_props, 0, 1), EditingRow(m_props, 0); }
    bool EditingSecondRow() { return EditingRow(m_props, 1); }
    bool EditCondition() { // a field chosen, the focus in the value editor
        ClickCell(m_query, 0, 1);
        real::Click(::GetDlgItem(m_query, 1002), {10, 5}); // drops the fields down
        real::Key(VK_DOWN);
        real::Key(VK_RETURN); // NAME: the value editor shows
        real::Click(::GetWindow(::GetDlgItem(m_query, 1004), GW_CHILD), {5, 5});
        return ::IsChild(m_query, ::GetFocus()) != FALSE;
    }
    bool RowCancelled() { return !::IsWindowVisible(::GetDlgItem(m_query, 1002)); }

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

// Modal, or modeless as the application's main window (whose loop ends with it).
TEST_F(WindowTest, DialogsGiveControlsTheirKeysFirst) {
    using Step = bool (ListsDialog::*)();
    using D = ListsDialog;
    const int open = ScriptedDialog::kStillOpen, modeless = -1;
    const struct Case {
        const char* what;
        Step before;
        UINT key;
        Step after;
        INT_PTR result;
    } cases[] = {
        {"Tab on a plain control moves the focus", &D::FocusFirst, VK_TAB, &D::SecondFocused, open},
        {"so it does in a modeless dialog", &D::FocusFirst, VK_TAB, &D::SecondFocused, modeless},
        {"Tab in the property list moves its edit", &D::EditFirstRow, VK_TAB, &D::EditingSecondRow, open},
        {"Enter there too, and presses no button", &D::EditFirstRow, VK_RETURN, &D::EditingSecondRow, open},
        {"Escape in a condition row cancels the row", &D::EditCondition, VK_ESCAPE, &D::RowCancelled, open},
        {"Escape elsewhere cancels the dialog", &D::FocusFirst, VK_ESCAPE, &D::IsOpen, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsDialog dlg;
        dlg.script = [&c](ScriptedDialog& d) {
            ASSERT_TRUE((static_cast<D&>(d).*c.before)());
            real::Key(c.key);
            EXPECT_TRUE((static_cast<D&>(d).*c.after)());
            if (c.result == modeless) d.PostMessage(WM_CLOSE); // Cancel: a modeless dialog goes
        };
        if (c.result == modeless) {
            CWinApp app;
            ASSERT_TRUE(dlg.CreateIndirect(ListsDialog::Template()));
            app.m_pMainWnd = &dlg;
            EXPECT_EQ(app.Run(), 0);
            EXPECT_EQ(app.m_pMainWnd, nullptr);
        } else {
            ASSERT_TRUE(dlg.InitModalIndirect(ListsDialog::Template(), &host));
            EXPECT_EQ(dlg.DoModal(), c.result);
            EXPECT_TRUE(host.IsWindowEnabled());
        }
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

} // namespace
