#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends the 48X speed code and the Large cache.
class CCDROMAnalyzer : public CModuleAnalyzer {
public:
    DWORD cdSpeed = 0;   // speed code
    DWORD cacheSize = 0; // cache choice
    void Recommend() override {
        cdSpeed = 48;
        cacheSize = 2;
    }
    BOOL CheckCDSpeed(DWORD current, std::string& text) const {
        return Check(current, cdSpeed, "-CD Speed will be adjusted for faster read/write.\n", text);
    }
};
