#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends MTU 576, RWIN 3216 and TTL 64.
class CInternetAnalyzer : public CModuleAnalyzer {
public:
    DWORD mtu = 0;
    DWORD rwin = 0;
    DWORD ttl = 0;
    void Recommend() override {
        mtu = 576;
        rwin = 3216;
        ttl = 64;
    }
    BOOL CheckMTU(DWORD current, std::string& text) const {
        return Check(current, mtu, "-MTU will be adjusted for faster transmission.\n", text);
    }
    BOOL CheckRWIN(DWORD current, std::string& text) const {
        return Check(current, rwin, "-RWIN will be adjusted for faster transmission.\n", text);
    }
    BOOL CheckDefaultTTL(DWORD current, std::string& text) const {
        return Check(current, ttl, "-TTL will be adjusted for faster transmission.\n", text);
    }
};
