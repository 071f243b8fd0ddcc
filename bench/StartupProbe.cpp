// Watches one start of a tray program that the benchmark script starts with `wine`:
//   startup_probe torvane|baseline [SECONDS]
// It waits until no earlier copy is running (and, for Torvane, makes the coming start a first
// start: no Run entry and no options), prints "ready" and watches for the program's tray window.
// When the window appears it takes the time, lets the program settle for a second and reads the
// program's peak working set. For Torvane it then clicks the tray icon the way the shell reports
// a click, times the main window until it is shown and its thread answers again (its paints are
// done), lets it settle for a second and reads the working set again. Then it ends the program
// the way its user would and prints one line:
//   shown <microseconds since 1970 when the window appeared> <peak working set, bytes> <exit code>
//         <microseconds from the click to the main window> <working set with it open, bytes>
//         <peak working set by then, bytes>
// (the last three are 0 for the baseline).
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
const UINT kTrayCallback = 0x8001; // the tray icon's callback message
const UINT kTrayIconId = 128;
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

long long MicrosecondsNow() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return now.QuadPart * 1000000 / frequency.QuadPart;
}

struct MainSearch {
    DWORD process;
    HWND found;
};

// The main window is the program's visible dialog "Torvane" with a size (the host window of the
// same name is shown with none).
BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<MainSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (process == search.process && IsWindowVisible(window) && std::strcmp(title, "Torvane") == 0 &&
        rect.right > rect.left) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Clicks the tray icon and answers the microseconds until the main window is shown and its
// thread has handled everything before a message sent after it; -1 when it did not open.
long long OpenMainWindow(HWND tray, DWORD process, int seconds) {
    MainSearch search = {process, nullptr};
    const long long start = MicrosecondsNow();
    PostMessageA(tray, kTrayCallback, kTrayIconId, WM_LBUTTONDOWN);
    const DWORD ticks = GetTickCount();
    while (search.found == nullptr) {
        if (GetTickCount() - ticks > static_cast<DWORD>(seconds) * 1000)
            return -1;
        Sleep(1);
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, seconds * 1000, &answer);
    return MicrosecondsNow() - start;
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
    long long opened = 0;
    PROCESS_MEMORY_COUNTERS open = {};
    open.cb = sizeof(open);
    if (torvane && settled) {
        opened = OpenMainWindow(window, processId, seconds);
        Sleep(kSettleMilliseconds);
        GetProcessMemoryInfo(process.Get(), &open, sizeof(open));
    }

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
    if (opened < 0)
        return Fail("the main window did not open from the tray");
    std::printf("shown %lld %zu %lu %lld %zu %zu\n", shown,
                static_cast<size_t>(counters.PeakWorkingSetSize),
                static_cast<unsigned long>(exitCode), opened,
                static_cast<size_t>(open.WorkingSetSize),
                static_cast<size_t>(open.PeakWorkingSetSize));
    return 0;
}
