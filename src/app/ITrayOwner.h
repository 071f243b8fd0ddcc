#pragma once

#include <string>
#include <windows.h>

// What the tray icon needs of the window that owns it (the host).
class ITrayOwner {
public:
    virtual void ShowMainWindow(BOOL show) = 0;
    // Whether a main window exists and is visible.
    virtual bool IsMainWindowVisible() const = 0;
    virtual bool IsOwnerMinimized() const = 0;
    virtual void RestoreOwner() = 0;
    // Gives the keyboard focus back to the program: the main window when shown, else the owner.
    virtual void FocusOwner() = 0;
    // The window the tray's questions and reports belong to.
    virtual HWND DialogOwner() const = 0;
    virtual void ShowAbout() = 0;
    // Ends the program (the tray menu's Exit).
    virtual void QuitForRestart() = 0;

protected:
    ~ITrayOwner() = default;
};
