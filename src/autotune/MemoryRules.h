#pragma once

#include <windows.h>

// Recommendations that depend on the machine's physical memory, in kilobytes (the total physical
// memory shifted right by 10, held at the largest signed number).

struct VCacheSizes {
    DWORD minimum; // KB
    DWORD maximum; // KB
    DWORD chunk;   // KB
};

int PhysicalMemoryKilobytes(ULONGLONG totalPhysicalBytes);

// From 16385 KB on, the disk cache is fixed at a quarter of the memory (minimum and maximum
// alike, truncated); below, it may grow from nothing to 4096 KB. Chunks are 512 KB.
VCacheSizes RecommendedVCache(int kilobytes);

// The contiguous file allocation size the hard disk page offers for the memory: 512 KB up to
// 131072 KB of memory, 1024 KB up to 262144 KB, 2048 KB above.
DWORD RecommendedContigFileAllocSize(int kilobytes);
