// The application object and the message pump.
#include <listedit/frame/CWinApp.h>

namespace {
CWinApp* g_pApp = nullptr;
int g_nQuitCode = 0; // the wParam of the last WM_QUIT the pump took

void Dispatch(MSG& msg) {
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pszAppName(lpszAppName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return g_nQuitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, pMsg);
}

BOOL CWinApp::OnIdle(LONG) {
    AfxDeleteTempMap();
    return FALSE;
}

namespace {
// Without an application object, or in its default: the exception ends here and creation fails.
LRESULT EndWndProcException(CException* e, const MSG* pMsg) {
    e->Delete();
    return pMsg->message == WM_CREATE ? -1 : 0;
}
} // namespace

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
    return EndWndProcException(e, pMsg);
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg) {
    if (CWinApp* pApp = AfxGetApp()) return pApp->ProcessWndProcException(e, pMsg);
    return EndWndProcException(e, pMsg);
}

int CWinApp::Run() {
    MSG msg{};
    do {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) OnIdle(0);
    } while (AfxPumpMessage());
    return ExitInstance();
}

BOOL AfxPreTranslateMessage(MSG* pMsg) {
    if (CWinApp* pApp = AfxGetApp()) return pApp->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AfxPumpMessage() {
    MSG msg{};
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        g_nQuitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    Dispatch(msg);
    return TRUE;
}

void AfxPumpPendingMessages() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) { // leave it for the loop that owns the thread
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
}
