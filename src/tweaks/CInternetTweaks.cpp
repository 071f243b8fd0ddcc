#include "tweaks/CInternetTweaks.h"

#include "platform/WipeDirectory.h"
#include "tweaks/HelpText.h"
#include "tweaks/InternetKeyLists.h"
#include "tweaks/TempFolderRules.h"

template class CTweakModule<CInternetTweaks>;

namespace {

const char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kDnsCacheKey[] = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The DNS cache hash table holds this many entries when doubled.
const DWORD kDoubledHashTableSize = 512;

const char kWorksOn[] = "95/98/ME/NT/2000";
const char kNotApplicable[] = "Not Applicable.";

// The help of a TCP/IP tuning: no recommendation, no default.
std::string TuningHelp(const char* title, const char* explanation, const char* option) {
    return BuildHelpText({title, explanation, kNoRecommendation, option, kNotApplicable, kWorksOn});
}

} // namespace

void CInternetTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(mtu);
    archive.Exchange(rwin);
    archive.Exchange(ttl);
}

BOOL CInternetTweaks::GetMTU(DWORD& value) {
    value = 1500;
    return ReadKeyList(osFamily, BuildMTUKeyList(osFamily), value);
}

BOOL CInternetTweaks::SetMTU(DWORD value) {
    return WriteKeyList(osFamily, BuildMTUKeyList(osFamily), value);
}

BOOL CInternetTweaks::GetRWIN(DWORD& value) {
    value = 8760;
    return ReadKeyList(osFamily, BuildRWINKeyList(osFamily), value);
}

BOOL CInternetTweaks::SetRWIN(DWORD value) {
    return WriteKeyList(osFamily, BuildRWINKeyList(osFamily), value);
}

BOOL CInternetTweaks::GetDefaultTTL(DWORD& value) {
    value = 60;
    return ReadKeyList(osFamily, BuildTTLKeyList(osFamily), value);
}

BOOL CInternetTweaks::SetDefaultTTL(DWORD value) {
    return WriteKeyList(osFamily, BuildTTLKeyList(osFamily), value);
}

BOOL CInternetTweaks::GetMaxConnectionsPerServer(DWORD& count) {
    count = 4;
    return GetDwordValue(HKEY_CURRENT_USER, kInternetSettingsKey, "MaxConnectionsPerServer", count);
}

BOOL CInternetTweaks::SetMaxConnectionsPerServer(DWORD count) {
    if (!SetDwordValue(HKEY_CURRENT_USER, kInternetSettingsKey, "MaxConnectionsPerServer", count))
        return FALSE;
    return SetDwordValue(HKEY_CURRENT_USER, kInternetSettingsKey, "MaxConnectionsPer1_0Server",
                         count);
}

BOOL CInternetTweaks::GetDoubleDNSCache(DWORD& doubled) {
    doubled = 0;
    DWORD hashTableSize = 210;
    if (!GetDwordValue(HKEY_LOCAL_MACHINE, kDnsCacheKey, "CacheHashTableSize", hashTableSize))
        return FALSE;
    doubled = hashTableSize == kDoubledHashTableSize ? 1 : 0;
    return TRUE;
}

BOOL CInternetTweaks::SetDoubleDNSCache(DWORD doubled) {
    struct CacheValue {
        const char* name;
        DWORD doubled;
        DWORD normal;
    };
    static const CacheValue kValues[] = {
        {"CacheHashTableBucketSize", 20, 10},
        {"CacheHashTableSize", kDoubledHashTableSize, 210},
        {"MaxCacheEntryTtlLimit", 172800, 86400},
        {"MaxSOACacheEntryTtlLimit", 600, 300},
    };
    for (const CacheValue& value : kValues)
        if (!SetDwordValue(HKEY_LOCAL_MACHINE, kDnsCacheKey, value.name,
                           doubled == 1 ? value.doubled : value.normal))
            return FALSE;
    return TRUE;
}

BOOL CInternetTweaks::ClearShellFolder(const char* valueName, const char* windowsSubfolder) const {
    std::string folder;
    GetStringValue(HKEY_CURRENT_USER, kShellFoldersKey, valueName, folder);
    if (folder.empty())
        folder = windowsDirectory + windowsSubfolder;
    // Emptying deletes everything beneath the folder, and the shell folder can name any folder
    // at all: a drive, the Windows or profile folder or a relative path is never emptied.
    if (IsNamedFolderRefused(folder, CollectTempFolderPlaces()))
        return FALSE;
    return WipeDirectory(folder) == 0 ? TRUE : FALSE;
}

BOOL CInternetTweaks::ClearCookies() {
    return ClearShellFolder("Cookies", "\\Cookies");
}

BOOL CInternetTweaks::ClearTemporaryInternetFiles() {
    return ClearShellFolder("Cache", "\\Temporary Internet Files");
}

BOOL CInternetTweaks::ClearHistory() {
    return ClearShellFolder("History", "\\History");
}

BOOL CInternetTweaks::GetHelpMTU(std::string& text) {
    text = TuningHelp(
        "MTU Help",
        "MTU stands for Maximum Transmission Unit: the largest amount of data, in bytes, that "
        "is sent and received in one piece between your computer and your Internet service "
        "provider (ISP). A value that suits your connection keeps data from being split up on "
        "its way.",
        "Check to change the MTU value.");
    return TRUE;
}

BOOL CInternetTweaks::GetHelpRWIN(std::string& text) {
    text = TuningHelp(
        "RWIN Help",
        "RWIN stands for Receive Window: how much data your modem can receive at a given "
        "moment before your computer has to confirm it.",
        "Check to change the RWIN value.");
    return TRUE;
}

BOOL CInternetTweaks::GetHelpTTL(std::string& text) {
    text = TuningHelp(
        "TTL Help",
        "TTL stands for Time To Live: how long information sent to your computer may take on "
        "its way before it times out and has to be sent again.",
        "Check to change the TTL value.");
    return TRUE;
}

BOOL CInternetTweaks::GetHelpMaxDownload(std::string& text) {
    text = BuildHelpText(
        {"Max Download Help",
         "Your web browser limits how many downloads can run at the same time. A higher limit "
         "lets you download more files simultaneously.",
         "Enter a higher number to have more downloads at once. E.g 10.",
         "Check to change how many downloads you can have simultaneously.", kNotApplicable,
         kWorksOn});
    return TRUE;
}

BOOL CInternetTweaks::GetHelpDNSCache(std::string& text) {
    text = BuildHelpText(
        {"DNS Cache Size Help",
         "The DNS cache remembers the names of the sites you visit together with their "
         "addresses, so that a site you come back to loads faster without being looked up "
         "again.",
         "If looking up sites is slow on your connection, double the DNS cache size to speed it "
         "up.",
         "Check to double the DNS Cache Size.", "This option is not checked.", kWorksOn});
    return TRUE;
}
