// The demo application: one window that stacks a panel per control family, with sample data.
//
//     listedit_demo.exe                      interactive
//     listedit_demo.exe --screenshot a.bmp   paints once, writes the window to a.bmp and exits
#include "DemoPanel.h"
#include "Screenshot.h"

#include <string>

namespace {

constexpr int kWidth = 820;

class CDemoWnd : public CWnd {
public:
    BOOL CreateDemo() {
        LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(0, cls, L"listedit demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, kWidth, 200,
                      nullptr, nullptr))
            return FALSE;
        int y = 0;
        for (auto make : {&MakeNumEditPanel, &MakeMaskEditPanel, &MakeDataWndPanel}) {
            auto& panel = m_panels.emplace_back(make());
            if (!panel->CreatePanel(this, 0, y, kWidth)) return FALSE;
            y += panel->Height();
        }
        RECT rc{0, 0, kWidth, y};
        ::AdjustWindowRectEx(&rc, GetStyle(), FALSE, GetExStyle());
        MoveWindow(20, 20, rc.right - rc.left, rc.bottom - rc.top);
        ShowWindow(SW_SHOW);
        UpdateWindow();
        return TRUE;
    }

protected:
    std::vector<std::unique_ptr<CDemoPanel>> m_panels;
    void PostNcDestroy() override { ::PostQuitMessage(0); }
};

class CDemoApp : public CWinApp {
public:
    std::unique_ptr<CDemoWnd> m_demo = std::make_unique<CDemoWnd>();
    BOOL InitInstance() override {
        m_pMainWnd = m_demo.get();
        return m_demo->CreateDemo();
    }
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CDemoApp app;
    if (!app.InitInstance()) return 1;
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring shot = argc >= 3 && std::wstring(argv[1]) == L"--screenshot" ? argv[2] : L"";
    ::LocalFree(argv);
    if (!shot.empty()) {
        AfxPumpPendingMessages();
        ::RedrawWindow(app.m_pMainWnd->m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::Sleep(300);
        AfxPumpPendingMessages();
        return SaveWindowBitmap(app.m_pMainWnd->m_hWnd, shot.c_str()) ? 0 : 2;
    }
    return app.Run();
}
