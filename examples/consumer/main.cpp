// Creates a numeric edit in a window, types into it through messages and checks what it reads.
// Exits 0 when every result is as documented.
#include <listedit.h>

#include <cstdio>

static int g_failures = 0;
static int g_beeps = 0;

static void Check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok) ++g_failures;
}

static void Type(CWnd& wnd, const wchar_t* chars) {
    for (const wchar_t* p = chars; *p; ++p) wnd.PostMessage(WM_CHAR, *p, 1);
    AfxPumpPendingMessages();
}

int main() {
    AfxSetBeepHook([](UINT) { ++g_beeps; });
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"consumer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr,
                    nullptr);
    CNumEdit edit;
    Check(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, 100) != FALSE,
          "Create");
    Type(edit, L"-1.5");
    Check(edit.GetWindowText() == L"-1.5", "typing -, 1, ., 5 gives -1.5");
    Type(edit, L".");
    Check(g_beeps == 1 && edit.GetWindowText() == L"-1.5", "a second point beeps");
    edit.SetRange(10, 1);
    Check(!edit.SetValue(11), "SetValue(11) is refused on [1, 10]");
    Check(edit.SetValue(5), "SetValue(5) is accepted");
    Check(edit.GetWindowText() == L"5.00", "the value shows with 2 digits");
    Check(edit.IsKindOf(RUNTIME_CLASS(CEdit)) != FALSE, "a CNumEdit is a CEdit");
    return g_failures == 0 ? 0 : 1;
}
