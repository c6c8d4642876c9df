// How many of the library's objects of each kind are alive, for an application's or a test's leak
// check: read the counts at a quiet moment (nothing being edited), act, come back to the same state
// and read them again; they are the same unless something was lost.
//
//     const long nBefore = AfxGetLiveCount(AfxLive::GdiObjects);
//     ... open and close editors, sort, scroll ...
//     ASSERT(AfxGetLiveCount(AfxLive::GdiObjects) == nBefore);
//
// The wrapped handles (GDI objects, device contexts, menus, image lists) are the calling thread's:
// those the framework's wrapper objects created or attached and still own.
#pragma once
#include <listedit/frame/Afx.h>

enum class AfxLive {
    SelfDeletingWindows, // windows whose object deletes itself with the window (editors, views, frames)
    DataWindows,         // CDataWnd objects
    RowRecords,          // property list row records (CPropertyListCtrlItemData)
    FieldRecords,        // condition list field records (CFieldItemData)
    GdiObjects,          // CGdiObject wrappers holding a handle
    DeviceContexts,      // CDC wrappers holding a handle
    Menus,               // CMenu wrappers holding a handle
    ImageLists,          // CImageList wrappers holding a handle
};
inline constexpr int AFX_LIVE_KINDS = 8;

LISTEDIT_API long AfxGetLiveCount(AfxLive kind);
