#include <listedit/frame/CBitmap.h>
#include <listedit/frame/CBrush.h>
#include <listedit/frame/CFont.h>
#include <listedit/frame/CPen.h>

#include "HandleMap.h"

template class CHandleObject<CGdiObject, HGDIOBJ>;

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

// A temporary wrapper of the class that fits the handle, so that CFont::FromHandle and the
// SelectObject forms hand out objects of the class they promise.
std::unique_ptr<CGdiObject> CGdiObject::MakeTemporary(HGDIOBJ hObject) {
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
