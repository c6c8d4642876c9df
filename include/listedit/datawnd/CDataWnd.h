// CDataWnd: a small child window that edits one value in place through one child editor chosen by
// a type code (DWT_*). The value goes in and out as text whatever the editor is; the window also
// answers WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH for it, so an owner may treat it like an
// edit control.
//
//     auto* pData = new CDataWnd;                       // on the heap: it deletes itself
//     pData->Create(WS_CHILD | WS_VISIBLE, rect, pParent, IDC_VALUE);
//     pData->SetType(DWT_DATE);
//     pData->SetText(L"2024-03-05");                    // GetText() gives "2024-3-5"
//     pData->SetRightButton(L"...");                    // a click: WM_NOTIFY, code -1, to pParent
//     ...
//     if (pData->GetModified()) Save(pData->GetText());
//
// The data window owns its editor, spin and button. Once its window exists an owner never deletes
// it: destroying the window deletes the object. A Create that returns FALSE has already deleted it
// (its window was destroyed on the way); only when the class cannot be registered does Create
// raise CResourceException with the object still the caller's.
//
// Notifications to the parent, WM_NOTIFY from the data window's id: code -1 (0xFFFFFFFF) for a
// click on the right button; DWN_KILLFOCUS once the focus has left the editor (or the button) for
// a window outside the data window, so that an owner can take the value in.
//
// The focus stays in the editor when SetType rebuilds it while it has the focus. IsDroppedDown
// and CloseDropDown let an owner that moves on with Tab close an open list or calendar first.
//
// Text forms: dates "%d-%d-%d" without leading zeros; check boxes "0" or "1"; lists the text of
// the selected entry; numbers (types 2 and 5) with the decimal separator the window was given
// (SetDecimalSeparator, '.' unless set), a '.' in a text set being read as it too. A date text that does not
// begin with three numbers "year-month-day" is refused: SetText returns FALSE and changes nothing. The
// picker's calendar holds 1900-1-1 to 9999-12-31; a day past its month's end counts on into the next month
// (2023-4-31 is 2023-5-1). A field out of range (year before 1900, month outside 1 to 12, day outside 1 to
// 31) raises COleException with E_FAIL, a year after 9999 with E_INVALIDARG, also with nothing changed.
#pragma once
#include <listedit/datawnd/ValueType.h>
#include <listedit/edit/CMaskEditEx.h>
#include <listedit/frame/CButton.h>
#include <listedit/frame/CSpinButtonCtrl.h>
#include <listedit/frame/CWnd.h>

#include <memory>

// WM_NOTIFY code: the focus has left the data window. Positive, outside the common controls'
// codes, so that no handler of theirs takes it for its own.
inline constexpr UINT DWN_KILLFOCUS = 0x0401;

class LISTEDIT_API CDataWnd : public CWnd {
    DECLARE_DYNAMIC(CDataWnd)
public:
    CDataWnd();
    ~CDataWnd() override;

    // Registers the window class on first use; raises CResourceException when it cannot.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Types 6 and 8: replaces the combo's entries with arr, in order.
    virtual void SetStringArrayBySelectType(const CStringArray& arr);
    // Applies the text to the editor and takes the editor's reading of it as unmodified.
    virtual BOOL SetText(LPCWSTR lpszText);
    virtual CString GetText() const;
    // Returns the previous code. A new code rebuilds the editor and drops the button and spin.
    virtual int SetType(int nType);
    // Creates the editor for nType as child 101 (null for an unknown code); derived classes may
    // supply their own editor classes. The data window deletes the object it gets, so the object
    // must not delete itself when its window goes.
    virtual CWnd* CreateChildWnd(int nType);

    int GetType() const { return m_nType; }
    CWnd* GetChildDataWnd() { return m_pChildDataWnd.get(); }
    CSpinButtonCtrl* GetSpinForIntEdit() const { return m_pSpinForIntEdit.get(); }
    CButton* GetRightButton() { return m_pRightButton.get(); }

    // TRUE when the value differs from the one last set (or marked unmodified).
    BOOL GetModified() const;
    // FALSE takes the current value as unmodified; TRUE makes it count as changed.
    void SetModified(BOOL bModified);
    // Whether the editor's drop-down list (types 6, 8) or calendar (type 4) is open.
    BOOL IsDroppedDown() const;
    // Closes an open drop-down list or calendar, keeping the editor's value.
    void CloseDropDown();
    // Type 8: lets pEdit (say, a masked edit) take over the combo's edit box.
    void SubclassChildEdit(CMaskEditEx* pEdit);
    // Adds a push button (child 102) at the right edge, as wide as the window is high when nWidth
    // is negative. FALSE when there is a button already, no editor, or no button window.
    BOOL SetRightButton(LPCWSTR lpszText, int nWidth = -1, DWORD dwStyle = BS_PUSHBUTTON);
    // What assistive tools call the editor: the row or field it edits, set by the owner for each
    // edit. Empty, as at first: the static text just before the data window, as a form names an
    // edit.
    void SetAccessibleName(LPCWSTR lpszName);
    CString GetAccessibleName() const;
    // What assistive tools read as the editor's value: what the user sees (a date in the picker's
    // long form, a masked text without its placeholders); empty for a check box, whose state says it.
    CString GetAccessibleValue() const;
    // TRUE: the editor keeps Tab and Enter from a dialog manager, for an owner that moves its edit
    // on with them (FALSE at first).
    void SetWantTabAndReturn(BOOL bWant) { m_bWantTabAndReturn = bWant ? TRUE : FALSE; }
    // The decimal separator of the number editors (CNumEdit::SetDecimalSeparator), for the editor
    // there and every one SetType builds; CInvalidArgException for a digit, '-' or a control
    // character.
    void SetDecimalSeparator(wchar_t chSeparator);
    void UseLocaleDecimalSeparator();
    wchar_t GetDecimalSeparator() const { return m_chDecimalSeparator; }
    // Type 3: adds a spin over [nLower, nUpper] (16-bit) with the edit as its buddy.
    BOOL SetIntEditSpin(int nLower, int nUpper,
                        DWORD dwStyle = UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS);

protected:
    // Sends the parent WM_NOTIFY with code -1 from this window.
    virtual void OnClickRightButton();
    // The button object SetRightButton creates its window for; owned and deleted as the editor is.
    virtual CButton* CreateRightButton();

    // Drops editor, spin and button and builds the editor for the current code.
    BOOL CreateChildWindowByType();
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnRightButton();
    void OnChildKillFocus();
    void OnChildKillFocusNotify(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnCheckFocus(WPARAM wParam, LPARAM lParam);

    int m_nType = DWT_TEXT;
    // Declared so that their implicit destruction order is button, spin, editor.
    std::unique_ptr<CWnd> m_pChildDataWnd;
    std::unique_ptr<CSpinButtonCtrl> m_pSpinForIntEdit;
    std::unique_ptr<CButton> m_pRightButton;
    CString m_strSavedText;
    CString m_strAccessibleName;
    BOOL m_bWantTabAndReturn = FALSE;
    wchar_t m_chDecimalSeparator = L'.';

private:
    // Not offered: this window is made only through its own Create, which registers its class.
    using CWnd::Create;
    // Makes the editor (and a combo's edit box) answer assistive tools with this window's name.
    void ExposeEditor();
    // Tells the parent DWN_KILLFOCUS when the focus is outside; false while it is still within.
    bool CheckFocusLeft();

    DECLARE_MESSAGE_MAP()
};
