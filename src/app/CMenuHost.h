#pragma once

#include "ui/CModelessDialog.h"

class IMenuCommands;

// An invisible window that drops one menu resource's first submenu and receives its commands.
// One object serves each of the main window's four menu buttons.
class CMenuHost : public CModelessDialog {
public:
    CMenuHost(UINT menuId, IMenuCommands& commands) : menuId_(menuId), commands_(commands) {}

    // Creates the hidden window (dialog 136) once; FALSE when that fails.
    BOOL EnsureWindow(HWND owner);
    // Drops the menu with its top-left corner at the screen point and returns after it closed.
    void Drop(HWND owner, int x, int y);

    UINT MenuId() const { return menuId_; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    UINT menuId_;
    IMenuCommands& commands_;
};
