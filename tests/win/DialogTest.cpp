// A modal dialog holding the lists: which keys the controls take for themselves and which the
// dialog manager gets, through real input inside the dialog's own loop.
#include "Harness.h"

#include <functional>

using namespace harness;

namespace {

constexpr int kStillOpen = ScriptedDialog::kStillOpen;
enum : WORD { IDC_FIRST = 10, IDC_SECOND, IDC_PROPS, IDC_QUERY };

class ListsDialog : public ScriptedDialog {
public:
    CPropertyListCtrl m_props;
    CConditionListCtrl m_query;

    // The row the property list's data window lies over; -1 while it is hidden.
    int EditedRow() {
        HWND hData = ::GetDlgItem(m_props.m_hWnd, 100);
        CRect rc, rcRow;
        ::GetWindowRect(hData, &rc);
        m_props.ScreenToClient(&rc);
        for (int row = 0; ::IsWindowVisible(hData) && row < m_props.GetItemCount(); ++row)
            if (m_props.GetItemRect(row, &rcRow, LVIR_BOUNDS) && rcRow.PtInRect(rc.CenterPoint())) return row;
        return -1;
    }
    void ClickValue(int row) {
        CRect rc;
        m_props.GetSubItemRect(row, 1, LVIR_BOUNDS, rc);
        real::Click(m_props.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
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
    struct Case {
        const char* what;
        std::function<void(ListsDialog&)> script;
        INT_PTR result;
    };
    const Case cases[] = {
        {"Tab on a plain control moves the focus",
         [](ListsDialog& d) {
             ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_FIRST));
             real::Key(VK_TAB);
             EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, IDC_SECOND));
         },
         kStillOpen},
        {"Tab in the property list moves its edit",
         [](ListsDialog& d) {
             d.ClickValue(0);
             ASSERT_EQ(d.EditedRow(), 0);
             real::Key(VK_TAB);
             EXPECT_EQ(d.EditedRow(), 1);
         },
         kStillOpen},
        {"Enter in the property list moves its edit, not the default button",
         [](ListsDialog& d) {
             d.ClickValue(0);
             real::Key(VK_RETURN);
             EXPECT_EQ(d.EditedRow(), 1);
         },
         kStillOpen},
        {"Escape in the condition list cancels its row edit",
         [](ListsDialog& d) {
             CRect rc;
             d.m_query.GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
             real::Click(d.m_query.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
             HWND hField = ::GetDlgItem(d.m_query.m_hWnd, 1002);
             real::Click(hField, {10, 5}); // drops the field list down
             real::Key(VK_DOWN);
             real::Key(VK_RETURN); // NAME: the value editor shows
             real::Click(::GetWindow(::GetDlgItem(d.m_query.m_hWnd, 1004), GW_CHILD), {5, 5});
             ASSERT_TRUE(::IsChild(d.m_query.m_hWnd, ::GetFocus()));
             real::Key(VK_ESCAPE);
             EXPECT_FALSE(::IsWindowVisible(hField));
         },
         kStillOpen},
        {"Escape elsewhere cancels the dialog",
         [](ListsDialog& d) {
             ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_FIRST));
             real::Key(VK_ESCAPE);
         },
         IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsDialog dlg;
        dlg.script = [&c](ScriptedDialog& d) { c.script(static_cast<ListsDialog&>(d)); };
        ASSERT_TRUE(dlg.InitModalIndirect(tpl.get(), &host));
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_TRUE(host.IsWindowEnabled());
    }
}

} // namespace
