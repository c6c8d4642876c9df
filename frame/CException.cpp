// The framework's exception classes.
#include <listedit/frame/CException.h>

#include <cwchar>
#include <new>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CStdException, CException)

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

namespace {
CString MessageOf(const std::exception_ptr& original) {
    try {
        std::rethrow_exception(original);
    } catch (const std::exception& e) {
        const char* what = e.what();
        int n = ::MultiByteToWideChar(CP_UTF8, 0, what, -1, nullptr, 0);
        CString text;
        if (n > 1) {
            ::MultiByteToWideChar(CP_UTF8, 0, what, -1, text.GetBuffer(n - 1), n);
            text.ReleaseBuffer(n - 1);
        }
        return text;
    } catch (...) {
        return L"Unknown exception.";
    }
}
} // namespace

CStdException::CStdException(std::exception_ptr original)
    : m_original(std::move(original)), m_message(MessageOf(m_original)) {}

BOOL CStdException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
    return CopyMessage(m_message.GetString(), lpszError, nMaxError, pnHelpContext);
}

CException* AfxCurrentExceptionAsFramework() noexcept {
    try {
        throw;
    } catch (CException* e) {
        return e;
    } catch (...) {
        try {
            return new CStdException(std::current_exception());
        } catch (...) {
            return nullptr; // out of memory while out of memory: the failure cannot be described
        }
    }
}
