#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends that submenus open after 50 ms.
class CStartMenuAnalyzer : public CModuleAnalyzer {
public:
    DWORD menuShowDelay = 0;
    void Recommend() override { menuShowDelay = 50; }
    BOOL CheckMenuShowDelay(DWORD current, std::string& text) const {
        return Check(current, menuShowDelay, "-Menu Speed will be adjusted for faster response.\n",
                     text);
    }
};
