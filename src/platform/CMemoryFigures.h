#pragma once

#include <functional>
#include <windows.h>

// Physical memory as the system reports it, in 64-bit byte counts: GlobalMemoryStatusEx where
// the system has it (2000 and later), GlobalMemoryStatus on 95, 98, ME and NT 4. The older
// function's figures do not fit beyond 4 GB, and on 2000 and XP it holds both at 2 GB for a
// program that is not large-address aware (then nothing at all would seem used). Every rule that
// depends on the machine's memory takes its figures from here, so that tests can give exact
// figures.
class CMemoryFigures {
public:
    struct Figures {
        ULONGLONG totalPhysical = 0;     // bytes
        ULONGLONG availablePhysical = 0; // bytes, never more than the total
    };

    // The two system functions Query calls. Without `statusEx` the system is one that lacks
    // GlobalMemoryStatusEx; a FALSE from it sends Query to `status` too.
    struct SystemCalls {
        std::function<void(MEMORYSTATUS&)> status;
        std::function<BOOL(MEMORYSTATUSEX&)> statusEx;
    };

    static Figures Query();
    static ULONGLONG TotalPhysical() { return Query().totalPhysical; }
    static ULONGLONG AvailablePhysical() { return Query().availablePhysical; }

    // Test use only: the calls Query makes instead of the system's; without `status` the
    // system's functions are called again.
    static void SetSource(SystemCalls calls);
};
