#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends no font smoothing and an icon cache of 8192 icons (the latter on the 9x family).
class CDesktopAnalyzer : public CModuleAnalyzer {
public:
    DWORD fontSmoothing = 0;
    DWORD maxCachedIcons = 0;
    void Recommend() override {
        fontSmoothing = 0;
        maxCachedIcons = 8192;
    }
    BOOL CheckFontSmoothing(DWORD current, std::string& text) const {
        return Check(current, fontSmoothing,
                     "-Font Smoothing will be adjusted for Increased System Resource.\n", text);
    }
    BOOL CheckMaxCachedIcons(DWORD current, std::string& text) const {
        return Check(current, maxCachedIcons,
                     "-Icon Cache size will be adjusted for optimal usage.\n", text);
    }
};
