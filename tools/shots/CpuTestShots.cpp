// Not a test: shows the CPU test page in a 442 x 490 window for the pictures taken by
// tools/shots/burnin-shots.sh.
#include <gtest/gtest.h>

#include <atomic>
#include <windows.h>
#include <commctrl.h>
#include <memory>

#include "support/CpuTestHarness.h"
#include "burnin/CCpuTestPage.h"
#include "platform/CAppSettings.h"
#include "res/resource.h"
#include "support/CRegistrySandbox.h"

namespace {

std::atomic<bool> g_hold{false};
std::atomic<int> g_last{-1};

// Posts as the worker does; while held, the run waits at its next post so the picture is still.
// Each new value waits a little, so that a run lasts a few seconds, as on a real machine.
BOOL WINAPI PostHeld(HWND window, UINT message, WPARAM value, LPARAM tag) {
    while (g_hold.load())
        Sleep(10);
    if (static_cast<int>(value) != g_last.exchange(static_cast<int>(value)))
        Sleep(4);
    return PostMessageA(window, message, value, tag);
}

// Tells the script that the window shows what it should, then waits until the picture is taken
// (the script deletes the file).
void AwaitPicture(const char* flag) {
    HANDLE file = CreateFileA(flag, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    Pump(60000, [flag] { return GetFileAttributesA(flag) == INVALID_FILE_ATTRIBUTES; });
}

TEST(CpuTestPageShots, Screenshots) {
    CRegistrySandbox registry(CRegistrySandbox::kLocalMachine);
    CAppSettings().SetCPUTestCount(3);
    CCpuTestWorker::SetPostFunction(&PostHeld);
    CCpuTestMainWindow main;
    CTestFrame frame;
    auto page = std::make_unique<CCpuTestPage>(main);
    ASSERT_TRUE(page->CreatePage(frame.Handle()));
    SetWindowPos(page->Handle(), nullptr, 30, 100, 381, 287, SWP_NOZORDER | SWP_SHOWWINDOW);
    Pump(500);
    ClickDialogButton(page->Handle(), IDC_CPU_START);
    ASSERT_TRUE(Pump(60000, [&] {
        return ItemText(page->Handle(), IDC_CPU_CURRENT_LABEL) == "Running Test 2" &&
               SendDlgItemMessageA(page->Handle(), IDC_CPU_CURRENT_BAR, PBM_GETPOS, 0, 0) >= 45;
    }));
    g_hold = true;
    Pump(500);
    AwaitPicture("C:\\burnin-running.ready");
    g_hold = false;
    ASSERT_TRUE(Pump(120000, [&] { return !page->IsRunning(); }));
    Pump(500);
    AwaitPicture("C:\\burnin-completed.ready");
    page.reset();
    CCpuTestWorker::SetPostFunction(nullptr);
}

} // namespace
