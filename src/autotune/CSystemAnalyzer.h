#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends a 5000 ms wait before a non-responding application counts as hung.
class CSystemAnalyzer : public CModuleAnalyzer {
public:
    DWORD hungAppTimeout = 0;
    void Recommend() override { hungAppTimeout = 5000; }
    BOOL CheckHungAppTimeout(DWORD current, std::string& text) const {
        return Check(current, hungAppTimeout,
                     "-App Timeout will be adjusted for a quicker response.\n", text);
    }
};
