// The framework's exceptions. They are thrown as heap pointers and the catcher releases them:
//
//     try { array.GetAt(99); } catch (CInvalidArgException* e) { e->Delete(); }
#pragma once
#include "CObject.h"
#include "CString.h"

#include <exception>

class LISTEDIT_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    void Delete(); // frees the exception object; call it in the catch block
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
};

class LISTEDIT_API CSimpleException : public CException {
    DECLARE_DYNAMIC(CSimpleException)
};

class LISTEDIT_API CInvalidArgException : public CSimpleException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

class LISTEDIT_API CResourceException : public CSimpleException {
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

// Any other C++ exception a message handler (or a comparison, hook or callback the window system
// calls) let out, held as a framework exception so that CWinApp::ProcessWndProcException sees
// every failure the same way. GetErrorMessage gives the original's what() (for an exception that
// is no std::exception, "Unknown exception."); GetOriginal gives the original itself, for
// std::rethrow_exception.
class LISTEDIT_API CStdException : public CException {
    DECLARE_DYNAMIC(CStdException)
public:
    explicit CStdException(std::exception_ptr original);
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
    const std::exception_ptr& GetOriginal() const { return m_original; }

private:
    std::exception_ptr m_original;
    CString m_message;
};

// The exception being handled (inside a catch block) as a framework exception: the same object
// when it is one, otherwise a new CStdException around it. Null only when even that could not be
// allocated. Never throws.
LISTEDIT_API CException* AfxCurrentExceptionAsFramework() noexcept;

[[noreturn]] LISTEDIT_API void AfxThrowInvalidArgException();
[[noreturn]] LISTEDIT_API void AfxThrowResourceException();
