// The demo application: one window that shows each control of the library with sample data.
//
//     listedit_demo.exe                      interactive
//     listedit_demo.exe --screenshot a.bmp   paints once, writes the window to a.bmp and exits
#include "Screenshot.h"

#include <listedit.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRowHeight = 30;

class CDemoWnd : public CWnd {
public:
    BOOL CreateDemo();

protected:
    struct NumRow {
        CNumEdit* edit;
        CWnd* value; // shows what GetValueString reports
    };
    std::vector<std::unique_ptr<CWnd>> m_children; // destroyed before the main window
    std::vector<NumRow> m_numRows;
    HFONT m_hFont = nullptr;

    template <class T, class... Args> T* Add(Args&&... args) {
        auto p = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = p.get();
        m_children.push_back(std::move(p));
        return raw;
    }
    CWnd* AddLabel(LPCWSTR text, const RECT& rc);
    void AddNumEdit(LPCWSTR caption, int digits, double dMax, double dMin, LPCWSTR initial, int y);
    void RefreshValues();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { ::PostQuitMessage(0); }

};

CWnd* CDemoWnd::AddLabel(LPCWSTR text, const RECT& rc) {
    CWnd* label = Add<CWnd>();
    label->Create(L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, 0xFFFF);
    label->SetFont(m_hFont);
    return label;
}

void CDemoWnd::AddNumEdit(LPCWSTR caption, int digits, double dMax, double dMin, LPCWSTR initial, int y) {
    AddLabel(caption, RECT{16, y + 3, 220, y + 23});
    auto* edit = Add<CNumEdit>(digits);
    UINT id = 1000 + static_cast<UINT>(m_numRows.size());
    edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, RECT{224, y, 384, y + 24}, this, id);
    edit->SetFont(m_hFont);
    edit->SetRange(dMax, dMin);
    edit->SetWindowText(initial);
    m_numRows.push_back({edit, AddLabel(L"", RECT{400, y + 3, 620, y + 23})});
}

void CDemoWnd::RefreshValues() {
    for (auto& row : m_numRows) {
        row.value->SetWindowText(L"GetValueString: " + row.edit->GetValueString());
    }
}

BOOL CDemoWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == EN_CHANGE) RefreshValues();
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CDemoWnd::CreateDemo() {
    LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(0, cls, L"listedit demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 660, 240, nullptr, nullptr))
        return FALSE;
    m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    AddLabel(L"CNumEdit: digits, one point, a leading sign; the range decides", RECT{16, 12, 620, 32});
    int y = 44;
    AddNumEdit(L"Full range, 2 digits", 2, 1.7976931348623157e308, -1.7976931348623157e308, L"-1234.567", y);
    AddNumEdit(L"[0, 100], 2 digits (no sign)", 2, 100, 0, L"42.5", y += kRowHeight + 8);
    AddNumEdit(L"Full range, 0 digits", 0, 1.7976931348623157e308, -1.7976931348623157e308, L"2.6", y += kRowHeight + 8);
    RefreshValues();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

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
        ::RedrawWindow(app.m_pMainWnd->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::Sleep(300);
        AfxPumpPendingMessages();
        return SaveWindowBitmap(app.m_pMainWnd->m_hWnd, shot.c_str()) ? 0 : 2;
    }
    return app.Run();
}
