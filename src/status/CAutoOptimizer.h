#pragma once

#include <functional>
#include <windows.h>

#include "platform/CAppSettings.h"

class CMemoryOptimizer;

// The rule of the automatic memory optimisation. The window that runs it owns the two timers:
// it watches (every 4000 ms, every 5000 ms after an optimisation) and calls Watch; when Watch
// has started an optimisation it stops watching and checks every 1000 ms with Recover until
// memory has come back, then watches again. The notification-area icon is reached through a
// callback that sets its state.
class CAutoOptimizer {
public:
    using TrayStateSink = std::function<void(int state)>;

    // Tray icon states: the normal icon and tip, and the first frame of the optimising animation.
    static constexpr int kTrayNormal = 1;
    static constexpr int kTrayOptimizing = 2;

    static constexpr UINT_PTR kWatchTimer = 7;
    static constexpr UINT_PTR kRecoveryTimer = 8;
    static constexpr UINT kFirstWatchPeriod = 4000;
    static constexpr UINT kWatchPeriodAfterOptimize = 5000;
    static constexpr UINT kRecoveryPeriod = 1000;
    // Recovery ends once more than this many bytes are free.
    static constexpr ULONGLONG kRecoveredBytes = 0x7FFFFF;

    CAutoOptimizer(CMemoryOptimizer& optimizer, TrayStateSink setTrayState)
        : optimizer_(optimizer), setTrayState_(std::move(setTrayState)) {}

    // Free memory in whole megabytes strictly below the threshold (a threshold of 0 never is).
    static bool IsBelowThreshold(ULONGLONG availableBytes, DWORD thresholdMegabytes) {
        return availableBytes / 1048576 < thresholdMegabytes;
    }
    static bool HasRecovered(ULONGLONG availableBytes) { return availableBytes > kRecoveredBytes; }

    // A watch tick: reads the threshold anew and, when free memory is below it, starts the
    // optimiser (its result does not matter: recovery watches the memory) and shows the
    // optimising icon. True when an optimisation was started.
    bool Watch();
    // A recovery tick: true once memory has come back, with the icon back to normal.
    bool Recover();

private:
    void SetTrayState(int state) const {
        if (setTrayState_)
            setTrayState_(state);
    }

    CMemoryOptimizer& optimizer_;
    TrayStateSink setTrayState_;
    CAppSettings settings_;
};
