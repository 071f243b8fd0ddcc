#include "autotune/CHDDAnalyzer.h"

#include "autotune/MemoryRules.h"
#include "platform/CMemoryFigures.h"

void CHDDAnalyzer::Recommend() {
    const int kilobytes = PhysicalMemoryKilobytes(CMemoryFigures::TotalPhysical());
    const VCacheSizes vcache = RecommendedVCache(kilobytes);
    minFileCache = vcache.minimum;
    maxFileCache = vcache.maximum;
    chunkSize = vcache.chunk;
    contigFileAllocSize = RecommendedContigFileAllocSize(kilobytes);
    forceFIFO = 0;
}
