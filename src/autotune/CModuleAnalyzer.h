#pragma once

#include <string>
#include <windows.h>

// The pattern every module analyser follows: Recommend computes and stores the recommended
// values; each check compares one current value with its recommendation, returns 1 when they are
// equal and otherwise 0 with the tweak's line in the text.
class CModuleAnalyzer {
public:
    virtual ~CModuleAnalyzer() = default;
    virtual void Recommend() = 0;

protected:
    static BOOL Check(DWORD current, DWORD recommended, const char* line, std::string& text) {
        if (current == recommended)
            return TRUE;
        text = line;
        return FALSE;
    }
};
