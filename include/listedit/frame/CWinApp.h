// The application object and the message pump.
//
// An application derives from CWinApp, creates one global object of it, creates its main window
// in InitInstance and calls Run, whose loop dispatches every message through
// PreTranslateMessage (from the target window up through its parents) first.
#pragma once
#include "CWnd.h"

class LISTEDIT_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    CWnd* m_pMainWnd = nullptr;
    LPCWSTR m_pszAppName = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();                           // until WM_QUIT; returns its exit code
    virtual BOOL PreTranslateMessage(MSG* pMsg); // walks the tree up to the main window
    virtual BOOL OnIdle(LONG lCount);            // releases temporary window wrappers
};

LISTEDIT_API CWinApp* AfxGetApp();
// Gets one message and dispatches it, pre-translation first; FALSE on WM_QUIT.
LISTEDIT_API BOOL AfxPumpMessage();
// The pre-translation step of the pump, for loops of one's own.
LISTEDIT_API BOOL AfxPreTranslateMessage(MSG* pMsg);
// Dispatches everything already in the queue through the pump's steps, without waiting.
LISTEDIT_API void AfxPumpPendingMessages();
