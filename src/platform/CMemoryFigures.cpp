#include "platform/CMemoryFigures.h"

namespace {

CMemoryFigures::Source& CurrentSource() {
    static CMemoryFigures::Source source;
    return source;
}

// A 32-bit program that is not large-address-aware is never told more than 2 GB of either figure.
// A 64-bit build is told the machine's true figures, which need not fit in 32 bits: it stops at
// the same ceiling, so that every rule sees what it sees in the program users get.
DWORD Clamped(SIZE_T bytes) {
    const SIZE_T kCeiling = 0x7FFFFFFF;
    if (sizeof(SIZE_T) > sizeof(DWORD) && bytes > kCeiling)
        return static_cast<DWORD>(kCeiling);
    return static_cast<DWORD>(bytes);
}

} // namespace

CMemoryFigures::Figures CMemoryFigures::Query() {
    if (CurrentSource())
        return CurrentSource()();
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return Figures{Clamped(status.dwTotalPhys), Clamped(status.dwAvailPhys)};
}

void CMemoryFigures::SetSource(Source source) {
    CurrentSource() = std::move(source);
}
