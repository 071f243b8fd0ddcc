#include "tweaks/CHDDTweaks.h"

#include "platform/WipeDirectory.h"
#include "tweaks/HelpText.h"
#include "tweaks/ProfileNumbers.h"
#include "tweaks/TempFolderRules.h"

template class CTweakModule<CHDDTweaks>;

namespace {

const char kFileSystemKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const char kDiskControllerKey[] = "System\\CurrentControlSet\\Services\\Class\\hdc\\0000";
const char kVCacheSection[] = "vcache";
const DWORD kVCacheDigits = 8; // buffer size: seven digits and the NUL

const char kWorksOnNineX[] = "95/98/ME";

} // namespace

void CHDDTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(minFileCache);
    archive.Exchange(maxFileCache);
    archive.Exchange(chunkSize);
    archive.Exchange(contigFileAllocSize);
    archive.Exchange(forceFIFO);
}

BOOL CHDDTweaks::GetContigFileAllocSize(DWORD& size) {
    size = 512;
    return GetDwordValue(HKEY_LOCAL_MACHINE, kFileSystemKey, "ContigFileAllocSize", size);
}

BOOL CHDDTweaks::SetContigFileAllocSize(DWORD size) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, kFileSystemKey, "ContigFileAllocSize", size);
}

BOOL CHDDTweaks::GetVCache(DWORD& minimum, DWORD& maximum, DWORD& chunk) {
    const std::string ini = SystemIniPath();
    minimum =
        static_cast<DWORD>(ReadProfileNumber(ini, kVCacheSection, "MinFileCache", kVCacheDigits));
    maximum =
        static_cast<DWORD>(ReadProfileNumber(ini, kVCacheSection, "MaxFileCache", kVCacheDigits));
    chunk = static_cast<DWORD>(ReadProfileNumber(ini, kVCacheSection, "Chunksize", kVCacheDigits));
    return TRUE;
}

BOOL CHDDTweaks::SetVCache(DWORD minimum, DWORD maximum, DWORD chunk) {
    const std::string ini = SystemIniPath();
    const struct {
        const char* key;
        DWORD value;
    } writes[] = {{"MinFileCache", minimum}, {"MaxFileCache", maximum}, {"Chunksize", chunk}};
    for (const auto& write : writes) {
        if (!WriteProfileNumberOrRemove(ini, kVCacheSection, write.key, write.value))
            return FALSE;
    }
    return TRUE;
}

BOOL CHDDTweaks::GetForceFIFO(DWORD& flag) {
    flag = 1;
    std::string text = "1";
    if (!GetStringValue(HKEY_LOCAL_MACHINE, kDiskControllerKey, "ForceFIFO", text))
        return FALSE;
    flag = text == "0" ? 0 : 1;
    return TRUE;
}

BOOL CHDDTweaks::SetForceFIFO(DWORD flag) {
    return SetStringValue(HKEY_LOCAL_MACHINE, kDiskControllerKey, "ForceFIFO",
                          flag != 0 ? "1" : "0");
}

BOOL CHDDTweaks::ClearTempFolder() {
    const TempFolderPlaces places = CollectTempFolderPlaces();
    if (IsTempFolderRefused(places))
        return FALSE;
    std::string folder = places.fullTempPath.empty() ? places.tempPath : places.fullTempPath;
    if (folder.back() == '\\')
        folder.pop_back();
    return WipeDirectory(folder) == 0 ? TRUE : FALSE;
}

BOOL CHDDTweaks::GetHelpFileCache(std::string& text) {
    text = BuildHelpText(
        {"File Cache Help",
         "This option is meant for disk-intensive work. The contiguous file allocation size "
         "sets how much of a file Windows reads from the disk into memory at a time, so that "
         "programs that read large files wait less for the disk.",
         "512 KB is the size most systems use. If you often work with large amounts of data, "
         "such as video, sound or large databases, choose 1024 KB or 2048 KB.",
         "Check to select a file cache size.", "Not Applicable.", kWorksOnNineX});
    return TRUE;
}

BOOL CHDDTweaks::GetHelpVCache(std::string& text) {
    text = BuildHelpText(
        {"VCache Help",
         "By default Windows sets no limit on how much memory its disk cache may take. The cache "
         "can grow until programs run short of memory, which causes delays and memory errors. "
         "Giving the cache a starting size and a limit avoids both.",
         "With less than 16 MB of memory, use 0 as the minimum, 4096 as the maximum and 512 as "
         "the chunk size. With more than 16 MB, set the maximum to about 25% of your total "
         "memory.",
         "Check to select the minimum, maximum and the chunk size for disk caching.",
         "Not Applicable.", kWorksOnNineX});
    return TRUE;
}

BOOL CHDDTweaks::GetHelpFIFO(std::string& text) {
    text = BuildHelpText(
        {"FIFO Help",
         "FIFO stands for first in, first out: the data that is passed to the hard disk "
         "controller first is the data that is read out first.",
         "Consider this option if you use applications that read and write the disk at random "
         "places, such as databases.",
         "Check to use FIFO.\n-- Uncheck to not use FIFO.", "This option is not checked.",
         kWorksOnNineX});
    return TRUE;
}
