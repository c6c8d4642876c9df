// CNumEdit: a single-line edit that holds one decimal number.
//
// While the user types it lets through digits, one decimal point and one leading minus sign (the
// sign only when the range admits negative values); a refused key sounds the question beep. A text
// set from outside (SetWindowText, WM_SETTEXT) is refused with -1 when its value lies outside the
// closed range. The decimal-digit count is used only to turn a value into text.
//
//     CNumEdit edit(2);
//     edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, IDC_AMOUNT);
//     edit.SetRange(100, 0);            // [0, 100], in either order
//     edit.SetValue(12.5);              // shows 12.50
//     double d = edit.GetValue();       // the value rounded to 2 digits
#pragma once
#include <listedit/frame/CEdit.h>

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
    // FALSE for an empty text and for "."; otherwise whether the text's value lies in the range.
    BOOL IsValueInRange() const;

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

    DECLARE_MESSAGE_MAP()
};
