// CDataWnd: one editor per type code, the value as text, the optional right button and spin.
#include <listedit/datawnd/CDataWnd.h>
#include <listedit/frame/CComboBox.h>
#include <listedit/frame/CDateTimeCtrl.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/COleException.h>
#include <listedit/frame/MessageMap.h>

#include "DataWndLayout.h"
#include "DateText.h"
#include "frame/Accessible.h"
#include "frame/Dpi.h"
#include "edit/NumModel.h"
#include "frame/LiveCount.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace {

constexpr LPCWSTR kClassName = L"kvt_MFCDataWnd";
constexpr UINT kEditorId = 101;
constexpr UINT kRightButtonId = 102;
constexpr UINT kSpinId = 0;
constexpr UINT kComboEditId = 1001; // the system's id of the edit box inside a combo
constexpr const listedit::datawnd::DataWndLayout& kLayout = listedit::datawnd::kDataWndLayout;

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kIntegerStyle = kEditStyle | ES_NUMBER;
constexpr DWORD kDateStyle = WS_CHILD | WS_VISIBLE | DTS_LONGDATEFORMAT;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
constexpr DWORD kCheckStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                              CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

static_assert(kEditStyle == 0x50800080 && kIntegerStyle == 0x50802080 && kDateStyle == 0x50000004 &&
              kListStyle == 0x50200443 && kCheckStyle == 0x50000003 && kComboStyle == 0x50200642);

// The editor seen as the class its type code builds; null when a derived class supplied another.
template <class T> T* EditorAs(CWnd* pWnd, const CRuntimeClass* pClass) {
    return pWnd && pWnd->IsKindOf(pClass) ? static_cast<T*>(pWnd) : nullptr;
}
#define EDITOR_AS(T) EditorAs<T>(m_pChildDataWnd.get(), RUNTIME_CLASS(T))

// The date a picker editor shows; none when the editor is no picker or shows no date.
std::optional<SYSTEMTIME> PickedDate(CWnd* pEditor) {
    SYSTEMTIME st{};
    auto* pPicker = EditorAs<CDateTimeCtrl>(pEditor, RUNTIME_CLASS(CDateTimeCtrl));
    if (!pPicker || pPicker->GetTime(&st) != GDT_VALID) return std::nullopt;
    return st;
}

using listedit::TraitsOf;
using Editor = listedit::ValueEditor;

// Where an editor goes in a client area rc at the window's DPI: a combo's window reaches below by
// its dropped list, a check box is centred at its own width, every other editor fills rc.
CRect EditorRect(Editor editor, CRect rc, HWND hWnd) {
    if (editor == Editor::List || editor == Editor::Combo) {
        rc.bottom += AfxScaleLength(kLayout.dropHeight, hWnd);
    } else if (editor == Editor::Check) {
        const int cxBox = AfxScaleLength(kLayout.checkBoxWidth, hWnd);
        rc.left = kLayout.CentredLeft(rc.left, rc.right, cxBox);
        rc.right = rc.left + cxBox;
    }
    return rc;
}

bool IsListType(int nType) {
    return TraitsOf(nType).choices;
}

SYSTEMTIME Midnight(const listedit::datawnd::DateFields& date) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(date.year);
    st.wMonth = static_cast<WORD>(date.month);
    st.wDay = static_cast<WORD>(date.day);
    return st;
}

// The picker offers exactly the days SetText takes, so that every date a user picks goes back in.
void LimitToCalendar(CDateTimeCtrl& picker) {
    SYSTEMTIME range[2] = {Midnight(listedit::datawnd::kFirstCalendarDay),
                           Midnight(listedit::datawnd::kLastCalendarDay)};
    range[1].wHour = 23;
    range[1].wMinute = range[1].wSecond = 59;
    picker.SendMessage(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

// Whether hWnd is this window or lies within it: a child, or a popup it owns (a picker's calendar).
bool IsWithin(HWND hWnd, HWND hWithin) {
    for (; hWnd; hWnd = ::GetParent(hWnd))
        if (hWnd == hWithin) return true;
    return false;
}

// Posted to the data window itself: looks again, once the focus has settled, whether it has left.
constexpr UINT kCheckFocusMessage = WM_USER + 0x100;

} // namespace

IMPLEMENT_DYNAMIC(CDataWnd, CWnd)

BEGIN_MESSAGE_MAP(CDataWnd, CWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, &CDataWnd::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CDataWnd::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CDataWnd::OnGetTextLength)
ON_MESSAGE(WM_SETFONT, &CDataWnd::OnSetFont)
ON_BN_CLICKED(kRightButtonId, &CDataWnd::OnRightButton)
ON_CONTROL(EN_KILLFOCUS, kEditorId, &CDataWnd::OnChildKillFocus)
ON_CONTROL(CBN_KILLFOCUS, kEditorId, &CDataWnd::OnChildKillFocus)
ON_CONTROL(BN_KILLFOCUS, kEditorId, &CDataWnd::OnChildKillFocus)
ON_CONTROL(BN_KILLFOCUS, kRightButtonId, &CDataWnd::OnChildKillFocus)
ON_NOTIFY(NM_KILLFOCUS, kEditorId, &CDataWnd::OnChildKillFocusNotify)
ON_MESSAGE(kCheckFocusMessage, &CDataWnd::OnCheckFocus)
END_MESSAGE_MAP()

CDataWnd::CDataWnd() {
    AfxCountLive(AfxLive::DataWindows, +1);
}

CDataWnd::~CDataWnd() {
    AfxCountLive(AfxLive::DataWindows, -1);
    m_pRightButton.reset();
    m_pSpinForIntEdit.reset();
    m_pChildDataWnd.reset();
}

BOOL CDataWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    WNDCLASSW wc{};
    wc.style = CS_SAVEBITS | CS_CLASSDC;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = kClassName;
    if (!AfxRegisterClass(&wc)) AfxThrowResourceException();
    return CWnd::Create(kClassName, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CDataWnd::PostNcDestroy() {
    delete this;
}

// ---- the editor ---------------------------------------------------------------------------------

CWnd* CDataWnd::CreateChildWnd(int nType) {
    CRect rc;
    GetClientRect(&rc);
    switch (const Editor editor = TraitsOf(nType).editor) {
    case Editor::Text: {
        auto* pEdit = new CMaskEditEx;
        pEdit->Create(kEditStyle, rc, this, kEditorId);
        pEdit->SetUseMask(FALSE);
        return pEdit;
    }
    case Editor::Number: {
        // Numeric before creation, so that the window's first text already goes through the filter.
        auto* pEdit = new CMaskEditEx;
        pEdit->SetUseMask(FALSE);
        pEdit->SetUseNumEdit(TRUE);
        pEdit->SetDecimalSeparator(m_chDecimalSeparator);
        pEdit->Create(kEditStyle, rc, this, kEditorId);
        return pEdit;
    }
    case Editor::Digits: {
        auto* pEdit = new CEdit;
        pEdit->Create(kIntegerStyle, rc, this, kEditorId);
        return pEdit;
    }
    case Editor::Date: {
        auto* pPicker = new CDateTimeCtrl;
        if (pPicker->Create(kDateStyle, rc, this, kEditorId)) LimitToCalendar(*pPicker);
        return pPicker;
    }
    case Editor::List:
    case Editor::Combo: {
        // The height of a combo's window includes its dropped-down list.
        auto* pCombo = new CComboBox;
        rc = EditorRect(editor, rc, m_hWnd);
        pCombo->Create(editor == Editor::List ? kListStyle : kComboStyle, rc, this, kEditorId);
        return pCombo;
    }
    case Editor::Check: {
        auto* pCheck = new CButton;
        rc = EditorRect(editor, rc, m_hWnd);
        // Notifying, so that the focus leaving it is told like the other editors' (BN_KILLFOCUS).
        if (pCheck->Create(L"", kCheckStyle, rc, this, kEditorId)) pCheck->ModifyStyle(0, BS_NOTIFY);
        return pCheck;
    }
    case Editor::None:
        break;
    }
    return nullptr;
}

BOOL CDataWnd::CreateChildWindowByType() {
    // The focus in the old editor goes on in the new one: destroying the old leaves it on this
    // window, where no key reaches an editor.
    const bool bHadFocus = m_hWnd && IsWithin(::GetFocus(), m_hWnd);
    m_pChildDataWnd.reset();
    m_pSpinForIntEdit.reset();
    m_pRightButton.reset();
    m_strSavedText.Empty();
    m_pChildDataWnd.reset(CreateChildWnd(m_nType));
    if (!m_pChildDataWnd) return FALSE;
    // A fresh editor already holds a value (a picker today's date): that is the unmodified one.
    m_strSavedText = GetText();
    CWnd* pParent = GetParent();
    HFONT hFont = pParent ? pParent->GetFont() : nullptr;
    m_pChildDataWnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    ExposeEditor();
    if (bHadFocus && m_pChildDataWnd->m_hWnd) m_pChildDataWnd->SetFocus();
    return TRUE;
}

// ---- what assistive tools hear --------------------------------------------------------------------

void CDataWnd::SetAccessibleName(LPCWSTR lpszName) {
    const CString strName(lpszName ? lpszName : L"");
    if (strName == m_strAccessibleName) return;
    m_strAccessibleName = strName;
    if (m_pChildDataWnd && m_pChildDataWnd->m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_pChildDataWnd->m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

CString CDataWnd::GetAccessibleName() const {
    if (!m_strAccessibleName.IsEmpty() || !m_hWnd) return m_strAccessibleName;
    return CString(listedit::access::LabelBefore(m_hWnd));
}

CString CDataWnd::GetAccessibleValue() const {
    CWnd* pEditor = m_pChildDataWnd.get();
    if (!pEditor || !pEditor->m_hWnd) return {};
    switch (TraitsOf(m_nType).editor) {
    case Editor::Text:
    case Editor::Number:
        if (auto* pMask = EDITOR_AS(CMaskEditEx)) return pMask->GetTextWithoutPrompts();
        return pEditor->GetWindowText();
    case Editor::Date: {
        const auto st = PickedDate(pEditor);
        if (!st) return {};
        wchar_t szDate[128] = {};
        if (!::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &*st, nullptr, szDate, 128))
            return GetText();
        return szDate;
    }
    case Editor::Check:
        return {};
    case Editor::Digits:
    case Editor::List:
    case Editor::Combo:
    case Editor::None:
        break;
    }
    return pEditor->GetWindowText();
}

void CDataWnd::ExposeEditor() {
    CWnd* pEditor = m_pChildDataWnd.get();
    if (!pEditor || !pEditor->m_hWnd) return;
    const bool bCheck = TraitsOf(m_nType).editor == Editor::Check;
    // Looked up on every call: a tool may keep the object longer than this window lives.
    const auto owner = [hWnd = m_hWnd] { return dynamic_cast<CDataWnd*>(CWnd::FromHandlePermanent(hWnd)); };
    listedit::access::Overrides overrides;
    overrides.name = [owner]() -> std::optional<std::wstring> {
        if (CDataWnd* p = owner()) return p->GetAccessibleName().str();
        return std::nullopt;
    };
    if (bCheck) {
        overrides.role = ROLE_SYSTEM_CHECKBUTTON;
        overrides.addState = [hCheck = pEditor->m_hWnd]() -> LONG {
            return ::SendMessageW(hCheck, BM_GETCHECK, 0, 0) == BST_CHECKED ? STATE_SYSTEM_CHECKED : 0;
        };
    } else {
        overrides.value = [owner]() -> std::optional<std::wstring> {
            if (CDataWnd* p = owner()) return p->GetAccessibleValue().str();
            return std::nullopt;
        };
    }
    overrides.dlgCode = [owner](LRESULT lCode, const MSG* pMsg) -> LRESULT {
        CDataWnd* p = owner();
        if (p && p->m_bWantTabAndReturn && pMsg && pMsg->message == WM_KEYDOWN &&
            (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN))
            lCode |= DLGC_WANTMESSAGE;
        return lCode;
    };
    listedit::access::Override(pEditor->m_hWnd, overrides);
    // The edit box of an editable list is where the focus goes.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (TraitsOf(m_nType).editor == Editor::Combo && ::GetComboBoxInfo(pEditor->m_hWnd, &info) &&
        info.hwndItem)
        listedit::access::Override(info.hwndItem, overrides);
}

int CDataWnd::SetType(int nType) {
    int nOld = m_nType;
    if (nType == m_nType) return nOld;
    m_nType = nType;
    // Before the window exists the code only waits for WM_CREATE to build its editor.
    if (m_hWnd) CreateChildWindowByType();
    return nOld;
}

// ---- the value as text ------------------------------------------------------------------------

BOOL CDataWnd::SetText(LPCWSTR lpszText) {
    if (!lpszText) lpszText = L"";
    CWnd* pEditor = m_pChildDataWnd.get();
    switch (pEditor ? TraitsOf(m_nType).editor : Editor::None) {
    case Editor::Text:
    case Editor::Digits:
    case Editor::Combo:
        pEditor->SetWindowText(lpszText);
        break;
    case Editor::Number:
        // Shown with the user's separator whichever one the text was written with.
        pEditor->SetWindowText(listedit::num::ReplacePoint(lpszText, L'.', m_chDecimalSeparator).c_str());
        break;
    case Editor::Date: {
        // Raises before anything changes.
        auto date = listedit::datawnd::ParseDateText(lpszText);
        if (!date) return FALSE;
        if (!listedit::datawnd::DateFieldsInRange(*date)) AfxThrowOleException(E_FAIL);
        const auto day = listedit::datawnd::CalendarDay(*date);
        if (!day) AfxThrowOleException(E_INVALIDARG);
        if (auto* pPicker = EDITOR_AS(CDateTimeCtrl)) {
            const SYSTEMTIME st = Midnight(*day);
            pPicker->SetTime(&st);
        }
        break;
    }
    case Editor::List:
        if (auto* pCombo = EDITOR_AS(CComboBox)) pCombo->SetCurSel(pCombo->FindStringExact(-1, lpszText));
        break;
    case Editor::Check:
        if (auto* pCheck = EDITOR_AS(CButton)) pCheck->SetCheck(::_wtoi(lpszText));
        break;
    case Editor::None:
        break;
    }
    // Read back, so that an editor's own reformatting does not count as a change.
    m_strSavedText = GetText();
    return TRUE;
}

CString CDataWnd::GetText() const {
    CWnd* pEditor = m_pChildDataWnd.get();
    switch (pEditor ? TraitsOf(m_nType).editor : Editor::None) {
    case Editor::Text:
    case Editor::Digits:
    case Editor::Combo:
        return pEditor->GetWindowText();
    case Editor::Number:
        if (auto* pEdit = EDITOR_AS(CNumEdit)) return pEdit->GetValueString();
        return pEditor->GetWindowText();
    case Editor::Date: {
        const auto st = PickedDate(pEditor);
        if (!st) return {};
        return CString(listedit::datawnd::FormatDateText({st->wYear, st->wMonth, st->wDay}));
    }
    case Editor::List: {
        CString text;
        if (auto* pCombo = EDITOR_AS(CComboBox); pCombo && pCombo->GetCurSel() != CB_ERR) {
            pCombo->GetLBText(pCombo->GetCurSel(), text);
        }
        return text;
    }
    case Editor::Check: {
        auto* pCheck = EDITOR_AS(CButton);
        CString text;
        text.Format(L"%d", pCheck ? pCheck->GetCheck() : 0);
        return text;
    }
    case Editor::None:
        break;
    }
    return {};
}

BOOL CDataWnd::GetModified() const {
    return m_strSavedText != GetText();
}

void CDataWnd::SetModified(BOOL bModified) {
    m_strSavedText = GetText();
    // A trailing space no editor reading can produce keeps the value "changed" until the next
    // SetText or SetModified(FALSE).
    if (bModified) m_strSavedText += L' ';
}

void CDataWnd::SetStringArrayBySelectType(const CStringArray& arr) {
    if (!IsListType(m_nType)) return;
    auto* pCombo = EDITOR_AS(CComboBox);
    if (!pCombo) return;
    pCombo->ResetContent();
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) pCombo->AddString(arr[i]);
}

void CDataWnd::SubclassChildEdit(CMaskEditEx* pEdit) {
    if (TraitsOf(m_nType).editor != Editor::Combo || !m_pChildDataWnd || !pEdit) return;
    pEdit->SubclassDlgItem(kComboEditId, m_pChildDataWnd.get());
}

void CDataWnd::SetDecimalSeparator(wchar_t chSeparator) {
    if (!listedit::num::IsDecimalSeparator(chSeparator)) AfxThrowInvalidArgException();
    m_chDecimalSeparator = chSeparator;
    if (auto* pEdit = EDITOR_AS(CNumEdit)) pEdit->SetDecimalSeparator(chSeparator);
}

void CDataWnd::UseLocaleDecimalSeparator() {
    SetDecimalSeparator(AfxGetLocaleDecimalSeparator());
}

// ---- right button and spin ---------------------------------------------------------------------

CButton* CDataWnd::CreateRightButton() {
    return new CButton;
}

BOOL CDataWnd::SetRightButton(LPCWSTR lpszText, int nWidth, DWORD dwStyle) {
    if (m_pRightButton || !m_pChildDataWnd) return FALSE;
    m_pRightButton.reset(CreateRightButton());
    if (!m_pRightButton) return FALSE;
    CRect rc;
    GetClientRect(&rc);
    int bw = nWidth >= 0 ? nWidth : rc.Height();
    if (!m_pRightButton->Create(lpszText, dwStyle | WS_CHILD | WS_VISIBLE,
                                CRect(rc.right - bw, rc.top, rc.right, rc.bottom), this, kRightButtonId)) {
        m_pRightButton.reset();
        return FALSE;
    }
    m_pChildDataWnd->MoveWindow(rc.left, rc.top, rc.right - bw - rc.left, rc.Height(), TRUE);
    if (m_pSpinForIntEdit) {
        CWnd* pBuddy = m_pSpinForIntEdit->GetBuddy();
        if (pBuddy && pBuddy->m_hWnd == m_pChildDataWnd->m_hWnd)
            m_pSpinForIntEdit->SetBuddy(m_pChildDataWnd.get());
    }
    return TRUE;
}

BOOL CDataWnd::SetIntEditSpin(int nLower, int nUpper, DWORD dwStyle) {
    if (m_pSpinForIntEdit || TraitsOf(m_nType).editor != Editor::Digits || !m_pChildDataWnd) return FALSE;
    // The spin places itself against its buddy; the creation rectangle does not matter.
    auto pSpin = std::make_unique<CSpinButtonCtrl>();
    if (!pSpin->Create(dwStyle | WS_CHILD | WS_VISIBLE, CRect(), this, kSpinId)) return FALSE;
    pSpin->SetRange(static_cast<short>(nLower), static_cast<short>(nUpper));
    pSpin->SetBuddy(m_pChildDataWnd.get());
    m_pSpinForIntEdit = std::move(pSpin);
    return TRUE;
}

void CDataWnd::OnClickRightButton() {
    CWnd* pParent = GetParent();
    if (!pParent) return;
    NMHDR hdr{};
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    hdr.code = static_cast<UINT>(-1);
    pParent->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void CDataWnd::OnRightButton() {
    OnClickRightButton();
}

// ---- messages ---------------------------------------------------------------------------------

int CDataWnd::OnCreate(LPCREATESTRUCTW) {
    if (Default() == -1) return -1;
    return CreateChildWindowByType() ? 0 : -1;
}

void CDataWnd::OnSetFocus(CWnd*) {
    Default();
    if (m_pChildDataWnd && ::IsWindow(m_pChildDataWnd->m_hWnd)) m_pChildDataWnd->SetFocus();
}

// ---- drop-downs and the focus ------------------------------------------------------------------

BOOL CDataWnd::IsDroppedDown() const {
    CWnd* pEditor = m_pChildDataWnd.get();
    if (!pEditor || !pEditor->m_hWnd) return FALSE;
    if (IsListType(m_nType)) return pEditor->SendMessage(CB_GETDROPPEDSTATE) != 0;
    if (TraitsOf(m_nType).editor == Editor::Date) {
        const auto hCalendar = reinterpret_cast<HWND>(pEditor->SendMessage(DTM_GETMONTHCAL));
        return hCalendar && ::IsWindowVisible(hCalendar);
    }
    return FALSE;
}

void CDataWnd::CloseDropDown() {
    if (!IsDroppedDown()) return;
    CWnd* pEditor = m_pChildDataWnd.get();
    if (IsListType(m_nType))
        pEditor->SendMessage(CB_SHOWDROPDOWN, FALSE);
    else
        pEditor->SendMessage(DTM_CLOSEMONTHCAL);
}

void CDataWnd::OnChildKillFocus() {
    // Where the system tells the old window before it moves the focus, look again afterwards.
    if (!CheckFocusLeft()) PostMessage(kCheckFocusMessage);
}

void CDataWnd::OnChildKillFocusNotify(NMHDR*, LRESULT*) {
    OnChildKillFocus();
}

LRESULT CDataWnd::OnCheckFocus(WPARAM, LPARAM) {
    CheckFocusLeft();
    return 0;
}

bool CDataWnd::CheckFocusLeft() {
    if (!m_hWnd || IsWithin(::GetFocus(), m_hWnd)) return false;
    if (CWnd* pParent = GetParent()) {
        NMHDR hdr{};
        hdr.hwndFrom = m_hWnd;
        hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        hdr.code = DWN_KILLFOCUS;
        pParent->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
    }
    return true;
}

void CDataWnd::OnSize(UINT nType, int cx, int cy) {
    Default();
    if (cx <= 0 || cy <= 0 || nType == SIZE_MINIMIZED || !m_pChildDataWnd ||
        !::IsWindow(m_pChildDataWnd->m_hWnd))
        return;
    int w = cx;
    if (m_pRightButton) {
        CRect rcButton;
        m_pRightButton->GetWindowRect(&rcButton);
        int bw = rcButton.Width();
        m_pRightButton->MoveWindow(cx - bw, 0, bw, cy, TRUE);
        w = cx - bw;
    }
    m_pChildDataWnd->MoveWindow(0, 0, w, cy, TRUE);
    // Setting the buddy again makes the spin take its place against the resized edit.
    if (m_pSpinForIntEdit) m_pSpinForIntEdit->SetBuddy(m_pChildDataWnd.get());
}

LRESULT CDataWnd::OnSetText(WPARAM, LPARAM lParam) {
    SetText(reinterpret_cast<LPCWSTR>(lParam));
    return 0;
}

LRESULT CDataWnd::OnGetText(WPARAM wParam, LPARAM lParam) {
    auto* pszBuffer = reinterpret_cast<LPWSTR>(lParam);
    if (wParam == 0 || !pszBuffer) return 0;
    CString text = GetText();
    const int n = static_cast<int>(std::min<WPARAM>(static_cast<WPARAM>(text.GetLength()), wParam - 1));
    std::wmemcpy(pszBuffer, text.GetString(), static_cast<size_t>(n));
    pszBuffer[n] = L'\0';
    return n;
}

LRESULT CDataWnd::OnGetTextLength(WPARAM, LPARAM) {
    return GetText().GetLength();
}

LRESULT CDataWnd::OnSetFont(WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = Default();
    if (m_pChildDataWnd) m_pChildDataWnd->SendMessage(WM_SETFONT, wParam, lParam);
    return lResult;
}
