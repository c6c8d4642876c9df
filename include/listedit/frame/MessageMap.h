// Message-map tables and the typed handler entries ("crackers").
//
//     BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
//         ON_WM_CHAR()
//         ON_MESSAGE(WM_SETTEXT, &CNumEdit::OnSetText)
//     END_MESSAGE_MAP()
//
// Each entry's thunk is written inside the class's own map function, so it reaches protected
// handlers, and casts the target to the class whose map it is.
//
// A class template that holds behaviour for several window bases writes its map once:
//
//     BEGIN_TEMPLATE_MESSAGE_MAP(CListBehaviour, TBase, TBase)
//         ON_WM_SIZE()
//     END_MESSAGE_MAP()
#pragma once
#include "CDC.h"
#include "CScrollBar.h"
#include "CWnd.h"

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const {             \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name> const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() {        \
        using ThisClass [[maybe_unused]] = theClass<type_name>;                                              \
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

#define AFX_WND(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))

#define ON_WM_CREATE()                                                                                       \
    AFX_MSG_ENTRY(WM_CREATE, *pResult = self->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, self->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, self->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, self->OnClose())
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, self->OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, self->OnMove(short(LOWORD(lParam)), short(HIWORD(lParam))))
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, self->OnShowWindow(BOOL(wParam), UINT(lParam)))
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, self->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, self->OnSetFocus(AFX_WND(wParam)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, self->OnKillFocus(AFX_WND(wParam)))
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, self->OnCaptureChanged(AFX_WND(lParam)))
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, self->OnCancelMode())
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, self->OnTimer(UINT_PTR(wParam)))
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, *pResult = self->OnGetDlgCode())
#define ON_WM_SETCURSOR()                                                                                    \
    AFX_MSG_ENTRY(WM_SETCURSOR,                                                                              \
                  *pResult = self->OnSetCursor(AFX_WND(wParam), AFX_LOWORD(lParam), AFX_HIWORD(lParam)))
#define ON_WM_MOUSEACTIVATE()                                                                                \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE,                                                                          \
                  *pResult = self->OnMouseActivate(AFX_WND(wParam), AFX_LOWORD(lParam), AFX_HIWORD(lParam)))
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFX_MSG_ENTRY(WM_CONTEXTMENU, self->OnContextMenu(AFX_WND(wParam), AFX_POINT(lParam)))

// Keyboard: void OnX(UINT nChar, UINT nRepCnt, UINT nFlags).
#define AFX_KEY_ENTRY(msg, fn)                                                                               \
    AFX_MSG_ENTRY(msg, self->fn(UINT(wParam), AFX_LOWORD(lParam), AFX_HIWORD(lParam)))
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)

// Mouse in the client area: void OnX(UINT nFlags, CPoint point); outside it: (UINT nHitTest, CPoint).
#define AFX_MOUSE_ENTRY(msg, fn) AFX_MSG_ENTRY(msg, self->fn(UINT(wParam), AFX_POINT(lParam)))
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCMOUSEMOVE() AFX_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL, *pResult = self->OnMouseWheel(AFX_LOWORD(wParam), short(HIWORD(wParam)),    \
                                                               AFX_POINT(lParam)))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, *pResult = self->OnNcHitTest(AFX_POINT(lParam)))

// Scrolling: void OnX(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar); pScrollBar is null for the
// window's own scroll bars.
#define ON_WM_VSCROLL()                                                                                      \
    AFX_MSG_ENTRY(WM_VSCROLL, self->OnVScroll(AFX_LOWORD(wParam), AFX_HIWORD(wParam),                        \
                                              AfxFromHandleAs<CScrollBar>(reinterpret_cast<HWND>(lParam))))
#define ON_WM_HSCROLL()                                                                                      \
    AFX_MSG_ENTRY(WM_HSCROLL, self->OnHScroll(AFX_LOWORD(wParam), AFX_HIWORD(wParam),                        \
                                              AfxFromHandleAs<CScrollBar>(reinterpret_cast<HWND>(lParam))))

// Painting.
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, self->OnPaint())
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, self->OnNcPaint())
#define ON_WM_ERASEBKGND()                                                                                   \
    AFX_MSG_ENTRY(WM_ERASEBKGND,                                                                             \
                  *pResult = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SETFONT() AFX_MSG_ENTRY(WM_SETFONT, self->OnSetFont(HFONT(wParam), BOOL(LOWORD(lParam))))
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) for every WM_CTLCOLOR... message.
#define AFX_CTLCOLOR_ENTRY(msg, type)                                                                        \
    AFX_MSG_ENTRY(msg, *pResult = reinterpret_cast<LRESULT>(self->OnCtlColor(                                \
                           CDC::FromHandle(reinterpret_cast<HDC>(wParam)), AFX_WND(lParam), type)))
#define ON_WM_CTLCOLOR()                                                                                     \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)                                                       \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)                                                 \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)                                                         \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)                                                         \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)                                             \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)

// Owner drawing, as the parent receives it (CWnd's handlers reflect it to the control) and as the
// control receives it back.
#define ON_WM_DRAWITEM()                                                                                     \
    AFX_MSG_ENTRY(WM_DRAWITEM, self->OnDrawItem(int(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)),    \
                  *pResult = TRUE)
#define ON_WM_MEASUREITEM()                                                                                  \
    AFX_MSG_ENTRY(WM_MEASUREITEM,                                                                            \
                  self->OnMeasureItem(int(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)),           \
                  *pResult = TRUE)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    AFX_MSG_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)), \
                  *pResult = TRUE)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_MSG_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE,                                                          \
                  self->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)), *pResult = TRUE)

// Commands (menus: code 0) and notifications from child controls.
#define ON_COMMAND_CODE(code, id, memberFxn)                                                                 \
    {WM_COMMAND, UINT(code), UINT(id), UINT(id), AFX_MSG_THUNK((self->*(memberFxn))())},
#define ON_COMMAND(id, memberFxn) ON_COMMAND_CODE(0, id, memberFxn)
// void memberFxn(UINT nID) for every id in [id, idLast].
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND, 0, UINT(id), UINT(idLast), AFX_MSG_THUNK((self->*(memberFxn))(AFX_LOWORD(wParam)))},
#define ON_CONTROL(code, id, memberFxn) ON_COMMAND_CODE(code, id, memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                        \
    {WM_COMMAND, UINT(code), UINT(id), UINT(idLast), AFX_MSG_THUNK((self->*(memberFxn))(AFX_LOWORD(wParam)))},
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND_CODE(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_COMMAND_CODE(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_COMMAND_CODE(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_COMMAND_CODE(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_COMMAND_CODE(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_COMMAND_CODE(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_COMMAND_CODE(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_COMMAND_CODE(CBN_SELENDOK, id, memberFxn)

// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult).
#define ON_NOTIFY(code, id, memberFxn)                                                                       \
    {WM_NOTIFY, UINT(code), UINT(id), UINT(id),                                                              \
     AFX_MSG_THUNK((self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))},
// void memberFxn(UINT id, NMHDR* pNMHDR, LRESULT* pResult) for every id in [id, idLast].
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                         \
    {WM_NOTIFY, UINT(code), UINT(id), UINT(idLast),                                                          \
     AFX_MSG_THUNK((self->*(memberFxn))(UINT(reinterpret_cast<NMHDR*>(lParam)->idFrom),                      \
                                        reinterpret_cast<NMHDR*>(lParam), pResult))},
// BOOL memberFxn(UINT id, NMHDR* pNMHDR, LRESULT* pResult); FALSE lets the notification go on to the
// next entry and at last to the default procedure.
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                                      \
    {WM_NOTIFY, UINT(code), UINT(id), UINT(idLast),                                                          \
     [](CCmdTarget* pTarget, WPARAM, LPARAM lParam, LRESULT* pResult) -> BOOL {                              \
         auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);                                                    \
         return (static_cast<ThisClass*>(pTarget)->*(memberFxn))(UINT(pNMHDR->idFrom), pNMHDR, pResult);     \
     }},
#define ON_NOTIFY_EX(code, id, memberFxn) ON_NOTIFY_EX_RANGE(code, id, id, memberFxn)

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
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                               \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(code), 0, 0,                                                         \
     [](CCmdTarget* pTarget, WPARAM, LPARAM, LRESULT*) -> BOOL {                                             \
         return (static_cast<ThisClass*>(pTarget)->*(memberFxn))();                                          \
     }},
