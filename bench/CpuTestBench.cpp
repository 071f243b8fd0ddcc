// Measures the CPU test under Wine:
//     cpu_test_bench.exe [posts of the bare loop, 1000000 unless given]
// 1. A bare loop: a thread posts one million messages to a window of the main thread, which
//    handles them; the time until the last one is handled.
// 2. One run of the CPU test page (count 1): the time from Start until the page is idle again,
//    the processor time of the worker thread against that time (the share of one CPU it keeps
//    busy), and how quickly the main thread answers while the run floods its queue: a helper
//    thread sends it a message every 25 ms and also posts one, timing the answer and the wait.
#include <algorithm>
#include <cstdlib>
#include <atomic>
#include <cstdio>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "Architecture.h"
#include "burnin/CCpuTestPage.h"
#include "burnin/CCpuTestWorker.h"
#include "platform/CAppSettings.h"
#include "support/CRecordingMainWindow.h"
#include "res/resource.h"
#include "ui/IMainWindow.h"

namespace {

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuSeconds(const FILETIME& kernel, const FILETIME& user) {
    auto value = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 1e7;
}

double ProcessCpu() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return CpuSeconds(kernel, user);
}

double ThreadCpu(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(thread, &created, &exited, &kernel, &user);
    return CpuSeconds(kernel, user);
}

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kBareDone = WM_APP + 2;
int g_bareCount = 1000000;
std::atomic<long> g_bareHandled{0};
std::atomic<long> g_bareRefused{0};
std::atomic<bool> g_bareDone{false};
std::atomic<long> g_runPosts{0};
std::atomic<long> g_runRefused{0};

// The page's runs post through here: PostMessageA, counting the posts the system refused.
BOOL WINAPI CountingPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_runPosts.fetch_add(1);
    const BOOL posted = PostMessageA(window, message, wParam, lParam);
    if (!posted)
        g_runRefused.fetch_add(1);
    return posted;
}
std::atomic<double> g_probePosted{0};
std::atomic<bool> g_probePending{false};
std::vector<double> g_postedWaits; // main thread only

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CCpuTestWorker::kProgressMessage) {
        g_bareHandled.fetch_add(1);
        return 0;
    }
    if (message == kBareDone) {
        g_bareDone = true;
        return 0;
    }
    if (message == kProbe) {
        g_postedWaits.push_back(Now() - g_probePosted.load());
        g_probePending = false;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND g_frame = nullptr;
HWND g_target = nullptr;

DWORD WINAPI BarePoster(void*) {
    for (int i = 0; i < g_bareCount; ++i)
        if (!PostMessageA(g_target, CCpuTestWorker::kProgressMessage, 1, 0))
            g_bareRefused.fetch_add(1);
    while (!PostMessageA(g_target, kBareDone, 0, 0))
        Sleep(1);
    return 0;
}

std::atomic<bool> g_probing{false};
std::vector<double> g_sentAnswers;

DWORD WINAPI Prober(void*) {
    while (g_probing.load()) {
        const double start = Now();
        DWORD_PTR result = 0;
        SendMessageTimeoutA(g_frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        g_sentAnswers.push_back(Now() - start);
        if (!g_probePending.exchange(true)) {
            g_probePosted.store(Now());
            PostMessageA(g_frame, kProbe, 0, 0);
        }
        Sleep(25);
    }
    return 0;
}

void Pump() {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Summarise(const char* what, std::vector<double> times) {
    if (times.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("%s: %zu samples, median %.2f ms, mean %.2f ms, 95th %.2f ms, max %.2f ms\n", what,
                times.size(), times[times.size() / 2] * 1e3, sum / times.size() * 1e3,
                times[times.size() * 95 / 100] * 1e3, times.back() * 1e3);
}

} // namespace

int main(int argc, char** argv) {
    PrintArchitecture();
    setvbuf(stdout, nullptr, _IONBF, 0);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &FrameProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "CpuTestBenchFrame";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);
    g_frame =
        CreateWindowExA(0, "CpuTestBenchFrame", "CPU test bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        20, 20, 442, 490, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

    // 1. The bare loop.
    g_target = g_frame;
    double start = Now();
    HANDLE poster = CreateThread(nullptr, 0, &BarePoster, nullptr, 0, nullptr);
    if (argc > 1)
        g_bareCount = std::atoi(argv[1]);
    while (!g_bareDone.load())
        Pump();
    const double bare = Now() - start;
    WaitForSingleObject(poster, INFINITE);
    CloseHandle(poster);
    std::printf("bare loop: %d posts (%ld refused, %ld handled) in %.2f s\n", g_bareCount,
                g_bareRefused.load(), g_bareHandled.load(), bare);

    // 2. One run of the page.
    CAppSettings().SetCPUTestCount(1);
    CCpuTestWorker::SetPostFunction(&CountingPost);
    CRecordingMainWindow main;
    CCpuTestPage page(main);
    page.CreatePage(g_frame);
    SetWindowPos(page.Handle(), nullptr, 30, 100, 381, 287, SWP_NOZORDER | SWP_SHOWWINDOW);
    const double cpuBefore = ProcessCpu();
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    const double mainBefore = ThreadCpu(self);
    g_probing = true;
    HANDLE prober = CreateThread(nullptr, 0, &Prober, nullptr, 0, nullptr);
    start = Now();
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CPU_START, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page.Handle(), IDC_CPU_START)));
    while (page.IsRunning())
        Pump();
    const double run = Now() - start;
    g_probing = false;
    // Answer the prober's last message while it ends.
    while (MsgWaitForMultipleObjects(1, &prober, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    CloseHandle(prober);
    const double mainCpu = ThreadCpu(self) - mainBefore;
    // Beside the main thread only the worker (and the prober, which mostly sleeps) ran.
    const double workerCpu = ProcessCpu() - cpuBefore - mainCpu;
    CloseHandle(self);

    std::printf("one run of the page: %.2f s (%.2f times the bare loop), %ld posts, %ld refused\n",
                run, run / bare, g_runPosts.load(), g_runRefused.load());
    std::printf("worker and prober processor time: %.2f s = %.0f%% of one CPU over the run\n",
                workerCpu, workerCpu / run * 100);
    std::printf("main thread processor time: %.2f s = %.0f%% of one CPU\n", mainCpu,
                mainCpu / run * 100);
    Summarise("sent message answered by the main thread during the run", g_sentAnswers);
    Summarise("posted message handled by the main thread during the run", g_postedWaits);
    return 0;
}
