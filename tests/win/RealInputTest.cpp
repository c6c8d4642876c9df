// End to end through real input: key strokes and clicks pass the input queue, focus, capture and
// hit testing before a control sees them.
#include "Harness.h"

#include <windowsx.h>

#include <algorithm>

using namespace harness;

namespace {

// A window that records the mouse messages it receives, with their client positions.
class MouseRecorder : public CWnd {
public:
    struct Event {
        UINT message;
        int x, y;
        friend bool operator==(const Event&, const Event&) = default;
    };
    std::vector<Event> events;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            events.push_back({message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_MOUSEMOVE: {
            // Only moves while dragging, and a repeated one once: the system may send a move again.
            Event e{message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if ((wParam & MK_LBUTTON) && (events.empty() || !(events.back() == e))) events.push_back(e);
            break;
        }
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::ostream& operator<<(std::ostream& os, const MouseRecorder::Event& e) {
    return os << "{0x" << std::hex << e.message << std::dec << " at " << e.x << "," << e.y << "}";
}

class RealInputTest : public WindowTest {
protected:
    BeepCounter beeps;
};

// The harness itself: each gesture arrives as the messages a user's would make, at the client
// point asked for.
TEST_F(RealInputTest, MouseGesturesLandWhereAsked) {
    MouseRecorder target;
    ASSERT_TRUE(target.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                Rect(40, 30, 340, 230), &host, 1));
    using E = MouseRecorder::Event;
    struct Row {
        const char* gesture;
        std::function<void()> act;
        std::vector<E> expected;
    };
    const Row rows[] = {
        {"click",
         [&] {
             real::Click(target, {20, 15});
         },
         {{WM_LBUTTONDOWN, 20, 15}, {WM_LBUTTONUP, 20, 15}}},
        {"double-click",
         [&] {
             real::DoubleClick(target, {100, 50});
         },
         {{WM_LBUTTONDOWN, 100, 50},
          {WM_LBUTTONUP, 100, 50},
          {WM_LBUTTONDBLCLK, 100, 50},
          {WM_LBUTTONUP, 100, 50}}},
        {"right-click",
         [&] {
             real::RightClick(target, {5, 150});
         },
         {{WM_RBUTTONDOWN, 5, 150}, {WM_RBUTTONUP, 5, 150}}},
        {"drag",
         [&] {
             real::Drag(target, {10, 10}, {90, 50});
         },
         {{WM_LBUTTONDOWN, 10, 10},
          {WM_MOUSEMOVE, 30, 20},
          {WM_MOUSEMOVE, 50, 30},
          {WM_MOUSEMOVE, 70, 40},
          {WM_MOUSEMOVE, 90, 50},
          {WM_LBUTTONUP, 90, 50}}},
    };
    for (const Row& row : rows) {
        ::Sleep(::GetDoubleClickTime() + 50); // no gesture pairs with the one before
        Pump();
        target.events.clear();
        row.act();
        // Button messages exactly; the moves of a drag in order, though Wine may repeat an earlier
        // position in between (see the harness).
        auto buttons = [](std::vector<E> v) {
            std::erase_if(v, [](const E& e) { return e.message == WM_MOUSEMOVE; });
            return v;
        };
        EXPECT_EQ(buttons(target.events), buttons(row.expected)) << row.gesture;
        auto it = target.events.begin();
        for (const E& e : row.expected) {
            it = std::find(it, target.events.end(), e);
            EXPECT_NE(it, target.events.end()) << row.gesture << ": no " << e << " in order";
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
