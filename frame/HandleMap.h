// Per-thread map from a handle (GDI object, device context, menu, image list) to the framework
// object for it: permanent entries for objects that own or attached their handle, and temporary
// wrappers made on demand for the rest, released when the message loop is next idle.
#pragma once
#include <memory>
#include <unordered_map>

template <class Handle, class Object> class HandleMap {
public:
    Object* FromHandlePermanent(Handle h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    // The permanent object, else the temporary one, made by make(h) the first time.
    template <class Make> Object* FromHandle(Handle h, Make make) {
        if (!h) return nullptr;
        if (Object* p = FromHandlePermanent(h)) return p;
        auto& temp = m_temporary[h];
        if (!temp) temp = make(h);
        return temp.get();
    }
    void SetPermanent(Handle h, Object* p) { m_permanent[h] = p; }
    void RemovePermanent(Handle h, const Object* p) {
        if (auto it = m_permanent.find(h); it != m_permanent.end() && it->second == p) m_permanent.erase(it);
    }
    // release(p) takes the handle away from a wrapper so that deleting it leaves the handle alone.
    template <class Release> void DeleteTemp(Release release) {
        auto temp = std::move(m_temporary);
        m_temporary.clear();
        for (auto& [h, p] : temp) release(*p);
    }

private:
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
};

// Releases the temporary wrappers of each kind (called by AfxDeleteTempMap).
void AfxDeleteGdiTempMap();
void AfxDeleteDCTempMap();
void AfxDeleteMenuTempMap();
void AfxDeleteImageListTempMap();
