#include "tweaks/CCDROMTweaks.h"

#include "tweaks/CDFSValues.h"
#include "tweaks/HelpText.h"

template class CTweakModule<CCDROMTweaks>;

namespace {

const char kCDFSKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const char kCDRomKey[] = "SYSTEM\\CurrentControlSet\\Services\\CDRom";
const char kPoliciesKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

const char kWorksEverywhere[] = "95/98/ME/NT/2000/XP";

// The help of an Auto Play switch.
std::string AutoPlayHelp(const char* title, const char* explanation) {
    return BuildHelpText({title, explanation, kNoRecommendation,
                          "Check to use Auto Play.\n-- Uncheck to not use AutoPlay.",
                          "This option is checked.", kWorksEverywhere});
}

} // namespace

void CCDROMTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(cdSpeed);
    archive.Exchange(cacheSize);
    archive.Exchange(autorun);
    archive.Exchange(dataAutoPlay);
}

BOOL CCDROMTweaks::GetCDFS(DWORD& speedCode, DWORD& cacheChoice) {
    DWORD prefetch = 0;
    if (!GetBinaryValue(HKEY_LOCAL_MACHINE, kCDFSKey, "Prefetch", prefetch))
        return FALSE;
    speedCode = SpeedForPrefetch(prefetch);
    DWORD size = 0;
    if (!GetBinaryValue(HKEY_LOCAL_MACHINE, kCDFSKey, "CacheSize", size))
        return FALSE;
    cacheChoice = CacheChoiceForSize(size);
    return TRUE;
}

BOOL CCDROMTweaks::SetCDFS(DWORD speedCode, DWORD cacheChoice) {
    if (!SetBinaryValue(HKEY_LOCAL_MACHINE, kCDFSKey, "Prefetch", PrefetchForSpeed(speedCode)))
        return FALSE;
    return SetBinaryValue(HKEY_LOCAL_MACHINE, kCDFSKey, "CacheSize",
                          CacheSizeForChoice(cacheChoice));
}

BOOL CCDROMTweaks::GetAutorun(DWORD& enabled) {
    enabled = 1;
    DWORD value = 1;
    if (!GetDwordValue(HKEY_LOCAL_MACHINE, kCDRomKey, "Autorun", value))
        return FALSE;
    enabled = value != 0 ? 1 : 0;
    return TRUE;
}

BOOL CCDROMTweaks::SetAutorun(DWORD value) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, kCDRomKey, "Autorun", value);
}

BOOL CCDROMTweaks::GetNoDriveTypeAutoRun(DWORD& enabled) {
    std::string excluded;
    GetStringValue(HKEY_USERS, kPoliciesKey, "NoDriveTypeAutoRun", excluded);
    enabled = excluded.empty() ? 1 : 0;
    return TRUE;
}

BOOL CCDROMTweaks::SetNoDriveTypeAutoRun(DWORD enabled) {
    return SetStringValue(HKEY_USERS, kPoliciesKey, "NoDriveTypeAutoRun", enabled != 0 ? "" : "1");
}

BOOL CCDROMTweaks::GetHelpCDSpeed(std::string& text) {
    text = BuildHelpText(
        {"CD Speed Help",
         "Windows assumes that every CD or DVD drive is a 4x drive and gives it the same cache, "
         "whatever the real speed of the drive is.",
         "Select the speed of your CD or DVD drive. Choose the Large cache size if CDs or DVDs "
         "play back jerkily.",
         "Check to select a more accurate CD speed according to your drive. You can also select "
         "to use a higher cache size.",
         "4x CD speed and default CD Cache Size.", kWorksEverywhere});
    return TRUE;
}

BOOL CCDROMTweaks::GetHelpAutoPlayAudio(std::string& text) {
    text = AutoPlayHelp("Auto Play on Audio Disc Help",
                        "An audio CD starts playing as soon as you insert it. If you do not "
                        "want that, change it here.");
    return TRUE;
}

BOOL CCDROMTweaks::GetHelpAutoPlayData(std::string& text) {
    text = AutoPlayHelp("Auto Play on Data Disc Help",
                        "A data CD starts its program as soon as you insert it. If you do not "
                        "want that, change it here.");
    return TRUE;
}
