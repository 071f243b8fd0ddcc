#include "tweaks/CStartMenuTweaks.h"

#include <cstdlib>

#include "tweaks/HelpText.h"

template class CTweakModule<CStartMenuTweaks>;

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kMenuOrderKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
// Both below HKEY_USERS: the default user profile.
const char kPoliciesKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kAdvancedKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

const char kWorksEverywhere[] = "95/98/ME/NT/2000/XP";

} // namespace

void CStartMenuTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(menuShowDelay);
    archive.Exchange(sortStartMenu);
    archive.Exchange(noWindowsUpdate);
    archive.Exchange(noRecentDocMenu);
    archive.Exchange(noFavoritesMenu);
    archive.Exchange(noFind);
    archive.Exchange(noRun);
    archive.Exchange(noLogOff);
    archive.Exchange(noClose);
    archive.Exchange(reserved1);
    archive.Exchange(reserved2);
    archive.Exchange(reserved3);
}

BOOL CStartMenuTweaks::GetMenuShowDelay(DWORD& milliseconds) {
    milliseconds = 400;
    std::string text;
    if (!GetStringValue(HKEY_CURRENT_USER, kDesktopKey, "MenuShowDelay", text))
        return FALSE;
    milliseconds = static_cast<DWORD>(std::atoi(text.c_str()));
    return TRUE;
}

BOOL CStartMenuTweaks::SetMenuShowDelay(DWORD milliseconds) {
    return SetStringValue(HKEY_CURRENT_USER, kDesktopKey, "MenuShowDelay",
                          std::to_string(milliseconds));
}

BOOL CStartMenuTweaks::GetMenuOrder(DWORD& sort) {
    sort = 0;
    return FALSE;
}

BOOL CStartMenuTweaks::SetMenuOrder(DWORD sort) {
    if (sort != 0 && !DeleteKey(HKEY_CURRENT_USER, kMenuOrderKey))
        return FALSE;
    return TRUE;
}

BOOL CStartMenuTweaks::GetPolicy(const char* policy, bool binary, DWORD& removed) {
    removed = 0;
    DWORD stored = 0;
    const BOOL read = binary ? GetBinaryValue(HKEY_USERS, kPoliciesKey, policy, stored)
                             : GetDwordValue(HKEY_USERS, kPoliciesKey, policy, stored);
    if (!read)
        return FALSE;
    removed = stored != 0 ? 1 : 0;
    return TRUE;
}

BOOL CStartMenuTweaks::SetPolicyDeletedWhenOff(const char* policy, bool binary, DWORD removed) {
    const BOOL written = binary ? SetBinaryValue(HKEY_USERS, kPoliciesKey, policy, removed)
                                : SetDwordValue(HKEY_USERS, kPoliciesKey, policy, removed);
    if (written && removed == 0)
        DeleteValue(HKEY_USERS, kPoliciesKey, policy);
    return written;
}

BOOL CStartMenuTweaks::GetPairedPolicy(const char* policy, bool binary, const char* shown,
                                       DWORD& removed) {
    if (!GetPolicy(policy, binary, removed))
        return FALSE;
    if (removed != 0)
        return TRUE;
    DWORD showing = 0;
    if (!GetDwordValue(HKEY_USERS, kAdvancedKey, shown, showing))
        return FALSE;
    removed = showing == 0 ? 1 : 0;
    return TRUE;
}

BOOL CStartMenuTweaks::SetPairedPolicy(const char* policy, const char* shown, DWORD removed) {
    return SetBinaryValue(HKEY_USERS, kPoliciesKey, policy, removed) &&
           SetDwordValue(HKEY_USERS, kAdvancedKey, shown, removed == 0 ? 1 : 0);
}

BOOL CStartMenuTweaks::GetNoWindowsUpdate(DWORD& removed) {
    return GetPolicy("NoWindowsUpdate", false, removed);
}

BOOL CStartMenuTweaks::SetNoWindowsUpdate(DWORD removed) {
    return SetPolicyDeletedWhenOff("NoWindowsUpdate", false, removed);
}

BOOL CStartMenuTweaks::GetNoRecentDocMenu(DWORD& removed) {
    return GetPolicy("NoRecentDocMenu", true, removed);
}

BOOL CStartMenuTweaks::SetNoRecentDocMenu(DWORD removed) {
    return SetPolicyDeletedWhenOff("NoRecentDocMenu", true, removed);
}

BOOL CStartMenuTweaks::GetNoFavoritesMenu(DWORD& removed) {
    return GetPairedPolicy("NoFavoritesMenu", true, "StartMenuFavorites", removed);
}

BOOL CStartMenuTweaks::SetNoFavoritesMenu(DWORD removed) {
    return SetPairedPolicy("NoFavoritesMenu", "StartMenuFavorites", removed);
}

BOOL CStartMenuTweaks::GetNoRun(DWORD& removed) {
    return GetPairedPolicy("NoRun", false, "StartMenuRun", removed);
}

BOOL CStartMenuTweaks::SetNoRun(DWORD removed) {
    return SetPairedPolicy("NoRun", "StartMenuRun", removed);
}

BOOL CStartMenuTweaks::GetNoLogOff(DWORD& removed) {
    return GetPairedPolicy("NoLogOff", false, "StartMenuLogoff", removed);
}

BOOL CStartMenuTweaks::SetNoLogOff(DWORD removed) {
    return SetPairedPolicy("NoLogOff", "StartMenuLogoff", removed);
}

BOOL CStartMenuTweaks::GetNoFind(DWORD& removed) {
    return GetPolicy("NoFind", true, removed);
}

BOOL CStartMenuTweaks::SetNoFind(DWORD removed) {
    return SetBinaryValue(HKEY_USERS, kPoliciesKey, "NoFind", removed);
}

BOOL CStartMenuTweaks::GetNoClose(DWORD& removed) {
    return GetPolicy("NoClose", true, removed);
}

BOOL CStartMenuTweaks::SetNoClose(DWORD removed) {
    return SetBinaryValue(HKEY_USERS, kPoliciesKey, "NoClose", removed);
}

BOOL CStartMenuTweaks::GetHelpMenuSpeed(std::string& text) {
    text = BuildHelpText(
        {"Start Menu Speed Help",
         "When you point at an entry of the Start menu that has a submenu, Windows waits a short "
         "moment before it opens the submenu. The wait can be made shorter or longer.",
         "Small numbers mean faster menu response. We recommend 50 milliseconds ie. 5/100 of a "
         "second response.",
         "Check to change the speed at which the menu shows up.",
         "400 milliseconds ie. 4/10 of a second.", kWorksEverywhere});
    return TRUE;
}

BOOL CStartMenuTweaks::GetHelpMenuOrdering(std::string& text) {
    text = BuildHelpText({"Start Menu Ordering Help",
                          "Windows adds newly installed programs at the end of the program list "
                          "of the Start menu. This option puts the whole list in alphabetical "
                          "order again.",
                          kNoRecommendation, "Check to re-order the Start Menu.", "Not Applicable.",
                          kWorksEverywhere});
    return TRUE;
}

BOOL CStartMenuTweaks::GetHelpRemoveItem(std::string& text) {
    text = BuildHelpText({"Remove Start Menu item Help",
                          "Items you never use can be removed from the Start menu, which makes it "
                          "shorter and less cluttered.",
                          kNoRecommendation,
                          "Check to remove the item from Start Menu.\n-- Uncheck to have the menu "
                          "item in the Start Menu.",
                          "This option is not checked.", "95/98/ME"});
    return TRUE;
}
