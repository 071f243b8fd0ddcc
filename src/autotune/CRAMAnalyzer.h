#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends unloading unused libraries, keeping the core system in memory (NT family) and
// conservative swap-file use (9x family).
class CRAMAnalyzer : public CModuleAnalyzer {
public:
    DWORD alwaysUnloadDLL = 0;
    DWORD disablePagingExecutive = 0;
    DWORD conservativeSwapfileUsage = 0;
    void Recommend() override {
        alwaysUnloadDLL = 1;
        disablePagingExecutive = 1;
        conservativeSwapfileUsage = 1;
    }
    BOOL CheckAlwaysUnloadDLL(DWORD current, std::string& text) const {
        return Check(current, alwaysUnloadDLL,
                     "-DLLs will be unloaded to save Windows Resources.\n", text);
    }
    BOOL CheckDisablePagingExecutive(DWORD current, std::string& text) const {
        return Check(current, disablePagingExecutive,
                     "-Core System Files will be paged for faster access.\n", text);
    }
    BOOL CheckConservativeSwapfileUsage(DWORD current, std::string& text) const {
        return Check(current, conservativeSwapfileUsage,
                     "-SwapFile will be used conservatively for higher performance.\n", text);
    }
};
