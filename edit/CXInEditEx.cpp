#include "edit/CXInEditEx.h"
#include <listedit/frame/MessageMap.h>

IMPLEMENT_DYNAMIC(CXInEditEx, CInEditEx)

BEGIN_MESSAGE_MAP(CXInEditEx, CInEditEx)
END_MESSAGE_MAP()

CXInEditEx::CXInEditEx(int nItem, int nSubItem, const wchar_t* lpszInitText)
    : CInEditEx(lpszInitText), m_nItem(nItem), m_nSubItem(nSubItem) {}

CXInEditEx::~CXInEditEx() = default;

void CXInEditEx::ProcessEndEdit() {
    CString strText;
    if (!m_bCancel) strText = GetWindowText();

    // The list is this editor's parent; a list without a parent of its own hears the report itself.
    HWND hWndList = ::GetParent(m_hWnd);
    HWND hWndReceiver = hWndList ? ::GetParent(hWndList) : nullptr;
    NMLVDISPINFOW dispinfo{};
    dispinfo.hdr.hwndFrom = hWndList;
    dispinfo.hdr.idFrom = static_cast<UINT_PTR>(hWndReceiver ? ::GetDlgCtrlID(hWndList) : GetDlgCtrlID());
    dispinfo.hdr.code = LVN_ENDLABELEDITW;
    dispinfo.item.mask = LVIF_TEXT;
    dispinfo.item.iItem = m_nItem;
    dispinfo.item.iSubItem = m_nSubItem;
    dispinfo.item.pszText = m_bCancel ? nullptr : const_cast<LPWSTR>(strText.GetString());
    dispinfo.item.cchTextMax = m_bCancel ? 0 : strText.GetLength();
    if (!hWndReceiver) hWndReceiver = hWndList;
    if (hWndReceiver) {
        ::SendMessageW(hWndReceiver, WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(hWndList)),
                       reinterpret_cast<LPARAM>(&dispinfo));
    }
}
