// The rows' accessible object, the wrapper of an editor's system object and the events.
#include "Accessible.h"

#include <commctrl.h>

#include <listedit/frame/CException.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

namespace listedit::access {
namespace {

// Every method of an object the system calls: nothing thrown gets past it.
template <class F> HRESULT Guarded(F f) noexcept {
    try {
        return f();
    } catch (CException* e) {
        e->Delete();
    } catch (...) {}
    return E_FAIL;
}

// One of IAccessible's text getters, for handing a call on to the system's object.
using SystemText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

HRESULT GiveText(const std::wstring& text, BSTR* pText) {
    *pText = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *pText ? S_OK : E_OUTOFMEMORY;
}

// A child id as a row: CHILDID_SELF gives -1; an id of no row gives nullopt.
std::optional<int> RowOf(const VARIANT& var, int nCount) {
    if (var.vt != VT_I4) return std::nullopt;
    if (var.lVal == CHILDID_SELF) return -1;
    if (var.lVal < 1 || var.lVal > nCount) return std::nullopt;
    return var.lVal - 1;
}

VARIANT Child(LONG id) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

bool IsSelf(const VARIANT& var) {
    return var.vt == VT_I4 && var.lVal == CHILDID_SELF;
}

// The parts of IAccessible every object here shares: reference counting, IDispatch without type
// information, and the system's own object of the window for what is the window's own.
class ObjectBase : public IAccessible {
public:
    explicit ObjectBase(IAccessible* pSystem) : m_pSystem(pSystem) {}
    virtual ~ObjectBase() {
        if (m_pSystem) m_pSystem->Release();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window it stands for (IOleWindow) is the system object's to tell.
        if (m_pSystem && riid == __uuidof(IOleWindow)) return m_pSystem->QueryInterface(riid, ppv);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = --m_nRefs;
        if (n == 0) delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override {
        if (!pctinfo) return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    IAccessible* m_pSystem; // the system's object of the window; may be null
    std::atomic<ULONG> m_nRefs{1};
};

// ---- a list's rows ------------------------------------------------------------------------------

class RowsObject final : public ObjectBase {
public:
    RowsObject(IAccessible* pSystem, RowSourceFactory source)
        : ObjectBase(pSystem), m_source(std::move(source)) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override {
        if (!ppdispParent) return E_POINTER;
        *ppdispParent = nullptr;
        return m_pSystem ? m_pSystem->get_accParent(ppdispParent) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pcountChildren) override {
        if (!pcountChildren) return E_POINTER;
        *pcountChildren = 0;
        return OnSource([&](RowSource& src) { return *pcountChildren = src.RowCount(), S_OK; });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override {
        if (!ppdispChild) return E_POINTER;
        *ppdispChild = nullptr;
        // A row is an element of this object, not an object of its own.
        return OnRow(varChild, [](RowSource&, int nRow) { return nRow < 0 ? E_INVALIDARG : S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override {
        return RowText(
            varChild, pszName, [](const AccessibleRow& r) { return std::optional(r.name); },
            &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override {
        return RowText(
            varChild, pszValue,
            [](const AccessibleRow& r) { return r.hasValue ? std::optional(r.value) : std::nullopt; },
            &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override {
        return RowText(
            varChild, pszDescription,
            [](const AccessibleRow& r) {
                return r.description.empty() ? std::nullopt : std::optional(r.description);
            },
            &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override {
        if (!pvarRole) return E_POINTER;
        ::VariantInit(pvarRole);
        return OnRow(varChild, [&](RowSource& src, int nRow) {
            return *pvarRole = Child(nRow < 0 ? src.ListRole() : src.RowRole()), S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override {
        if (!pvarState) return E_POINTER;
        ::VariantInit(pvarState);
        return OnRow(varChild, [&](RowSource& src, int nRow) -> HRESULT {
            if (nRow < 0) return m_pSystem ? m_pSystem->get_accState(varChild, pvarState) : E_FAIL;
            return *pvarState = Child(static_cast<LONG>(StateOf(src.Row(nRow)))), S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override {
        return SelfOnly(varChild, pszHelp, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT, LONG* pidTopic) override {
        if (!pszHelpFile || !pidTopic) return E_POINTER;
        *pszHelpFile = nullptr, *pidTopic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override {
        return SelfOnly(varChild, pszKeyboardShortcut, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override {
        if (!pvarChild) return E_POINTER;
        ::VariantInit(pvarChild);
        return OnSource([&](RowSource& src) -> HRESULT {
            if (const int nRow = src.FocusedRow(); nRow >= 0) return *pvarChild = Child(nRow + 1), S_OK;
            if (::GetFocus() == src.Window()) return *pvarChild = Child(CHILDID_SELF), S_OK;
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override {
        if (!pvarChildren) return E_POINTER;
        ::VariantInit(pvarChildren);
        return OnSource([&](RowSource& src) -> HRESULT {
            const int nRow = src.FirstSelected();
            if (nRow < 0) return S_FALSE;
            return *pvarChildren = Child(nRow + 1), S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override {
        return SelfOnly(varChild, pszDefaultAction, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flagsSelect, VARIANT varChild) override {
        return OnRow(varChild, [&](RowSource& src, int nRow) -> HRESULT {
            if (nRow < 0) return m_pSystem ? m_pSystem->accSelect(flagsSelect, varChild) : E_FAIL;
            return src.Select(nRow, flagsSelect), S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override {
        if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_POINTER;
        *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
        return OnRow(varChild, [&](RowSource& src, int nRow) -> HRESULT {
            if (nRow < 0)
                return m_pSystem ? m_pSystem->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild)
                                 : E_FAIL;
            RECT rc;
            if (!src.RowRect(nRow, rc)) return S_FALSE;
            *pxLeft = rc.left, *pyTop = rc.top, *pcxWidth = rc.right - rc.left,
            *pcyHeight = rc.bottom - rc.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override {
        if (!pvarEndUpAt) return E_POINTER;
        ::VariantInit(pvarEndUpAt);
        return OnRow(varStart, [&](RowSource& src, int nRow) -> HRESULT {
            const int nCount = src.RowCount();
            int nTo = -1;
            if (nRow < 0) {
                if (navDir == NAVDIR_FIRSTCHILD)
                    nTo = 0;
                else if (navDir == NAVDIR_LASTCHILD)
                    nTo = nCount - 1;
                else
                    return m_pSystem ? m_pSystem->accNavigate(navDir, varStart, pvarEndUpAt) : E_FAIL;
            } else if (navDir == NAVDIR_NEXT || navDir == NAVDIR_DOWN) {
                nTo = nRow + 1;
            } else if (navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_UP) {
                nTo = nRow - 1;
            } else if (navDir == NAVDIR_FIRSTCHILD || navDir == NAVDIR_LASTCHILD) {
                return E_INVALIDARG; // a row has no children
            }
            if (nTo < 0 || nTo >= nCount) return S_FALSE;
            return *pvarEndUpAt = Child(nTo + 1), S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override {
        if (!pvarChild) return E_POINTER;
        ::VariantInit(pvarChild);
        return OnSource([&](RowSource& src) -> HRESULT {
            if (const int nRow = src.RowAt(POINT{xLeft, yTop}); nRow >= 0)
                return *pvarChild = Child(nRow + 1), S_OK;
            return m_pSystem ? m_pSystem->accHitTest(xLeft, yTop, pvarChild) : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override {
        return IsSelf(varChild) && m_pSystem ? m_pSystem->accDoDefaultAction(varChild)
                                             : DISP_E_MEMBERNOTFOUND;
    }

private:
    // The list's rows as they are now, for one call; nothing thrown gets past.
    template <class F> HRESULT OnSource(F f) {
        return Guarded([&]() -> HRESULT {
            const auto src = m_source();
            return src ? f(*src) : E_FAIL;
        });
    }
    // The same, with the row a child id names (-1 for the list itself); an id of no row is invalid.
    template <class F> HRESULT OnRow(const VARIANT& varChild, F f) {
        return OnSource([&](RowSource& src) -> HRESULT {
            const auto row = RowOf(varChild, src.RowCount());
            return row ? f(src, *row) : E_INVALIDARG;
        });
    }

    template <class Pick>
    HRESULT RowText(const VARIANT& varChild, BSTR* pText, Pick pick, SystemText system) {
        if (!pText) return E_POINTER;
        *pText = nullptr;
        return OnRow(varChild, [&](RowSource& src, int nRow) -> HRESULT {
            if (nRow < 0) return m_pSystem ? (m_pSystem->*system)(varChild, pText) : S_FALSE;
            const auto text = pick(src.Row(nRow));
            return text ? GiveText(*text, pText) : S_FALSE;
        });
    }
    HRESULT SelfOnly(const VARIANT& varChild, BSTR* pText, SystemText system) {
        if (!pText) return E_POINTER;
        *pText = nullptr;
        return OnRow(varChild, [&](RowSource&, int nRow) -> HRESULT {
            if (nRow < 0 && m_pSystem) return (m_pSystem->*system)(varChild, pText);
            return S_FALSE;
        });
    }

    RowSourceFactory m_source;
};

// ---- one window's object with its owner's name ---------------------------------------------------

class OverriddenObject final : public ObjectBase {
public:
    OverriddenObject(IAccessible* pSystem, Overrides overrides)
        : ObjectBase(pSystem), m_overrides(std::move(overrides)) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return m_pSystem->get_accParent(p); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* p) override { return m_pSystem->get_accChildCount(p); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT v, IDispatch** p) override {
        return m_pSystem->get_accChild(v, p);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT v, BSTR* p) override {
        return Text(v, p, m_overrides.name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT v, BSTR* p) override {
        return Text(v, p, m_overrides.value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT v, BSTR* p) override {
        return m_pSystem->get_accDescription(v, p);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT v, VARIANT* p) override {
        if (!p) return E_POINTER;
        if (IsSelf(v) && m_overrides.role) {
            ::VariantInit(p);
            *p = Child(m_overrides.role);
            return S_OK;
        }
        return m_pSystem->get_accRole(v, p);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT v, VARIANT* p) override {
        const HRESULT hr = m_pSystem->get_accState(v, p);
        if (FAILED(hr) || !IsSelf(v) || !m_overrides.addState || p->vt != VT_I4) return hr;
        return Guarded([&]() -> HRESULT {
            p->lVal |= m_overrides.addState();
            return hr;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT v, BSTR* p) override {
        return m_pSystem->get_accHelp(v, p);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* p, VARIANT v, LONG* t) override {
        return m_pSystem->get_accHelpTopic(p, v, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT v, BSTR* p) override {
        return m_pSystem->get_accKeyboardShortcut(v, p);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* p) override { return m_pSystem->get_accFocus(p); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* p) override { return m_pSystem->get_accSelection(p); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT v, BSTR* p) override {
        return m_pSystem->get_accDefaultAction(v, p);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT v) override { return m_pSystem->accSelect(f, v); }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* cx, long* cy, VARIANT v) override {
        return m_pSystem->accLocation(x, y, cx, cy, v);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT v, VARIANT* p) override {
        return m_pSystem->accNavigate(d, v, p);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* p) override {
        return m_pSystem->accHitTest(x, y, p);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT v) override {
        return m_pSystem->accDoDefaultAction(v);
    }

private:
    HRESULT Text(const VARIANT& v, BSTR* p, const std::function<std::optional<std::wstring>()>& mine,
                 SystemText system) {
        if (!p) return E_POINTER;
        if (IsSelf(v) && mine) {
            *p = nullptr;
            std::optional<std::wstring> text;
            const HRESULT hr = Guarded([&] { return text = mine(), S_OK; });
            if (FAILED(hr)) return hr;
            if (text) return GiveText(*text, p);
        }
        return (m_pSystem->*system)(v, p);
    }

    Overrides m_overrides;
};

IAccessible* SystemObject(HWND hWnd) {
    IAccessible* p = nullptr;
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&p))))
        return nullptr;
    return p;
}

bool AsksForClient(LPARAM lParam) {
    return static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT;
}

LRESULT Hand(IAccessible* pObject, WPARAM wParam) {
    const LRESULT lResult = ::LresultFromObject(__uuidof(IAccessible), wParam, pObject);
    pObject->Release();
    return lResult;
}

// The overrides an Override call put on a window, with the procedure it wrapped. Kept in a table of
// this process rather than in window properties: a property is read through the window server,
// and the wrapper is asked about on every message the editor receives.
struct Wrapped {
    WNDPROC previous = nullptr;
    Overrides overrides;
};

class WrappedTable {
public:
    Wrapped* Find(HWND hWnd) {
        std::lock_guard lock(m_mutex);
        const auto it = m_windows.find(hWnd);
        return it == m_windows.end() ? nullptr : it->second.get();
    }
    // The entry's address stays valid until Remove: the map holds it by pointer.
    Wrapped* Add(HWND hWnd, std::unique_ptr<Wrapped> pWrapped) {
        std::lock_guard lock(m_mutex);
        return m_windows.insert_or_assign(hWnd, std::move(pWrapped)).first->second.get();
    }
    std::unique_ptr<Wrapped> Remove(HWND hWnd) {
        std::lock_guard lock(m_mutex);
        const auto node = m_windows.extract(hWnd);
        return node ? std::move(node.mapped()) : nullptr;
    }

private:
    std::mutex m_mutex;
    std::unordered_map<HWND, std::unique_ptr<Wrapped>> m_windows;
};

WrappedTable& Table() {
    static WrappedTable* pTable = new WrappedTable; // outlives every window, even at process exit
    return *pTable;
}

LRESULT CALLBACK OverrideProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Wrapped* pWrapped = Table().Find(hWnd);
    if (!pWrapped) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    const WNDPROC previous = pWrapped->previous;
    const Overrides& overrides = pWrapped->overrides;
    if (message == WM_GETOBJECT) { // answered for the client area only, else left to the editor
        LRESULT lResult = 0;
        if (Guarded([&] { return lResult = AnswerOverridden(hWnd, wParam, lParam, overrides), S_OK; }) ==
                S_OK &&
            lResult)
            return lResult;
    }
    if (message == WM_GETDLGCODE && overrides.dlgCode) {
        const LRESULT lResult = ::CallWindowProcW(previous, hWnd, message, wParam, lParam);
        LRESULT lMine = lResult;
        Guarded(
            [&] { return lMine = overrides.dlgCode(lResult, reinterpret_cast<const MSG*>(lParam)), S_OK; });
        return lMine;
    }
    if (message == WM_NCDESTROY) {
        // Unwrapped only where nothing wrapped it again since: a later wrapper keeps calling here.
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &OverrideProc)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        const std::unique_ptr<Wrapped> pGone = Table().Remove(hWnd);
        return ::CallWindowProcW(previous, hWnd, message, wParam, lParam);
    }
    return ::CallWindowProcW(previous, hWnd, message, wParam, lParam);
}

} // namespace

// ---- the list-view defaults -----------------------------------------------------------------------

int RowSource::RowCount() const {
    return static_cast<int>(::SendMessageW(m_hList, LVM_GETITEMCOUNT, 0, 0));
}

bool RowSource::RowRect(int nRow, RECT& rcScreen) const {
    rcScreen = RECT{LVIR_BOUNDS, 0, 0, 0};
    if (!::SendMessageW(m_hList, LVM_GETITEMRECT, static_cast<WPARAM>(nRow),
                        reinterpret_cast<LPARAM>(&rcScreen)))
        return false;
    ::MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&rcScreen), 2);
    return true;
}

int RowSource::RowAt(POINT ptScreen) const {
    LVHITTESTINFO hit{};
    hit.pt = ptScreen;
    ::ScreenToClient(m_hList, &hit.pt);
    RECT rcClient;
    ::GetClientRect(m_hList, &rcClient);
    if (!::PtInRect(&rcClient, hit.pt)) return -1;
    return static_cast<int>(::SendMessageW(m_hList, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

int RowSource::FocusedRow() const {
    if (::GetFocus() != m_hList) return -1;
    return static_cast<int>(::SendMessageW(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int RowSource::FirstSelected() const {
    return static_cast<int>(::SendMessageW(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void RowSource::Select(int nRow, long flags) const {
    if (flags & SELFLAG_TAKEFOCUS) ::SetFocus(m_hList);
    LVITEMW item{};
    if (flags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION))
        item.state |= LVIS_SELECTED, item.stateMask |= LVIS_SELECTED;
    if (flags & SELFLAG_REMOVESELECTION) item.stateMask |= LVIS_SELECTED;
    if (flags & SELFLAG_TAKEFOCUS) item.state |= LVIS_FOCUSED, item.stateMask |= LVIS_FOCUSED;
    if (flags & SELFLAG_TAKESELECTION) {
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED;
        ::SendMessageW(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    }
    if (item.stateMask)
        ::SendMessageW(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
}

// ---- answering --------------------------------------------------------------------------------------

LRESULT AnswerRows(HWND hWnd, WPARAM wParam, LPARAM lParam, RowSourceFactory source) {
    if (!AsksForClient(lParam)) return ::DefWindowProcW(hWnd, WM_GETOBJECT, wParam, lParam);
    auto* pObject = new (std::nothrow) RowsObject(SystemObject(hWnd), std::move(source));
    return pObject ? Hand(pObject, wParam) : 0;
}

LRESULT AnswerOverridden(HWND hWnd, WPARAM wParam, LPARAM lParam, const Overrides& overrides) {
    if (!AsksForClient(lParam)) return 0;
    IAccessible* pSystem = SystemObject(hWnd);
    if (!pSystem) return 0;
    auto* pObject = new (std::nothrow) OverriddenObject(pSystem, overrides);
    if (!pObject) return pSystem->Release(), 0;
    return Hand(pObject, wParam);
}

void Override(HWND hWnd, Overrides overrides) {
    if (!::IsWindow(hWnd)) return;
    // A window already wrapped has its overrides replaced, not a second wrapper.
    if (Wrapped* pOld = Table().Find(hWnd)) {
        pOld->overrides = std::move(overrides);
        return;
    }
    auto pWrapped = std::make_unique<Wrapped>();
    pWrapped->overrides = std::move(overrides);
    Wrapped* pEntry = Table().Add(hWnd, std::move(pWrapped));
    // Entered first, so that the first message the new procedure receives finds it.
    pEntry->previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OverrideProc)));
    if (!pEntry->previous) Table().Remove(hWnd);
}

std::wstring ColumnTitle(HWND hList, int nColumn) {
    wchar_t szTitle[256] = {};
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = szTitle;
    col.cchTextMax = 256;
    ::SendMessageW(hList, LVM_GETCOLUMNW, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&col));
    return szTitle;
}

std::wstring LabelBefore(HWND hWnd) {
    const HWND hLabel = ::GetWindow(hWnd, GW_HWNDPREV);
    if (!hLabel || !(::SendMessageW(hLabel, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)) return {};
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hLabel)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hLabel, text.data(), static_cast<int>(text.size()))));
    std::wstring name;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i; // "&&" is one ampersand, "&x" marks x
        name += text[i];
    }
    return name;
}

// ---- events -----------------------------------------------------------------------------------------

void RaiseRowEvent(DWORD event, HWND hList, int nRow) {
    ::NotifyWinEvent(event, hList, OBJID_CLIENT, nRow < 0 ? CHILDID_SELF : nRow + 1);
}

void RaiseItemEvent(DWORD event, HWND hList, int nRow) {
    if (!ListViewRaisesItemEvents()) RaiseRowEvent(event, hList, nRow);
}

namespace {
bool g_bHeard = false;
void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    g_bHeard = true;
}
} // namespace

bool ListViewRaisesItemEvents() {
    // Asked once: a hidden list view selects an item while a hook of this thread listens.
    static const bool bRaises = [] {
        const HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 10, 10,
                                             nullptr, nullptr, nullptr, nullptr);
        if (!hList) return false;
        const HWINEVENTHOOK hHook =
            ::SetWinEventHook(EVENT_OBJECT_SELECTION, EVENT_OBJECT_SELECTIONWITHIN, nullptr, &Heard,
                              ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        g_bHeard = false;
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<LPWSTR>(L"");
        ::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(hList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        MSG msg;
        for (int i = 0; i < 4 && !g_bHeard; ++i)
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (hHook) ::UnhookWinEvent(hHook);
        ::DestroyWindow(hList);
        return g_bHeard;
    }();
    return bRaises;
}

} // namespace listedit::access
