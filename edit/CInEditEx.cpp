// CInEditEx: the in-place edit. Its end runs inside the focus change that causes it, so every
// path that can end it returns without touching the object afterwards.
#include <listedit/edit/CInEditEx.h>
#include <listedit/frame/MessageMap.h>

#include "edit/InEditFit.h"
#include "frame/LiveCount.h"
#include "edit/PaddedText.h"

#include <climits>

IMPLEMENT_DYNAMIC(CInEditEx, CMaskEditEx)

BEGIN_MESSAGE_MAP(CInEditEx, CMaskEditEx)
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_CREATE()
END_MESSAGE_MAP()

CInEditEx::CInEditEx(const wchar_t* lpszInitText) : m_strInitText(lpszInitText) {
    m_bUseMask = FALSE;
    AfxCountLive(AfxLive::SelfDeletingWindows, +1);
}

CInEditEx::~CInEditEx() {
    AfxCountLive(AfxLive::SelfDeletingWindows, -1);
}

void CInEditEx::ProcessEndEdit() {}

void CInEditEx::PostNcDestroy() {
    delete this;
}

BOOL CInEditEx::SetMaskString(const wchar_t* lpszMask, char chPlaceHolder) {
    if (!CMaskEditEx::SetMaskString(lpszMask, chPlaceHolder)) return FALSE;
    MoveWindowToFit(nullptr);
    return TRUE;
}

int CInEditEx::OnCreate(LPCREATESTRUCTW) {
    if (Default() == -1) return -1;
    CWnd* pParent = GetParent();
    SetFont(pParent ? pParent->GetFont() : nullptr, TRUE);
    SetWindowText(m_strInitText);
    SetFocus();
    SetSel(0, -1);
    return 0;
}

void CInEditEx::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CString strBefore = GetWindowText();
    CMaskEditEx::OnChar(nChar, nRepCnt, nFlags);
    CString strAfter = GetWindowText();
    if (strAfter != strBefore) MoveWindowToFit(strAfter);
}

void CInEditEx::MoveWindowToFit(const wchar_t* lpszText) {
    CString strText = lpszText ? CString(lpszText) : GetWindowText();
    int nWidth = listedit::inedit::PaddedTextWidth(GetFont(), strText);

    CRect rcClient;
    GetClientRect(rcClient);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    int nParentRight = INT_MAX;
    if (CWnd* pParent = GetParent()) {
        pParent->ScreenToClient(rcWindow);
        CRect rcParent;
        pParent->GetClientRect(rcParent);
        nParentRight = rcParent.right;
    }
    std::optional<int> fit =
        listedit::inedit::FitWidth(nWidth, rcClient.Width(), rcWindow.left, nParentRight, m_nMinLength);
    if (fit) MoveWindow(rcWindow.left, rcWindow.top, *fit, rcWindow.Height(), TRUE);
}

// ---- the end of editing -------------------------------------------------------------------------

BOOL CInEditEx::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_RETURN:
            EndByFocus();
            return TRUE;
        case VK_ESCAPE:
            m_bCancel = TRUE;
            EndByFocus();
            return TRUE;
        case VK_TAB:
            AfxMessageBeep(MB_ICONQUESTION);
            return TRUE;
        default:
            break;
        }
    }
    return CMaskEditEx::PreTranslateMessage(pMsg);
}

void CInEditEx::EndByFocus() {
    if (CWnd* pParent = GetParent()) {
        pParent->SetFocus();
    } else {
        ::SetFocus(nullptr);
    }
}

void CInEditEx::OnKillFocus(CWnd*) {
    Default();
    // The hook may take the whole parent down (an owner closing its dialog on the report), which
    // destroys this window and deletes the object on the way; then there is nothing left to end.
    HWND hWnd = m_hWnd;
    ProcessEndEdit();
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this) DestroyWindow();
}
