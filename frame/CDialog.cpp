// CDialog: modal and modeless dialogs from a resource or in-memory template.
#include <listedit/frame/CDialog.h>
#include <listedit/frame/CWinApp.h>
#include <listedit/frame/MessageMap.h>

namespace {
// The dialog manager's procedure for our dialogs: the framework object handles every message
// through its map before this is reached, so only the initial focus is left to decide here.
INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}
} // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

// The application's own resources first, then the library's.
LPCDLGTEMPLATEW CDialog::FindTemplate() const {
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    if (!m_lpszTemplateName) return nullptr;
    for (HMODULE hModule : {::GetModuleHandleW(nullptr), static_cast<HMODULE>(AfxGetInstanceHandle())}) {
        if (HRSRC hRes = ::FindResourceW(hModule, m_lpszTemplateName, MAKEINTRESOURCEW(5))) // RT_DIALOG
            if (HGLOBAL hGlobal = ::LoadResource(hModule, hRes))
                return static_cast<LPCDLGTEMPLATEW>(::LockResource(hGlobal));
    }
    return nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEW lpTemplate, HWND hWndParent) {
    if (!lpTemplate || m_hWnd) return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), lpTemplate, hWndParent, &DialogProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    m_lpDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    return CreateFromTemplate(FindTemplate(), pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATEW lpTemplate = FindTemplate();
    if (!lpTemplate || m_hWnd) return -1;
    // The owner is the top-level window of the parent, else of the main or the active window.
    HWND hWndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (CWinApp* pApp = AfxGetApp(); !hWndParent && pApp && pApp->m_pMainWnd)
        hWndParent = pApp->m_pMainWnd->m_hWnd;
    if (!hWndParent) hWndParent = ::GetActiveWindow();
    if (hWndParent) hWndParent = ::GetAncestor(hWndParent, GA_ROOT);
    const bool bEnableParent = hWndParent && ::IsWindowEnabled(hWndParent);
    if (bEnableParent) ::EnableWindow(hWndParent, FALSE);

    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    if (CreateFromTemplate(lpTemplate, hWndParent) && !m_bEndModal) {
        const HWND hWndDlg = m_hWnd;
        if (!IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
        MSG msg{};
        while (ContinueModal() && ::IsWindow(hWndDlg)) {
            if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
                // The application is ending: leave WM_QUIT to its own loop.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
    // The owner is enabled again before the dialog goes, so that it, not another application,
    // becomes active.
    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
    if (m_hWnd) DestroyWindow();
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bEndModal = true;
    } else if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL CDialog::ContinueModal() {
    return m_bModal && !m_bEndModal;
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    Default();
    return OnInitDialog();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
