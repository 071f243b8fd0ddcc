#pragma once

#include <windows.h>

#include "ui/IRestartQuestion.h"

// What the restart question needs from the window that owns the main window (the host).
class IRestartHost {
public:
    // Starts the restart of Windows; TRUE when it was started.
    virtual BOOL RestartSystem() = 0;
    // Saves the main window's place and ends the program.
    virtual void QuitForRestart() = 0;

protected:
    ~IRestartHost() = default;
};

// Asks whether to restart Windows now. `pendingRestarts` is the main window's count of committed
// changes that need a restart: kAskIfPending asks only when it is above 0. The question and its
// report belong to `owner`.
void PromptRestart(IRestartQuestion::RestartMode mode, int pendingRestarts, IRestartHost& host,
                   HWND owner);
