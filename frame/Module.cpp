// The library module: its start-up, its instance handle and the beep seam.
#include <listedit/frame/CObject.h>

#include <vector>

namespace {
HINSTANCE g_hInstance = nullptr;
AfxBeepHook g_pfnBeepHook = nullptr;
} // namespace

HINSTANCE AfxGetInstanceHandle() {
    return g_hInstance ? g_hInstance : ::GetModuleHandleW(nullptr);
}

void AfxMessageBeep(UINT nType) {
    if (g_pfnBeepHook) {
        g_pfnBeepHook(nType);
    } else {
        ::MessageBeep(nType);
    }
}

AfxBeepHook AfxSetBeepHook(AfxBeepHook pfnHook) {
    AfxBeepHook old = g_pfnBeepHook;
    g_pfnBeepHook = pfnHook;
    return old;
}

// Loading the module initialises the framework for it: it takes its instance handle (its private
// window classes are registered there), brings up the common controls its controls are built on,
// and its run-time classes have joined the registry through their static records, so that the
// application finds them by name.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
        ::DisableThreadLibraryCalls(hInstance);
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
    return TRUE;
}
