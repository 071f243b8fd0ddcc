#include "platform/CMemoryFigures.h"

#include "platform/COptionalApi.h"

namespace {

CMemoryFigures::SystemCalls& CurrentSource() {
    static CMemoryFigures::SystemCalls source;
    return source;
}

BOOL SystemStatusEx(MEMORYSTATUSEX& status) {
    using StatusExFunction = BOOL(WINAPI*)(MEMORYSTATUSEX*);
    const FARPROC found = COptionalApi::Find(COptionalApi::kGlobalMemoryStatusEx);
    if (found == nullptr)
        return FALSE;
    return reinterpret_cast<StatusExFunction>(reinterpret_cast<void*>(found))(&status);
}

CMemoryFigures::Figures Held(ULONGLONG total, ULONGLONG available) {
    CMemoryFigures::Figures figures;
    figures.totalPhysical = total;
    figures.availablePhysical = available < total ? available : total;
    return figures;
}

} // namespace

CMemoryFigures::Figures CMemoryFigures::Query() {
    const SystemCalls& source = CurrentSource();
    const bool faked = static_cast<bool>(source.status);

    MEMORYSTATUSEX extended = {};
    extended.dwLength = sizeof(extended);
    const BOOL haveExtended =
        faked ? (source.statusEx ? source.statusEx(extended) : FALSE) : SystemStatusEx(extended);
    if (haveExtended && extended.ullTotalPhys != 0)
        return Held(extended.ullTotalPhys, extended.ullAvailPhys);

    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    if (faked)
        source.status(status);
    else
        GlobalMemoryStatus(&status);
    return Held(status.dwTotalPhys, status.dwAvailPhys);
}

void CMemoryFigures::SetSource(SystemCalls calls) {
    CurrentSource() = std::move(calls);
}
