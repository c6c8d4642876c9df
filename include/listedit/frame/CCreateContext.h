// CCreateContext: what a frame hands to the views it creates: which view class to make, the
// document the view shows and the frame it lives in. Pass one as the last argument of
// CFrameWnd::Create (the frame then makes the view) or of a view's Create (the view then joins the
// document). Every member may be null.
#pragma once
#include "CObject.h"

class CDocument;
class CFrameWnd;
class CView;

struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr; // made by name through CreateObject
    CDocument* m_pCurrentDoc = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
