#include "platform/CAppSettings.h"

#include <string>

#include "platform/ProgramPaths.h"
#include "platform/RegistryPrimitives.h"

namespace {

const char* const kRectValues[] = {"Torvane Left", "Torvane Top", "Torvane Right",
                                   "Torvane Bottom"};

BOOL ReadOption(const char* key, const char* name, DWORD defaultValue, DWORD& value) {
    value = defaultValue;
    return GetDwordValue(HKEY_LOCAL_MACHINE, key, name, value);
}

BOOL WriteOption(const char* key, const char* name, DWORD value) {
    return SetDwordValue(HKEY_LOCAL_MACHINE, key, name, value);
}

} // namespace

BOOL CAppSettings::SaveWindowRect(const RECT& rect) {
    const LONG sides[] = {rect.left, rect.top, rect.right, rect.bottom};
    for (int i = 0; i < 4; ++i) {
        if (!WriteOption(kWindowsKey, kRectValues[i], static_cast<DWORD>(sides[i])))
            return FALSE;
    }
    return TRUE;
}

BOOL CAppSettings::LoadWindowRect(RECT& rect) {
    DWORD sides[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!GetDwordValue(HKEY_LOCAL_MACHINE, kWindowsKey, kRectValues[i], sides[i]))
            return FALSE;
    }
    rect.left = static_cast<LONG>(sides[0]);
    rect.top = static_cast<LONG>(sides[1]);
    rect.right = static_cast<LONG>(sides[2]);
    rect.bottom = static_cast<LONG>(sides[3]);
    return TRUE;
}

BOOL CAppSettings::SetShowAtStartup(DWORD value) {
    return WriteOption(kWindowsKey, "Show Torvane", value);
}
BOOL CAppSettings::GetShowAtStartup(DWORD& value) {
    return ReadOption(kWindowsKey, "Show Torvane", 1, value);
}
BOOL CAppSettings::SetHasTuned(DWORD value) {
    return WriteOption(kOptionsKey, "Has Tuned", value);
}
BOOL CAppSettings::GetHasTuned(DWORD& value) {
    return ReadOption(kOptionsKey, "Has Tuned", 0, value);
}
BOOL CAppSettings::SetBackedUp(DWORD value) {
    return WriteOption(kOptionsKey, "Back up", value);
}
BOOL CAppSettings::GetBackedUp(DWORD& value) {
    return ReadOption(kOptionsKey, "Back up", 0, value);
}
BOOL CAppSettings::SetUseAutoMemOptimize(DWORD value) {
    return WriteOption(kOptionsKey, "UseAutoMemOptimize", value);
}
BOOL CAppSettings::GetUseAutoMemOptimize(DWORD& value) {
    return ReadOption(kOptionsKey, "UseAutoMemOptimize", 0, value);
}
BOOL CAppSettings::SetAutoMemOptimize(DWORD megabytes) {
    return WriteOption(kOptionsKey, "AutoMemOptimize", megabytes);
}
BOOL CAppSettings::GetAutoMemOptimize(DWORD& megabytes) {
    return ReadOption(kOptionsKey, "AutoMemOptimize", 0, megabytes);
}
BOOL CAppSettings::SetShowPostOptimizeDialog(DWORD value) {
    return WriteOption(kOptionsKey, "ShowPostOptimizeDialog", value);
}
BOOL CAppSettings::GetShowPostOptimizeDialog(DWORD& value) {
    return ReadOption(kOptionsKey, "ShowPostOptimizeDialog", 1, value);
}
BOOL CAppSettings::SetCPUTestCount(DWORD count) {
    return WriteOption(kOptionsKey, "CPU Test Count", count);
}
BOOL CAppSettings::GetCPUTestCount(DWORD& count) {
    return ReadOption(kOptionsKey, "CPU Test Count", 0, count);
}
BOOL CAppSettings::SetHasUserInput(DWORD value) {
    return WriteOption(kOptionsKey, "Has User Input", value);
}
BOOL CAppSettings::GetHasUserInput(DWORD& value) {
    return ReadOption(kOptionsKey, "Has User Input", 0, value);
}

BOOL CAppSettings::IsRunEntryPresent() {
    std::string path;
    return GetStringValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, path) && !path.empty();
}

BOOL CAppSettings::AddRunEntry() {
    SetStringValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, GetProgramFile());
    return SetShowAtStartup(0);
}
