// CMaskEditEx: the window side of the masked edit. Each handler lets the edit control act, then
// hands the state it reads back (text, selection, mask, flags) to the mask model and applies the
// answer; repairs are bracketed by WM_SETREDRAW so that intermediate text is never painted.
#include <listedit/edit/CMaskEditEx.h>
#include <listedit/frame/MessageMap.h>

#include "MaskModel.h"
#include "frame/Accessible.h"

#include <iterator>

namespace mask = listedit::mask;

// The model's view of the position records, made once per mask rather than per character.
struct CMaskEditEx::MaskCopy {
    mask::Mask positions;
};

namespace {

// The edit's text in one message when it is short, as a masked text is.
CString TextOf(const CWnd& wnd) {
    wchar_t buf[128];
    const int n =
        static_cast<int>(wnd.SendMessage(WM_GETTEXT, std::size(buf), reinterpret_cast<LPARAM>(buf)));
    if (n < static_cast<int>(std::size(buf)) - 1)
        return CString(std::wstring_view(buf, static_cast<size_t>(n)));
    return wnd.GetWindowText();
}

bool IsBackwardKey(UINT nChar) {
    return nChar == VK_UP || nChar == VK_LEFT || nChar == VK_HOME;
}

} // namespace

IMPLEMENT_DYNAMIC(CMaskEditEx, CNumEdit)

BEGIN_MESSAGE_MAP(CMaskEditEx, CNumEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_CLEAR, &CMaskEditEx::OnClear)
ON_MESSAGE(WM_CUT, &CMaskEditEx::OnCut)
ON_MESSAGE(WM_UNDO, &CMaskEditEx::OnUndo)
ON_MESSAGE(WM_PASTE, &CMaskEditEx::OnPaste)
ON_MESSAGE(EM_SETSEL, &CMaskEditEx::OnSetSel)
ON_MESSAGE(WM_SETTEXT, &CMaskEditEx::OnSetText)
ON_MESSAGE(WM_GETOBJECT, &CMaskEditEx::OnGetObject)
END_MESSAGE_MAP()

CMaskEditEx::CMaskEditEx() : CNumEdit(2) {}

CMaskEditEx::~CMaskEditEx() {
    ClearMask();
}

// ---- the mask -----------------------------------------------------------------------------------

BOOL CMaskEditEx::SetMaskString(const wchar_t* lpszMask, char chPlaceHolder) {
    ClearMask();
    mask::ParsedMask parsed = mask::ParseMask(lpszMask ? lpszMask : L"");
    for (const mask::MaskPos& pos : parsed.positions)
        m_arrayMask.Add(new CMaskEditExChar(CString(pos.chars)));
    // A syntax error keeps what was parsed before it, and leaves placeholder and text alone.
    if (!parsed.ok) return FALSE;
    m_chPlaceHolder = chPlaceHolder;
    SetWindowText(CString(mask::DisplayText(parsed.positions, PlaceHolderChar())));
    return TRUE;
}

void CMaskEditEx::ClearMask() {
    for (INT_PTR i = 0; i < m_arrayMask.GetSize(); ++i) delete m_arrayMask[i];
    m_arrayMask.RemoveAll();
    m_pPositions.reset();
}

const CMaskEditEx::MaskCopy& CMaskEditEx::Positions() const {
    if (!m_pPositions) {
        auto copy = std::make_unique<MaskCopy>();
        copy->positions.reserve(static_cast<size_t>(m_arrayMask.GetSize()));
        for (INT_PTR i = 0; i < m_arrayMask.GetSize(); ++i)
            copy->positions.push_back(
                {static_cast<const CMaskEditExChar*>(m_arrayMask[i])->m_strChars.str()});
        m_pPositions = std::move(copy);
    }
    return *m_pPositions;
}

char CMaskEditEx::GetMaskChar(int nPos) const {
    // The array access raises the invalid-argument exception outside the mask.
    const auto* pChar = static_cast<const CMaskEditExChar*>(m_arrayMask[nPos]);
    return pChar->IsMaskChar() ? static_cast<char>(pChar->m_strChars[0]) : m_chPlaceHolder;
}

int CMaskEditEx::GetFirstNoMaskPos() const {
    return mask::FirstInputPos(Positions().positions);
}

int CMaskEditEx::GetLastNoMaskPos() const {
    return mask::LastInputEnd(Positions().positions);
}

CString CMaskEditEx::GetMaskedText(const wchar_t* lpszText) const {
    std::wstring_view text = lpszText ? lpszText : L"";
    if (!m_bUseMask) return CString(text);
    return CString(mask::FitText(Positions().positions, text, PlaceHolderChar(), m_bTextLengthByMask));
}

void CMaskEditEx::SetText(const wchar_t* lpszText) {
    CString strText = GetMaskedText(lpszText);
    if (strText != GetWindowText()) SetWindowText(strText);
}

void CMaskEditEx::ReMask() {
    SetText(GetWindowText());
}

void CMaskEditEx::SetMaskText(int nStart, int nEnd) {
    if (!m_bUseMask) return;
    CString strText = GetWindowText();
    SetWindowText(CString(mask::ResetRange(Positions().positions, strText.view(), PlaceHolderChar(),
                                           m_bTextLengthByMask, nStart, nEnd)));
    // Through our own selection handling, which moves the caret off a literal.
    int nCaret = m_bCaretToEnd ? nEnd : nStart;
    SetSel(nCaret, nCaret);
}

void CMaskEditEx::CutOrClear() {
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    SetMaskText(nStart, nEnd);
}

// ---- typing -------------------------------------------------------------------------------------

void CMaskEditEx::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_bUseMask) {
        if (m_bUseNumEdit) {
            CNumEdit::OnChar(nChar, nRepCnt, nFlags);
        } else {
            Default();
        }
        return;
    }
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    if (nChar == VK_BACK) {
        std::optional<int> from = mask::BackspaceStart(nStart, nEnd);
        if (!from) return;
        m_bCaretToEnd = FALSE;
        SetMaskText(*from, nEnd);
        m_bCaretToEnd = TRUE;
        return;
    }
    const mask::Mask& positions = Positions().positions;
    if (mask::RefusesTyping(positions, m_bTextLengthByMask, nStart)) {
        AfxMessageBeep(MB_ICONQUESTION);
        return;
    }
    CString strText = TextOf(*this);
    mask::TypingBase base =
        mask::PrepareTyping(positions, strText.view(), PlaceHolderChar(), m_bTextLengthByMask, nEnd);

    HoldRedraw();
    // The edit control may send itself WM_PASTE or WM_CUT from here (Ctrl+V, Ctrl+X); the flag
    // tells those handlers that the fitting below finishes the work, and OnCut clears it.
    m_bInChar = TRUE;
    Default();
    if (m_bInChar) {
        m_bInChar = FALSE;
        TreatByMask(nStart, base.end, CString(std::move(base.text)));
    }
}

void CMaskEditEx::TreatByMask(int nStart, int nEnd, const CString& strOld) {
    CString strNew = TextOf(*this);
    if (strNew == strOld) {
        ResumeRedraw(FALSE);
        return;
    }
    int nSelStart = 0, nCaret = 0;
    GetSel(nSelStart, nCaret);
    std::optional<mask::Edit> edit = mask::RepairTyping(Positions().positions, strOld.view(), strNew.view(),
                                                        m_bTextLengthByMask, nStart, nEnd, nCaret);
    if (edit) ApplyRepair(CString(std::move(edit->text)), edit->caret);
    ResumeRedraw(TRUE);
}

// ---- keys and mouse -----------------------------------------------------------------------------

void CMaskEditEx::OnKeyDown(UINT nChar, UINT, UINT) {
    if (!m_bUseMask || nChar == VK_TAB) {
        Default();
        return;
    }
    // Shift+Delete and Shift+Insert are the keyboard's cut and paste: they act as WM_CUT and
    // WM_PASTE do here, not as the edit control would act on them by itself.
    if ((nChar == VK_DELETE || nChar == VK_INSERT) && ::GetKeyState(VK_SHIFT) < 0 &&
        ::GetKeyState(VK_CONTROL) >= 0) {
        SendMessage(nChar == VK_DELETE ? WM_CUT : WM_PASTE);
        return;
    }
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    CString strBefore = GetWindowText();
    HoldRedraw();
    Default();
    CString strAfter = GetWindowText();

    if (strAfter != strBefore) {
        // The key removed characters (Delete) or put some in: display characters go back in their
        // place, and what was put in is fitted as typing is.
        int nSelStart = 0, nCaret = 0;
        GetSel(nSelStart, nCaret);
        mask::Edit edit = mask::RepairKey(Positions().positions, strBefore.view(), strAfter.view(),
                                          PlaceHolderChar(), m_bTextLengthByMask, nStart, nEnd, nCaret);
        m_bCaretToEnd = TRUE;
        ApplyRepair(CString(std::move(edit.text)), edit.caret);
    } else {
        int nNewStart = 0, nNewEnd = 0;
        GetSel(nNewStart, nNewEnd);
        if (nNewStart == nStart && nNewEnd == nEnd) {
            ResumeRedraw(FALSE);
            return;
        }
        // Keys that move towards the start snap backward, so Left steps back over a literal.
        m_bCaretToEnd = !IsBackwardKey(nChar);
        SetSel(nNewStart, nNewEnd);
        m_bCaretToEnd = TRUE;
    }
    ResumeRedraw(TRUE);
}

void CMaskEditEx::OnLButtonUp(UINT, CPoint) {
    Default();
    // Re-request what the click selected, so that it lands on an input position.
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    SetSel(nStart, nEnd);
}

// ---- clipboard and undo -------------------------------------------------------------------------

LRESULT CMaskEditEx::OnClear(WPARAM, LPARAM) {
    if (!m_bUseMask) return Default();
    m_bInChar = FALSE;
    CutOrClear();
    return 0;
}

// The removed characters do not go to the clipboard: cutting resets the positions only.
LRESULT CMaskEditEx::OnCut(WPARAM, LPARAM) {
    if (!m_bUseMask) return Default();
    CutOrClear();
    if (m_bInChar) {
        // Typed Ctrl+X: the character handler held the redraw and must not fit anything now.
        m_bInChar = FALSE;
        ResumeRedraw(TRUE);
    }
    return 0;
}

// The edit control's undo would bring back text that ignores the mask.
LRESULT CMaskEditEx::OnUndo(WPARAM, LPARAM) {
    if (!m_bUseMask) return Default();
    return 0;
}

// A paste lays the clipboard text over the positions one for one, literal positions included;
// a paste typed as Ctrl+V is fitted like typing instead (by OnChar).
LRESULT CMaskEditEx::OnPaste(WPARAM, LPARAM) {
    if (!m_bUseMask || m_bInChar) return Default();
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    CString strOld = GetWindowText();
    HoldRedraw();
    LRESULT lResult = Default();
    CString strNew = GetWindowText();
    if (strNew == strOld) {
        ResumeRedraw(FALSE);
        return lResult;
    }
    int nSelStart = 0, nCaret = 0;
    GetSel(nSelStart, nCaret);
    std::optional<mask::Edit> edit =
        mask::OverlayPaste(Positions().positions, strOld.view(), strNew.view(), nStart, nEnd, nCaret);
    if (edit) ApplyRepair(CString(std::move(edit->text)), edit->caret);
    ResumeRedraw(TRUE);
    return lResult;
}

// ---- selection and text from outside ------------------------------------------------------------

LRESULT CMaskEditEx::OnSetSel(WPARAM wParam, LPARAM lParam) {
    if (!m_bUseMask) return Default();
    std::optional<mask::Sel> sel =
        mask::SnapSelection(Positions().positions, m_bTextLengthByMask, m_bCaretToEnd,
                            static_cast<int>(wParam), static_cast<int>(lParam));
    if (!sel) return Default();
    // Straight to the edit control, so that the snapped selection is not snapped again.
    return DefWindowProc(EM_SETSEL, static_cast<WPARAM>(sel->start), sel->end);
}

// The mask never filters text set from outside (SetText fits a text); the numeric range does.
LRESULT CMaskEditEx::OnSetText(WPARAM wParam, LPARAM lParam) {
    if (m_bUseNumEdit) return CNumEdit::OnSetText(wParam, lParam);
    return Default();
}

// ---- helpers ------------------------------------------------------------------------------------

CString CMaskEditEx::GetTextWithoutPrompts() const {
    const CString strText = GetWindowText();
    if (!m_bUseMask || !m_hWnd) return strText;
    return CString(mask::EnteredText(Positions().positions, strText.str(), PlaceHolderChar()));
}

// The system's object of an edit, its value read without the placeholders.
LRESULT CMaskEditEx::OnGetObject(WPARAM wParam, LPARAM lParam) {
    listedit::access::Overrides overrides;
    overrides.value = [hWnd = m_hWnd]() -> std::optional<std::wstring> {
        auto* pEdit = dynamic_cast<CMaskEditEx*>(CWnd::FromHandlePermanent(hWnd));
        if (!pEdit) return std::nullopt;
        return pEdit->GetTextWithoutPrompts().str();
    };
    if (const LRESULT lResult = listedit::access::AnswerOverridden(m_hWnd, wParam, lParam, overrides))
        return lResult;
    return Default();
}

wchar_t CMaskEditEx::PlaceHolderChar() const {
    return static_cast<wchar_t>(static_cast<unsigned char>(m_chPlaceHolder));
}

void CMaskEditEx::HoldRedraw() {
    SetRedraw(FALSE);
}

void CMaskEditEx::ResumeRedraw(BOOL bInvalidate) {
    SetRedraw(TRUE);
    if (bInvalidate) Invalidate(TRUE);
}

void CMaskEditEx::ApplyRepair(const CString& strText, int nCaret) {
    SetWindowText(strText);
    SetSel(nCaret, nCaret);
}
