#pragma once

#include <functional>
#include <windows.h>

#include "platform/CMemoryFigures.h"

// What a 32-bit program is told about a machine's memory. On the NT path (2000 and later)
// GlobalMemoryStatusEx gives the exact figures and GlobalMemoryStatus holds both at 2 GB, as it
// does for a program that is not large-address aware; on the 9x path (95, 98, ME, NT 4) there is
// only GlobalMemoryStatus, whose figures stop at 4 GB less one byte.
enum class MemoryPath { kNt, k9x };

constexpr ULONGLONG kMegabyte = 1048576;

// `machine` is asked for its total and free bytes at every call.
CMemoryFigures::SystemCalls ReportedMemory(std::function<CMemoryFigures::Figures()> machine,
                                           MemoryPath path = MemoryPath::kNt);
CMemoryFigures::SystemCalls ReportedMemory(ULONGLONG totalBytes, ULONGLONG availableBytes,
                                           MemoryPath path = MemoryPath::kNt);

// The machine's memory as the program reads it for as long as the object lives: `totalBytes`,
// half of it free unless told otherwise.
class CMachineMemory {
public:
    explicit CMachineMemory(ULONGLONG totalBytes) { Set(totalBytes, totalBytes / 2); }
    ~CMachineMemory() { CMemoryFigures::SetSource({}); }
    CMachineMemory(const CMachineMemory&) = delete;
    CMachineMemory& operator=(const CMachineMemory&) = delete;
    void Set(ULONGLONG totalBytes, ULONGLONG availableBytes) {
        CMemoryFigures::SetSource(ReportedMemory(totalBytes, availableBytes));
    }
};
