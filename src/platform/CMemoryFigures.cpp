#include "platform/CMemoryFigures.h"

namespace {
CMemoryFigures::Source& CurrentSource() {
    static CMemoryFigures::Source source;
    return source;
}
} // namespace

CMemoryFigures::Figures CMemoryFigures::Query() {
    if (CurrentSource())
        return CurrentSource()();
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    return Figures{static_cast<DWORD>(status.dwTotalPhys), static_cast<DWORD>(status.dwAvailPhys)};
}

void CMemoryFigures::SetSource(Source source) {
    CurrentSource() = std::move(source);
}
