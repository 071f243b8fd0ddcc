#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends that non-responding applications are closed at shutdown (9x family).
class CShutdownAnalyzer : public CModuleAnalyzer {
public:
    DWORD autoEndTasks = 0;
    void Recommend() override { autoEndTasks = 1; }
    BOOL CheckAutoEndTasks(DWORD current, std::string& text) const {
        return Check(current, autoEndTasks, "-Non Responding Apps will be auto closed.\n", text);
    }
};
