#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Hard disk module: disk caching on the 9x family (the contiguous file allocation size of the
// file system, the vcache limits in System.ini, the FIFO switch of the first hard disk
// controller), and emptying the user's temporary folder on request.
class CHDDTweaks : public CTweakModule<CHDDTweaks> {
public:
    static constexpr const char* kClassName = "CHDDTweaks";
    static constexpr const char* kBackupFileName = "\\hdd.tvb";

    // The record a backup stores (all five 0 on a system outside the 9x family).
    DWORD minFileCache = 0; // KB
    DWORD maxFileCache = 0; // KB
    DWORD chunkSize = 0;    // KB
    DWORD contigFileAllocSize = 0;
    DWORD forceFIFO = 0;

    void ExchangeFields(CArchive& archive);

    // 512 when the value is missing.
    BOOL GetContigFileAllocSize(DWORD& size);
    BOOL SetContigFileAllocSize(DWORD size);
    // Keys that are missing read as 0; always succeeds.
    BOOL GetVCache(DWORD& minimum, DWORD& maximum, DWORD& chunk);
    // A 0 removes its key. Stops at the first write that fails.
    BOOL SetVCache(DWORD minimum, DWORD maximum, DWORD chunk);
    // 0 only for the text "0"; 1 for anything else and when the value is missing.
    BOOL GetForceFIFO(DWORD& flag);
    BOOL SetForceFIFO(DWORD flag);

    // Empties the temporary folder, keeping the folder and its index.dat files. 0 when any entry
    // could not be removed (a file in use), and 0 with nothing deleted when the folder is refused
    // (see TempFolderRules.h).
    BOOL ClearTempFolder();

    BOOL GetHelpFileCache(std::string& text);
    BOOL GetHelpVCache(std::string& text);
    BOOL GetHelpFIFO(std::string& text);
};
