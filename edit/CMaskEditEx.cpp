// CMaskEditEx. Work in progress: the mask-off dispatch is complete; the masked handlers follow.
#include <listedit/edit/CMaskEditEx.h>
#include <listedit/frame/MessageMap.h>

IMPLEMENT_DYNAMIC(CMaskEditEx, CNumEdit)

BEGIN_MESSAGE_MAP(CMaskEditEx, CNumEdit)
    ON_WM_CHAR()
    ON_MESSAGE(WM_SETTEXT, &CMaskEditEx::OnSetText)
END_MESSAGE_MAP()

CMaskEditEx::CMaskEditEx() : CNumEdit(2) {}

CMaskEditEx::~CMaskEditEx() { ClearMask(); }

void CMaskEditEx::ClearMask() {
    for (INT_PTR i = 0; i < m_arrayMask.GetSize(); ++i) delete m_arrayMask[i];
    m_arrayMask.RemoveAll();
}

void CMaskEditEx::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bUseMask) {
        if (m_bUseNumEdit) {
            CNumEdit::OnChar(nChar, nRepCnt, nFlags);
        } else {
            Default();
        }
        return;
    }
    Default();
}

LRESULT CMaskEditEx::OnSetText(WPARAM wParam, LPARAM lParam) {
    if (m_bUseNumEdit) return CNumEdit::OnSetText(wParam, lParam);
    return Default();
}

// Placeholders until the masked handlers land.
BOOL CMaskEditEx::SetMaskString(const wchar_t*, char) { return FALSE; }
void CMaskEditEx::SetText(const wchar_t* lpszText) { SetWindowText(lpszText); }
void CMaskEditEx::ReMask() {}
char CMaskEditEx::GetMaskChar(int) const { AfxThrowInvalidArgException(); }
int CMaskEditEx::GetFirstNoMaskPos() const { return 0; }
int CMaskEditEx::GetLastNoMaskPos() const { return 0; }
CString CMaskEditEx::GetMaskedText(const wchar_t* lpszText) const { return lpszText; }
void CMaskEditEx::SetMaskText(int, int) {}
void CMaskEditEx::TreatByMask(int, int, const CString&) {}
void CMaskEditEx::CutOrClear() {}
void CMaskEditEx::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CMaskEditEx::OnLButtonUp(UINT, CPoint) { Default(); }
LRESULT CMaskEditEx::OnClear(WPARAM, LPARAM) { return Default(); }
LRESULT CMaskEditEx::OnCut(WPARAM, LPARAM) { return Default(); }
LRESULT CMaskEditEx::OnUndo(WPARAM, LPARAM) { return Default(); }
LRESULT CMaskEditEx::OnPaste(WPARAM, LPARAM) { return Default(); }
LRESULT CMaskEditEx::OnSetSel(WPARAM, LPARAM) { return Default(); }
