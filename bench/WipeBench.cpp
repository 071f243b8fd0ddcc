// Times the removal of one folder tree, in milliseconds, under the same Wine:
//   wipe_bench wipe FOLDER   WipeDirectory(FOLDER): the time of the call alone
//   wipe_bench rd FOLDER     `cmd /c rd /s /q FOLDER`: from CreateProcess to the end of cmd
//   wipe_bench parts FOLDER  where the time of a wipe goes, per entry, leaving the tree as it is:
//                            the walk alone (search and path texts), the walk with one open and
//                            close of every entry, the walk with every entry's final path
//   wipe_bench plain FOLDER  a walk that removes every entry with no check at all (the floor)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/CHandle.h"
#include "platform/WipeDirectory.h"

namespace {

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now = {};
    LARGE_INTEGER frequency = {};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);

FinalPathFunction FinalPathApi() {
    return reinterpret_cast<FinalPathFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
}

enum class Visit { kNothing, kOpen, kFinalPath, kRemove };

// Walks `folder` by name search (FindFirstFileA) and does `visit` to every entry; answers the
// entries seen.
size_t Walk(const std::string& folder, Visit visit) {
    size_t entries = 0;
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        ++entries;
        const std::string path = folder + "\\" + name;
        if (visit == Visit::kOpen || visit == Visit::kFinalPath) {
            CHandle handle(CreateFileA(
                path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
            if (visit == Visit::kFinalPath && handle.IsValid()) {
                static const FinalPathFunction finalPath = FinalPathApi();
                char buffer[MAX_PATH * 2];
                if (finalPath != nullptr)
                    finalPath(handle.Get(), buffer, sizeof(buffer), 0);
            }
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries += Walk(path, visit);
            if (visit == Visit::kRemove)
                RemoveDirectoryA(path.c_str());
        } else if (visit == Visit::kRemove) {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return entries;
}

bool RemoveWithCmd(const std::string& folder) {
    std::string commandLine = "cmd /c rd /s /q \"" + folder + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CHandle thread(process.hThread);
    CHandle child(process.hProcess);
    WaitForSingleObject(child.Get(), INFINITE);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::puts("usage: wipe_bench wipe|rd|parts|plain FOLDER");
        return 2;
    }
    const std::string folder = argv[2];
    if (std::strcmp(argv[1], "parts") == 0) {
        const struct {
            Visit visit;
            const char* what;
        } parts[] = {{Visit::kNothing, "walk"},
                     {Visit::kOpen, "walk+open"},
                     {Visit::kFinalPath, "walk+open+final path"}};
        for (const auto& part : parts) {
            LARGE_INTEGER start = {};
            QueryPerformanceCounter(&start);
            const size_t entries = Walk(folder, part.visit);
            const double ms = MillisecondsSince(start);
            std::printf("%s: %.1f ms, %zu entries, %.1f us per entry\n", part.what, ms, entries,
                        entries ? 1000.0 * ms / static_cast<double>(entries) : 0.0);
        }
        return 0;
    }
    LARGE_INTEGER start = {};
    QueryPerformanceCounter(&start);
    if (std::strcmp(argv[1], "wipe") == 0) {
        WipeDirectory(folder);
    } else if (std::strcmp(argv[1], "plain") == 0) {
        Walk(folder, Visit::kRemove);
    } else if (std::strcmp(argv[1], "rd") == 0) {
        if (!RemoveWithCmd(folder)) {
            std::puts("error cannot start cmd");
            return 1;
        }
    } else {
        std::puts("usage: wipe_bench wipe|rd|parts|plain FOLDER");
        return 2;
    }
    std::printf("%.1f\n", MillisecondsSince(start));
    return 0;
}
