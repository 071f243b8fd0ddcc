// Times the main window's opening from a tray click until it is painted, against a trivial
// dialog opened the same way, and checks that opening and closing it 300 times leaves the GDI and
// USER objects of the process where they were and that its committed memory stops growing after
// the first few openings.
//   main_window_bench.exe [RUNS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Architecture.h"
#include "app/CHostDlg.h"
#include "app/CMainDlg.h"
#include "app/CTrayIconDlg.h"
#include "platform/CAppSettings.h"
#include "res/resource.h"
#include "ui/CModelessDialog.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Paints everything pending of the window and its children now.
void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

// The trivial program's tray window: a click opens a small dialog (the About box's template).
class TrivialDialog : public CModelessDialog {};
class TrivialTray : public CModelessDialog {
public:
    std::unique_ptr<TrivialDialog> dialog;

protected:
    BOOL OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT&) override {
        if (message == CTrayIconDlg::kCallbackMessage && lParam == WM_LBUTTONDOWN) {
            dialog = std::make_unique<TrivialDialog>();
            dialog->Create(IDD_ABOUTBOX, window_);
            dialog->Show(SW_SHOW);
            dialog->BringToForeground();
            return TRUE;
        }
        return FALSE;
    }
};

struct Counts {
    DWORD gdi, user;
    SIZE_T privateBytes, pagefileBytes, workingSet;
    int windows;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM data) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(data);
        EnumChildWindows(window, CountWindow, data);
    }
    return TRUE;
}

Counts Measure() {
    Drain();
    Counts counts = {};
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof(memory));
    counts.privateBytes = memory.PrivateUsage;
    counts.pagefileBytes = memory.PagefileUsage;
    counts.workingSet = memory.WorkingSetSize;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
    return counts;
}

// Counts the live GDI objects of the process under Wine: its handle table accepts a handle whose
// upper word is 0 for any live entry, so GetObjectType answers for every table index in use.
int CountGdiObjectsUnderWine() {
    int count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++count;
    return count;
}

// Counts this process's windows and the menus in Wine's USER handle table the same way: a handle
// whose upper word is 0 names whatever entry sits at that index.
int CountUserObjectsUnderWine() {
    int count = 0;
    for (ULONG_PTR index = 0x20; index < 0x10000; index += 2) {
        HWND window = reinterpret_cast<HWND>(index);
        DWORD process = 0;
        if (IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
            process == GetCurrentProcessId())
            ++count;
        else if (IsMenu(reinterpret_cast<HMENU>(index)))
            ++count;
    }
    return count;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    PrintArchitecture();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 300;
    if (runs < 1)
        return 2;
    // The committed memory after the first few openings, where the later ones are compared.
    const int settled = runs < 10 ? runs : 10;
    SIZE_T committedSettled = 0;
    CAppSettings settings;
    settings.AddRunEntry(); // a tray-only start, as after the first

    auto host = std::make_unique<CHostDlg>();
    if (!host->Create())
        return 1;
    auto tray = std::make_unique<CTrayIconDlg>(*host);
    tray->AddIcon();
    CTrayIconDlg* trayWindow = tray.get();
    host->SetTrayIcon(std::move(tray));
    Sleep(700);
    Drain();

    TrivialTray trivial;
    trivial.Create(IDD_TRAY, nullptr);
    trivial.Show(SW_HIDE);

    // One opening of each first, not counted, with what the window does once painted (it loads
    // the pictures that stay for the whole run).
    trayWindow->Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
    PaintNow(*host->MainWindow());
    Sleep(50);
    Drain();
    host->Send(CHostDlg::kCloseMainWindowMessage);
    host->ReleaseRetiredWindows();
    trivial.Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
    trivial.dialog.reset();
    Drain();

    const Counts before = Measure();
    const int gdiBefore = CountGdiObjectsUnderWine();
    const int userBefore = CountUserObjectsUnderWine();
    std::vector<double> mainTimes, afterTimes, trivialTimes;
    // Their full size before the first reading, so that the figures do not count as growth.
    mainTimes.reserve(runs);
    afterTimes.reserve(runs);
    trivialTimes.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        double start = Now();
        trayWindow->Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
        PaintNow(*host->MainWindow());
        mainTimes.push_back(Now() - start);
        // What the window does once it is painted (it makes the memory status page), timed apart.
        Sleep(20);
        start = Now();
        Drain();
        afterTimes.push_back(Now() - start);
        host->Send(CHostDlg::kCloseMainWindowMessage);
        Drain();
        host->ReleaseRetiredWindows();

        start = Now();
        trivial.Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
        PaintNow(*trivial.dialog);
        trivialTimes.push_back(Now() - start);
        trivial.dialog.reset();
        Drain();
        if (run + 1 == settled)
            committedSettled = Measure().pagefileBytes;
    }
    const Counts after = Measure();
    const int gdiAfter = CountGdiObjectsUnderWine();
    const int userAfter = CountUserObjectsUnderWine();

    std::printf("runs %d\n", runs);
    std::printf("tray click to painted, main window: median %.1f ms, min %.1f, max %.1f\n",
                Median(mainTimes), *std::min_element(mainTimes.begin(), mainTimes.end()),
                *std::max_element(mainTimes.begin(), mainTimes.end()));
    std::printf("after the paint, until the main window is idle: median %.1f ms, max %.1f\n",
                Median(afterTimes), *std::max_element(afterTimes.begin(), afterTimes.end()));
    std::printf("tray click to painted, trivial dialog: median %.1f ms, min %.1f, max %.1f\n",
                Median(trivialTimes), *std::min_element(trivialTimes.begin(), trivialTimes.end()),
                *std::max_element(trivialTimes.begin(), trivialTimes.end()));
    std::printf("GetGuiResources GDI: %lu -> %lu, USER: %lu -> %lu\n", before.gdi, after.gdi,
                before.user, after.user);
    std::printf("GDI objects in the handle table: %d -> %d (%s)\n", gdiBefore, gdiAfter,
                gdiAfter == gdiBefore ? "back to their count" : "NOT back to their count");
    std::printf("own windows and menus in the handle table: %d -> %d (%s)\n", userBefore,
                userAfter, userAfter == userBefore ? "back to their count" : "NOT back to their count");
    std::printf("windows of the process: %d -> %d\n", before.windows, after.windows);
    std::printf("private bytes: %lu KiB -> %lu KiB\n",
                static_cast<unsigned long>(before.privateBytes / 1024),
                static_cast<unsigned long>(after.privateBytes / 1024));
    std::printf("pagefile (committed) bytes: %lu KiB -> %lu KiB\n",
                static_cast<unsigned long>(before.pagefileBytes / 1024),
                static_cast<unsigned long>(after.pagefileBytes / 1024));
    std::printf("working set: %lu KiB -> %lu KiB\n",
                static_cast<unsigned long>(before.workingSet / 1024),
                static_cast<unsigned long>(after.workingSet / 1024));
    const long long growth = static_cast<long long>(after.pagefileBytes / 1024) -
                             static_cast<long long>(committedSettled / 1024);
    std::printf("committed memory growth after opening %d to after opening %d: %lld KiB\n",
                settled, runs, growth);
    const bool objectsBack = gdiAfter == gdiBefore && userAfter == userBefore;
    host.reset();
    return objectsBack ? 0 : 3;
}
