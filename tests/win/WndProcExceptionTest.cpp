// Whatever a handler lets out reaches the application's ProcessWndProcException, and the
// application goes on.
#include "Harness.h"

#include <algorithm>
#include <stdexcept>

using namespace harness;

namespace {

struct Delivered {
    const CRuntimeClass* pClass;
    std::wstring message;
    UINT nMsg;
    bool operator==(const Delivered&) const = default;
};

class RecordingApp : public CWinApp {
public:
    std::vector<Delivered> delivered;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override {
        wchar_t text[128] = L"";
        e->GetErrorMessage(text, 128);
        delivered.push_back({e->GetRuntimeClass(), text, pMsg->message});
        e->Delete();
        return 0;
    }
};

class ThrowingWnd : public CWnd {
public:
    std::function<void()> raise;
    LRESULT OnUser(WPARAM, LPARAM) {
        raise();
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
ON_MESSAGE(WM_USER, &ThrowingWnd::OnUser)
END_MESSAGE_MAP()

class WndProcExceptionTest : public WindowTest {
protected:
    RecordingApp app;
};

TEST_F(WndProcExceptionTest, EveryExceptionFromAHandlerIsDelivered) {
    struct Row {
        const char* what;
        std::function<void()> raise;
        Delivered expected;
    };
    const Row rows[] = {
        {"std::runtime_error",
         [] { throw std::runtime_error("disk full"); },
         {RUNTIME_CLASS(CStdException), L"disk full", WM_USER}},
        {"framework exception",
         [] { AfxThrowInvalidArgException(); },
         {RUNTIME_CLASS(CInvalidArgException), L"Invalid argument.", WM_USER}},
        {"not an exception class",
         [] { throw 7; },
         {RUNTIME_CLASS(CStdException), L"Unknown exception.", WM_USER}},
    };
    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, Rect(0, 0, 50, 50), &host, 1));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        app.delivered.clear();
        wnd.raise = row.raise;
        EXPECT_EQ(::SendMessageW(wnd, WM_USER, 0, 0), 0);
        EXPECT_EQ(app.delivered, std::vector<Delivered>{row.expected});
        EXPECT_TRUE(::IsWindow(wnd)); // and the window still works
        EXPECT_EQ(::SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0), 0);
    }
}

// The comparison runs inside the list view's sort, inside the parent's WM_NOTIFY: the rows stay
// whole and the exception comes out after the sort.
TEST_F(WndProcExceptionTest, AComparisonThatThrowsDuringAHeaderClickIsDelivered) {
    class Throwing : public CSortListCtrlEx {
    protected:
        using CSortListCtrlEx::CompareItems;
        int CompareItems(int, const CString&, const CString&) override {
            throw std::runtime_error("bad row");
        }
    } list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Rect(10, 10, 300, 200), &host, 2));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    for (LPCWSTR text : {L"b", L"a", L"c"}) {
        auto* pRow = new CSortListCtrlEx::CItemData;
        pRow->m_arrText.Add(text);
        list.InsertItem(list.GetItemCount(), pRow);
    }
    HWND hHeader = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
    RECT rc{};
    ::SendMessageW(hHeader, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    real::Click(hHeader, POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    EXPECT_EQ(app.delivered, (std::vector<Delivered>{{RUNTIME_CLASS(CStdException), L"bad row", WM_NOTIFY}}));
    std::vector<std::wstring> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) rows.push_back(list.GetItemText(i, 0).str());
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"a", L"b", L"c"}));
}

} // namespace
