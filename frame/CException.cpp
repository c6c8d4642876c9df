// The framework's exception classes.
#include <listedit/frame/CException.h>

#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

void CException::Delete() {
    delete this;
}

namespace {
BOOL CopyMessage(LPCWSTR text, LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) {
    if (pnHelpContext) *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0) return FALSE;
    std::wcsncpy(lpszError, text, nMaxError - 1);
    lpszError[nMaxError - 1] = L'\0';
    return TRUE;
}
} // namespace

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (lpszError && nMaxError) *lpszError = L'\0';
    if (pnHelpContext) *pnHelpContext = 0;
    return FALSE;
}

BOOL CInvalidArgException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(L"Invalid argument.", lpszError, nMaxError, pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(L"A required resource was unavailable.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}
void AfxThrowResourceException() {
    throw new CResourceException;
}
