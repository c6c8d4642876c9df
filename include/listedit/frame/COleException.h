// COleException: the framework's exception carrying an OLE result code (SCODE), raised with
// AfxThrowOleException.
//
//     try { CTime t(1800, 1, 1, 0, 0, 0); }
//     catch (COleException* e) { SCODE sc = e->m_sc; e->Delete(); }   // E_FAIL
#pragma once
#include "CException.h"

class LISTEDIT_API COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    SCODE m_sc;
};

[[noreturn]] LISTEDIT_API void AfxThrowOleException(SCODE sc);
