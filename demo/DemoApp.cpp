// The demo application: one window with a tab per control family, each page showing the family's
// controls with sample data.
//
//     listedit_demo.exe                       interactive
//     listedit_demo.exe --screenshots DIR     paints each page once, writes DIR\demo-<page>.bmp and
//                                             DIR\pages.txt (the page names in tab order), the
//                                             sections' further pictures and DIR\extra.txt (their
//                                             names), and exits
//     listedit_demo.exe --soak EVENTS SEED FILE  seeded random real input across the pages, with
//                                             the checks of Soak.h; the figures go to FILE, the
//                                             exit code is 0 when every check passed
//
// The demo opens no modal window of its own (the property list's browse button writes a line on
// its page), and its main window is no dialog, so that Escape and Enter never end it: a soak runs
// without anything that would block or end it.
#include "DemoPanel.h"
#include "Screenshot.h"
#include "Soak.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kMargin = 10;

// Exceptions that reached the application object (a soak counts them).
std::atomic<long> g_exceptions{0};
constexpr UINT kTabId = 1;

// One tab's page: a plain container that stacks the page's sections.
class CDemoPageWnd : public CWnd {
public:
    BOOL CreatePage(CWnd* pParent, const RECT& rc, const DemoPage& page) {
        LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(WS_EX_CONTROLPARENT, cls, page.title, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rc,
                      pParent, 0))
            return FALSE;
        int y = 0;
        for (MakePanel make : page.sections) {
            auto& section = m_sections.emplace_back(make());
            if (!section->CreatePanel(this, 0, y, rc.right - rc.left)) return FALSE;
            y += section->Height();
        }
        m_overflow = y - (rc.bottom - rc.top);
        return TRUE;
    }

    // How many pixels the sections run past the page's bottom (none when they fit).
    int Overflow() const { return std::max(m_overflow, 0); }

    const std::vector<std::unique_ptr<CDemoPanel>>& Sections() const { return m_sections; }

private:
    std::vector<std::unique_ptr<CDemoPanel>> m_sections;
    int m_overflow = 0;
};

class CDemoWnd : public CWnd {
public:
    std::vector<DemoPage> m_pages = DemoPages();

    BOOL CreateDemo() {
        LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        const int nDpi = DemoScreenDpi();
        const int margin = DemoScale(kMargin, nDpi);
        RECT frame{0, 0, DemoScale(kPageWidth, nDpi) + 4 * margin,
                   DemoScale(kPageHeight + 24, nDpi) + 4 * margin};
        ::AdjustWindowRectEx(&frame, style, FALSE, 0);
        // No larger than the screen leaves for windows: at 200 % the pages are laid out to fit it.
        RECT work{0, 0, 1280, 1024};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int cxWork = work.right - work.left, cyWork = work.bottom - work.top;
        const int cx = std::min(static_cast<int>(frame.right - frame.left), cxWork);
        const int cy = std::min(static_cast<int>(frame.bottom - frame.top), cyWork);
        if (!CreateEx(0, cls, L"listedit demo", style, work.left + std::min(20, cxWork - cx),
                      work.top + std::min(20, cyWork - cy), cx, cy, nullptr, nullptr))
            return FALSE;
        CRect client;
        GetClientRect(&client);
        client.DeflateRect(margin, margin);
        // Tabs that do not fit one row wrap to another rather than scroll out of sight.
        if (!m_tab.Create(WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_MULTILINE, client, this,
                          kTabId))
            return FALSE;
        m_tab.SetFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        for (size_t i = 0; i < m_pages.size(); ++i) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<LPWSTR>(m_pages[i].title);
            m_tab.SendMessage(TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        // The pages are the tab's siblings above it in its display area, so that their controls
        // notify the pages themselves.
        CRect display = client;
        m_tab.SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        for (const DemoPage& page : m_pages) {
            auto& wnd = m_pageWnds.emplace_back(std::make_unique<CDemoPageWnd>());
            if (!wnd->CreatePage(this, display, page)) return FALSE;
            ::SetWindowPos(wnd->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        ShowPage(0);
        ShowWindow(SW_SHOW);
        UpdateWindow();
        return TRUE;
    }

    void ShowPage(size_t index) {
        if (index >= m_pageWnds.size()) return;
        m_tab.SendMessage(TCM_SETCURSEL, index);
        // Only the selected tab is pressed: the tab control under Wine can be left with another tab
        // pressed, and it then takes every click on a tab for a deselection and stays on its page.
        for (size_t i = 0; i < m_pageWnds.size(); ++i) {
            TCITEMW item{};
            item.mask = TCIF_STATE;
            item.dwStateMask = TCIS_BUTTONPRESSED;
            item.dwState = i == index ? TCIS_BUTTONPRESSED : 0;
            m_tab.SendMessage(TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        for (size_t i = 0; i < m_pageWnds.size(); ++i)
            m_pageWnds[i]->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
    }

    // Paints each page in turn and writes it to dir; FALSE when a file could not be written.
    bool SaveScreenshots(const std::wstring& dir) {
        std::wstring index, extra;
        auto save = [&](const std::wstring& name) {
            AfxPumpPendingMessages();
            ::RedrawWindow(m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            ::Sleep(300);
            AfxPumpPendingMessages();
            return SaveWindowBitmap(m_hWnd, (dir + L"\\demo-" + name + L".bmp").c_str());
        };
        for (size_t i = 0; i < m_pages.size(); ++i) {
            if (const int over = m_pageWnds[i]->Overflow()) {
                std::fwprintf(stderr, L"demo: the page %ls runs %d pixels past the window\n", m_pages[i].name,
                              over);
                return false;
            }
            ShowPage(i);
            std::vector<CDemoPanel::Shot> shots;
            for (const auto& section : m_pageWnds[i]->Sections())
                for (auto& shot : section->Shots()) shots.push_back(std::move(shot));
            for (const auto& shot : shots)
                if (!*shot.name) shot.prepare();
            std::wstring name = m_pages[i].name;
            if (!save(name)) return false;
            index += name + L"\n";
            for (const auto& shot : shots) {
                if (!*shot.name) continue;
                shot.prepare();
                if (!save(name + L"-" + shot.name)) return false;
                extra += name + L"-" + shot.name + L"\n";
            }
            // A title tip a shot left under the mouse would otherwise float over the next pages, which
            // the demo switches to without the mouse ever leaving the cell.
            ::SetCursorPos(0, 0);
            for (HWND tip = nullptr; (tip = ::FindWindowExW(nullptr, tip, L"kvt_MFCCtrlTitleTip", nullptr));)
                if (::IsWindowVisible(tip)) ::ShowWindow(tip, SW_HIDE);
        }
        auto write = [&](LPCWSTR file, const std::wstring& text) {
            FILE* f = ::_wfopen((dir + file).c_str(), L"w");
            if (!f) return false;
            std::fputs(std::string(text.begin(), text.end()).c_str(), f);
            return std::fclose(f) == 0;
        };
        return write(L"\\pages.txt", index) && write(L"\\extra.txt", extra);
    }

protected:
    CWnd m_tab;
    std::vector<std::unique_ptr<CDemoPageWnd>> m_pageWnds;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->hwndFrom == m_tab.m_hWnd && hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
            ShowPage(static_cast<size_t>(m_tab.SendMessage(TCM_GETCURSEL)));
            return TRUE;
        }
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
    void PostNcDestroy() override { ::PostQuitMessage(0); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kSoakSnapshot) {
            SoakTakeSnapshot(*reinterpret_cast<SoakSnapshot*>(lParam),
                             static_cast<int>(m_tab.SendMessage(TCM_GETCURSEL)), g_exceptions);
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

public:
    HWND Tab() const { return m_tab.m_hWnd; }
};

class CDemoApp : public CWinApp {
public:
    std::unique_ptr<CDemoWnd> m_demo = std::make_unique<CDemoWnd>();
    BOOL InitInstance() override {
        m_pMainWnd = m_demo.get();
        return m_demo->CreateDemo();
    }
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override {
        ++g_exceptions;
        wchar_t text[256]{};
        e->GetErrorMessage(text, 256);
        std::fwprintf(stderr, L"demo: an exception reached the application: %ls\n", text);
        return CWinApp::ProcessWndProcException(e, pMsg);
    }
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    CDemoApp app;
    if (!app.InitInstance()) return 1;
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring shots = argc >= 3 && std::wstring(argv[1]) == L"--screenshots" ? argv[2] : L"";
    const bool soak = argc >= 5 && std::wstring(argv[1]) == L"--soak";
    SoakOptions options;
    if (soak)
        options = {std::wcstol(argv[2], nullptr, 10),
                   static_cast<unsigned>(std::wcstoul(argv[3], nullptr, 10)), argv[4]};
    ::LocalFree(argv);
    if (!shots.empty()) return app.m_demo->SaveScreenshots(shots) ? 0 : 2;
    if (!soak) return app.Run();
    SoakStart(app.m_demo->m_hWnd, app.m_demo->Tab(), static_cast<int>(app.m_demo->m_pages.size()), options);
    app.Run();
    return SoakResult();
}
