#include <listedit/frame/CBitmap.h>
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CFont.h>
#include <listedit/frame/CPen.h>

#include "HandleMap.h"

namespace {

HandleMap<HGDIOBJ, CGdiObject>& Map() {
    thread_local HandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

// A temporary wrapper of the class that fits the handle, so that CFont::FromHandle and the
// SelectObject forms hand out objects of the class they promise.
std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ hObject) {
    std::unique_ptr<CGdiObject> p;
    switch (::GetObjectType(hObject)) {
    case OBJ_FONT:
        p = std::make_unique<CFont>();
        break;
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = std::make_unique<CPen>();
        break;
    case OBJ_BRUSH:
        p = std::make_unique<CBrush>();
        break;
    case OBJ_BITMAP:
        p = std::make_unique<CBitmap>();
        break;
    default:
        p = std::make_unique<CGdiObject>();
        break;
    }
    p->m_hObject = hObject;
    return p;
}

} // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    return Map().FromHandle(hObject, MakeWrapper);
}

void PASCAL CGdiObject::DeleteTempMap() {
    Map().DeleteTemp([](CGdiObject& o) { o.m_hObject = nullptr; });
}

void AfxDeleteGdiTempMap() {
    CGdiObject::DeleteTempMap();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject || m_hObject) return FALSE;
    m_hObject = hObject;
    Map().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject) Map().RemovePermanent(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}
