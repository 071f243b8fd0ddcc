#pragma once

#include <functional>
#include <string>
#include <windows.h>

#include "platform/CAppSettings.h"

class CMemoryOptimizer;

// The rule of the automatic memory optimisation. The window that runs it owns the timers: it
// watches (every 4000 ms, every 5000 ms after an optimisation) and calls Watch; when Watch has
// started an optimisation it stops watching and checks every 1000 ms with Recover until memory
// has come back, then watches again. When an optimisation cannot help, the rule pauses: the
// optimiser could not run (no script host, as on a stock 95 or NT 4), memory did not come back
// within the recovery limit, or free memory is still below the level right after an
// optimisation. The window then waits the pause period before it watches again, with the icon
// normal, and the options dialog tells why (PauseReason). The notification-area icon is reached
// through a callback that sets its state.
class CAutoOptimizer {
public:
    using TrayStateSink = std::function<void(int state)>;

    // Tray icon states: the normal icon and tip, and the first frame of the optimising animation.
    static constexpr int kTrayNormal = 1;
    static constexpr int kTrayOptimizing = 2;

    static constexpr UINT_PTR kWatchTimer = 7;
    static constexpr UINT_PTR kRecoveryTimer = 8;
    static constexpr UINT_PTR kPauseTimer = 9;
    static constexpr UINT kFirstWatchPeriod = 4000;
    static constexpr UINT kWatchPeriodAfterOptimize = 5000;
    static constexpr UINT kRecoveryPeriod = 1000;
    static constexpr UINT kPausePeriod = 300000;
    // Recovery ticks before the rule gives up waiting for memory to come back.
    static constexpr int kRecoveryLimit = 60;
    // Recovery ends once more than this many bytes are free.
    static constexpr ULONGLONG kRecoveredBytes = 0x7FFFFF;

    static const char* const kNotRunReason;
    static const char* const kNotRecoveredReason;
    static const char* const kStillBelowReason;

    // What a tick leads to.
    enum Next {
        kKeepWatching,   // nothing to do, or memory has come back: watch on
        kKeepRecovering, // an optimisation runs: wait for memory to come back
        kPause,          // the optimisation cannot help: wait the pause period
    };

    CAutoOptimizer(CMemoryOptimizer& optimizer, TrayStateSink setTrayState)
        : optimizer_(optimizer), setTrayState_(std::move(setTrayState)) {}

    // Free memory in whole megabytes strictly below the threshold (a threshold of 0 never is).
    static bool IsBelowThreshold(ULONGLONG availableBytes, DWORD thresholdMegabytes) {
        return availableBytes / 1048576 < thresholdMegabytes;
    }
    static bool HasRecovered(ULONGLONG availableBytes) { return availableBytes > kRecoveredBytes; }

    // A watch tick: reads the threshold anew and, when free memory is below it, starts the
    // optimiser and shows the optimising icon (kKeepRecovering). kPause, with the icon left
    // normal, when the optimiser could not run or memory is still below the level after the
    // last optimisation.
    Next Watch();
    // A recovery tick: kKeepWatching once memory has come back, kPause once the recovery limit
    // has passed without it; either way the icon goes back to normal.
    Next Recover();
    // The pause has ended: the next optimisation is tried afresh.
    void Resume();

    // Why automatic optimisation is paused, for the options dialog; empty while it is not.
    static std::string PauseReason();

private:
    void SetTrayState(int state) const {
        if (setTrayState_)
            setTrayState_(state);
    }
    Next Pause(const char* reason);

    CMemoryOptimizer& optimizer_;
    TrayStateSink setTrayState_;
    CAppSettings settings_;
    int recoveryTicks_ = 0;
    bool justOptimized_ = false;
};
