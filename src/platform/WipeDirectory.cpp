#include "platform/WipeDirectory.h"

#include <cstring>

#include "platform/CFindHandle.h"
#include "platform/CHandle.h"

namespace {

// Where the system really lands when it opens a path: the link itself on Windows (which opens
// reparse points as such), the link's target where links are followed silently (Wine reports a
// Linux link to a file as a plain file, and deletes through it). Systems before Vista have no
// way to ask and no such links, and get an empty text.
std::string FinalPathOf(const std::string& path) {
    using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
    static const FinalPathFunction finalPath =
        reinterpret_cast<FinalPathFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
    if (finalPath == nullptr)
        return std::string();
    CHandle handle(CreateFileA(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!handle.IsValid())
        return std::string();
    std::string result(MAX_PATH, '\0');
    DWORD length = finalPath(handle.Get(), &result[0], static_cast<DWORD>(result.size()), 0);
    if (length >= result.size()) {
        result.assign(length + 1, '\0');
        length = finalPath(handle.Get(), &result[0], static_cast<DWORD>(result.size()), 0);
    }
    result.resize(length < result.size() ? length : 0);
    return result;
}

bool CanCheckFinalPaths() {
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA") != nullptr;
}

// Empties `directory`, whose final path is `directoryFinal` (empty when it cannot be checked).
// Answers how many entries in it could not be removed; `kept` is set when an entry was left on
// purpose (an index file, or an entry that leads elsewhere).
size_t WipeInside(const std::string& directory, const std::string& directoryFinal, bool& kept) {
    size_t left = 0;
    const auto count = [&left](BOOL removed) {
        if (!removed)
            ++left;
    };
    WIN32_FIND_DATAA entry = {};
    CFindHandle search;
    if (!search.First(directory + "\\*.*", entry))
        return left;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (_stricmp(name.c_str(), "index.Dat") == 0) {
            kept = true;
            continue;
        }
        const std::string path = directory + "\\" + name;
        std::string entryFinal;
        if (!directoryFinal.empty()) {
            // An entry that does not open as itself leads somewhere else: leave it alone.
            entryFinal = FinalPathOf(path);
            if (_stricmp(entryFinal.c_str(), (directoryFinal + "\\" + name).c_str()) != 0) {
                kept = true;
                continue;
            }
        }
        const DWORD attributes = entry.dwFileAttributes;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // A junction or symbolic link: take away the link, never what it points to.
            if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                count(RemoveDirectoryA(path.c_str()));
            else
                count(DeleteFileA(path.c_str()));
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A folder that still holds something stays; only the entries inside are counted.
            bool keptInside = false;
            const size_t inside = WipeInside(path, entryFinal, keptInside);
            left += inside;
            if (keptInside)
                kept = true;
            if (!RemoveDirectoryA(path.c_str()) && inside == 0 && !keptInside)
                ++left;
        } else {
            if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY))
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            count(DeleteFileA(path.c_str()));
        }
    } while (search.Next(entry));
    return left;
}

} // namespace

size_t WipeDirectory(const std::string& directory) {
    std::string directoryFinal;
    if (CanCheckFinalPaths()) {
        directoryFinal = FinalPathOf(directory);
        if (directoryFinal.empty())
            return 0; // the folder is missing or cannot be opened
    }
    bool kept = false;
    return WipeInside(directory, directoryFinal, kept);
}
