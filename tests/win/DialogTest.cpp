// Dialogs holding the lists, modal and modeless: which keys the controls take for themselves and
// which the dialog manager gets, through real input inside the dialog's own loop.
#include "ListFixtures.h"

using namespace harness;

namespace {

enum : WORD { IDC_FIRST = 10, IDC_SECOND, IDC_PROPS, IDC_QUERY };

// Words of a dialog template built in memory: a value as two, a text with its end.
void Put(std::vector<WORD>& w, DWORD v) {
    w.insert(w.end(), {LOWORD(v), HIWORD(v)});
}
void Put(std::vector<WORD>& w, LPCWSTR text) {
    w.insert(w.end(), text, text + wcslen(text) + 1);
}

// Two edits, the lists, OK and Cancel, in dialog units; once shown, the dialog runs a script inside
// its own message loop (so real input passes that loop), and a modal one left open ends with kStillOpen.
class ListsDialog : public CDialog {
public:
    static constexpr int kStillOpen = 99;
    std::function<void(ListsDialog&)> script;
    CPropertyListCtrl m_props;
    CConditionListCtrl m_query;
    static LPCDLGTEMPLATEW Template() {
        static const std::vector<WORD> words = [] {
            std::vector<WORD> w;
            Put(w, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE), Put(w, DWORD{0});
            w.insert(w.end(), {6, 10, 10, 330, 200, 0, 0}); // controls, place, size, no menu or class
            Put(w, L"lists"), w.push_back(8), Put(w, L"MS Shell Dlg");
            const std::tuple<LPCWSTR, LPCWSTR, WORD, short, short, short, short, DWORD> controls[] = {
                {L"Edit", L"", IDC_FIRST, 5, 5, 95, 12, WS_BORDER},
                {L"Edit", L"", IDC_SECOND, 110, 5, 90, 12, WS_BORDER},
                {WC_LISTVIEWW, L"", IDC_PROPS, 5, 25, 155, 95, WS_BORDER},
                {WC_LISTVIEWW, L"", IDC_QUERY, 5, 125, 320, 50, WS_BORDER},
                {L"Button", L"OK", IDOK, 200, 180, 50, 14, BS_DEFPUSHBUTTON},
                {L"Button", L"Cancel", IDCANCEL, 260, 180, 50, 14, 0}};
            for (auto [cls, text, id, x, y, cx, cy, style] : controls) {
                if (w.size() % 2) w.push_back(0); // each item starts on a DWORD
                Put(w, style | WS_CHILD | WS_VISIBLE | WS_TABSTOP), Put(w, DWORD{0});
                w.insert(w.end(), {WORD(x), WORD(y), WORD(cx), WORD(cy), id});
                Put(w, cls), Put(w, text), w.push_back(0); // no creation data
            }
            return w;
        }();
        return reinterpret_cast<LPCDLGTEMPLATEW>(words.data());
    }

    // The steps of the keyboard cases: each says whether it went as it should.
    bool IsOpen() { return true; }
    bool FocusFirst() { return ::SetFocus(::GetDlgItem(m_hWnd, IDC_FIRST)), true; }
    bool SecondFocused() { return ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_SECOND); }
    bool EditFirstRow() { return ClickCell(m_props, 0, 1), EditingRow(m_props, 0); }
    bool EditingSecondRow() { return EditingRow(m_props, 1); }
    bool TabIntoProps() { // from the second edit, as a keyboard user comes
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_SECOND));
        real::Key(VK_TAB);
        return ::GetFocus() == m_props.m_hWnd;
    }
    bool EditingFirstRow() { return EditingRow(m_props, 0); }
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
        CDialog::OnInitDialog();
        PostMessage(WM_APP);
        return TRUE;
    }
    LRESULT OnScript(WPARAM, LPARAM) {
        // A window just shown and activated still has pointer traffic of its own under way; the
        // script's first click waits until that has passed.
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 1000 &&
               ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT) == WAIT_OBJECT_0)
            Pump();
        if (script) script(*this);
        if (ContinueModal()) EndDialog(kStillOpen);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListsDialog, CDialog)
ON_MESSAGE(WM_APP, &ListsDialog::OnScript)
END_MESSAGE_MAP()

// Modal, or modeless as the application's main window (whose loop ends with it).
TEST_F(WindowTest, DialogsGiveControlsTheirKeysFirst) {
    using Step = bool (ListsDialog::*)();
    using D = ListsDialog;
    const int open = ListsDialog::kStillOpen, modeless = -1;
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
        {"Enter on the list opens its first row", &D::TabIntoProps, VK_RETURN, &D::EditingFirstRow, open},
        {"Escape in a condition row cancels the row", &D::EditCondition, VK_ESCAPE, &D::RowCancelled, open},
        {"Escape elsewhere cancels the dialog", &D::FocusFirst, VK_ESCAPE, &D::IsOpen, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListsDialog dlg;
        dlg.script = [&c](D& d) {
            ASSERT_TRUE((d.*c.before)());
            real::Key(c.key);
            EXPECT_TRUE((d.*c.after)());
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
