#pragma once

#include <functional>
#include <windows.h>

// Physical memory as GlobalMemoryStatus reports it. Every rule that depends on the machine's
// memory takes its figures from here, so that tests can give exact figures.
class CMemoryFigures {
public:
    struct Figures {
        DWORD totalPhysical;     // bytes
        DWORD availablePhysical; // bytes
    };
    using Source = std::function<Figures()>;

    static Figures Query();
    static DWORD TotalPhysical() { return Query().totalPhysical; }
    static DWORD AvailablePhysical() { return Query().availablePhysical; }

    // Test use only: an empty source restores the system's figures.
    static void SetSource(Source source);
};
