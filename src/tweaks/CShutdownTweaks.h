#pragma once

#include <string>
#include <windows.h>

#include "tweaks/CTweakModule.h"

// The Shutdown module: closing hung applications at shutdown with a short wait before they are
// ended, the 9x fast shutdown switch, and the two 9x shutdown pictures in the Windows directory
// (Logow.sys while Windows shuts down, Logos.sys when the computer may be switched off).
class CShutdownTweaks : public CTweakModule<CShutdownTweaks> {
public:
    static constexpr const char* kClassName = "CShutdownTweaks";
    static constexpr const char* kBackupFileName = "\\shutdown.tvb";

    // The record a backup stores, in declared order, which is also the archive order.
    DWORD autoEndTasks = 0;
    DWORD fastReboot = 0;
    DWORD changeShutdownImage = 0; // page state: a backup stores 0
    std::string shutdownImagePath; // page state: a backup stores the empty text
    DWORD changeTurnoffImage = 0;  // page state: a backup stores 0
    std::string turnoffImagePath;  // page state: a backup stores the empty text

    void ExchangeFields(CArchive& archive);

    // Read under HKEY_USERS only; 0 when the value is missing.
    BOOL GetAutoEndTasks(DWORD& enabled);
    // AutoEndTasks as the value's decimal text, then WaitToKillAppTimeout (1000 ms when the value
    // is non-zero, 20000 ms otherwise), each for the current user and then under HKEY_USERS. Stops
    // at the first failed write.
    BOOL SetAutoEndTasks(DWORD value);
    BOOL GetFastReboot(DWORD& enabled);
    BOOL SetFastReboot(DWORD enabled);
    // With `change` non-zero: the bitmap at `path` becomes the picture, or with an empty path the
    // saved previous picture is put back. Always 1.
    BOOL SetShutdownImage(DWORD change, const std::string& path);
    BOOL SetTurnoffImage(DWORD change, const std::string& path);

    // The pictures and their saved copies in the Windows directory.
    std::string ShutdownPicture() const { return windowsDirectory + "\\Logow.sys"; }
    std::string SavedShutdownPicture() const { return windowsDirectory + "\\Logow.tvn"; }
    std::string TurnoffPicture() const { return windowsDirectory + "\\Logos.sys"; }
    std::string SavedTurnoffPicture() const { return windowsDirectory + "\\Logos.tvn"; }

    BOOL GetHelpAutoCloseApplication(std::string& text);
    BOOL GetHelpFastShutdown(std::string& text);
    BOOL GetHelpShutdownImage(std::string& text);
    BOOL GetHelpTurnoffImage(std::string& text);
};
