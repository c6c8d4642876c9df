// CImageList: an image list owned by the object (destroyed with it unless detached). Creating or
// attaching into an object that holds a list already fails (FALSE).
//
//     CImageList images;
//     images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
//     images.Add(&bitmap, RGB(255, 0, 255));     // magenta is transparent
//     list.SetImageList(&images, LVSIL_SMALL);
//
// The handle map is CHandleObject's: FromHandle of a list no object owns gives a temporary wrapper
// (what CListCtrl::GetImageList returns for a list it did not set).
#pragma once
#include "CHandleObject.h"
#include "Geometry.h"

class CBitmap;
class CDC;

class LISTEDIT_API CImageList : public CHandleObject<CImageList, HIMAGELIST> {
    DECLARE_DYNCREATE(CImageList)
public:
    HIMAGELIST m_hImageList = nullptr;

    ~CImageList() override { DeleteImageList(); }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Images nImage1 of imagelist1 and nImage2 of imagelist2 laid over each other, the second
    // offset by (dx, dy).
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy);
    BOOL Create(CImageList* pImageList);                               // a copy
    BOOL DeleteImageList() { return DeleteHandle(ImageList_Destroy); } // FALSE when there is no list

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    BOOL SetOverlayImage(int nImage, int nOverlay) {
        return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
    }

    // Adding and changing images; Add returns the index of the first new image, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask); // pixels of crMask become transparent
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }

    // Drawing.
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
    BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp); // draws from this list whatever pimldp->himl says
    BOOL DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin, UINT fStyle = ILD_NORMAL,
                      DWORD dwRop = SRCCOPY, COLORREF rgbBack = CLR_DEFAULT, COLORREF rgbFore = CLR_DEFAULT);

    // Dragging (one image list at a time, system-wide).
    BOOL BeginDrag(int nImage, CPoint ptHotSpot) {
        return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
    }
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }
    static BOOL PASCAL DragLeave(CWnd* pWndLock);
    static BOOL PASCAL DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }
    static void PASCAL EndDrag() { ImageList_EndDrag(); }

private:
    friend CHandleObject;
    static constexpr HIMAGELIST CImageList::*kHandle = &CImageList::m_hImageList;
};
