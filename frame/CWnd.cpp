// CWnd: handle map, creation hook, subclassing, dispatch through message maps, reflection.
#include <listedit/frame/MessageMap.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/CWinApp.h>
#include <listedit/frame/CImageList.h>
#include <listedit/frame/CMenu.h>
#include "frame/Dpi.h"

#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

// The handlers of one class's whole map chain, by message: the class's own entries first, then
// each base's, the order in which the chain is searched.
struct AfxDispatchTable {
    explicit AfxDispatchTable(const AFX_MSGMAP* pMap);
    std::span<const AFX_MSGMAP_ENTRY* const> Handlers(UINT nMsg, UINT nCode) const;

private:
    static constexpr UINT kDirect = 0x400; // the system's own messages: a bit each says "handled"
    static std::uint64_t Key(UINT nMsg, UINT nCode);
    std::unordered_map<std::uint64_t, std::vector<const AFX_MSGMAP_ENTRY*>> m_handlers;
    std::bitset<kDirect> m_direct;
};

namespace {

// All windows of the library live on the thread that created them; this state is per thread.
struct ThreadState {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    // Temporary wrappers of a particular class (AfxFromHandleAs), beside the plain CWnd ones.
    std::map<std::pair<HWND, const CRuntimeClass*>, std::unique_ptr<CWnd>> typedTemporary;
    MSG lastSent{};           // the message of the dispatch under way
    CWnd* pWndInit = nullptr; // the object waiting for its window in CreateEx
    HHOOK hHookCbt = nullptr;
    // The last window looked up: a run of messages mostly goes to one window.
    HWND hWndLast = nullptr;
    CWnd* pWndLast = nullptr;
    ~ThreadState();
};

// Every message reads this state, so it is found through a system TLS slot (one read of the thread
// block). It is freed when the thread ends by the system's fiber-local storage callback rather than
// by a thread_local destructor: under Wine the C runtime's destructors of a thread that ended keep
// the process from exiting.
const DWORD g_stateSlot = ::TlsAlloc();

ThreadState::~ThreadState() {
    ::TlsSetValue(g_stateSlot, nullptr);
}

// The system's callback, in its calling convention (a lambda's is the C one, which differs on 32-bit).
void NTAPI FreeThreadState(void* p) {
    delete static_cast<ThreadState*>(p);
}

ThreadState& State() {
    if (auto* p = static_cast<ThreadState*>(::TlsGetValue(g_stateSlot))) return *p;
    static const DWORD cleanup = ::FlsAlloc(&FreeThreadState);
    auto* state = new ThreadState;
    ::TlsSetValue(g_stateSlot, state);
    ::FlsSetValue(cleanup, state);
    return *state;
}

// Messages whose entries are told apart by notification code; WM_COMMAND and WM_NOTIFY by control
// id as well.
bool HasCode(UINT nMsg) {
    return nMsg == WM_NOTIFY || nMsg == WM_COMMAND || nMsg == WM_NOTIFY + WM_REFLECT_BASE ||
           nMsg == WM_COMMAND + WM_REFLECT_BASE;
}

bool Matches(const AFX_MSGMAP_ENTRY& e, UINT nMsg, UINT nID) {
    return (nMsg != WM_NOTIFY && nMsg != WM_COMMAND) || (nID >= e.nID && nID <= e.nLastID);
}

// Built on a class's first message and kept for the life of the process (windows still get
// messages while static objects are destroyed at exit), so the lookup never takes a lock.
const AfxDispatchTable& DispatchTableOf(const AFX_MSGMAP* pMap) {
    if (const AfxDispatchTable* p = pMap->pDispatch.load(std::memory_order_acquire)) return *p;
    auto table = std::make_unique<AfxDispatchTable>(pMap);
    const AfxDispatchTable* expected = nullptr;
    if (pMap->pDispatch.compare_exchange_strong(expected, table.get(), std::memory_order_acq_rel))
        return *table.release();
    return *expected; // another thread built it first
}

// Hands what a handler let out to the application: nothing may unwind through the window system's
// own frames between the sender and us.
LRESULT ProcessCurrentException(const MSG& msg) noexcept {
    CException* e = AfxCurrentExceptionAsFramework();
    if (!e) return msg.message == WM_CREATE ? -1 : 0;
    try {
        return AfxProcessWndProcException(e, &msg);
    } catch (...) {
        return 0; // the application's own handler failed: nothing more can be done here
    }
}

// Pre-translation looks only at input messages, as the framework does.
bool IsInputMessage(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Direct children first, then each child's descendants.
CWnd* FindDescendant(HWND hWndParent, int nID, BOOL bOnlyPerm) {
    if (HWND hWndChild = ::GetDlgItem(hWndParent, nID)) {
        if (CWnd* p = bOnlyPerm ? CWnd::FromHandlePermanent(hWndChild) : CWnd::FromHandle(hWndChild))
            return p;
    }
    for (HWND hWndChild = ::GetTopWindow(hWndParent); hWndChild;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (::GetTopWindow(hWndChild)) {
            if (CWnd* p = FindDescendant(hWndChild, nID, bOnlyPerm)) return p;
        }
    }
    return nullptr;
}

} // namespace

// ---- dispatch table ------------------------------------------------------------------------------

AfxDispatchTable::AfxDispatchTable(const AFX_MSGMAP* pMap) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn; ++e) {
            m_handlers[Key(e->nMessage, e->nCode)].push_back(e);
            if (e->nMessage < kDirect) m_direct[e->nMessage] = true;
        }
    }
}

std::uint64_t AfxDispatchTable::Key(UINT nMsg, UINT nCode) {
    return std::uint64_t{nMsg} << 32 | (HasCode(nMsg) ? nCode : 0);
}

std::span<const AFX_MSGMAP_ENTRY* const> AfxDispatchTable::Handlers(UINT nMsg, UINT nCode) const {
    if (nMsg < kDirect && !m_direct[nMsg]) return {};
    auto it = m_handlers.find(Key(nMsg, nCode));
    if (it == m_handlers.end()) return {};
    return it->second;
}

// ---- CCmdTarget ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* pAfter, UINT nMsg, UINT nCode,
                                                     UINT nID) const {
    // With pAfter, the search resumes behind that entry (a _REFLECT_EX handler that passed).
    bool searching = pAfter == nullptr;
    for (const AFX_MSGMAP_ENTRY* e : DispatchTableOf(GetMessageMap()).Handlers(nMsg, nCode)) {
        if (!searching) {
            searching = e == pAfter;
            continue;
        }
        if (Matches(*e, nMsg, nID)) return e;
    }
    return nullptr;
}

// ---- handle map -----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
    }
    if (m_hWnd) Detach();
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    auto& state = State();
    if (hWnd == state.hWndLast && hWnd) return state.pWndLast;
    auto it = state.permanent.find(hWnd);
    if (it == state.permanent.end()) return nullptr;
    state.hWndLast = hWnd;
    state.pWndLast = it->second;
    return it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd)) return p;
    auto& temp = State().temporary[hWnd];
    if (!temp) {
        temp = std::make_unique<CWnd>();
        temp->m_hWnd = hWnd;
    }
    return temp.get();
}

CWnd* PASCAL CWnd::FromHandleOfClass(HWND hWnd, const CRuntimeClass* pClass,
                                     std::unique_ptr<CWnd> (*pfnNew)()) {
    if (!hWnd) return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd); p && p->IsKindOf(pClass)) return p;
    auto& temp = State().typedTemporary[{hWnd, pClass}];
    if (!temp) {
        temp = pfnNew();
        temp->m_hWnd = hWnd;
    }
    return temp.get();
}

void AfxDeleteTempMap() {
    auto& state = State();
    // A wrapper never destroys its window.
    for (auto& [hWnd, pWnd] : state.temporary) pWnd->m_hWnd = nullptr;
    state.temporary.clear();
    for (auto& [key, pWnd] : state.typedTemporary) pWnd->m_hWnd = nullptr;
    state.typedTemporary.clear();
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew)) return FALSE;
    auto& state = State();
    if (auto it = state.temporary.find(hWndNew); it != state.temporary.end()) {
        it->second->m_hWnd = nullptr;
        state.temporary.erase(it);
    }
    state.permanent[hWndNew] = this;
    state.hWndLast = nullptr;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto& state = State();
        if (auto it = state.permanent.find(hWnd); it != state.permanent.end() && it->second == this)
            state.permanent.erase(it);
        state.hWndLast = nullptr;
    }
    m_hWnd = nullptr;
    return hWnd;
}

// ---- creation ---------------------------------------------------------------------------------

// Attaches the object waiting in CreateEx to its window before the window's first message.
LRESULT CALLBACK AfxCbtHook(int code, WPARAM wParam, LPARAM lParam) {
    auto& state = State();
    if (code == HCBT_CREATEWND && state.pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        pWnd->Attach(hWnd);
        try {
            pWnd->PreSubclassWindow();
        } catch (...) {
            const MSG msg{hWnd, WM_NCCREATE, 0, 0, 0, {}};
            ProcessCurrentException(msg);
        }
        pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    }
    return ::CallNextHookEx(state.hHookCbt, code, wParam, lParam);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&) {
    return TRUE;
}
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

// When creation fails the object gets PostNcDestroy all the same, so a self-owned object is gone
// whether or not its window was ever made.
BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    auto& state = State();
    if (!state.hHookCbt) {
        state.hHookCbt = ::SetWindowsHookExW(WH_CBT, &AfxCbtHook, nullptr, ::GetCurrentThreadId());
    }
    CWnd* pOuterInit = state.pWndInit;
    state.pWndInit = this;
    HWND hWnd =
        ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                          cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    bool neverAttached = state.pWndInit == this;
    state.pWndInit = pOuterInit;
    if (!hWnd) {
        // A window that was attached and then failed has had its WM_NCDESTROY (and PostNcDestroy).
        if (neverAttached) PostNcDestroy();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld != &AfxWndProc) m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- dispatch -----------------------------------------------------------------------------------

// The one way in from the window system: the thread's state is found once per message.
struct AfxThreadDispatch {
    static LRESULT Call(ThreadState& state, CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
        // Only the four fields a dispatch sets are put in and back (time and point stay 0).
        MSG& last = state.lastSent;
        const MSG outer{last.hwnd, last.message, last.wParam, last.lParam, 0, {}};
        const MSG current{hWnd, nMsg, wParam, lParam, 0, {}};
        auto put = [&last](const MSG& m) {
            last.hwnd = m.hwnd, last.message = m.message, last.wParam = m.wParam, last.lParam = m.lParam;
        };
        put(current);
        // A top-level window keeps the scale the system moved it to, for its controls to read.
        if (nMsg == WM_DPICHANGED && !(::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
            AfxRecordWindowDpi(hWnd, LOWORD(wParam));
        LRESULT lResult = 0;
        try {
            lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        } catch (...) {
            lResult = ProcessCurrentException(current);
        }
        put(outer);
        if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
            AfxRecordWindowDpi(hWnd, 0);
            // The window is gone: give it back its own procedure, let go of it, and let a self-owned
            // object delete itself.
            if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc &&
                pWnd->m_pfnSuper) {
                ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
            }
            pWnd->Detach();
            // The application ends with its main window.
            if (CWinApp* pApp = AfxGetApp(); pApp && pApp->m_pMainWnd == pWnd) {
                pApp->m_pMainWnd = nullptr;
                ::PostQuitMessage(0);
            }
            try {
                pWnd->PostNcDestroy();
            } catch (...) {
                ProcessCurrentException(current);
            }
        }
        return lResult;
    }
};

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    return AfxThreadDispatch::Call(State(), pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    ThreadState& state = State();
    CWnd* pWnd = state.hWndLast == hWnd && hWnd ? state.pWndLast : CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxThreadDispatch::Call(state, pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    return &State().lastSent;
}

LRESULT CWnd::Default() {
    const MSG& msg = State().lastSent;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        *pResult = 0;
        return OnNotify(wParam, lParam, pResult);
    }
    UINT nCode = 0;
    if (message == WM_NOTIFY + WM_REFLECT_BASE) nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    if (message == WM_COMMAND + WM_REFLECT_BASE) nCode = HIWORD(wParam);
    // The table is the class's, not the object's: it stays valid if a handler deletes the object.
    for (const AFX_MSGMAP_ENTRY* e : DispatchTableOf(GetMessageMap()).Handlers(message, nCode)) {
        if (e->pfn(this, wParam, lParam, pResult)) return TRUE;
    }
    return FALSE;
}

// Owner-drawing requests go back to the control they concern, when it has an object; otherwise the
// window's own procedure answers them.
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    LRESULT lResult = 0;
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem, &lResult)) return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = GetDescendantWindow(static_cast<int>(lpMeasureItemStruct->CtlID), TRUE);
        LRESULT lResult = 0;
        if (pChild && ReflectLastMsg(pChild->m_hWnd, &lResult)) return;
    }
    Default();
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
    return FindDescendant(m_hWnd, nID, bOnlyPerm);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl && ReflectLastMsg(hWndCtrl)) return TRUE;
    UINT nID = LOWORD(wParam);
    UINT nCode = HIWORD(wParam);
    LRESULT lResult = 0;
    for (const AFX_MSGMAP_ENTRY* e : DispatchTableOf(GetMessageMap()).Handlers(WM_COMMAND, nCode)) {
        if (Matches(*e, WM_COMMAND, nID) && e->pfn(this, wParam, lParam, &lResult)) return TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom && ReflectLastMsg(pNMHDR->hwndFrom, pResult)) return TRUE;
    UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    for (const AFX_MSGMAP_ENTRY* e : DispatchTableOf(GetMessageMap()).Handlers(WM_NOTIFY, pNMHDR->code)) {
        if (Matches(*e, WM_NOTIFY, nID) && e->pfn(this, 0, lParam, pResult)) return TRUE;
    }
    return FALSE;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (!pChild) return FALSE;
    const MSG& msg = State().lastSent;
    LRESULT lResult = 0;
    return pChild->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult ? pResult : &lResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        return OnWndMsg(message + WM_REFLECT_BASE, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

// ---- pre-translation ----------------------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    if (!IsInputMessage(pMsg->message)) return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd); pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
    }
    return FALSE;
}

// ---- helpers ------------------------------------------------------------------------------------

void CWnd::GetWindowText(CString& rString) const {
    int nLen = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBuffer(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

CString CWnd::GetWindowText() const {
    CString s;
    GetWindowText(s);
    return s;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = GetStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = GetExStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC() {
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

BOOL AfxRegisterClass(WNDCLASSW* lpWndClass) {
    WNDCLASSW existing{};
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
    return ::RegisterClassW(lpWndClass) != 0;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One name per combination, shared by the threads and kept for the life of the process (never
    // destroyed: a thread's or the module's clean-up must not free a name its windows still use).
    static std::mutex lock;
    static auto& names = *new std::unordered_map<std::wstring, std::unique_ptr<std::wstring>>;
    wchar_t buf[96];
    ::wsprintfW(buf, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
                static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    const std::wstring* name = nullptr;
    {
        std::lock_guard guard(lock);
        auto& slot = names[buf];
        if (!slot) slot = std::make_unique<std::wstring>(buf);
        name = slot.get();
    }
    WNDCLASSW wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name->c_str();
    if (!AfxRegisterClass(&wc)) AfxThrowResourceException();
    return name->c_str();
}

// ---- windows made by other means --------------------------------------------------------------

void AfxHookWindowCreate(CWnd* pWnd) {
    auto& state = State();
    if (!state.hHookCbt) {
        state.hHookCbt = ::SetWindowsHookExW(WH_CBT, &AfxCbtHook, nullptr, ::GetCurrentThreadId());
    }
    state.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    return std::exchange(State().pWndInit, nullptr) == nullptr;
}
