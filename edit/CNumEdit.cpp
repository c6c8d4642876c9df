// CNumEdit: numeric filter on typing and range test on text set from outside.
#include <listedit/edit/CNumEdit.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/MessageMap.h>

#include "NumModel.h"

#include <cfloat>
#include <cstdlib>

using listedit::num::CharVerdict;
using listedit::num::ReplacePoint;

namespace {

// A shown text's value: the separator read as the point ('.' reads as one too).
double ReadNumber(std::wstring_view text, wchar_t chSeparator) {
    return ::_wtof(ReplacePoint(text, chSeparator, L'.').c_str());
}

} // namespace

wchar_t AfxGetLocaleDecimalSeparator() {
    wchar_t buffer[8]{};
    const int n = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8);
    // The count includes the terminating zero: one character is 2.
    if (n == 2 && listedit::num::IsDecimalSeparator(buffer[0])) return buffer[0];
    return L'.';
}

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
    if (text.IsEmpty() || (text.GetLength() == 1 && text[0] == m_chDecimalSeparator)) return FALSE;
    return IsValueInRange(GetValue());
}

void CNumEdit::SetDecimalSeparator(wchar_t chSeparator) {
    if (!listedit::num::IsDecimalSeparator(chSeparator)) AfxThrowInvalidArgException();
    m_chDecimalSeparator = chSeparator;
}

void CNumEdit::UseLocaleDecimalSeparator() {
    m_chDecimalSeparator = AfxGetLocaleDecimalSeparator();
}

CString CNumEdit::GetNumString(double d) const {
    return CString(
        ReplacePoint(listedit::num::FormatNumber(d, m_nDecimalDigits), L'.', m_chDecimalSeparator));
}

CString CNumEdit::GetValueString() const {
    return GetNumString(ReadNumber(GetWindowText().view(), m_chDecimalSeparator));
}

double CNumEdit::GetValue() const {
    return ReadNumber(GetValueString().view(), m_chDecimalSeparator);
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
    auto verdict = listedit::num::FilterChar(ch, m_dMin, m_chDecimalSeparator);
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
    if (!IsValueInRange(ReadNumber(pszText ? pszText : L"", m_chDecimalSeparator))) return -1;
    return DefWindowProc(WM_SETTEXT, 0, lParam);
}
