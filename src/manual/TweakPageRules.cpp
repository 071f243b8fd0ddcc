#include "manual/TweakPageRules.h"

#include <cctype>
#include <cstdlib>

namespace {

DriveTypeQuery driveTypeQuery = nullptr;

} // namespace

void SetDriveTypeQuery(DriveTypeQuery query) {
    driveTypeQuery = query;
}

bool IsUsableFolderPath(const std::string& path) {
    if (path.find_first_of("/;'`*?\"<>|") != std::string::npos)
        return false;
    if (path.size() < 3)
        return false;
    const char root[4] = {path[0], ':', '\\', '\0'};
    const UINT type = driveTypeQuery != nullptr ? driveTypeQuery(root) : GetDriveTypeA(root);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR || type == DRIVE_CDROM)
        return false;
    return path[1] == ':' && path[2] == '\\';
}

bool HasBitmapExtension(const std::string& path) {
    if (path.size() < 4)
        return false;
    const std::string tail = path.substr(path.size() - 4);
    return lstrcmpiA(tail.c_str(), ".bmp") == 0;
}

bool ParseFieldNumber(const std::string& text, unsigned long& number) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    number = std::strtoul(text.c_str(), nullptr, 10);
    return true;
}
