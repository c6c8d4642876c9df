#include <listedit/frame/CBitmap.h>
#include <listedit/frame/CBrush.h>

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    return pBitmap && !m_hObject ? Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)))
                                 : FALSE;
}
