// The framework's exceptions. They are thrown as heap pointers and the catcher releases them:
//
//     try { array.GetAt(99); } catch (CInvalidArgException* e) { e->Delete(); }
#pragma once
#include "CObject.h"

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

[[noreturn]] LISTEDIT_API void AfxThrowInvalidArgException();
[[noreturn]] LISTEDIT_API void AfxThrowResourceException();
