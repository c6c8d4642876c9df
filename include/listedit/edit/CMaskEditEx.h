// CMaskEditEx: an edit control that lays a mask of literal and input positions over its text.
//
// The mask string is a row of positions: a plain character is a literal shown as it stands; a set
// in brackets is one input position that accepts its characters ("[0-9]", "[a-fA-F]", "[+\-]"),
// and "[]" or "[?]" accepts any character. Typing overwrites position by position and steps over
// literals; deleting puts the placeholder back; the caret never rests on a literal.
//
//     CMaskEditEx date;
//     date.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, IDC_DATE);
//     date.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');   // __/__/____
//     date.SetText(L"05/03/2024");                                               // position by position
//
// Editing keys go further than Delete. Shift+Delete and Shift+Insert are the masked edit's own cut
// and paste, as WM_CUT and WM_PASTE: the cut puts placeholders back where the selection was and
// leaves the clipboard as it is, the paste lays the clipboard text over the positions one for one.
// Whatever any other key removes or puts in (Ctrl+Delete deleting a word, say) is repaired, so the
// literals stay in place and a fixed-length text keeps its length. For example, with 12/34 shown
// under the mask [0-9][0-9]/[0-9][0-9] and "12" selected, Shift+Delete shows __/34 and the
// clipboard still holds what it held; with the caret at the start of __/__ and 1234 on the
// clipboard, Shift+Insert shows 12/4_ (typed characters step over literals, pasted ones do not).
//
// With the mask off (SetUseMask(FALSE)) it is a plain edit, or a numeric edit with
// SetUseNumEdit(TRUE).
#pragma once
#include <listedit/edit/CNumEdit.h>
#include <listedit/frame/Arrays.h>

// One position of a mask: one character is a literal, none accepts anything, two or more are the
// characters the position accepts.
class LISTEDIT_API CMaskEditExChar : public CObject {
public:
    CMaskEditExChar() = default;
    explicit CMaskEditExChar(const CString& strChars) : m_strChars(strChars) {}
    BOOL IsMaskChar() const { return m_strChars.GetLength() == 1; }
    BOOL IsValidChar(wchar_t ch) const { return m_strChars.IsEmpty() || m_strChars.Find(ch) >= 0; }

    CString m_strChars;
};

class LISTEDIT_API CMaskEditEx : public CNumEdit {
    DECLARE_DYNAMIC(CMaskEditEx)
public:
    CMaskEditEx();
    ~CMaskEditEx() override;

    // Parses the mask and shows its empty form (literals and placeholders). FALSE on a syntax
    // error: the positions parsed before the error stay, placeholder and text are left as they were.
    // The placeholder must not be '\0': a window text ends at its first null character.
    virtual BOOL SetMaskString(const wchar_t* lpszMask, char chPlaceHolder);

    char GetPlaceHolder() const { return m_chPlaceHolder; }
    void SetPlaceHolder(char chPlaceHolder) { m_chPlaceHolder = chPlaceHolder; }
    // TRUE: the text is exactly as long as the mask; FALSE: free characters may follow it.
    int GetTextLengthByMask() const { return m_bTextLengthByMask; }
    void SetTextLengthByMask(int bTextLengthByMask) { m_bTextLengthByMask = bTextLengthByMask; }
    int GetUseMask() const { return m_bUseMask; }
    void SetUseMask(int bUseMask) { m_bUseMask = bUseMask; }
    int GetUseNumEdit() const { return m_bUseNumEdit; }
    void SetUseNumEdit(int bUseNumEdit) { m_bUseNumEdit = bUseNumEdit; }

    // Shows the text fitted to the mask (only when that differs from what is shown).
    void SetText(const wchar_t* lpszText);
    // Fits what the control holds to the mask again (after a new placeholder, say).
    void ReMask();
    // The text without the placeholders still standing in input positions ("05/03/____" gives
    // "05/03/"): what assistive tools read as the edit's value. The text itself with the mask off.
    CString GetTextWithoutPrompts() const;

protected:
    // The display character of a position: its literal, or the placeholder. Throws the
    // invalid-argument exception outside the mask.
    char GetMaskChar(int nPos) const;
    int GetFirstNoMaskPos() const; // first input position; the mask length when there is none
    int GetLastNoMaskPos() const;  // one past the last input position; 0 when there is none
    CString GetMaskedText(const wchar_t* lpszText) const;
    void ClearMask();
    // Resets positions [nStart, nEnd) to their display characters and places the caret.
    void SetMaskText(int nStart, int nEnd);
    // Fits the text after a typed character went through the edit control.
    void TreatByMask(int nStart, int nEnd, const CString& strOld);
    void CutOrClear();

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetSel(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    BOOL m_bUseNumEdit = FALSE;
    BOOL m_bTextLengthByMask = TRUE;
    // CMaskEditExChar*, owned. The typing handlers work on a copy made when the mask is set: a
    // derived class that changes these records itself calls SetMaskString afterwards.
    CObArray m_arrayMask;
    BOOL m_bUseMask = TRUE;
    char m_chPlaceHolder = '_';
    BOOL m_bInChar = FALSE;
    BOOL m_bCaretToEnd = TRUE;

    DECLARE_MESSAGE_MAP()

private:
    struct MaskCopy;
    const MaskCopy& Positions() const; // the mask as the model sees it
    mutable std::unique_ptr<MaskCopy> m_pPositions;
    wchar_t PlaceHolderChar() const; // the placeholder as the text shows it
    void HoldRedraw();               // WM_SETREDRAW FALSE before a repair
    void ResumeRedraw(BOOL bInvalidate);
    // Shows a repaired text and requests the caret through the selection snapping.
    void ApplyRepair(const CString& strText, int nCaret);
};
