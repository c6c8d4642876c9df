// CMenu: a menu owned by the object (destroyed with it unless detached). Creating or attaching into
// an object that holds a menu already fails (FALSE).
//
//     CMenu menu;
//     menu.CreatePopupMenu();
//     menu.AppendMenu(MF_STRING, ID_INSERT, L"Insert");
//     menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this); // WM_COMMAND to this
#pragma once
#include "CHandleObject.h"

class CWnd;

// Attach, Detach and the handle map (FromHandle, DeleteTempMap) are CHandleObject's.
class LISTEDIT_API CMenu : public CHandleObject<CMenu, HMENU> {
    DECLARE_DYNCREATE(CMenu)
public:
    HMENU m_hMenu = nullptr;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    ~CMenu() override { DestroyMenu(); }

    BOOL CreateMenu() { return !m_hMenu && Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return !m_hMenu && Attach(::CreatePopupMenu()); }
    BOOL DestroyMenu() { return DeleteHandle(::DestroyMenu); } // FALSE when there is no menu

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr) {
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr) {
        return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCWSTR lpszNewItem = nullptr) {
        return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
    // The previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED), or -1 when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
        return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
    }
    // The previous state (MF_CHECKED or MF_UNCHECKED), or -1 when there is no such item.
    DWORD CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
        return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
    }
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE) {
        return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
    }

    UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nIDItem, LPWSTR lpString, int nMaxCount, UINT nFlags) const {
        return ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

    // Shows the menu at (x, y) in screen coordinates and runs it until the user chooses or cancels;
    // the choice reaches pWnd as WM_COMMAND (with TPM_RETURNCMD it is returned instead).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

private:
    friend CHandleObject;
    static constexpr HMENU CMenu::*kHandle = &CMenu::m_hMenu;
};
