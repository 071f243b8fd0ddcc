#include "support/ReportedMemory.h"

namespace {

SIZE_T HeldAt(ULONGLONG bytes, ULONGLONG limit) {
    return static_cast<SIZE_T>(bytes < limit ? bytes : limit);
}

} // namespace

CMemoryFigures::SystemCalls ReportedMemory(std::function<CMemoryFigures::Figures()> machine,
                                           MemoryPath path) {
    CMemoryFigures::SystemCalls calls;
    const ULONGLONG limit = path == MemoryPath::kNt ? 0x7FFFFFFFull : 0xFFFFFFFFull;
    calls.status = [machine, limit](MEMORYSTATUS& status) {
        const CMemoryFigures::Figures figures = machine();
        status.dwTotalPhys = HeldAt(figures.totalPhysical, limit);
        status.dwAvailPhys = HeldAt(figures.availablePhysical, limit);
    };
    if (path == MemoryPath::kNt) {
        calls.statusEx = [machine](MEMORYSTATUSEX& status) {
            const CMemoryFigures::Figures figures = machine();
            status.ullTotalPhys = figures.totalPhysical;
            status.ullAvailPhys = figures.availablePhysical;
            return TRUE;
        };
    }
    return calls;
}

CMemoryFigures::SystemCalls ReportedMemory(ULONGLONG totalBytes, ULONGLONG availableBytes,
                                           MemoryPath path) {
    return ReportedMemory(
        [totalBytes, availableBytes] {
            CMemoryFigures::Figures figures;
            figures.totalPhysical = totalBytes;
            figures.availablePhysical = availableBytes;
            return figures;
        },
        path);
}
