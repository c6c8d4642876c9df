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
    using Step = std::function<bool(ListsDialog&)>;
    const Step focusFirst = [](ListsDialog& d) {
        return ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_FIRST)), true;
    };
    const Step secondFocused = [](ListsDialog& d) {
        return ::GetFocus() == ::GetDlgItem(d.m_hWnd, IDC_SECOND);
    };
    const Step editFirstRow = [](ListsDialog& d) {
        return ClickCell(d.m_props, 0, 1), EditingRow(d.m_props, 0);
    };
    const Step editingSecondRow = [](ListsDialog& d) { return EditingRow(d.m_props, 1); };
    const Step editCondition = [](ListsDialog& d) { // a field chosen, the focus in the value editor
        ClickCell(d.m_query, 0, 1);
        real::Click(::GetDlgItem(d.m_query.m_hWnd, 1002), {10, 5}); // drops the fields down
        real::Key(VK_DOWN);
        real::Key(VK_RETURN); // NAME: the value editor shows
        real::Click(::GetWindow(::GetDlgItem(d.m_query.m_hWnd, 1004), GW_CHILD), {5, 5});
        return ::IsChild(d.m_query.m_hWnd, ::GetFocus()) != FALSE;
    };
    const Step rowCancelled = [](ListsDialog& d) {
        return !::IsWindowVisible(::GetDlgItem(d.m_query, 1002));
    };
    const int open = ScriptedDialog::kStillOpen, modeless = -1;
    const struct Case {
        const char* what;
        Step before;
        UINT key;
        Step after;
        INT_PTR result;
    } cases[] = {
        {"Tab on a plain control moves the focus", focusFirst, VK_TAB, secondFocused, open},
        {"so it does in a modeless dialog", focusFirst, VK_TAB, secondFocused, modeless},
        {"Tab in the property list moves its edit", editFirstRow, VK_TAB, editingSecondRow, open},
        {"Enter there too, and presses no button", editFirstRow, VK_RETURN, editingSecondRow, open},
        {"Escape in a condition row cancels the row", editCondition, VK_ESCAPE, rowCancelled, open},
        {"Escape elsewhere cancels the dialog", focusFirst, VK_ESCAPE, [](ListsDialog&) { return true; },
         IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsDialog dlg;
        dlg.script = [&c](ScriptedDialog& d) {
            ASSERT_TRUE(c.before(static_cast<ListsDialog&>(d)));
            real::Key(c.key);
            EXPECT_TRUE(c.after(static_cast<ListsDialog&>(d)));
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
