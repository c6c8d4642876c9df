// Run-time class information: CObject, CRuntimeClass and the class registry.
//
// A class that carries run-time class information declares DECLARE_DYNAMIC (or DECLARE_DYNCREATE
// to be creatable by name) in its body and IMPLEMENT_DYNAMIC (IMPLEMENT_DYNCREATE) in one source
// file. `pObject->IsKindOf(RUNTIME_CLASS(CEdit))` then tests the class tree, and
// `CRuntimeClass::FromName(L"CNumEdit")` finds a registered class by its name.
#pragma once
#include "Afx.h"

class CObject;

struct LISTEDIT_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)(); // null: not creatable by name
    const CRuntimeClass* m_pBaseClass;     // null for CObject

    CObject* CreateObject() const; // null when the class is not creatable
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Registry lookup over the library and every module that registered classes with it.
    static const CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static const CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);
};

// Adds a class to the registry; IMPLEMENT_DYNAMIC places one of these beside each class record.
struct LISTEDIT_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(const CRuntimeClass* pNewClass);
};

class LISTEDIT_API CObject {
public:
    static const CRuntimeClass classCObject;
    static const CRuntimeClass* PASCAL GetThisClass() { return &classCObject; }
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    static const CRuntimeClass* PASCAL GetThisClass() {                                                      \
        return &class##class_name;                                                                           \
    }                                                                                                        \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                                      \
    const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), 0xFFFF, pfnNew,    \
                                                         RUNTIME_CLASS(base_class_name)};                    \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                                               \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject() {                                                             \
        return new class_name;                                                                               \
    }                                                                                                        \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
