// CGdiObject: the base of the framework's GDI object wrappers (CFont, CPen, CBrush, CBitmap).
//
// An object owns the handle it created or attached and deletes it in its destructor, unless it was
// detached first; Create... on an object that holds one already fails (FALSE). The handle map is
// CHandleObject's; its temporary wrappers are of the derived class that fits the handle's type, and
// are what CDC::SelectObject returns for the previously selected object.
#pragma once
#include "CHandleObject.h"
#include "Geometry.h"

class LISTEDIT_API CGdiObject : public CHandleObject<CGdiObject, HGDIOBJ> {
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    ~CGdiObject() override { DeleteObject(); }
    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }
    BOOL CreateStockObject(int nIndex) { return !m_hObject && Attach(::GetStockObject(nIndex)); }
    BOOL DeleteObject() { return DeleteHandle(::DeleteObject); } // FALSE when there is no handle
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

    friend bool operator==(const CGdiObject& a, const CGdiObject& b) { return a.m_hObject == b.m_hObject; }

private:
    friend CHandleObject;
    static constexpr HGDIOBJ CGdiObject::*kHandle = &CGdiObject::m_hObject;
    static std::unique_ptr<CGdiObject> MakeTemporary(HGDIOBJ hObject);
};

// The typed face of a GDI wrapper: FromHandle for its own handle type, and the conversion to it.
template <class T, class Handle> class CGdiObjectOf : public CGdiObject {
public:
    static T* PASCAL FromHandle(Handle h) { return dynamic_cast<T*>(CGdiObject::FromHandle(h)); }
    operator Handle() const { return static_cast<Handle>(m_hObject); }
};
