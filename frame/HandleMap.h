// The members of CHandleObject, for the one source file of each wrapper that instantiates them
// (so that every module finds its objects in the library's map).
#pragma once
#include <listedit/frame/CHandleObject.h>

#include <unordered_map>

// Permanent entries for objects that own or attached their handle, temporary wrappers for the rest.
// One per thread: the objects of a thread are its own, and no lock is taken.
template <class Derived, class Handle> struct CHandleObject<Derived, Handle>::Map {
    std::unordered_map<Handle, Derived*> permanent;
    std::unordered_map<Handle, std::unique_ptr<Derived>> temporary;
    void DeleteTemp() {
        auto wrappers = std::move(temporary);
        temporary.clear();
        for (auto& [h, p] : wrappers) Derived::SetHandle(*p, nullptr); // a wrapper leaves its handle alone
    }
    ~Map() { DeleteTemp(); }
};

// The thread's map, made on its first use. It is freed when the thread ends by the system's
// fiber-local storage callback rather than by a thread_local destructor: under Wine the C runtime's
// destructors of a thread that ended keep the process from exiting.
template <class Map> thread_local Map* t_threadMap = nullptr;

template <class Map> void WINAPI FreeThreadMap(void* p) {
    t_threadMap<Map> = nullptr;
    delete static_cast<Map*>(p);
}

template <class Derived, class Handle>
typename CHandleObject<Derived, Handle>::Map& CHandleObject<Derived, Handle>::ThreadMap() {
    static const DWORD slot = ::FlsAlloc(&FreeThreadMap<Map>);
    if (!t_threadMap<Map>) {
        t_threadMap<Map> = new Map;
        ::FlsSetValue(slot, t_threadMap<Map>);
    }
    return *t_threadMap<Map>;
}

template <class Derived, class Handle>
Derived* PASCAL CHandleObject<Derived, Handle>::FromHandlePermanent(Handle h) {
    const auto& permanent = ThreadMap().permanent;
    auto it = permanent.find(h);
    return it == permanent.end() ? nullptr : it->second;
}

template <class Derived, class Handle> Derived* PASCAL CHandleObject<Derived, Handle>::FromHandle(Handle h) {
    if (!h) return nullptr;
    if (Derived* p = FromHandlePermanent(h)) return p;
    auto& temp = ThreadMap().temporary[h];
    if (!temp) temp = Derived::MakeTemporary(h);
    return temp.get();
}

template <class Derived, class Handle> size_t PASCAL CHandleObject<Derived, Handle>::GetPermanentCount() {
    return ThreadMap().permanent.size();
}

template <class Derived, class Handle> void PASCAL CHandleObject<Derived, Handle>::DeleteTempMap() {
    ThreadMap().DeleteTemp();
}

template <class Derived, class Handle> BOOL CHandleObject<Derived, Handle>::Attach(Handle h) {
    auto& self = static_cast<Derived&>(*this);
    if (!h || self.*Derived::kHandle) return FALSE;
    Derived::SetHandle(self, h);
    ThreadMap().permanent[h] = &self;
    return TRUE;
}

template <class Derived, class Handle> Handle CHandleObject<Derived, Handle>::Detach() {
    auto& self = static_cast<Derived&>(*this);
    Handle h = self.*Derived::kHandle;
    if (!h) return h; // not a word to the map: a temporary wrapper goes while the thread's map is torn down
    auto& permanent = ThreadMap().permanent;
    if (auto it = permanent.find(h); it != permanent.end() && it->second == &self) permanent.erase(it);
    Derived::SetHandle(self, nullptr);
    return h;
}

template <class Derived, class Handle>
std::unique_ptr<Derived> CHandleObject<Derived, Handle>::MakeTemporary(Handle h) {
    auto p = std::make_unique<Derived>();
    Derived::SetHandle(*p, h);
    return p;
}

// Out of line, so that the library exports them for every module (an inline member of the
// instantiation is not).
template <class Derived, class Handle> CHandleObject<Derived, Handle>::operator Handle() const {
    return static_cast<const Derived&>(*this).*Derived::kHandle;
}

template <class Derived, class Handle> Handle CHandleObject<Derived, Handle>::GetSafeHandle() const {
    return *this;
}

template <class Derived, class Handle>
BOOL CHandleObject<Derived, Handle>::DeleteHandle(BOOL(WINAPI* pfnDelete)(Handle)) {
    Handle h = Detach();
    return h ? pfnDelete(h) : FALSE;
}
