#include "app/CMenuHost.h"

#include "app/IMenuCommands.h"
#include "res/resource.h"

BOOL CMenuHost::EnsureWindow(HWND owner) {
    if (Exists())
        return TRUE;
    if (!Create(IDD_TRAY, owner))
        return FALSE;
    Show(SW_HIDE);
    return TRUE;
}

void CMenuHost::Drop(HWND owner, int x, int y) {
    if (!EnsureWindow(owner))
        return;
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(menuId_));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    commands_.PrepareMenu(menuId_, popup);
    BringToForeground();
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, x, y, 0, window_, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    Post(WM_NULL);
    DestroyMenu(menu);
}

BOOL CMenuHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 || HIWORD(wParam) != 0)
        return FALSE;
    commands_.OnMenuCommand(menuId_, LOWORD(wParam));
    return TRUE;
}
