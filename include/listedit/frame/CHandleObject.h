// CHandleObject: what the framework's wrappers of a system handle share (GDI objects, device
// contexts, menus, image lists). An object owns the handle it created or attached, one at a time:
// Attach on an object that holds one already fails (FALSE) and changes nothing. A per-thread map
// gives the owning object of a handle, or a temporary wrapper for a handle no object owns, which
// lives until the message loop is next idle (DeleteTempMap, AfxDeleteTempMap) or the thread ends
// and never touches its handle.
//
// Derived names its handle member with `static constexpr Handle Derived::*kHandle`; it may hide
// SetHandle (to keep a second member in step) and MakeTemporary (to make a wrapper of a subclass).
#pragma once
#include "CObject.h"

#include <memory>

template <class Derived, class Handle> class CHandleObject : public CObject {
public:
    CHandleObject(const CHandleObject&) = delete;
    CHandleObject& operator=(const CHandleObject&) = delete;

    static Derived* PASCAL FromHandle(Handle h);          // null for a null handle
    static Derived* PASCAL FromHandlePermanent(Handle h); // null when no object owns h
    static void PASCAL DeleteTempMap();
    BOOL Attach(Handle h); // FALSE for a null handle or when one is held already
    Handle Detach();
    operator Handle() const;
    Handle GetSafeHandle() const;
    // How many handles objects of this thread own or attached (the temporary wrappers not counted).
    static size_t PASCAL GetPermanentCount();

protected:
    CHandleObject() = default;
    // Detaches the handle and gives it to pfnDelete; FALSE when there is none.
    BOOL DeleteHandle(BOOL(WINAPI* pfnDelete)(Handle));
    static void SetHandle(Derived& object, Handle h) { object.*Derived::kHandle = h; }
    static std::unique_ptr<Derived> MakeTemporary(Handle h);

private:
    struct Map;
    static Map& ThreadMap();
};

// The wrappers the library instantiates the map for.
class CDC;
class CGdiObject;
class CImageList;
class CMenu;
extern template class LISTEDIT_API CHandleObject<CDC, HDC>;
extern template class LISTEDIT_API CHandleObject<CGdiObject, HGDIOBJ>;
extern template class LISTEDIT_API CHandleObject<CImageList, HIMAGELIST>;
extern template class LISTEDIT_API CHandleObject<CMenu, HMENU>;
