#include "platform/CRegistryAccess.h"

#include <cstdlib>
#include <vector>

#include "platform/WindowsVersion.h"

CRegistryAccess::CRegistryAccess() : osFamily(kFamilyUnknown) {
    std::string name;
    DetectWindowsVersion(osFamily, name);
    char buffer[260] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof(buffer));
    if (length > 0 && length < sizeof(buffer))
        windowsDirectory.assign(buffer, length);
}

bool CRegistryAccess::IsNineX() const {
    return IsNineXFamily(osFamily);
}

bool CRegistryAccess::IsNT() const {
    return IsNTFamily(osFamily);
}

std::string CRegistryAccess::ReadProfileText(const std::string& file, const char* section,
                                             const char* key, const char* defaultText,
                                             DWORD bufferChars) {
    std::vector<char> buffer(bufferChars + 1, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, defaultText, buffer.data(),
                                                  bufferChars, file.c_str());
    return std::string(buffer.data(), length < bufferChars ? length : bufferChars);
}

int CRegistryAccess::ReadProfileNumber(const std::string& file, const char* section,
                                       const char* key, DWORD bufferChars,
                                       const char* defaultText) {
    return std::atoi(ReadProfileText(file, section, key, defaultText, bufferChars).c_str());
}

BOOL CRegistryAccess::WriteProfileText(const std::string& file, const char* section,
                                       const char* key, const char* text) {
    return WritePrivateProfileStringA(section, key, text, file.c_str()) != FALSE;
}
