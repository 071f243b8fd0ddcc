#pragma once

#include <windows.h>

// Decisions of the host window, kept apart from the window so that they can be checked directly.

// The main window opens at start-up only when "Show Torvane" is not 0 and "Has Tuned" is not 1;
// every other start is a tray-only start.
inline bool OpensMainWindowAtStart(DWORD showAtStartup, DWORD hasTuned) {
    return showAtStartup != 0 && hasTuned != 1;
}

// The watch timer starts an optimisation when free physical memory, in whole megabytes, is
// strictly below the threshold (so a threshold of 0 never does).
inline bool IsBelowOptimizeThreshold(DWORD availableBytes, DWORD thresholdMegabytes) {
    return availableBytes / 1048576 < thresholdMegabytes;
}

// Recovery after an optimisation ends once more than 8,388,607 bytes are free.
inline bool HasMemoryRecovered(DWORD availableBytes) {
    return availableBytes > 0x7FFFFF;
}

// Timers of the host window and their periods in milliseconds.
enum HostTimer : UINT_PTR {
    kHideTimer = 1,
    kAutoOptimizeTimer = 7,
    kRecoveryTimer = 8,
};
constexpr UINT kHidePeriod = 500;
constexpr UINT kFirstWatchPeriod = 4000;
constexpr UINT kWatchPeriodAfterOptimize = 5000;
constexpr UINT kRecoveryPeriod = 1000;
