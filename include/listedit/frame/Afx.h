// Common base of the window-system layer: Win32 headers, the export macro and small shared types.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
#include <commctrl.h>

#ifdef LISTEDIT_BUILDING_DLL
#define LISTEDIT_API __declspec(dllexport)
#else
#define LISTEDIT_API __declspec(dllimport)
#endif

#ifndef PASCAL
#define PASCAL __stdcall
#endif

// An opaque position in a collection (CListCtrl::GetFirstSelectedItemPosition); null is the end.
struct __POSITION {};
using POSITION = __POSITION*;

// Reflected messages arrive at the child as the original message number plus this base.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// Every MessageBeep of the library goes through this one function, so that tests can observe
// which sounds a control makes. A hook set with AfxSetBeepHook receives the sound instead of
// the speaker; nullptr restores the speaker.
using AfxBeepHook = void (*)(UINT nType);
LISTEDIT_API void AfxMessageBeep(UINT nType);
LISTEDIT_API AfxBeepHook AfxSetBeepHook(AfxBeepHook pfnHook);

// The instance handle of the library module (where its private window classes are registered).
LISTEDIT_API HINSTANCE AfxGetInstanceHandle();
