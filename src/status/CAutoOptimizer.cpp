#include "status/CAutoOptimizer.h"

#include "platform/CMemoryFigures.h"
#include "status/CMemoryOptimizer.h"

namespace {

// Shared by the host's rule and the options dialog, which shows it.
std::string& CurrentPauseReason() {
    static std::string reason;
    return reason;
}

} // namespace

const char* const CAutoOptimizer::kNotRunReason =
    "Auto Memory Optimization is paused for 5 minutes: the optimizer could not be started "
    "(it needs Windows Script Host).";
const char* const CAutoOptimizer::kNotRecoveredReason =
    "Auto Memory Optimization is paused for 5 minutes: the free memory did not come back "
    "after the last optimization.";
const char* const CAutoOptimizer::kStillBelowReason =
    "Auto Memory Optimization is paused for 5 minutes: the last optimization did not bring "
    "the free memory above the Auto Optimize Level.";

CAutoOptimizer::Next CAutoOptimizer::Watch() {
    DWORD threshold = 0;
    settings_.GetAutoMemOptimize(threshold);
    if (!IsBelowThreshold(CMemoryFigures::AvailablePhysical(), threshold)) {
        justOptimized_ = false;
        CurrentPauseReason().clear();
        return kKeepWatching;
    }
    if (justOptimized_)
        return Pause(kStillBelowReason);
    if (!optimizer_.Optimize(CMemoryOptimizer::ScriptPath()))
        return Pause(kNotRunReason);
    recoveryTicks_ = 0;
    SetTrayState(kTrayOptimizing);
    return kKeepRecovering;
}

CAutoOptimizer::Next CAutoOptimizer::Recover() {
    if (!HasRecovered(CMemoryFigures::AvailablePhysical())) {
        if (++recoveryTicks_ < kRecoveryLimit)
            return kKeepRecovering;
        SetTrayState(kTrayNormal);
        return Pause(kNotRecoveredReason);
    }
    SetTrayState(kTrayNormal);
    justOptimized_ = true;
    return kKeepWatching;
}

void CAutoOptimizer::Resume() {
    justOptimized_ = false;
}

CAutoOptimizer::Next CAutoOptimizer::Pause(const char* reason) {
    justOptimized_ = false;
    CurrentPauseReason() = reason;
    return kPause;
}

std::string CAutoOptimizer::PauseReason() {
    return CurrentPauseReason();
}
