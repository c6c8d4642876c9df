#include "DemoPanel.h"

#include <algorithm>

namespace {
std::vector<DemoPage>& Registry() {
    static std::vector<DemoPage> pages;
    return pages;
}
} // namespace

DemoPageRegistrar::DemoPageRegistrar(DemoPage page) {
    Registry().push_back(std::move(page));
}

std::vector<DemoPage> DemoPages() {
    std::vector<DemoPage> pages = Registry();
    std::stable_sort(pages.begin(), pages.end(),
                     [](const DemoPage& a, const DemoPage& b) { return a.order < b.order; });
    return pages;
}

BOOL CDemoPanel::CreatePanel(CWnd* pParent, int x, int y, int width) {
    LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT, cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, 10,
                  pParent->m_hWnd, nullptr))
        return FALSE;
    m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    m_width = width;
    AddLabel(Title(), RECT{8, 6, width - 8, 24});
    m_height = Fill(30) + 8;
    MoveWindow(x, y, width, m_height);
    return TRUE;
}

CWnd* CDemoPanel::AddLabel(LPCWSTR text, const RECT& rc) {
    CWnd* label = Add<CWnd>();
    label->Create(L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, 0xFFFF);
    label->SetFont(m_hFont);
    return label;
}
