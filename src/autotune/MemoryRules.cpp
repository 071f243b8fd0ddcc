#include "autotune/MemoryRules.h"

int PhysicalMemoryKilobytes(ULONGLONG totalPhysicalBytes) {
    const ULONGLONG kilobytes = totalPhysicalBytes >> 10;
    return kilobytes > 0x7FFFFFFFull ? 0x7FFFFFFF : static_cast<int>(kilobytes);
}

VCacheSizes RecommendedVCache(int kilobytes) {
    if (kilobytes >= 16385) {
        const DWORD quarter = static_cast<DWORD>(kilobytes * 0.25);
        return VCacheSizes{quarter, quarter, 512};
    }
    return VCacheSizes{0, 4096, 512};
}

DWORD RecommendedContigFileAllocSize(int kilobytes) {
    if (kilobytes <= 131072)
        return 512;
    if (kilobytes <= 262144)
        return 1024;
    return 2048;
}
