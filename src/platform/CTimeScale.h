#pragma once

#include <windows.h>

// Timer periods and waits of the program pass through here so that tests can run them faster.
// The program never changes the divisor; only test code does.
class CTimeScale {
public:
    // The period to give SetTimer for a nominal period in milliseconds (at least 1 ms).
    static UINT Period(UINT milliseconds);
    static void Sleep(DWORD milliseconds);

    // Test use only: every period and wait is divided by `divisor` (1 restores real time).
    static void SetDivisor(UINT divisor);
};
