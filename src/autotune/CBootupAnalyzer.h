#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends that neither Drivespace nor Doublespace is loaded (9x family).
class CBootupAnalyzer : public CModuleAnalyzer {
public:
    DWORD disableDrvSpace = 0;
    DWORD disableDblSpace = 0;
    void Recommend() override {
        disableDrvSpace = 1;
        disableDblSpace = 1;
    }
    BOOL CheckDrvSpace(DWORD current, std::string& text) const {
        return Check(current, disableDrvSpace,
                     "-Drivespace will not be loaded for a faster startup.\n", text);
    }
    BOOL CheckDblSpace(DWORD current, std::string& text) const {
        return Check(current, disableDblSpace,
                     "-Doublespace will not be loaded for a faster startup.\n", text);
    }
};
