#pragma once

#include <windows.h>

// Decisions of the host window, kept apart from the window so that they can be checked directly.

// The main window opens at start-up only when "Show Torvane" is not 0 and "Has Tuned" is not 1;
// every other start is a tray-only start.
inline bool OpensMainWindowAtStart(DWORD showAtStartup, DWORD hasTuned) {
    return showAtStartup != 0 && hasTuned != 1;
}

// The host's own timer: hiding itself 500 ms after a tray-only start. Its other two timers run
// the automatic memory optimisation (CAutoOptimizer).
constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kHidePeriod = 500;
