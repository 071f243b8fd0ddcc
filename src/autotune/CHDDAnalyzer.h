#pragma once

#include "autotune/CModuleAnalyzer.h"

// Recommends the disk cache, the contiguous file allocation size and no FIFO (9x family).
class CHDDAnalyzer : public CModuleAnalyzer {
public:
    DWORD minFileCache = 0;
    DWORD maxFileCache = 0;
    DWORD chunkSize = 0;
    DWORD contigFileAllocSize = 0;
    DWORD forceFIFO = 0;
    // From the machine's physical memory.
    void Recommend() override;
    // Only the chunk size decides.
    BOOL CheckVCache(DWORD currentChunkSize, std::string& text) const {
        return Check(currentChunkSize, chunkSize,
                     "-VCache size will be adjusted for optimal usage.\n", text);
    }
    BOOL CheckContigFileAllocSize(DWORD current, std::string& text) const {
        return Check(current, contigFileAllocSize,
                     "-Contiguous File size will be adjusted for optimal usage.\n", text);
    }
    BOOL CheckForceFIFO(DWORD current, std::string& text) const {
        return Check(current, forceFIFO, "-FIFO will be adjusted for faster HD access.\n", text);
    }
};
