#pragma once

#include <string>
#include <windows.h>

class IRestartHost;

// What the main window needs of the window that owns it (the host): where to send the close
// message, minimising, the About box and the restart host.
class IMainWindowOwner {
public:
    // Posted to the owner's window: close the main window to the tray.
    static constexpr UINT kCloseMainWindowMessage = 0x8002;

    // The owner's window: the main window posts its close message here and keeps it at its own
    // top-left corner.
    virtual HWND OwnerWindow() const = 0;
    // Shows (creating it) or hides (destroying it) the main window.
    virtual void ShowMainWindow(BOOL show) = 0;
    // Minimises the owner; the main window disappears with it.
    virtual void MinimizeOwner() = 0;
    virtual void ShowAbout() = 0;
    virtual IRestartHost& RestartHost() = 0;

protected:
    ~IMainWindowOwner() = default;
};
