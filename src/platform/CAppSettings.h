#pragma once

#include <windows.h>

// The program's own options, REG_DWORD values under HKEY_LOCAL_MACHINE. Every Get first stores
// the option's default in the caller's variable, so a missing value or key leaves it there.
class CAppSettings {
public:
    static constexpr const char* kOptionsKey = "SOFTWARE\\Ostrander Works\\Torvane\\Options";
    static constexpr const char* kWindowsKey = "SOFTWARE\\Ostrander Works\\Torvane\\Windows";
    static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* kRunValue = "Torvane";

    // The main window's screen rectangle; the load succeeds only when all four values were read.
    BOOL SaveWindowRect(const RECT& rect);
    BOOL LoadWindowRect(RECT& rect);

    BOOL SetShowAtStartup(DWORD value);
    BOOL GetShowAtStartup(DWORD& value);
    BOOL SetHasTuned(DWORD value);
    BOOL GetHasTuned(DWORD& value);
    BOOL SetBackedUp(DWORD value);
    BOOL GetBackedUp(DWORD& value);
    BOOL SetUseAutoMemOptimize(DWORD value);
    BOOL GetUseAutoMemOptimize(DWORD& value);
    BOOL SetAutoMemOptimize(DWORD megabytes);
    BOOL GetAutoMemOptimize(DWORD& megabytes);
    BOOL SetShowPostOptimizeDialog(DWORD value);
    BOOL GetShowPostOptimizeDialog(DWORD& value);
    BOOL SetCPUTestCount(DWORD count);
    BOOL GetCPUTestCount(DWORD& count);
    BOOL SetHasUserInput(DWORD value);
    BOOL GetHasUserInput(DWORD& value);

    // The start-with-Windows entry counts as present when it reads as a non-empty text.
    BOOL IsRunEntryPresent();
    // Writes the entry with the program file's path, then switches to tray-only starts; returns
    // the result of the second write.
    BOOL AddRunEntry();
};
