// The program's start for applications that derive from CWinApp.
#include <listedit/frame/CWinApp.h>

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    try {
        if (!pApp->InitInstance()) {
            if (pApp->m_pMainWnd) pApp->m_pMainWnd->DestroyWindow();
            return pApp->ExitInstance();
        }
        return pApp->Run();
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
}
