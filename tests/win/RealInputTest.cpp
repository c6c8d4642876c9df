// End to end through real input: key strokes and clicks pass the input queue, focus, capture and
// hit testing before a control sees them.
#include "Harness.h"

#include <windowsx.h>

#include <algorithm>

using namespace harness;

namespace {

// A mouse message as the window received it: what and at which client point.
struct Event {
    UINT message;
    int x, y;
    friend bool operator==(const Event&, const Event&) = default;
};

std::ostream& operator<<(std::ostream& os, const Event& e) {
    return os << "{0x" << std::hex << e.message << std::dec << " at " << e.x << "," << e.y << "}";
}

class RealInputTest : public WindowTest {
protected:
    BeepCounter beeps;
};

// The harness itself: each gesture arrives as the messages a user's would make, at the client
// point asked for.
TEST_F(RealInputTest, MouseGesturesLandWhereAsked) {
    CWnd target;
    ASSERT_TRUE(target.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                Rect(40, 30, 340, 230), &host, 1));
    MessageRecorder recorder(
        target, [](UINT m) { return m == WM_MOUSEMOVE || (m >= WM_LBUTTONDOWN && m <= WM_RBUTTONUP); });
    constexpr UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP, dbl = WM_LBUTTONDBLCLK, move = WM_MOUSEMOVE;
    const struct {
        const char* gesture;
        void (*tap)(HWND, POINT); // none: a drag from `at` to `to`
        POINT at, to;
        std::vector<Event> expected;
    } rows[] = {
        {"click", real::Click, {20, 15}, {}, {{down, 20, 15}, {up, 20, 15}}},
        {"double-click",
         real::DoubleClick,
         {100, 50},
         {},
         {{down, 100, 50}, {up, 100, 50}, {dbl, 100, 50}, {up, 100, 50}}},
        {"right-click", real::RightClick, {5, 150}, {}, {{WM_RBUTTONDOWN, 5, 150}, {WM_RBUTTONUP, 5, 150}}},
        {"drag",
         nullptr,
         {10, 10},
         {90, 50},
         {{down, 10, 10}, {move, 30, 20}, {move, 50, 30}, {move, 70, 40}, {move, 90, 50}, {up, 90, 50}}},
    };
    auto buttons = [](std::vector<Event> v) {
        std::erase_if(v, [](const Event& e) { return e.message == WM_MOUSEMOVE; });
        return v;
    };
    for (const auto& row : rows) {
        ::Sleep(::GetDoubleClickTime() + 50); // no gesture pairs with the one before
        Pump();
        recorder.clear();
        row.tap ? row.tap(target, row.at) : real::Drag(target, row.at, row.to);
        std::vector<Event> got; // moves only while dragging
        for (const MessageRecorder::Msg& m : recorder.messages)
            if (m.message != WM_MOUSEMOVE || (m.wParam & MK_LBUTTON))
                got.push_back({m.message, GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
        // Button messages exactly; the moves of a drag in order, though Wine may repeat an earlier
        // position in between (see the harness).
        EXPECT_EQ(buttons(got), buttons(row.expected)) << row.gesture;
        auto it = got.begin();
        for (const Event& e : row.expected) {
            it = std::find(it, got.end(), e);
            EXPECT_NE(it, got.end()) << row.gesture << ": no " << e << " in order";
        }
    }
}

TEST_F(RealInputTest, DateTypedIntoAMaskedEditAfterAClick) {
    CMaskEditEx edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Rect(10, 10, 200, 34), &host, 1));
    edit.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');
    real::Click(edit, {3, 10}); // before the first character: the caret lands on position 0
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    real::Type(L"05032024");
    EXPECT_EQ(TextOf(edit), L"05/03/2024");
    real::Key(VK_HOME);
    real::Key(VK_RIGHT, {VK_SHIFT});
    real::Type(L"1");
    EXPECT_EQ(TextOf(edit), L"15/03/2024");
    EXPECT_EQ(beeps.count(), 0u);
}

TEST_F(RealInputTest, NumericEditRefusesALetterTypedAmongDigits) {
    CNumEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Rect(10, 10, 200, 34), &host, 1));
    real::Click(edit, {50, 10});
    real::Type(L"-12a.5");
    EXPECT_EQ(TextOf(edit), L"-12.5");
    EXPECT_EQ(beeps.beeps(), std::vector<UINT>{MB_ICONQUESTION});
}

TEST_F(RealInputTest, DataWindowListOpenedAndPickedWithTheMouse) {
    auto* data = new CDataWnd; // deletes itself with its window
    ASSERT_TRUE(data->Create(WS_CHILD | WS_VISIBLE, Rect(10, 10, 210, 34), &host, 1));
    data->SetType(DWT_LIST);
    CStringArray colours;
    for (LPCWSTR s : {L"Red", L"Green", L"Blue"}) colours.Add(s);
    data->SetStringArrayBySelectType(colours);
    data->SetText(L"Red");
    HWND combo = data->GetChildDataWnd()->m_hWnd;
    CRect rc;
    ::GetClientRect(combo, &rc);

    real::Click(combo, {rc.right - 8, rc.bottom / 2}); // the drop-down arrow
    ASSERT_TRUE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
    RECT item{};
    ::SendMessageW(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    real::Click(info.hwndList, {item.left + 10, (item.top + item.bottom) / 2});

    EXPECT_FALSE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(data->GetText(), L"Blue");
    EXPECT_TRUE(data->GetModified());
}

} // namespace
