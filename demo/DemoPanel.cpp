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

int DemoScreenDpi() {
    HDC hdc = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
    ::ReleaseDC(nullptr, hdc);
    return nDpi > 0 ? nDpi : 96;
}

BOOL CDemoPanel::CreatePanel(CWnd* pParent, int x, int y, int width) {
    LPCWSTR cls = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT, cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, 10,
                  pParent->m_hWnd, nullptr))
        return FALSE;
    m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    m_width = width;
    m_nDpi = DemoScreenDpi();
    // A title longer than the panel is wide takes a second line.
    CRect rcTitle(Box(8, Px(6), kRight, 18));
    CRect rcText = rcTitle;
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, m_hFont);
    ::DrawTextW(hdc, Title(), -1, &rcText, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(hdc, old);
    ::ReleaseDC(m_hWnd, hdc);
    const int extra = std::max(0, static_cast<int>(rcText.Height()) - rcTitle.Height() + Px(2));
    rcTitle.bottom += extra;
    AddLabel(Title(), rcTitle);
    m_height = Fill(Px(30) + extra) + Px(8);
    MoveWindow(x, y, width, m_height);
    return TRUE;
}

CWnd* CDemoPanel::AddLabel(LPCWSTR text, const RECT& rc) {
    CWnd* label = Add<CWnd>();
    label->Create(L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, this, 0xFFFF);
    label->SetFont(m_hFont);
    return label;
}

void CDemoPanel::NarrowColumns(CConditionListCtrl& list, std::initializer_list<int> widths) {
    int column = 0, total = 0;
    for (const int width : widths) {
        list.SetColumnWidth(column++, Px(width));
        total += Px(width);
    }
    CRect rcWindow, rcClient;
    list.GetWindowRect(&rcWindow);
    ScreenToClient(&rcWindow);
    list.GetClientRect(&rcClient);
    rcWindow.right += total + ::GetSystemMetrics(SM_CXVSCROLL) - rcClient.Width();
    list.MoveWindow(&rcWindow, TRUE);
}
