// The OLE exception: a result code, with the system's text for it.
#include <listedit/frame/COleException.h>

IMPLEMENT_DYNAMIC(COleException, CException)

BOOL COleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    if (pnHelpContext) *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0) return FALSE;
    *lpszError = L'\0';
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               static_cast<DWORD>(m_sc), 0, lpszError, nMaxError, nullptr);
    return n != 0;
}

void AfxThrowOleException(SCODE sc) {
    throw new COleException(sc);
}
