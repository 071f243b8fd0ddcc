// Times the removal of one folder tree, in milliseconds, under the same Wine:
//   wipe_bench wipe FOLDER   WipeDirectory(FOLDER): the time of the call alone
//   wipe_bench rd FOLDER     `cmd /c rd /s /q FOLDER`: from CreateProcess to the end of cmd
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
        std::puts("usage: wipe_bench wipe|rd FOLDER");
        return 2;
    }
    const std::string folder = argv[2];
    LARGE_INTEGER start = {};
    QueryPerformanceCounter(&start);
    if (std::strcmp(argv[1], "wipe") == 0) {
        WipeDirectory(folder);
    } else if (std::strcmp(argv[1], "rd") == 0) {
        if (!RemoveWithCmd(folder)) {
            std::puts("error cannot start cmd");
            return 1;
        }
    } else {
        std::puts("usage: wipe_bench wipe|rd FOLDER");
        return 2;
    }
    std::printf("%.1f\n", MillisecondsSince(start));
    return 0;
}
