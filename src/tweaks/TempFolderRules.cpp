#include "tweaks/TempFolderRules.h"

#include <algorithm>
#include <windows.h>

#include "platform/CFindHandle.h"
#include "platform/ProgramPaths.h"
#include "platform/WindowsVersion.h"

namespace {

// The text a directory query wrote into a buffer of `size` bytes; empty when it failed or the
// path did not fit.
std::string Filled(const char* buffer, DWORD length, DWORD size) {
    return length > 0 && length < size ? std::string(buffer, length) : std::string();
}

// Where the folders below an absolute path's root begin: after "C:\" or "\\server\share\";
// npos for any other form.
size_t FirstFolderOf(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\')
        return 3;
    if (path.compare(0, 2, "\\\\") != 0)
        return std::string::npos;
    const size_t share = path.find('\\', 2);
    const size_t end = share == std::string::npos ? share : path.find('\\', share + 1);
    return end == std::string::npos ? end : end + 1;
}

// The absolute path with every folder that exists under its long name, so that a short name
// ("C:\DOCUME~1\Ann") compares equal to the folder it stands for. Folders that cannot be found
// keep the name given. Every Windows version can do this (GetLongPathNameA came with 98 and 2000).
std::string LongNames(const std::string& path) {
    size_t position = FirstFolderOf(path);
    if (position == std::string::npos)
        return path;
    std::string result = path.substr(0, position);
    while (position < path.size()) {
        const size_t end = path.find('\\', position);
        std::string name = path.substr(position, end == std::string::npos ? end : end - position);
        WIN32_FIND_DATAA found = {};
        CFindHandle search;
        if (!name.empty() && name.find_first_of("*?") == std::string::npos &&
            search.First(result + name, found))
            name = found.cFileName;
        result += name;
        if (end == std::string::npos)
            break;
        result += '\\';
        position = end + 1;
    }
    return result;
}

std::string FullPath(const std::string& path) {
    if (path.empty())
        return path;
    char buffer[MAX_PATH] = {};
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof(buffer), buffer, &name);
    const std::string full = Filled(buffer, length, sizeof(buffer));
    return full.empty() ? path : LongNames(full);
}

std::string WithoutTrailingBackslash(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

// "c:", or a share "\\server\share" (also "\\?\c:" and other device roots).
bool IsRootKey(const std::string& key) {
    if (key.empty())
        return true; // "\": the root of the current drive
    if (key.size() == 2 && key[1] == ':')
        return true;
    if (key.compare(0, 2, "\\\\") == 0)
        return std::count(key.begin() + 2, key.end(), '\\') <= 1;
    return false;
}

// True when `outer` is `inner` or one of the folders it lies in.
bool HoldsFolder(const std::string& outer, const std::string& inner) {
    return inner == outer ||
           (inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 &&
            inner[outer.size()] == '\\');
}

} // namespace

std::string FolderKey(const std::string& path) {
    std::string key = path;
    std::replace(key.begin(), key.end(), '/', '\\');
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    if (!key.empty())
        CharLowerBuffA(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

TempFolderPlaces CollectTempFolderPlaces() {
    TempFolderPlaces places;
    std::string name;
    places.familyDetected = DetectWindowsVersion(places.family, name) != FALSE;

    char buffer[255] = {};
    places.tempPath = Filled(buffer, GetTempPathA(sizeof(buffer), buffer), sizeof(buffer));
    places.fullTempPath = FullPath(places.tempPath);

    char directory[255] = {};
    if (IsNineXFamily(places.family))
        places.familyDirectory = Filled(
            directory, GetCurrentDirectoryA(sizeof(directory), directory), sizeof(directory));
    else if (IsNTFamily(places.family))
        places.familyDirectory = Filled(
            directory, GetWindowsDirectoryA(directory, sizeof(directory)), sizeof(directory));

    char path[MAX_PATH] = {};
    places.windowsDirectory =
        FullPath(Filled(path, GetWindowsDirectoryA(path, MAX_PATH), MAX_PATH));
    places.systemDirectory = FullPath(Filled(path, GetSystemDirectoryA(path, MAX_PATH), MAX_PATH));
    places.programDirectory = FullPath(GetProgramDirectory());
    places.profileDirectory =
        FullPath(Filled(path, GetEnvironmentVariableA("USERPROFILE", path, MAX_PATH), MAX_PATH));
    return places;
}

bool IsTempFolderRefused(const TempFolderPlaces& places) {
    if (!places.familyDetected)
        return true;
    if (!IsNineXFamily(places.family) && !IsNTFamily(places.family))
        return true;
    if (places.tempPath.empty())
        return true;
    if (WithoutTrailingBackslash(places.tempPath) ==
        WithoutTrailingBackslash(places.familyDirectory))
        return true;

    return IsProtectedFolder(places.fullTempPath.empty() ? places.tempPath : places.fullTempPath,
                             places);
}

bool IsProtectedFolder(const std::string& folder, const TempFolderPlaces& places) {
    const std::string key = FolderKey(folder);
    if (IsRootKey(key))
        return true;
    for (const std::string* protectedFolder :
         {&places.windowsDirectory, &places.systemDirectory, &places.programDirectory,
          &places.profileDirectory}) {
        if (!protectedFolder->empty() && HoldsFolder(key, FolderKey(*protectedFolder)))
            return true;
    }
    return false;
}

bool IsNamedFolderRefused(const std::string& folder, const TempFolderPlaces& places) {
    const bool onDrive = folder.size() >= 3 && IsCharAlphaA(folder[0]) && folder[1] == ':' &&
                         (folder[2] == '\\' || folder[2] == '/');
    const bool onShare = folder.compare(0, 2, "\\\\") == 0;
    if (!onDrive && !onShare)
        return true;
    return IsProtectedFolder(FullPath(folder), places);
}
