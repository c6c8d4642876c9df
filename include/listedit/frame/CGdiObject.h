// CGdiObject: the base of the framework's GDI object wrappers (CFont, CPen, CBrush, CBitmap).
//
// An object owns the handle it created or attached and deletes it in its destructor, unless it was
// detached first. It holds one handle at a time: Create... or Attach on an object that holds one
// already fails (FALSE) and changes nothing. FromHandle gives the owning object of a handle, or a temporary
// wrapper (of the derived class that fits the handle's type) that lives until the message loop is next idle;
// this is what CDC::SelectObject returns for the previously selected object.
#pragma once
#include "CObject.h"
#include "Geometry.h"

class LISTEDIT_API CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() override; // deletes the handle it still holds

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject); // FALSE for a null handle or when one is held already
    HGDIOBJ Detach();
    BOOL DeleteObject(); // FALSE when there is no handle

    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }
    BOOL CreateStockObject(int nIndex) { return !m_hObject && Attach(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

    friend bool operator==(const CGdiObject& a, const CGdiObject& b) { return a.m_hObject == b.m_hObject; }
};
