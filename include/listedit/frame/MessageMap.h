// Message-map tables and the typed handler entries ("crackers").
//
//     BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
//         ON_WM_CHAR()
//         ON_MESSAGE(WM_SETTEXT, &CNumEdit::OnSetText)
//     END_MESSAGE_MAP()
//
// Each entry's thunk is written inside the class's own map function, so it reaches protected
// handlers, and casts the target to the class whose map it is.
#pragma once
#include "CWnd.h"

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, nullptr }                                                                                  \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// The thunk around one handler call; `self` is the object, `wParam`/`lParam` the message.
#define AFX_MSG_THUNK(...)                                                                                   \
    [](CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL {                        \
        [[maybe_unused]] auto* self = static_cast<ThisClass*>(pTarget);                                      \
        (void)wParam, (void)lParam, (void)pResult;                                                           \
        __VA_ARGS__;                                                                                         \
        return TRUE;                                                                                         \
    }

#define AFX_MSG_ENTRY(msg, ...) {msg, 0, 0, 0, AFX_MSG_THUNK(__VA_ARGS__)},

// Generic messages: LRESULT OnX(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, *pResult = (self->*(memberFxn))(wParam, lParam))

#define AFX_LOWORD(v) static_cast<UINT>(LOWORD(v))
#define AFX_HIWORD(v) static_cast<UINT>(HIWORD(v))
#define AFX_POINT(l) CPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)))

#define ON_WM_CREATE()                                                                                       \
    AFX_MSG_ENTRY(WM_CREATE, *pResult = self->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, self->OnDestroy())
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, self->OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(HWND(wParam))))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(HWND(wParam))))
#define ON_WM_CHAR()                                                                                         \
    AFX_MSG_ENTRY(WM_CHAR, self->OnChar(UINT(wParam), AFX_LOWORD(lParam), AFX_HIWORD(lParam)))
#define ON_WM_KEYDOWN()                                                                                      \
    AFX_MSG_ENTRY(WM_KEYDOWN, self->OnKeyDown(UINT(wParam), AFX_LOWORD(lParam), AFX_HIWORD(lParam)))
#define ON_WM_LBUTTONDOWN()                                                                                  \
    AFX_MSG_ENTRY(WM_LBUTTONDOWN, self->OnLButtonDown(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, self->OnLButtonUp(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, self->OnLButtonDblClk(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, self->OnMouseMove(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, self->OnPaint())
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, *pResult = self->OnEraseBkgnd(HDC(wParam)))
#define ON_WM_SETFONT() AFX_MSG_ENTRY(WM_SETFONT, self->OnSetFont(HFONT(wParam), BOOL(LOWORD(lParam))))
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_MSG_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE,                                                          \
                  self->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)))

// Commands and notifications from child controls.
#define ON_COMMAND_CODE(code, id, memberFxn)                                                                 \
    {WM_COMMAND, UINT(code), UINT(id), UINT(id), AFX_MSG_THUNK((self->*(memberFxn))())},
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND_CODE(BN_CLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn)                                                                       \
    {WM_NOTIFY, UINT(code), UINT(id), UINT(id),                                                              \
     AFX_MSG_THUNK((self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))},

// Notifications reflected back to the control that sent them. The _EX forms return BOOL: FALSE
// lets the notification go on to the parent as well.
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                   \
    {WM_NOTIFY + WM_REFLECT_BASE, UINT(code), 0, 0,                                                          \
     AFX_MSG_THUNK((self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))},
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                \
    {WM_NOTIFY + WM_REFLECT_BASE, UINT(code), 0, 0,                                                          \
     [](CCmdTarget* pTarget, WPARAM, LPARAM lParam, LRESULT* pResult) -> BOOL {                              \
         return (static_cast<ThisClass*>(pTarget)->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult); \
     }},
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                  \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(code), 0, 0, AFX_MSG_THUNK((self->*(memberFxn))())},
