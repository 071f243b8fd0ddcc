#include "platform/WindowsVersion.h"

void ClassifyWindowsVersion(DWORD platformId, DWORD major, DWORD minor, int& family,
                            std::string& name) {
    switch (platformId) {
    case VER_PLATFORM_WIN32s:
        family = kFamilyWin32s;
        name = "Win32";
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (major > 4 || (major == 4 && minor > 89)) {
            family = kFamilyWinME;
            name = "WinME";
        } else if (major == 4 && minor != 0) {
            family = kFamilyWin98;
            name = "Win98";
        } else {
            family = kFamilyWin95;
            name = "Win95";
        }
        break;
    case VER_PLATFORM_WIN32_NT:
        if (major <= 4) {
            family = kFamilyWinNT;
            name = "WinNT";
        } else if (major == 5 && minor == 0) {
            family = kFamilyWin2000;
            name = "Win2000";
        } else if (major == 5 && minor == 1) {
            family = kFamilyWinXP;
            name = "WinXP";
        }
        break;
    default:
        name = "Unknown OS";
        break;
    }
}

BOOL DetectWindowsVersion(int& family, std::string& name) {
    OSVERSIONINFOEXA info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        info = OSVERSIONINFOEXA{};
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
            return FALSE;
    }
    ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, family,
                           name);
    return TRUE;
}

int DetectWindowsFamily() {
    int family = kFamilyUnknown;
    std::string name;
    DetectWindowsVersion(family, name);
    return family;
}
