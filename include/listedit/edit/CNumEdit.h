// CNumEdit: a single-line edit that holds one decimal number.
//
// While the user types it lets through digits, one decimal point and one leading minus sign (the
// sign only when the range admits negative values); a refused key sounds the question beep. A text
// set from outside (SetWindowText, WM_SETTEXT) is refused with -1 when its value lies outside the
// closed range. The decimal-digit count is used only to turn a value into text. The decimal
// separator is '.' unless set (SetDecimalSeparator(L','), or UseLocaleDecimalSeparator() for the
// user's own): the user types it, values are shown with it and texts are read with it, while the
// values themselves (GetValue, SetValue) are the same whichever it is.
//
//     CNumEdit edit(2);
//     edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, IDC_AMOUNT);
//     edit.SetRange(100, 0);            // [0, 100], in either order
//     edit.SetValue(12.5);              // shows 12.50
//     double d = edit.GetValue();       // the value rounded to 2 digits
#pragma once
#include <listedit/frame/CEdit.h>

// The user's locale's decimal separator (LOCALE_SDECIMAL); '.' when the locale gives none that a
// numeric edit can take (more than one character, a digit, the sign).
LISTEDIT_API wchar_t AfxGetLocaleDecimalSeparator();

class LISTEDIT_API CNumEdit : public CEdit {
    DECLARE_DYNAMIC(CNumEdit)
public:
    explicit CNumEdit(int nDecimalDigits = 2);
    ~CNumEdit() override;

    int GetDecimalDigits() const { return m_nDecimalDigits; }
    void SetDecimalDigits(int nDecimalDigits) { m_nDecimalDigits = nDecimalDigits; } // no reformatting
    // The range is [smaller, larger] of the two arguments, in either order.
    void SetRange(double dMax, double dMin);
    // Upper bound first, lower bound second, as SetRange takes them.
    void GetRange(double& dMax, double& dMin) const;
    // FALSE for an empty text and for the separator alone; otherwise whether the text's value lies
    // in the range.
    BOOL IsValueInRange() const;

    // The character typed and shown between the integer part and the decimals. Any printable
    // character but a digit or '-'; others throw CInvalidArgException. Set it before the text: a
    // text already shown keeps its characters (and still reads as the same value).
    void SetDecimalSeparator(wchar_t chSeparator);
    // The separator of the user's locale (AfxGetLocaleDecimalSeparator).
    void UseLocaleDecimalSeparator();
    wchar_t GetDecimalSeparator() const { return m_chDecimalSeparator; }

protected:
    // The five virtual functions stand in this order so that the table of virtual functions has the
    // layout the derived controls and applications were built against.
    virtual BOOL IsValueInRange(double d) const;

public:
    // Shows the value formatted with the decimal-digit count; FALSE (text unchanged) when the value
    // lies outside the range.
    virtual BOOL SetValue(double d);
    virtual double GetValue() const;        // the text's value rounded to the decimal-digit count
    virtual CString GetValueString() const; // the text's value, formatted

protected:
    virtual CString GetNumString(double d) const;

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

    double m_dMin;
    double m_dMax;
    int m_nDecimalDigits;
    wchar_t m_chDecimalSeparator = L'.';

    DECLARE_MESSAGE_MAP()
};
