#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <windows.h>

#include "platform/CAppSettings.h"
#include "platform/CMemoryFigures.h"
#include "platform/CTimeScale.h"
#include "status/CMemoryOptionsDlg.h"
#include "status/CMemoryStatusPage.h"
#include "status/CPostOptimizeDlg.h"
#include "support/CModalScript.h"
#include "support/CRegistrySandbox.h"
#include "support/CRecordingMainWindow.h"
#include "support/MessagePump.h"
#include "support/TestRegistry.h"
#include "support/ReportedMemory.h"

// Not a test: the picture source of tools/shots/status-shots.sh. It shows the memory page
// in a plain main-window-sized window after thirty samples (a minute), then the two dialogs,
// and before each picture writes the phase into "status-shot.txt" in the temporary folder and
// waits for the script to take the picture and delete the file.

namespace {

constexpr DWORD kMB = 1048576;

std::string MarkerPath() {
    char buffer[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer) + "status-shot.txt";
}

// Writes the phase and lets the window live until the picture is taken.
void WaitForPicture(const char* phase) {
    const std::string marker = MarkerPath();
    std::ofstream(marker) << phase;
    PumpMessages(30000,
                 [&] { return GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST(MemoryStatusShots, PageAfterAMinuteAndBothDialogs) {
    CRegistrySandbox sandbox(CRegistrySandbox::kLocalMachine);
    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "UseAutoMemOptimize", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "AutoMemOptimize", 40);
    int samples = 0;
    CTimeScale::SetDivisor(20); // a sample every 100 ms

    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hbrBackground = CreateSolidBrush(RGB(156, 154, 206));
    frameClass.lpszClassName = "StatusShotFrame";
    RegisterClassA(&frameClass);
    HWND frame = CreateWindowExA(0, "StatusShotFrame", "Torvane", WS_POPUP | WS_VISIBLE, 20, 20,
                                 442, 490, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);

    // Count samples through the figures the page reads.
    CMemoryFigures::SetSource(ReportedMemory([&] {
        ++samples;
        const double t = samples;
        const double free =
            115 + 45 * std::sin(t / 4.0) + 10 * std::cos(t / 1.7) - (samples == 22 ? 70 : 0);
        return CMemoryFigures::Figures{256 * kMB, static_cast<DWORD>(free * kMB)};
    }));
    CRecordingMainWindow main;
    {
        CMemoryStatusPage page(main);
        ASSERT_TRUE(page.CreatePage(frame));
        page.MoveTo(25, 150); // where the main window's pager shows it
        page.Show(SW_SHOW);
        PumpMessages(20000, [&] { return samples > 30; });
        KillTimer(page.Handle(), CMemoryStatusPage::kSampleTimer);
        PumpMessages(200);
        WaitForPicture("page");

        {
            CModalScript script("Memory Optimization Options", [](HWND) {
                PumpMessages(300);
                WaitForPicture("options");
            });
            CMemoryOptionsDlg options;
            options.Show(frame);
        }
        {
            CModalScript script("Post Optimization Confirmation", [](HWND) {
                PumpMessages(300);
                WaitForPicture("report");
            });
            CPostOptimizeDlg report(CPostOptimizeDlg::ReclaimedText(12 * kMB, 256 * kMB));
            report.Show(frame);
        }
    }
    DestroyWindow(frame);
    CTimeScale::SetDivisor(1);
    CMemoryFigures::SetSource({});
}
