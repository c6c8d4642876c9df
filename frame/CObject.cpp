// Run-time class records and the registry of classes that can be found by name.
#include <listedit/frame/CObject.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<const CRuntimeClass*>& Registry() {
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass) {
    Registry().push_back(pNewClass);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass) {
        if (p == pBaseClass) return TRUE;
    }
    return FALSE;
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

const CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName) return nullptr;
    // The latest registration wins, so an application's class shadows a library class of its name.
    const auto& classes = Registry();
    for (auto it = classes.rbegin(); it != classes.rend(); ++it) {
        if (std::strcmp((*it)->m_lpszClassName, lpszClassName) == 0) return *it;
    }
    return nullptr;
}

const CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName) {
    if (!lpszClassName) return nullptr;
    std::string narrow;
    for (const wchar_t* p = lpszClassName; *p; ++p) {
        if (*p > 0x7F) return nullptr; // class names are plain identifiers
        narrow += static_cast<char>(*p);
    }
    return FromName(narrow.c_str());
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    const CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName) {
    const CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}
