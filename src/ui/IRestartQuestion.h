#pragma once

#include <windows.h>

// The question whether to restart Windows now. The main window answers it: it knows how many of
// its committed changes wait for a restart, and it ends the program when a restart follows them.
// The question and its report belong to `asker`, the window that asks.
class IRestartQuestion {
public:
    enum RestartMode : int {
        // Asks in any case (after a restore, after Auto Tune's commit).
        kAskAlways = 0,
        // Asks only when committed changes wait for a restart (after Apply, on leaving What
        // Changed); a restart started then ends the program.
        kAskIfPending = 1,
    };

    virtual void AskToRestart(RestartMode mode, HWND asker) = 0;

protected:
    ~IRestartQuestion() = default;
};
