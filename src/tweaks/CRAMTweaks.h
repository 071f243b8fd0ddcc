#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Memory module: unloading unused libraries; on the NT family the paging of the kernel, the
// lock limit for input/output pages and the foreground/background priority split; on the 9x
// family the swap file policy and the spare stacks in section 386Enh of System.ini.
class CRAMTweaks : public CTweakModule<CRAMTweaks> {
public:
    static constexpr const char* kClassName = "CRAMTweaks";
    static constexpr const char* kBackupFileName = "\\ram.tvb";

    // The record a backup stores, in declared and archive order. The three virtual memory
    // fields are carried but never committed.
    DWORD virtualMemoryMin = 0;
    DWORD virtualMemoryMax = 0;
    std::string virtualMemoryPath;
    DWORD alwaysUnloadDLL = 0;
    DWORD disablePagingExecutive = 0;    // NT family, else 0
    DWORD ioPageLockLimit = 0;           // 0, 4, 8, 16, 32 or 64; NT family, else 0
    DWORD win32PrioritySeparation = 0;   // 0 or 1; NT family, else 0
    DWORD conservativeSwapfileUsage = 0; // 9x family, else 0
    DWORD minSPs = 0;                    // 9x family, else 0

    void ExchangeFields(CArchive& archive);

    // 0 when missing.
    BOOL GetAlwaysUnloadDLL(DWORD& flag);
    BOOL SetAlwaysUnloadDLL(DWORD value);
    BOOL GetDisablePagingExecutive(DWORD& flag);
    BOOL SetDisablePagingExecutive(DWORD value);
    // The System Cache choice in MB: the stored bytes 4096 to 65536 map to 4 to 64, 0 to 0, and
    // anything else to 4.
    BOOL GetIoPageLockLimit(DWORD& choice);
    BOOL SetIoPageLockLimit(DWORD choice);
    // 1 (the stored value is not 0) when missing.
    BOOL GetWin32PrioritySeparation(DWORD& flag);
    BOOL SetWin32PrioritySeparation(DWORD flag);
    // System.ini values; missing keys read as 0 and a 0 removes the key.
    BOOL GetConservativeSwapfileUsage(DWORD& flag);
    BOOL SetConservativeSwapfileUsage(DWORD value);
    BOOL GetMinSPs(DWORD& count);
    BOOL SetMinSPs(DWORD count);
    // The reserved virtual memory fields: 0, 16384 and the Windows directory. Reads nothing.
    BOOL GetVirtualMemory(DWORD& minimum, DWORD& maximum, std::string& path);

    BOOL GetHelpAutoUnloadDLL(std::string& text);
    BOOL GetHelpSwapFileUsage(std::string& text);
    BOOL GetHelpStacks(std::string& text);
    BOOL GetHelpCoreSystemPaging(std::string& text);
    BOOL GetHelpSystemFileCaching(std::string& text);
    BOOL GetHelpBackgroundTasksPriority(std::string& text);

private:
    // Reads a number under HKEY_LOCAL_MACHINE as a flag (1 when it is not 0); a missing value
    // leaves `preset`.
    BOOL GetNumberAsFlag(const char* subKey, const char* valueName, DWORD preset,
                         DWORD& flag) const;
};
