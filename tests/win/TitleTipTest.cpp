// The title tip on its own: when it shows, where, and what it hands on to the window beneath.
#include "ListFixtures.h"

#include <listedit/frame/CClientDC.h>

#include <algorithm>

using namespace harness;

class TitleTipTest : public WindowTest {
protected:
    CWnd under; // the tip's parent and what lies beneath it
    CCtrlTitleTip tip;
    const CRect cell{30, 40, 130, 58}; // in under's client coordinates: 100 x 18
    const CString longText = L"A text much too long for a cell a hundred pixels wide";

    void SetUp() override {
        ASSERT_TRUE(under.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), nullptr,
                                   WS_CHILD | WS_VISIBLE, Rect(20, 20, 420, 220), &host, 1));
        ASSERT_TRUE(tip.Create(&under));
        under.SetFocus();
        // The tip shows under a resting mouse: the window system's own moves then stay in the cell.
        const POINT pt = real::ToScreen(under, {80, 49});
        ::SetCursorPos(pt.x, pt.y);
        Pump();
    }
};

// Not while no window has the focus (a text that fits shows none either, as the property list
// checks); then over the cell, as wide as the text, holding the mouse.
TEST_F(TitleTipTest, ShowsOverTheCellWhileAWindowHasTheFocus) {
    const auto shown = [&] { return std::pair(tip.IsWindowVisible() != FALSE, ::GetCapture()); };
    ::SetFocus(nullptr);
    tip.Show(cell, longText, Scaled(2));
    EXPECT_EQ(shown(), std::pair(false, HWND{}));
    under.SetFocus();
    tip.Show(cell, longText, Scaled(2));
    EXPECT_EQ(shown(), std::pair(true, tip.m_hWnd));
    const int width = CClientDC(&under).GetTextExtent(longText).cx + Scaled(6);
    EXPECT_EQ(RectIn(under, tip), CRect(cell.left, cell.top, cell.left + width, cell.bottom));
    EXPECT_EQ(tip.GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
}

// Moves inside the cell and clicks keep the tip; a move one pixel outside takes it down. What it
// does not keep goes on to the window beneath. (Keys going to the parent are checked with the
// property list.)
TEST_F(TitleTipTest, KeepsTheMouseInsideTheCellAndHandsTheRestOn) {
    using Row = std::tuple<UINT, int, int, bool, bool>; // message, x, y (under's), stays, handed on
    for (auto [message, x, y, stays, handedOn] :
         {Row{WM_MOUSEMOVE, 30, 40, true, false}, Row{WM_MOUSEMOVE, 129, 57, true, false}, // the corners
          Row{WM_MOUSEMOVE, 29, 45, false, true}, Row{WM_MOUSEMOVE, 130, 45, false, true},
          Row{WM_MOUSEMOVE, 60, 39, false, true}, Row{WM_MOUSEMOVE, 60, 58, false, true},
          Row{WM_LBUTTONDOWN, 50, 45, true, true}}) {
        SCOPED_TRACE(testing::Message() << message << " at " << x << "," << y);
        tip.Show(cell, longText, 2);
        MessageRecorder rec(under, [](UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; });
        POINT pt{x, y};
        ::MapWindowPoints(under, tip, &pt, 1);
        ::PostMessageW(tip, message, 0, MAKELPARAM(pt.x, pt.y));
        Pump();
        EXPECT_EQ(std::pair(tip.IsWindowVisible() != FALSE, ::GetCapture() == tip.m_hWnd),
                  std::pair(stays, stays));
        // The window system may add moves of its own.
        const MessageRecorder::Msg msg{message, 0, MAKELPARAM(x, y)};
        EXPECT_EQ(std::count(rec.messages.begin(), rec.messages.end(), msg) > 0, handedOn);
        tip.Hide();
    }
}

// Its own colours, set by the owner.
TEST_F(TitleTipTest, PaintsInItsOwnColours) {
    tip.SetBkColor(RGB(255, 255, 0));
    EXPECT_EQ(tip.SetTextColor(RGB(0, 0, 255)), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    tip.Show(cell, longText, 2);
    ::UpdateWindow(tip);
    CClientDC dc(&tip);
    int textPixels = 0;
    for (int x = 2; x < 60; ++x)
        for (int y = 0; y < cell.Height(); ++y) textPixels += dc.GetPixel(x, y) == RGB(0, 0, 255);
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 255, 0));
    EXPECT_GT(textPixels, 0);
}
