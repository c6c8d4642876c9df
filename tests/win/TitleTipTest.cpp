// The title tip on its own: when it shows, where, and how it hands mouse and keys on.
#include "Harness.h"

#include <algorithm>

using namespace harness;

namespace {

// A plain child window under the tip: it is the tip's parent and what lies beneath it.
class UnderWnd : public CWnd {
public:
    UnderWnd(CWnd* pParent, const RECT& rc) {
        CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), nullptr, WS_CHILD | WS_VISIBLE,
                 rc, pParent, 1);
    }
};

bool IsButtonOrKey(UINT m) {
    return (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) || m == WM_KEYDOWN;
}

// Whether the window received the move at (x, y) (the window system may add moves of its own).
bool ReceivedMove(const std::vector<MessageRecorder::Msg>& messages, int x, int y) {
    return std::find(messages.begin(), messages.end(),
                     MessageRecorder::Msg{WM_MOUSEMOVE, 0, MAKELPARAM(x, y)}) != messages.end();
}

class TitleTipTest : public WindowTest {
protected:
    UnderWnd under{&host, Rect(20, 20, 420, 220)};
    CCtrlTitleTip tip;
    const CRect cell{30, 40, 130, 58}; // in under's client coordinates: 100 x 18
    const CString longText = L"A text much too long for a cell a hundred pixels wide";

    void SetUp() override {
        ASSERT_TRUE(tip.Create(&under));
        under.SetFocus();
        // The tip shows under a resting mouse: the window system's own moves then stay in the cell.
        POINT pt{80, 49};
        under.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        Pump();
    }
    int TextWidth(const CString& s) const {
        HDC hdc = ::GetDC(under);
        HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HFONT>(under.SendMessage(WM_GETFONT)));
        SIZE sz{};
        ::GetTextExtentPoint32W(hdc, s, s.GetLength(), &sz);
        ::SelectObject(hdc, old);
        ::ReleaseDC(under, hdc);
        return sz.cx;
    }
    // A point given in under's client coordinates, as the tip's client area sees it.
    CPoint InTip(int x, int y) const {
        POINT pt{x, y};
        ::MapWindowPoints(under, tip, &pt, 1);
        return pt;
    }
    void PostToTip(UINT message, WPARAM wParam, CPoint pt) {
        ::PostMessageW(tip, message, wParam, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
        Pump();
    }
};

TEST_F(TitleTipTest, ShowsOverTheCellOnlyWhenTheTextDoesNotFit) {
    tip.Show(cell, L"fits", 2);
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_EQ(::GetCapture(), nullptr);

    tip.Show(cell, longText, 2);
    ASSERT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(::GetCapture(), tip.m_hWnd);
    CRect expected = cell;
    under.ClientToScreen(&expected);
    expected.right = expected.left + TextWidth(longText) + 6;
    CRect actual;
    tip.GetWindowRect(&actual);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(tip.GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
}

TEST_F(TitleTipTest, StaysWhileTheMouseIsInTheCellAndHandsTheMoveOnWhenItLeaves) {
    struct Row {
        int x, y; // in under's client coordinates
        bool stays;
    } rows[] = {
        {30, 40, true},  {129, 57, true},                                    // the cell's corners
        {29, 45, false}, {130, 45, false}, {60, 39, false}, {60, 58, false}, // one pixel outside
    };
    for (const Row& r : rows) {
        tip.Show(cell, longText, 2);
        MessageRecorder rec(under, [](UINT m) { return m == WM_MOUSEMOVE; });
        PostToTip(WM_MOUSEMOVE, 0, InTip(r.x, r.y));
        EXPECT_EQ(tip.IsWindowVisible() != FALSE, r.stays) << r.x << "," << r.y;
        EXPECT_EQ(ReceivedMove(rec.messages, r.x, r.y), !r.stays) << r.x << "," << r.y;
        if (!r.stays) {
            EXPECT_EQ(::GetCapture(), nullptr);
        }
        tip.Hide();
    }
}

TEST_F(TitleTipTest, PassesClicksToTheWindowBeneathAndKeysToTheParent) {
    tip.Show(cell, longText, 2);
    MessageRecorder rec(under, IsButtonOrKey);
    PostToTip(WM_LBUTTONDOWN, MK_LBUTTON, InTip(50, 45));
    PostToTip(WM_LBUTTONUP, 0, InTip(50, 45));
    EXPECT_EQ(rec.messages,
              (std::vector<MessageRecorder::Msg>{{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 45)},
                                                 {WM_LBUTTONUP, 0, MAKELPARAM(50, 45)}}));
    EXPECT_TRUE(tip.IsWindowVisible()); // a click in the client area leaves the tip up
    EXPECT_EQ(::GetCapture(), tip.m_hWnd);

    rec.clear();
    ::PostMessageW(tip, WM_KEYDOWN, VK_DOWN, 0x500001);
    Pump();
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(rec.messages, (std::vector<MessageRecorder::Msg>{{WM_KEYDOWN, VK_DOWN, 0x500001}}));
}

TEST_F(TitleTipTest, ShowsNothingWhileNoWindowHasTheFocus) {
    ::SetFocus(nullptr);
    tip.Show(cell, longText, 2);
    EXPECT_FALSE(tip.IsWindowVisible());
}

TEST_F(TitleTipTest, PaintsInItsOwnColours) {
    tip.SetBkColor(RGB(255, 255, 0));
    EXPECT_EQ(tip.SetTextColor(RGB(0, 0, 255)), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    tip.Show(cell, longText, 2);
    ::UpdateWindow(tip);
    HDC hdc = ::GetDC(tip);
    COLORREF corner = ::GetPixel(hdc, 1, 1);
    bool sawText = false;
    CRect rc;
    tip.GetClientRect(&rc);
    for (int x = 2; x < rc.right && !sawText; ++x)
        for (int y = 0; y < rc.bottom && !sawText; ++y) sawText = ::GetPixel(hdc, x, y) == RGB(0, 0, 255);
    ::ReleaseDC(tip, hdc);
    EXPECT_EQ(corner, RGB(255, 255, 0));
    EXPECT_TRUE(sawText);
}

} // namespace
