// A dialog application: the main window is a dialog from the resource script, holding a numeric
// edit, a masked edit, a data window, a property list, a sortable list of texts and a condition
// list. Apply reads every value back. Run with --self-check to have it drive itself through real
// input and exit non-zero when a value reads back wrong.
#include "resource.h"
#include "../common/SelfCheck.h"

#include <listedit.h>

class CExampleDialog : public CDialog {
public:
    CExampleDialog() : CDialog(IDD_MAIN) {}
    CString m_strResult; // what Apply read, one value after another

protected:
    BOOL OnInitDialog() override;
    void OnApply();
    LRESULT OnSelfCheck(WPARAM, LPARAM);

    CNumEdit m_amount{2};
    CMaskEditEx m_date;
    CDataWnd* m_pDue = nullptr; // deletes itself with its window
    CPropertyListCtrl m_props;
    CSortListCtrlEx m_files;
    CConditionListCtrl m_query;
    CFont m_chinese;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExampleDialog, CDialog)
ON_BN_CLICKED(IDC_APPLY, &CExampleDialog::OnApply)
ON_MESSAGE(WM_APP, &CExampleDialog::OnSelfCheck)
END_MESSAGE_MAP()

BOOL CExampleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // Edits and lists take over the controls of the template.
    m_amount.SubclassDlgItem(IDC_AMOUNT, this);
    m_amount.SetRange(1000, 0);
    m_date.SubclassDlgItem(IDC_DATE, this);
    m_date.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');

    // The data window builds its editor when it is created: it is made over the placeholder.
    CRect rc;
    GetDlgItem(IDC_DUE)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    m_pDue = new CDataWnd;
    m_pDue->SetType(DWT_DATE);
    m_pDue->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, this, IDC_DUE + 100);
    m_pDue->SetText(L"2024-03-05");

    m_props.SubclassDlgItem(IDC_PROPS, this);
    m_props.InsertItem(L"Name", DWT_TEXT, L"Alice");
    CStringArray colours;
    colours.Add(L"red");
    colours.Add(L"green");
    m_props.InsertItem(L"Colour", DWT_LIST, colours);
    m_props.ChangeColumnWidth();

    m_files.SubclassDlgItem(IDC_FILES, this);
    m_files.InsertColumn(0, L"File", LVCFMT_LEFT, 110);
    m_files.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60);
    for (auto [name, size] :
         {std::pair{L"report.txt", L"1200"}, {L"budget.xls", L"800"}, {L"notes.md", L"35"}}) {
        auto* pRow = new CSortListCtrlEx::CItemData;
        pRow->m_arrText.Add(name);
        pRow->m_arrText.Add(size);
        m_files.InsertItem(m_files.GetItemCount(), pRow);
    }

    // A condition list taken from a template gets its columns and editors before its fields. Its
    // labels are Chinese: a font of that character set (the system's font mapper picks one).
    m_query.SubclassDlgItem(IDC_QUERY, this);
    LOGFONTW lf{};
    ::GetObjectW(GetFont(), sizeof(lf), &lf);
    lf.lfCharSet = GB2312_CHARSET;
    wcscpy(lf.lfFaceName, L"Microsoft YaHei");
    m_chinese.CreateFontIndirect(&lf);
    m_query.SetFont(m_chinese);
    m_query.InsertAllColumn();
    m_query.AddFieldString(L"NAME", DWT_TEXT, nullptr);
    return TRUE;
}

void CExampleDialog::OnApply() {
    CString sql;
    m_query.GetSQLSelectString(sql);
    m_strResult.Format(L"%ls|%ls|%ls|%ls|%ls|%ls|%ls", LPCWSTR(m_amount.GetWindowText()),
                       LPCWSTR(m_date.GetWindowText()), LPCWSTR(m_pDue->GetText()),
                       LPCWSTR(m_props.GetItemText(0, 1)), LPCWSTR(m_props.GetItemText(1, 1)),
                       LPCWSTR(m_files.GetItemText(0, 0)), LPCWSTR(sql));
    SetDlgItemTextW(m_hWnd, IDC_RESULT, m_strResult);
}

// What a user does, key by key and click by click; then Close ends the application.
LRESULT CExampleDialog::OnSelfCheck(WPARAM, LPARAM) {
    using namespace selfcheck;
    Click(m_amount.m_hWnd, {5, 5});
    Type(L"12.5");
    Key(VK_TAB); // on to the date
    Type(L"05032024");
    CRect rc;
    m_props.GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
    Click(m_props.m_hWnd, {rc.left + 5, rc.CenterPoint().y});
    Key(VK_END);
    Type(L"x");
    Key(VK_RETURN); // moves the edit to the next row; the dialog's Apply stays unpressed
    Expect(m_strResult, L"", L"the result before Apply");
    HWND hHeader = m_files.GetHeaderCtrl()->m_hWnd;
    Click(hHeader, {20, 8}); // sorts by file name
    m_query.GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
    Click(m_query.m_hWnd, {rc.left + 5, rc.CenterPoint().y}); // the entry row: its field box
    Click(::GetDlgItem(m_query.m_hWnd, 1002), {10, 5});       // drops the fields down
    Key(VK_DOWN);
    Key(VK_RETURN); // NAME, and its value editor
    Click(::GetWindow(::GetDlgItem(m_query.m_hWnd, 1004), GW_CHILD), {5, 5});
    Type(L"Smith");
    Click(GetDlgItem(IDC_APPLY)->m_hWnd, {10, 10});
    Expect(m_strResult, L"12.5|05/03/2024|2024-3-5|Alicex|red|budget.xls|NAME = 'Smith'", L"what Apply read");
    PostMessage(WM_CLOSE); // as Close does: destroys the dialog, and with it the application
    return 0;
}

class CExampleApp : public CWinApp {
public:
    BOOL InitInstance() override {
        if (!m_dialog.Create(IDD_MAIN)) return FALSE;
        m_pMainWnd = &m_dialog; // closing it ends Run
        m_dialog.ShowWindow(m_nCmdShow);
        if (std::wstring_view(m_lpCmdLine).find(L"--self-check") != std::wstring_view::npos)
            m_dialog.PostMessage(WM_APP);
        return TRUE;
    }
    int ExitInstance() override { return selfcheck::g_failures ? 1 : CWinApp::ExitInstance(); }

private:
    CExampleDialog m_dialog;
};

CExampleApp theApp;
