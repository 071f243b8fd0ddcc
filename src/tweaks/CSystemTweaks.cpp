#include "tweaks/CSystemTweaks.h"

#include <cstdlib>

#include "tweaks/HelpText.h"

template class CTweakModule<CSystemTweaks>;

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kUpdateKey[] = "System\\CurrentControlSet\\Control\\Update";
const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kUserProfile[] = "%USERPROFILE%";

const char kWorksEverywhere[] = "95/98/ME/NT/2000/XP";

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

void CSystemTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(hungAppTimeout);
    archive.Exchange(keepExplorerRefreshed);
    archive.Exchange(registeredOwner);
    archive.Exchange(registeredOrganization);
    archive.Exchange(reserved);
    archive.Exchange(personalFolder);
    archive.Exchange(myPicturesFolder);
    archive.Exchange(favoritesFolder);
}

BOOL CSystemTweaks::GetHungAppTimeout(DWORD& milliseconds) {
    milliseconds = 20000;
    std::string text;
    if (!GetStringValue(HKEY_CURRENT_USER, kDesktopKey, "HungAppTimeout", text))
        return FALSE;
    milliseconds = static_cast<DWORD>(std::atoi(text.c_str()));
    return TRUE;
}

BOOL CSystemTweaks::SetHungAppTimeout(DWORD milliseconds) {
    const std::string text = std::to_string(milliseconds);
    if (!SetStringValue(HKEY_CURRENT_USER, kDesktopKey, "HungAppTimeout", text))
        return FALSE;
    return SetStringValue(HKEY_USERS, kDesktopKey, "HungAppTimeout", text);
}

BOOL CSystemTweaks::GetUpdateMode(DWORD& keepRefreshed) {
    DWORD stored = 0;
    if (!GetDwordValue(HKEY_LOCAL_MACHINE, kUpdateKey, "UpdateMode", stored))
        return FALSE;
    keepRefreshed = stored == 0 ? 1 : 0;
    return TRUE;
}

BOOL CSystemTweaks::SetUpdateMode(DWORD keepRefreshed) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, kUpdateKey, "UpdateMode", keepRefreshed == 0 ? 1 : 0);
}

const char* CSystemTweaks::RegistrationKey() const {
    if (IsNineX())
        return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    if (IsNT())
        return "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    return nullptr;
}

BOOL CSystemTweaks::GetRegisteredOwner(std::string& owner) {
    owner.clear();
    const char* key = RegistrationKey();
    return key != nullptr && GetStringValue(HKEY_LOCAL_MACHINE, key, "RegisteredOwner", owner);
}

BOOL CSystemTweaks::SetRegisteredOwner(const std::string& owner) {
    const char* key = RegistrationKey();
    return key != nullptr && SetStringValue(HKEY_LOCAL_MACHINE, key, "RegisteredOwner", owner);
}

BOOL CSystemTweaks::GetRegisteredOrganization(std::string& organization) {
    organization.clear();
    const char* key = RegistrationKey();
    return key != nullptr &&
           GetStringValue(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization", organization);
}

BOOL CSystemTweaks::SetRegisteredOrganization(const std::string& organization) {
    const char* key = RegistrationKey();
    return key != nullptr &&
           SetStringValue(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization", organization);
}

BOOL CSystemTweaks::GetShellFolder(const char* folderValueName, std::string& path) {
    path.clear();
    if (!GetStringValue(HKEY_CURRENT_USER, kShellFoldersKey, folderValueName, path))
        return FALSE;
    if (path.find(kUserProfile) != std::string::npos) {
        char expanded[256] = {};
        const DWORD length = ExpandEnvironmentStringsA(kUserProfile, expanded, sizeof(expanded));
        if (length > 0 && length <= sizeof(expanded))
            ReplaceAll(path, kUserProfile, expanded);
    }
    return TRUE;
}

BOOL CSystemTweaks::SetShellFolder(const char* folderValueName, const std::string& path) {
    return SetStringValue(HKEY_CURRENT_USER, kShellFoldersKey, folderValueName, path);
}

BOOL CSystemTweaks::GetHelpTimeout(std::string& text) {
    text = BuildHelpText(
        {"Time out Help",
         "When an application stops responding, Windows waits 20 seconds before it treats the "
         "application as hung and lets you end it. During that time the system may appear "
         "frozen or become unstable.",
         "A shorter wait lets you end a hung application sooner; we recommend 5 seconds for "
         "this option.",
         "Check to enter another time.", "20 seconds", kWorksEverywhere});
    return TRUE;
}

BOOL CSystemTweaks::GetHelpExplorerRefresh(std::string& text) {
    text = BuildHelpText(
        {"Keep Windows Explorer Refresh Help",
         "Changes in the file system, such as new, renamed or deleted files, are not always shown "
         "at once in Windows Explorer. With this option Explorer refreshes its views constantly.",
         "Use it only if you work with several Explorer windows at once or move many files "
         "around; otherwise press F5 to refresh a window by hand.",
         "Check to keep Windows Explorer constantly refresh itself, Uncheck to not refresh "
         "Windows Explorer.",
         "This option is not checked", kWorksEverywhere});
    return TRUE;
}

BOOL CSystemTweaks::GetHelpRegisteredName(std::string& text) {
    text = BuildHelpText({"Changing Registered Name Help",
                          "Change the name that was entered as the owner when Windows was "
                          "installed.",
                          kNoRecommendation, "Check to change the Registered  Name.",
                          "Not Applicable.", kWorksEverywhere});
    return TRUE;
}

BOOL CSystemTweaks::GetHelpRegisteredCompany(std::string& text) {
    text = BuildHelpText({"Changing Registered Company Name Help",
                          "Change the company name that was entered when Windows was installed.",
                          kNoRecommendation, "Check to change the Registered Company Name.",
                          "Not Applicable.", kWorksEverywhere});
    return TRUE;
}

BOOL CSystemTweaks::GetHelpFolderLocation(std::string& text) {
    text = BuildHelpText(
        {"Customize Folder Location Help",
         "The My Documents, My Pictures and Favorites folders can be moved to another place on "
         "your disk, for example to a drive with more room. The Browse... button helps you find "
         "the new place.",
         kNoRecommendation,
         "Check to enter a directory path where you want the folder to be located. You can click "
         "on the Browse... button to find it also.",
         "Not Applicable.", kWorksEverywhere});
    return TRUE;
}
