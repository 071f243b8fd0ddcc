#include "tweaks/CDesktopTweaks.h"

#include <cstdlib>

#include "platform/CRegKey.h"
#include "tweaks/HelpText.h"

template class CTweakModule<CDesktopTweaks>;

namespace {

// Written below HKEY_USERS and, with the same path, below HKEY_CURRENT_USER.
const char kDefaultDesktopKey[] = ".DEFAULT\\Control Panel\\Desktop";
const char kDesktopKey[] = "Control Panel\\Desktop";
const char kUserExplorerKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kMachineExplorerKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kOpenWithKey[] = "Software\\CLASSES\\*\\Shell\\OpenWith";
const char kOpenWithCommandKey[] = "Software\\CLASSES\\*\\Shell\\OpenWith\\Command";
const char kDefaultValue[] = "";

const char kWorksEverywhere[] = "95/98/ME/NT/2000/XP";
const char kWorksOnNineX[] = "95/98/ME";
const char kNotChecked[] = "This option is not checked.";

DWORD DecimalValue(const std::string& text) {
    return static_cast<DWORD>(std::atoi(text.c_str()));
}

} // namespace

void CDesktopTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(showWindowsVersion);
    archive.Exchange(noShortcutPrefix);
    archive.Exchange(hideShortcutArrows);
    archive.Exchange(fontSmoothing);
    archive.Exchange(reserved1);
    archive.Exchange(reserved2);
    archive.Exchange(openWith);
    archive.Exchange(maxCachedIcons);
}

BOOL CDesktopTweaks::GetPaintDesktopVersion(DWORD& show) {
    show = 0;
    if (IsNineX()) {
        std::string text = "0";
        const BOOL read =
            GetStringValue(HKEY_USERS, kDefaultDesktopKey, "PaintDesktopVersion", text);
        show = DecimalValue(text) != 0 ? 1 : 0;
        return read;
    }
    if (IsNT()) {
        DWORD stored = 0;
        if (!GetDwordValue(HKEY_USERS, kDefaultDesktopKey, "PaintDesktopVersion", stored))
            return FALSE;
        show = stored != 0 ? 1 : 0;
        return TRUE;
    }
    return TRUE;
}

BOOL CDesktopTweaks::SetPaintDesktopVersion(DWORD show) {
    if (IsNineX()) {
        const std::string text = show == 1 ? "1" : "0";
        return SetStringValue(HKEY_USERS, kDefaultDesktopKey, "PaintDesktopVersion", text) &&
               SetStringValue(HKEY_CURRENT_USER, kDefaultDesktopKey, "PaintDesktopVersion", text);
    }
    if (IsNT())
        return SetDwordValue(HKEY_USERS, kDefaultDesktopKey, "PaintDesktopVersion", show) &&
               SetDwordValue(HKEY_CURRENT_USER, kDefaultDesktopKey, "PaintDesktopVersion", show);
    return TRUE;
}

BOOL CDesktopTweaks::GetLinkValue(DWORD& noPrefix) {
    noPrefix = 1;
    DWORD stored = 0;
    if (!GetBinaryValue(HKEY_CURRENT_USER, kUserExplorerKey, "link", stored))
        return FALSE;
    noPrefix = stored == 0 ? 1 : 0;
    return TRUE;
}

BOOL CDesktopTweaks::SetLinkValue(DWORD noPrefix) {
    return SetBinaryValue(HKEY_CURRENT_USER, kUserExplorerKey, "link", noPrefix != 0 ? 0 : 1);
}

BOOL CDesktopTweaks::GetIsShortcut(DWORD& hideArrows) {
    std::string text;
    hideArrows = GetStringValue(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut", text) ? 0 : 1;
    return TRUE;
}

BOOL CDesktopTweaks::SetIsShortcut(DWORD hideArrows) {
    if (hideArrows != 0)
        return DeleteValue(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut") &&
               DeleteValue(HKEY_CLASSES_ROOT, "piffile", "IsShortcut");
    return SetStringValue(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut", "") &&
           SetStringValue(HKEY_CLASSES_ROOT, "piffile", "IsShortcut", "");
}

BOOL CDesktopTweaks::GetFontSmoothing(DWORD& smoothing) {
    smoothing = 0;
    std::string text;
    if (!GetStringValue(HKEY_CURRENT_USER, kDesktopKey, "FontSmoothing", text))
        return FALSE;
    smoothing = DecimalValue(text) != 0 ? 1 : 0;
    return TRUE;
}

BOOL CDesktopTweaks::SetFontSmoothing(DWORD smoothing) {
    const std::string text = std::to_string(smoothing);
    return SetStringValue(HKEY_CURRENT_USER, kDesktopKey, "FontSmoothing", text) &&
           SetStringValue(HKEY_USERS, kDesktopKey, "FontSmoothing", text) &&
           WriteProfileStringA("TrueType", "FontSmoothing", text.c_str()) != FALSE;
}

BOOL CDesktopTweaks::GetOpenWith(DWORD& present) {
    present = 0;
    std::string name;
    if (!GetStringValue(HKEY_LOCAL_MACHINE, kOpenWithKey, kDefaultValue, name))
        return FALSE;
    if (name.empty())
        return TRUE;
    present = 1;
    std::string command;
    if (!GetStringValue(HKEY_LOCAL_MACHINE, kOpenWithCommandKey, kDefaultValue, command))
        return FALSE;
    present = command.empty() ? 0 : 1;
    return TRUE;
}

std::string CDesktopTweaks::OpenWithCommand() const {
    // Only the program stands in quotes: quoting the whole line would make the shell look for a
    // program named after all of it.
    return "\"" + windowsDirectory + "\\rundll32.exe\" shell32,OPenAs_RunDLL %1";
}

BOOL CDesktopTweaks::SetOpenWith(DWORD present) {
    if (present != 0)
        return SetStringValue(HKEY_LOCAL_MACHINE, kOpenWithKey, kDefaultValue, "Op&en With...") &&
               SetStringValue(HKEY_LOCAL_MACHINE, kOpenWithCommandKey, kDefaultValue,
                              OpenWithCommand());
    // Either deletion fails when its key is already gone; what counts is that the entry is.
    DeleteKey(HKEY_LOCAL_MACHINE, kOpenWithCommandKey);
    DeleteKey(HKEY_LOCAL_MACHINE, kOpenWithKey);
    CRegKey remaining;
    return remaining.Open(HKEY_LOCAL_MACHINE, kOpenWithKey, KEY_READ) == ERROR_FILE_NOT_FOUND;
}

BOOL CDesktopTweaks::GetMaxCachedIcons(DWORD& icons) {
    icons = 0;
    std::string text;
    if (!GetStringValue(HKEY_LOCAL_MACHINE, kMachineExplorerKey, "Max Cached Icons", text))
        return FALSE;
    icons = DecimalValue(text);
    return TRUE;
}

BOOL CDesktopTweaks::SetMaxCachedIcons(DWORD icons) {
    return SetStringValue(HKEY_LOCAL_MACHINE, kMachineExplorerKey, "Max Cached Icons",
                          std::to_string(icons));
}

BOOL CDesktopTweaks::GetHelpShowVersion(std::string& text) {
    text = BuildHelpText({"Show Windows Version Help",
                          "Windows can show its version, with the build number, at the bottom "
                          "right corner of the desktop at all times, above every window.",
                          kNoRecommendation,
                          "Check to show Windows Version.\n-- Uncheck to hide Windows Version.",
                          kNotChecked, kWorksEverywhere});
    return TRUE;
}

BOOL CDesktopTweaks::GetHelpShortcutPrefix(std::string& text) {
    text = BuildHelpText(
        {"No Shortcut Prefix Help",
         "Windows names every new shortcut with the prefix \"Shortcut to\" in front of the name of "
         "what it points to. With this option new shortcuts get the plain name.",
         kNoRecommendation,
         "Check to not use the \"shortcut to\" prefix.\n-- Uncheck to use the \"shortcut to\" "
         "prefix.",
         kNotChecked, kWorksEverywhere});
    return TRUE;
}

BOOL CDesktopTweaks::GetHelpShortcutArrow(std::string& text) {
    text = BuildHelpText(
        {"Hide Shortcut Help",
         "Windows draws a small arrow at the bottom left corner of the icon of every shortcut. "
         "This option removes the arrow, so that shortcuts look like the items they point to.",
         kNoRecommendation,
         "Check to not use the \"shortcut arrow\".\n-- Uncheck to use the \"shortcut arrow\".",
         kNotChecked, kWorksEverywhere});
    return TRUE;
}

BOOL CDesktopTweaks::GetHelpFontSmoothing(std::string& text) {
    text = BuildHelpText(
        {"Font Smoothing Help",
         "Windows can smooth the edges of screen fonts, so that large letters look less jagged "
         "and text looks better.",
         "Smoothing takes system resources. Leave this option unchecked unless the look of your "
         "fonts matters more to you than speed.",
         "Check to have Font edges smoothed.\n-- Uncheck to not have Font edges smoothed.",
         kNotChecked, kWorksEverywhere});
    return TRUE;
}

BOOL CDesktopTweaks::GetHelpOpenWith(std::string& text) {
    text = BuildHelpText(
        {"\"Open With\" Help",
         "Adds \"Open With\" to the right click menu of every file, so that files of a type "
         "Windows does not know can be opened with a program you choose, such as a text editor.",
         kNoRecommendation,
         "Check to use the \"Open With\" right menu option.\n-- Uncheck to not use the \"Open "
         "With\" right menu option.",
         "Not Applicable.", kWorksOnNineX});
    return TRUE;
}

BOOL CDesktopTweaks::GetHelpIconCache(std::string& text) {
    text = BuildHelpText(
        {"Icon Cache Help",
         "Windows keeps the icons it shows in a cache. Many icons on the desktop take system "
         "resources, and when the cache is too small some icons may not display properly; a "
         "bigger cache helps them.",
         "The fewer icons you have, the faster your computer runs. 8192 is typical, use 12288 "
         "and 16384 if have more icons.",
         "Check to change the cache size to be used.", "Not Applicable.", kWorksOnNineX});
    return TRUE;
}
