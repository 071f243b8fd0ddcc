#include "tweaks/CShutdownTweaks.h"

#include <cstdlib>

#include "tweaks/HelpText.h"
#include "tweaks/PictureSwap.h"

template class CTweakModule<CShutdownTweaks>;

namespace {

// The same subkey path is written below both roots.
const char kDesktopKey[] = ".DEFAULT\\Control Panel\\Desktop";
const char kShutdownKey[] = "System\\CurrentControlSet\\Control\\Shutdown";

const char kWorksOnNineX[] = "Windows 95/98/ME";
const char kNotApplicable[] = "Not Applicable.";

// A flag stored as decimal text: 1 when the text is a non-zero number. The output stays 0 when
// the value cannot be read.
BOOL ReadTextFlag(const CRegistryAccess& access, HKEY root, const char* subKey,
                  const char* valueName, DWORD& flag) {
    flag = 0;
    std::string text = "0";
    if (!access.GetStringValue(root, subKey, valueName, text))
        return FALSE;
    flag = std::atoi(text.c_str()) != 0 ? 1 : 0;
    return TRUE;
}

} // namespace

void CShutdownTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(autoEndTasks);
    archive.Exchange(fastReboot);
    archive.Exchange(changeShutdownImage);
    archive.Exchange(shutdownImagePath);
    archive.Exchange(changeTurnoffImage);
    archive.Exchange(turnoffImagePath);
}

BOOL CShutdownTweaks::GetAutoEndTasks(DWORD& enabled) {
    return ReadTextFlag(*this, HKEY_USERS, kDesktopKey, "AutoEndTasks", enabled);
}

BOOL CShutdownTweaks::SetAutoEndTasks(DWORD value) {
    const std::string endTasks = std::to_string(value);
    const char* waitToKill = value != 0 ? "1000" : "20000";
    return SetStringValue(HKEY_CURRENT_USER, kDesktopKey, "AutoEndTasks", endTasks) &&
           SetStringValue(HKEY_USERS, kDesktopKey, "AutoEndTasks", endTasks) &&
           SetStringValue(HKEY_CURRENT_USER, kDesktopKey, "WaitToKillAppTimeout", waitToKill) &&
           SetStringValue(HKEY_USERS, kDesktopKey, "WaitToKillAppTimeout", waitToKill);
}

BOOL CShutdownTweaks::GetFastReboot(DWORD& enabled) {
    return ReadTextFlag(*this, HKEY_LOCAL_MACHINE, kShutdownKey, "FastReboot", enabled);
}

BOOL CShutdownTweaks::SetFastReboot(DWORD enabled) {
    return SetStringValue(HKEY_LOCAL_MACHINE, kShutdownKey, "FastReboot", enabled != 0 ? "1" : "0");
}

BOOL CShutdownTweaks::SetShutdownImage(DWORD change, const std::string& path) {
    SwapPicture(change, path, ShutdownPicture(), SavedShutdownPicture(),
                "Error in creating file for Shutdown image.\nThe Shutdown image will not be "
                "replaced.",
                ReportOwner());
    return TRUE;
}

BOOL CShutdownTweaks::SetTurnoffImage(DWORD change, const std::string& path) {
    SwapPicture(change, path, TurnoffPicture(), SavedTurnoffPicture(),
                "Error in creating file for Turnoff image.\nThe Turnoff image will not be "
                "replaced.",
                ReportOwner());
    return TRUE;
}

BOOL CShutdownTweaks::GetHelpAutoCloseApplication(std::string& text) {
    text = BuildHelpText(
        {"Auto Close Application Help",
         "Some applications stop responding while Windows shuts down, and the shutdown waits for "
         "them. With this option Windows closes such applications by itself after a short wait, "
         "so that the shutdown can go on.",
         "Enable this option if applications often keep Windows from shutting down properly.",
         "Check to close applications that hang during shutdown automatically.\n-- Uncheck to "
         "not close hung applications automatically.",
         "This option is not checked.", "95/98/ME/NT/2000/XP"});
    return TRUE;
}

BOOL CShutdownTweaks::GetHelpFastShutdown(std::string& text) {
    text = BuildHelpText(
        {"Fast Shutdown Help",
         "Fast Shutdown lets Windows shut down more quickly, but some applications may then be "
         "closed forcefully instead of being allowed to finish.",
         "Try it. If your computer then does not shut down properly, uncheck it again.",
         "Check to use Fast Shutdown.\n-- Uncheck to not use Fast Shutdown.", kNotApplicable,
         "95/98/ME/NT/2000"});
    return TRUE;
}

BOOL CShutdownTweaks::GetHelpShutdownImage(std::string& text) {
    text = BuildHelpText(
        {"Windows Shutdown Image Help",
         "The picture Windows shows while it shuts down can be replaced by one of your own. The "
         "new picture must be a bitmap of 320 x 400 and 256 colors.",
         "Design your own bitmap in a paint program if you would like to see a different picture "
         "while Windows shuts down.",
         "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave "
         "path blank to restore the default Windows logo.",
         kNotApplicable, kWorksOnNineX});
    return TRUE;
}

BOOL CShutdownTweaks::GetHelpTurnoffImage(std::string& text) {
    text = BuildHelpTextOptionsFirst(
        {"Windows Turnoff Image Help",
         "When Windows has shut down it shows a picture, by default the \"It is now safe to turn "
         "off your computer\" message. This picture can be replaced by one of your own: a bitmap "
         "of 320 x 400 and 256 colors.",
         "Design your own bitmap in a paint program if you would like a different picture to "
         "tell you that the computer may be switched off.",
         "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave "
         "path blank to restore the default Turnoff image.",
         kNotApplicable, kWorksOnNineX});
    return TRUE;
}
