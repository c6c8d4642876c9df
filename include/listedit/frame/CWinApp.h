// The application object and the message pump.
//
// An application derives from CWinApp, creates one global object of it and creates its main window
// in InitInstance; linking listedit::main gives it the program's entry point (AfxWinMain), which
// calls InitInstance and then Run:
//
//     class CMyApp : public CWinApp {
//         BOOL InitInstance() override {
//             auto* pFrame = new CFrameWnd;               // or a CDialog made with Create
//             pFrame->Create(nullptr, L"My application");
//             m_pMainWnd = pFrame;
//             pFrame->ShowWindow(m_nCmdShow);
//             return TRUE;
//         }
//     } theApp;
//
// Run's loop dispatches every message through PreTranslateMessage (from the target window up
// through its parents) first, and ends when the main window (m_pMainWnd) is destroyed.
#pragma once
#include "CException.h"
#include "CWnd.h"

class LISTEDIT_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    CWnd* m_pMainWnd = nullptr; // destroying its window ends Run
    LPCWSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr; // the program's module
    LPWSTR m_lpCmdLine = nullptr;    // the command line after the program's name
    int m_nCmdShow = SW_SHOWNORMAL;  // how the main window is first shown

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();                           // until WM_QUIT; returns its exit code
    virtual BOOL PreTranslateMessage(MSG* pMsg); // walks the tree up to the main window
    virtual BOOL OnIdle(LONG lCount);            // releases temporary window wrappers
    // Every exception that a message handler let out ends here rather than unwinding through the
    // system's window procedure frames: a framework exception as it was thrown, any other (a
    // std::exception, std::bad_alloc, ...) as a CStdException carrying its message. The same for an
    // exception from a list's comparison during a header click (it comes out after the sort) and
    // from PreSubclassWindow during creation. pMsg is the message being handled. The default is
    // silent, for programs that run unattended: it deletes the exception and answers WM_CREATE with
    // -1 (creation fails) and every other message with 0. Override it to report or log.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
};

LISTEDIT_API CWinApp* AfxGetApp();
// What the dispatch does with an exception from a handler: the application's
// ProcessWndProcException, or its default when there is no application object.
LISTEDIT_API LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);
// The program's start: InitInstance, then Run (or ExitInstance when InitInstance fails); returns
// the exit code. listedit::main's entry point calls it; programs with their own main may too.
LISTEDIT_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
// Gets one message and dispatches it, pre-translation first; FALSE on WM_QUIT.
LISTEDIT_API BOOL AfxPumpMessage();
// The pre-translation step of the pump, for loops of one's own.
LISTEDIT_API BOOL AfxPreTranslateMessage(MSG* pMsg);
// Dispatches everything already in the queue through the pump's steps, without waiting.
LISTEDIT_API void AfxPumpPendingMessages();
