// CInEditEx: a short-lived edit that an owner lays over a piece of text to let the user change it
// in place.
//
// On creation it takes its parent's font, shows its initial text wholly selected and takes the
// focus. While the user types it refits its width to the text (plus a pad of one full-width
// ideograph and a space), never past the parent's client right edge; it narrows again only while
// the text is wider than the width threshold (SetMinLength). Enter ends the edit, Escape cancels it,
// Tab beeps and editing goes on; any loss of focus ends it too. At the end it calls ProcessEndEdit,
// destroys its window and deletes itself. CInEditEx reports nothing itself: derive from it and
// override ProcessEndEdit to learn the outcome (IsCancelled tells Escape from the rest).
//
//     class CNameEdit : public CInEditEx {
//     public:
//         using CInEditEx::CInEditEx;
//     protected:
//         void ProcessEndEdit() override { if (!m_bCancel) Store(GetWindowText()); }
//     };
//     auto* pEdit = new CNameEdit(L"old name");     // on the heap: it deletes itself
//     pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, pParent, IDC_NAME);
//
// Ownership: once Create has been called the owner never deletes the object, nor uses the pointer
// after editing has ended (the end runs inside whatever took the focus away). A Create that
// returns FALSE has already deleted it, as every self-owned window of the library does. Destroying
// the window from outside (its parent closing, say) deletes the object as well.
//
// A refit changes the width only: the window keeps its own left, top and height (its window
// rectangle in the parent's coordinates), so an editor with a client edge (WS_EX_CLIENTEDGE) stays
// over its text however often it refits. Text changed other than by a typed character (the Delete
// key, WM_PASTE or WM_CUT sent from outside) does not refit.
//
// It is a CMaskEditEx with the mask off: SetUseMask(TRUE) or SetUseNumEdit(TRUE) switch those
// behaviours on; SetMaskString refits the width to the mask's display text.
#pragma once
#include <listedit/edit/CMaskEditEx.h>

class LISTEDIT_API CInEditEx : public CMaskEditEx {
    DECLARE_DYNAMIC(CInEditEx)
public:
    explicit CInEditEx(const wchar_t* lpszInitText);
    ~CInEditEx() override;

    // The width threshold in pixels; applies from the next refit.
    void SetMinLength(int nMinLength) { m_nMinLength = nMinLength; }
    int GetMinLength() const { return m_nMinLength; }
    // TRUE once the user has cancelled with Escape.
    BOOL IsCancelled() const { return m_bCancel; }

    // As CMaskEditEx::SetMaskString; on success the width is refitted to the mask's display text.
    BOOL SetMaskString(const wchar_t* lpszMask, char chPlaceHolder) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Called once when editing ends, before the window is destroyed; empty here.
    virtual void ProcessEndEdit();

    // Refits the width to lpszText (the window text when null), see above.
    void MoveWindowToFit(const wchar_t* lpszText = nullptr);

    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);

    int m_nMinLength = 10;
    CString m_strInitText;
    BOOL m_bCancel = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    // Moves the focus to the parent, which ends editing; nothing of the object may be used after.
    void EndByFocus();
};
