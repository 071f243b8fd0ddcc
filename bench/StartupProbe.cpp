// Watches one start of a tray program that the benchmark script starts with `wine`:
//   startup_probe torvane|baseline [SECONDS]
// It waits until no earlier copy is running (and, for Torvane, makes the coming start a first
// start: no Run entry and no options), prints "ready" and watches for the program's tray window.
// When the window appears it takes the time, lets the program settle for a second, reads the
// program's peak working set, ends the program the way its user would and prints one line:
//   shown <microseconds since 1970 when the window appeared> <peak working set, bytes> <exit code>
// Anything that goes wrong is printed as "error <what>" with exit code 1.
#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BaselineWindow.h"
#include "platform/CAppSettings.h"
#include "platform/CHandle.h"
#include "platform/RegistryPrimitives.h"
#include "res/resource.h"

namespace {

const DWORD kSettleMilliseconds = 1000;
const DWORD kEndMilliseconds = 10000;

struct Target {
    const char* windowClass;
    const char* windowTitle;
    UINT endMessage; // posted to the window to end the program
    WPARAM endParameter;
};

// Torvane's tray window is the dialog IDD_TRAY ("Torvane Tray" in src/res/Torvane.rc); its
// menu's "Exit Torvane" sends it ID_TRAY_EXIT.
const Target kTorvane = {"#32770", "Torvane Tray", WM_COMMAND, ID_TRAY_EXIT};
const Target kBaseline = {kBaselineClass, kBaselineTitle, WM_CLOSE, 0};

int Fail(const char* what) {
    std::printf("error %s\n", what);
    return 1;
}

// The system time with the best resolution the system offers, in microseconds since 1970: the
// script compares it with the shell's clock.
long long MicrosecondsSince1970() {
    using PreciseTimeFunction = VOID(WINAPI*)(LPFILETIME);
    static const PreciseTimeFunction precise =
        reinterpret_cast<PreciseTimeFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME now = {};
    if (precise != nullptr)
        precise(&now);
    else
        GetSystemTimeAsFileTime(&now);
    const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) |
                            static_cast<long long>(now.dwLowDateTime);
    return (ticks - 116444736000000000LL) / 10;
}

HWND FindTarget(const Target& target) {
    return FindWindowA(target.windowClass, target.windowTitle);
}

// Polls every millisecond until the window's presence is `wanted`; false after `seconds`.
bool WaitForWindow(const Target& target, bool wanted, int seconds, HWND& window) {
    const DWORD start = GetTickCount();
    for (;;) {
        window = FindTarget(target);
        if ((window != nullptr) == wanted)
            return true;
        if (GetTickCount() - start > static_cast<DWORD>(seconds) * 1000)
            return false;
        Sleep(1);
    }
}

bool HasRunEntry() {
    return CAppSettings().IsRunEntryPresent() != FALSE;
}

// A first start finds neither its Run entry nor any option of its own.
bool MakeFirstStart() {
    DeleteValue(HKEY_LOCAL_MACHINE, CAppSettings::kRunKey, CAppSettings::kRunValue);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ostrander Works\\Torvane");
    return !HasRunEntry();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Fail("usage: startup_probe torvane|baseline [SECONDS]");
    const bool torvane = std::strcmp(argv[1], "torvane") == 0;
    if (!torvane && std::strcmp(argv[1], "baseline") != 0)
        return Fail("unknown program");
    const Target& target = torvane ? kTorvane : kBaseline;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;

    HWND window = nullptr;
    if (!WaitForWindow(target, false, seconds, window))
        return Fail("an earlier copy is still running");
    if (torvane && !MakeFirstStart())
        return Fail("cannot remove the Run entry of an earlier start");
    std::printf("ready\n");
    std::fflush(stdout);

    if (!WaitForWindow(target, true, seconds, window))
        return Fail("the tray window did not appear");
    const long long shown = MicrosecondsSince1970();

    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    CHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE | PROCESS_TERMINATE,
                    FALSE, processId));
    if (!process.IsValid())
        return Fail("cannot open the program's process");
    Sleep(kSettleMilliseconds);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    const bool measured = GetProcessMemoryInfo(process.Get(), &counters, sizeof(counters)) != FALSE;
    const bool settled = IsWindow(window) != FALSE;
    const bool firstStart = !torvane || HasRunEntry();

    PostMessageA(window, target.endMessage, target.endParameter, 0);
    if (WaitForSingleObject(process.Get(), kEndMilliseconds) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 99);
        return Fail("the program did not end when asked");
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    if (!settled)
        return Fail("the tray window went away by itself");
    if (!firstStart)
        return Fail("the start wrote no Run entry: it was not a first start");
    if (!measured)
        return Fail("cannot read the program's memory counters");
    std::printf("shown %lld %lu %lu\n", shown,
                static_cast<unsigned long>(counters.PeakWorkingSetSize),
                static_cast<unsigned long>(exitCode));
    return 0;
}
