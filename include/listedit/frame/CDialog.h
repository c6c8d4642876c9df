// CDialog: a dialog box made from a dialog template, either a resource of the application
// (CDialog(IDD_MAIN)) or a template in memory (InitModalIndirect, CreateIndirect).
//
// Modal: DoModal creates the dialog, disables its owner and runs a message loop until EndDialog
// (OnOK and OnCancel call it; Enter and Escape reach them through the dialog manager); it
// returns EndDialog's result, or -1 when the dialog could not be made. Modeless: Create or
// CreateIndirect; EndDialog then destroys the window (a main window made this way ends the
// application's Run).
//
// OnInitDialog is where the application attaches its controls:
//
//     BOOL CMyDialog::OnInitDialog() {
//         CDialog::OnInitDialog();
//         m_amount.SubclassDlgItem(IDC_AMOUNT, this);    // CNumEdit, CMaskEditEx, the lists
//         m_props.SubclassDlgItem(IDC_PROPS, this);      // CPropertyListCtrl
//         m_query.SubclassDlgItem(IDC_QUERY, this);      // CConditionListCtrl: InsertAllColumn()
//         return TRUE;                                   // first then its fields
//     }
//
// Every message of the dialog's loop (and of the application's, for a modeless dialog) passes
// the framework's pre-translation from the target window up first, so keys a control takes for
// itself (Tab and Enter in a property list, Escape in a condition list's row editor, the keys of a
// masked edit) reach it; only then does the dialog manager move the focus on Tab, press the
// default button on Enter and cancel on Escape.
#pragma once
#include "CWnd.h"

class LISTEDIT_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal.
    BOOL InitModalIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // TRUE while a modal dialog's loop is to go on (EndDialog not yet called).
    virtual BOOL ContinueModal();

    // Modeless.
    using CWnd::Create;
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Called once the dialog and the controls of its template exist; TRUE lets the dialog manager
    // focus the first control.
    virtual BOOL OnInitDialog();
    // The dialog manager: Tab, Enter and Escape for the dialog's controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnOK();     // EndDialog(IDOK)
    virtual void OnCancel(); // EndDialog(IDCANCEL)

    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    LPCWSTR m_lpszTemplateName = nullptr; // a resource name or MAKEINTRESOURCE id
    LPCDLGTEMPLATEW m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATEW lpTemplate, HWND hWndParent);
    LPCDLGTEMPLATEW FindTemplate() const;
    bool m_bModal = false;
    bool m_bEndModal = false;
    int m_nModalResult = -1;
};
