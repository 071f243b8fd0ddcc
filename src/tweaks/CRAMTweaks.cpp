#include "tweaks/CRAMTweaks.h"

#include <cstdlib>

#include "tweaks/HelpText.h"
#include "tweaks/ProfileNumbers.h"

template class CTweakModule<CRAMTweaks>;

namespace {

const char kExplorerKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kMemoryManagementKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kPriorityControlKey[] = "SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const char kEnhancedSection[] = "386Enh";
const DWORD kEnhancedDigits = 4; // buffer size: three digits and the NUL

const char kWorksEverywhere[] = "95/98/ME/NT/2000/XP";
const char kWorksOnNineX[] = "95/98/ME";
const char kWorksOnNT[] = "NT/2000/XP";

// The System Cache choices (MB) and the lock limits (bytes) they stand for.
const struct {
    DWORD choice;
    DWORD bytes;
} kLockLimits[] = {{0, 0}, {4, 4096}, {8, 8192}, {16, 16384}, {32, 32768}, {64, 65536}};
const DWORD kOtherChoice = 4;
const DWORD kOtherBytes = 4096;

} // namespace

void CRAMTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(virtualMemoryMin);
    archive.Exchange(virtualMemoryMax);
    archive.Exchange(virtualMemoryPath);
    archive.Exchange(alwaysUnloadDLL);
    archive.Exchange(disablePagingExecutive);
    archive.Exchange(ioPageLockLimit);
    archive.Exchange(win32PrioritySeparation);
    archive.Exchange(conservativeSwapfileUsage);
    archive.Exchange(minSPs);
}

BOOL CRAMTweaks::GetAlwaysUnloadDLL(DWORD& flag) {
    flag = 0;
    std::string text = "0";
    if (!GetStringValue(HKEY_LOCAL_MACHINE, kExplorerKey, "AlwaysUnloadDLL", text))
        return FALSE;
    flag = std::atoi(text.c_str()) != 0 ? 1 : 0;
    return TRUE;
}

BOOL CRAMTweaks::SetAlwaysUnloadDLL(DWORD value) {
    return SetStringValue(HKEY_LOCAL_MACHINE, kExplorerKey, "AlwaysUnloadDLL",
                          std::to_string(value));
}

BOOL CRAMTweaks::GetNumberAsFlag(const char* subKey, const char* valueName, DWORD preset,
                                 DWORD& flag) const {
    flag = preset;
    DWORD stored = preset;
    if (!GetDwordValue(HKEY_LOCAL_MACHINE, subKey, valueName, stored))
        return FALSE;
    flag = stored != 0 ? 1 : 0;
    return TRUE;
}

BOOL CRAMTweaks::GetDisablePagingExecutive(DWORD& flag) {
    return GetNumberAsFlag(kMemoryManagementKey, "DisablePagingExecutive", 0, flag);
}

BOOL CRAMTweaks::SetDisablePagingExecutive(DWORD value) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, kMemoryManagementKey, "DisablePagingExecutive", value);
}

BOOL CRAMTweaks::GetIoPageLockLimit(DWORD& choice) {
    choice = 0;
    DWORD bytes = 0;
    if (!GetDwordValue(HKEY_LOCAL_MACHINE, kMemoryManagementKey, "IoPageLockLimit", bytes))
        return FALSE;
    choice = kOtherChoice;
    for (const auto& limit : kLockLimits) {
        if (limit.bytes == bytes)
            choice = limit.choice;
    }
    return TRUE;
}

BOOL CRAMTweaks::SetIoPageLockLimit(DWORD choice) {
    DWORD bytes = kOtherBytes;
    for (const auto& limit : kLockLimits) {
        if (limit.choice == choice)
            bytes = limit.bytes;
    }
    return SetDwordValue(HKEY_LOCAL_MACHINE, kMemoryManagementKey, "IoPageLockLimit", bytes);
}

BOOL CRAMTweaks::GetWin32PrioritySeparation(DWORD& flag) {
    return GetNumberAsFlag(kPriorityControlKey, "Win32PrioritySeparation", 1, flag);
}

BOOL CRAMTweaks::SetWin32PrioritySeparation(DWORD flag) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, kPriorityControlKey, "Win32PrioritySeparation",
                         flag != 0 ? 1 : 0);
}

BOOL CRAMTweaks::GetConservativeSwapfileUsage(DWORD& flag) {
    flag = ReadProfileNumber(SystemIniPath(), kEnhancedSection, "ConservativeSwapfileUsage",
                             kEnhancedDigits) != 0
               ? 1
               : 0;
    return TRUE;
}

BOOL CRAMTweaks::SetConservativeSwapfileUsage(DWORD value) {
    return WriteProfileNumberOrRemove(SystemIniPath(), kEnhancedSection,
                                      "ConservativeSwapfileUsage", value);
}

BOOL CRAMTweaks::GetMinSPs(DWORD& count) {
    count = static_cast<DWORD>(
        ReadProfileNumber(SystemIniPath(), kEnhancedSection, "MinSPs", kEnhancedDigits));
    return TRUE;
}

BOOL CRAMTweaks::SetMinSPs(DWORD count) {
    return WriteProfileNumberOrRemove(SystemIniPath(), kEnhancedSection, "MinSPs", count);
}

BOOL CRAMTweaks::GetVirtualMemory(DWORD& minimum, DWORD& maximum, std::string& path) {
    minimum = 0;
    maximum = 16384;
    path = windowsDirectory;
    return TRUE;
}

BOOL CRAMTweaks::GetHelpAutoUnloadDLL(std::string& text) {
    text = BuildHelpText(
        {"Auto Unload DLL Help",
         "Windows keeps the libraries (DLLs) a program has loaded in memory after the program "
         "has closed, in case they are needed again. That memory is then not available to the "
         "programs you run next. With this option Windows unloads libraries that are no longer "
         "used.",
         "Do not enable this option if your system has little memory, less than 64MB: loading "
         "libraries again and again slows it down.",
         "Check to unload the DLLs automatically.\n-- Uncheck to not unload the DLLs "
         "automatically.",
         "This option is not checked.", kWorksEverywhere});
    return TRUE;
}

BOOL CRAMTweaks::GetHelpSwapFileUsage(std::string& text) {
    text = BuildHelpText(
        {"Swap File Usage Help",
         "Windows moves parts of memory out to the swap file on the hard disk, even when there "
         "is memory to spare. A system with more than 128MB of memory needs the swap file much "
         "less; this option keeps Windows from using it while memory lasts.",
         "Check this option if your system has more than 128MB of RAM.",
         "Check to restrict Windows from using swap file\n-- Uncheck to not restrict Windows "
         "from using swap file.",
         "This option is not checked.", kWorksOnNineX});
    return TRUE;
}

BOOL CRAMTweaks::GetHelpStacks(std::string& text) {
    text = BuildHelpText(
        {"Stacks Help",
         "Spare stacks are extra memory that Windows keeps ready for drivers and programs, so "
         "that they do not crash when their own stack runs full. When the spare stacks run out, "
         "Windows reports an error.",
         "Change the number of stacks only after Windows has reported a spare stacks error.",
         "Check to select a different number of stacks.", "Not Applicable.", kWorksOnNineX});
    return TRUE;
}

BOOL CRAMTweaks::GetHelpCoreSystemPaging(std::string& text) {
    text = BuildHelpText(
        {"Core System Paging Help",
         "Windows normally lets parts of its core system be paged out of memory to the hard "
         "disk. On a system with enough memory, at least 256MB RAM, the core system files can "
         "stay in memory instead, where they are reached much faster than on the disk.",
         "Consider this option if your system has more than 256 MB of memory.",
         "Check this option to load Core System into Memory.\n-- Uncheck to load Core System "
         "in Hard disk.",
         "This option is not checked.", kWorksOnNT});
    return TRUE;
}

BOOL CRAMTweaks::GetHelpSystemFileCaching(std::string& text) {
    text = BuildHelpText(
        {"System File Caching Help",
         "Windows allows only a certain amount of memory to be locked for input/output "
         "operations such as reading and writing files. This option raises that amount, so "
         "that more file operations are served from memory.",
         "Start with the smallest number and increase it gradually while you watch how your "
         "system behaves.",
         "Check to set how much memory to allocate for File System Caching.", "Not Applicable.",
         kWorksOnNT});
    return TRUE;
}

BOOL CRAMTweaks::GetHelpBackgroundTasksPriority(std::string& text) {
    text = BuildHelpText(
        {"Background Tasks Priority Help",
         "By default Windows gives the program you are working with, in the foreground, more "
         "attention than the tasks running in the background.",
         "Check this option only if this computer is used as a server, where the background "
         "tasks are the important ones.",
         "Check to give background tasks as much resource as Foreground tasks.\n-- Uncheck to "
         "give full resources to Foreground tasks.",
         "This option is no checked.", kWorksOnNT});
    return TRUE;
}
