#include "support/EmulatedSystem.h"

#include <windows.h>

#include "platform/WindowsVersion.h"

std::string EmulatedVersionName() {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    std::string name = buffer;
    const size_t dash = name.find_last_of('-');
    const size_t dot = name.find_last_of('.');
    if (dash == std::string::npos || dot == std::string::npos || dot < dash)
        return std::string();
    return name.substr(dash + 1, dot - dash - 1);
}

int ExpectedFamily() {
    const std::string version = EmulatedVersionName();
    if (version == "win95")
        return kFamilyWin95;
    if (version == "win98")
        return kFamilyWin98;
    if (version == "winme")
        return kFamilyWinME;
    if (version == "nt40")
        return kFamilyWinNT;
    if (version == "win2k")
        return kFamilyWin2000;
    if (version == "winxp")
        return kFamilyWinXP;
    return kFamilyUnknown;
}

bool EmulatedNineX() {
    const std::string version = EmulatedVersionName();
    return version == "win95" || version == "win98" || version == "winme";
}

bool EmulatedNT() {
    const std::string version = EmulatedVersionName();
    return version == "nt40" || version == "win2k" || version == "winxp";
}
