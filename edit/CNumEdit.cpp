// CNumEdit: numeric filter on typing and range test on text set from outside.
#include <listedit/edit/CNumEdit.h>
#include <listedit/frame/MessageMap.h>

#include "NumModel.h"

#include <cfloat>
#include <cstdlib>

using listedit::num::CharVerdict;

IMPLEMENT_DYNAMIC(CNumEdit, CEdit)

BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
ON_WM_CHAR()
ON_MESSAGE(WM_SETTEXT, &CNumEdit::OnSetText)
END_MESSAGE_MAP()

CNumEdit::CNumEdit(int nDecimalDigits)
    : m_dMin(-DBL_MAX), m_dMax(DBL_MAX), m_nDecimalDigits(nDecimalDigits) {}

CNumEdit::~CNumEdit() = default;

void CNumEdit::SetRange(double dMax, double dMin) {
    m_dMax = dMax;
    m_dMin = dMin;
    if (m_dMax < m_dMin) std::swap(m_dMax, m_dMin);
}

void CNumEdit::GetRange(double& dMax, double& dMin) const {
    dMax = m_dMax;
    dMin = m_dMin;
}

BOOL CNumEdit::IsValueInRange(double d) const {
    return m_dMin <= d && d <= m_dMax;
}

BOOL CNumEdit::IsValueInRange() const {
    CString text = GetWindowText();
    if (text.IsEmpty() || text == L".") return FALSE;
    return IsValueInRange(GetValue());
}

CString CNumEdit::GetNumString(double d) const {
    return CString(listedit::num::FormatNumber(d, m_nDecimalDigits));
}

CString CNumEdit::GetValueString() const {
    return GetNumString(::_wtof(GetWindowText()));
}

double CNumEdit::GetValue() const {
    return ::_wtof(GetValueString());
}

BOOL CNumEdit::SetValue(double d) {
    if (!IsValueInRange(d)) return FALSE;
    // Straight to the edit control: the text is in range by construction, and a derived class's
    // text handling must not refit it.
    CString text = GetNumString(d);
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
    return TRUE;
}

void CNumEdit::OnChar(UINT nChar, UINT, UINT) {
    const auto ch = static_cast<wchar_t>(nChar);
    auto verdict = listedit::num::FilterChar(ch, m_dMin);
    if (!verdict) {
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        verdict = listedit::num::FilterSignOrPoint(ch, GetWindowText().view(), nStart, nEnd);
    }
    switch (*verdict) {
    case CharVerdict::Accept:
        Default();
        break;
    case CharVerdict::Refuse:
        AfxMessageBeep(MB_ICONQUESTION);
        break;
    case CharVerdict::Drop:
        break;
    }
}

LRESULT CNumEdit::OnSetText(WPARAM, LPARAM lParam) {
    auto pszText = reinterpret_cast<LPCWSTR>(lParam);
    if (!IsValueInRange(::_wtof(pszText ? pszText : L""))) return -1;
    return DefWindowProc(WM_SETTEXT, 0, lParam);
}
