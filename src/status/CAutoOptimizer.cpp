#include "status/CAutoOptimizer.h"

#include "platform/CMemoryFigures.h"
#include "status/CMemoryOptimizer.h"

bool CAutoOptimizer::Watch() {
    DWORD threshold = 0;
    settings_.GetAutoMemOptimize(threshold);
    if (!IsBelowThreshold(CMemoryFigures::AvailablePhysical(), threshold))
        return false;
    optimizer_.Optimize(CMemoryOptimizer::ScriptPath());
    SetTrayState(kTrayOptimizing);
    return true;
}

bool CAutoOptimizer::Recover() {
    if (!HasRecovered(CMemoryFigures::AvailablePhysical()))
        return false;
    SetTrayState(kTrayNormal);
    return true;
}
