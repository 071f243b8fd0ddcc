#pragma once

#include <string>
#include <windows.h>

// Windows family codes. 1 to 3 form the 9x family, 4 to 6 the NT family; Win32s and systems that
// match no row (family 0) take the branch for neither family.
enum WindowsFamily : int {
    kFamilyUnknown = 0,
    kFamilyWin95 = 1,
    kFamilyWin98 = 2,
    kFamilyWinME = 3,
    kFamilyWinNT = 4,
    kFamilyWin2000 = 5,
    kFamilyWinXP = 6,
    kFamilyWin32s = 7,
};

inline bool IsNineXFamily(int family) {
    return family >= kFamilyWin95 && family <= kFamilyWinME;
}
inline bool IsNTFamily(int family) {
    return family >= kFamilyWinNT && family <= kFamilyWinXP;
}

// Reduces a platform id and version to a family code and name. Unmatched versions leave both
// outputs untouched; an unknown platform sets only the name, "Unknown OS".
void ClassifyWindowsVersion(DWORD platformId, DWORD major, DWORD minor, int& family,
                            std::string& name);

// Queries the running system. FALSE, with both outputs untouched, when the version cannot be read.
BOOL DetectWindowsVersion(int& family, std::string& name);

// The family of the running system, 0 when it matches no family.
int DetectWindowsFamily();
