// The entry point of programs built on CWinApp (the listedit::main target): the program's only
// code is its application object.
#include <listedit/frame/CWinApp.h>

namespace {
// The command line after the program's name, as the system's own entry point gives it.
LPWSTR ArgumentsOf(LPWSTR lpCmdLine) {
    bool quoted = false;
    for (; *lpCmdLine && (quoted || (*lpCmdLine != L' ' && *lpCmdLine != L'\t')); ++lpCmdLine)
        if (*lpCmdLine == L'"') quoted = !quoted;
    while (*lpCmdLine == L' ' || *lpCmdLine == L'\t') ++lpCmdLine;
    return lpCmdLine;
}
} // namespace

int main() {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    ::GetStartupInfoW(&si);
    const int nCmdShow = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWDEFAULT;
    return AfxWinMain(::GetModuleHandleW(nullptr), nullptr, ArgumentsOf(::GetCommandLineW()), nCmdShow);
}
