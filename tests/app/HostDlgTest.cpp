#include <gtest/gtest.h>

#include <memory>

#include "platform/CAppSettings.h"
#include "app/CHostDlg.h"
#include "platform/CMemoryFigures.h"
#include "platform/CTimeScale.h"
#include "platform/ProgramPaths.h"
#include "status/CAutoOptimizer.h"
#include "status/CMemoryOptimizer.h"
#include "res/resource.h"
#include "support/CModalScript.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/MessagePump.h"
#include "support/TestRegistry.h"
#include "support/ReportedMemory.h"
#include "support/DialogDriver.h"
#include "app/CMainDlg.h"
#include "app/CTrayIconDlg.h"

namespace {

const char kWindows[] = "SOFTWARE\\Ostrander Works\\Torvane\\Windows";
const char kOptions[] = "SOFTWARE\\Ostrander Works\\Torvane\\Options";
const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// An optimiser that counts its runs, keeps the script path it was given and answers `result`.
struct CountingOptimizer : CMemoryOptimizer {
    int calls = 0;
    int result = 1;
    std::string path;
    int Optimize(const std::string& script) override {
        path = script;
        ++calls;
        return result;
    }
};

class HostDlg : public testing::Test {
protected:
    void SetUp() override {
        CTimeScale::SetDivisor(10);
        CMemoryFigures::SetSource(ReportedMemory([this] {
            return CMemoryFigures::Figures{total_, available_};
        }));
    }
    void TearDown() override {
        host_.reset();
        PumpMessages(20);
        CTimeScale::SetDivisor(1);
        CMemoryFigures::SetSource({});
    }

    // Starts the host the way the application does, with a counting optimiser and a tray icon.
    void Start() {
        host_ = std::make_unique<CHostDlg>();
        auto optimizer = std::make_unique<CountingOptimizer>();
        optimizer_ = optimizer.get();
        host_->SetOptimizer(std::move(optimizer));
        ASSERT_TRUE(host_->Create());
        auto tray = std::make_unique<CTrayIconDlg>(*host_);
        tray->AddIcon();
        host_->SetTrayIcon(std::move(tray));
    }
    void RegisterRunEntry() { StoreText(HKEY_LOCAL_MACHINE, kRun, "Torvane", "C:\\T\\T.exe"); }
    void Fire(UINT_PTR timer) { host_->Send(WM_TIMER, timer); }

    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    std::unique_ptr<CHostDlg> host_;
    CountingOptimizer* optimizer_ = nullptr;
    DWORD total_ = 256u * 1048576;
    DWORD available_ = 200u * 1048576;
};

// A first start registers the program, starts in the tray and hides half a second later; a click
// on the tray icon while the tray's About box is open opens the main window only once the box is
// closed, not under it.
TEST_F(HostDlg, FirstStartRegistersTheProgramAndStartsInTheTray) {
    Start();
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kRun, "Torvane").Text(), GetProgramFile());
    const StoredValue show = ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane");
    ASSERT_TRUE(show.exists);
    EXPECT_EQ(show.Number(), 0u);
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_NE(host_->HideTimer(), 0u);
    EXPECT_FALSE(host_->IsVisible());
    EXPECT_TRUE(host_->IsTrayIconAdded());
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u); // automatic optimisation is off

    ASSERT_TRUE(PumpMessages(2000, [this] { return host_->HideTimer() == 0; }));
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_FALSE(host_->IsVisible());
    bool under = true;
    CModalScript about("About Torvane", [&](HWND box) {
        host_->TrayIcon()->Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId,
                                WM_LBUTTONDOWN);
        under = host_->MainWindow() != nullptr;
        ClickDialogButton(box, IDOK);
    });
    host_->TrayIcon()->Send(WM_COMMAND, ID_TRAY_ABOUT);
    EXPECT_EQ(about.Seen(), 1);
    EXPECT_FALSE(under);
    EXPECT_TRUE(PumpMessages(2000, [this] { return host_->IsMainWindowVisible(); }));
}

// A completed tuning forces a tray start even with "Show Torvane" on; a window the user opens
// before the hide's timer has come (a busy start) stays open.
TEST_F(HostDlg, CompletedTuningForcesATrayStartAndAnEarlyOpenStays) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Has Tuned", 1);
    Start();
    EXPECT_EQ(host_->MainWindow(), nullptr);
    ASSERT_NE(host_->HideTimer(), 0u);
    host_->ShowMainWindow(TRUE);
    ASSERT_TRUE(host_->IsMainWindowVisible());
    EXPECT_EQ(host_->HideTimer(), 0u);
    PumpMessages(1000);
    EXPECT_TRUE(host_->IsMainWindowVisible());
}

// Shown at start, the main window opens where it was left; hiding it (also by the close message)
// saves its place, and quitting for a restart saves it and ends the loop.
TEST_F(HostDlg, ShowWithoutTuningOpensTheMainWindowWhereItWasLeft) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
    Start();
    ASSERT_NE(host_->MainWindow(), nullptr);
    EXPECT_TRUE(host_->MainWindow()->IsVisible());
    EXPECT_EQ(host_->HideTimer(), 0u);
    // The keyboard is in the main window, not in the invisible host.
    const HWND focus = GetFocus();
    EXPECT_TRUE(focus == host_->MainWindow()->Handle() || IsChild(*host_->MainWindow(), focus));
    RECT rect = host_->MainWindow()->WindowRect();
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.top, 50);
    // The Run entry was there: the start mode option stays as it was.
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane").Number(), 1u);

    host_->MainWindow()->MoveTo(120, 80);
    host_->ShowMainWindow(FALSE);
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Torvane Left").Number(), 120u);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Torvane Top").Number(), 80u);

    host_->ShowMainWindow(TRUE);
    ASSERT_NE(host_->MainWindow(), nullptr);
    rect = host_->MainWindow()->WindowRect();
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 80);
    host_->Send(CHostDlg::kCloseMainWindowMessage);
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_TRUE(host_->Exists());

    host_->ShowMainWindow(TRUE);
    ASSERT_NE(host_->MainWindow(), nullptr);
    host_->MainWindow()->MoveTo(70, 90);
    host_->QuitForRestart();
    EXPECT_FALSE(host_->Exists());
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Torvane Left").Number(), 70u);
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        quit = quit || message.message == WM_QUIT;
    EXPECT_TRUE(quit);
}

// With automatic optimisation on, the host runs the optimising rule on its timers: watching,
// then recovering with the tray animating, then watching again. An optimiser that cannot run
// (no script host) pauses the watching for the pause period, with the icon normal, instead of
// starting again every few seconds.
TEST_F(HostDlg, WatchingOptimisesBelowTheLevelRecoversAndPausesWhenItCannot) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "UseAutoMemOptimize", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "AutoMemOptimize", 32);
    Start();
    // Each step: the free memory, the timer that fires (0: none) with what the optimiser would
    // answer, then the optimisations so far, the timers running and the tray icon's state.
    struct Step {
        DWORD availableMb;
        UINT_PTR timer;
        int result;
        int calls;
        bool watch, recovery, pause;
        int state;
    };
    const UINT_PTR watch = CAutoOptimizer::kWatchTimer, recover = CAutoOptimizer::kRecoveryTimer,
                   pause = CAutoOptimizer::kPauseTimer;
    const int normal = CTrayIconDlg::kStateNormal, optimizing = CTrayIconDlg::kStateOptimizing;
    const Step steps[] = {
        {200, 0, 1, 0, true, false, false, normal},         // started: watching
        {40, watch, 1, 0, true, false, false, normal},      // above the level
        {4, watch, 1, 1, false, true, false, optimizing},   // below: optimised, recovering
        {4, recover, 1, 1, false, true, false, optimizing}, // not recovered yet
        {40, recover, 1, 1, true, false, false, normal},    // recovered: watching again
        {40, watch, 1, 1, true, false, false, normal},      // above the level again
        {16, watch, 0, 2, false, false, true, normal},      // cannot run: paused, icon normal
        {16, pause, 1, 2, true, false, false, normal},      // after the pause it watches
        {16, watch, 1, 3, false, true, false, optimizing},  // and tries again
        {20, recover, 1, 3, true, false, false, normal},    // above 8 MB: recovered
        {20, watch, 1, 3, false, false, true, normal},      // still below: paused, not again
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(&step - steps);
        available_ = step.availableMb * 1048576;
        optimizer_->result = step.result;
        if (step.timer != 0)
            Fire(step.timer);
        EXPECT_EQ(optimizer_->calls, step.calls);
        EXPECT_EQ(host_->AutoOptimizeTimer() != 0, step.watch);
        EXPECT_EQ(host_->RecoveryTimer() != 0, step.recovery);
        EXPECT_EQ(host_->PauseTimer() != 0, step.pause);
        EXPECT_EQ(host_->TrayIcon()->CurrentState(), step.state);
        EXPECT_EQ(host_->TrayIcon()->AnimationTimerId() != 0, step.state == optimizing);
    }
    EXPECT_EQ(optimizer_->path, CMemoryOptimizer::ScriptPath());
}

// Opened from the tray, and after a tray or menu command, the keyboard is in the main window,
// not in the invisible host; the tray icon comes back after the shell restarts, and without one
// the main window stays.
TEST_F(HostDlg, TheKeyboardStaysInTheMainWindowAndTheTrayIconComesBack) {
    RegisterRunEntry();
    Start();
    CScriptedMessages messages; // the help page is not there to open
    auto inMain = [this] {
        HWND focus = GetFocus();
        CMainDlg* main = host_->MainWindow();
        return main != nullptr && focus != nullptr &&
               (focus == main->Handle() || IsChild(*main, focus));
    };
    host_->TrayIcon()->Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(inMain());
    host_->TrayIcon()->Send(WM_COMMAND, ID_TRAY_HELP);
    EXPECT_TRUE(inMain());
    EXPECT_EQ(messages.Owners(), std::vector<HWND>{host_->MainWindow()->Handle()});
    host_->MainWindow()->OnMenuCommand(IDR_VIEW_MENU, ID_VIEW_MANUAL);
    EXPECT_TRUE(inMain());

    // A shell that starts again has lost the icon: its "TaskbarCreated" message brings it back
    // as it was. An icon that cannot be added at all leaves the main window shown, and closing it
    // then ends the program, which nothing would lead back to.
    CTrayIconDlg* tray = host_->TrayIcon();
    ASSERT_TRUE(host_->IsTrayIconAdded());
    tray->SetTrayState(CTrayIconDlg::kStateOptimizing);
    tray->RemoveIcon();
    EXPECT_FALSE(host_->IsTrayIconAdded());
    tray->Send(RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_TRUE(host_->IsTrayIconAdded());
    EXPECT_EQ(tray->CurrentState(), CTrayIconDlg::kStateOptimizing);
    tray->SetTrayState(CTrayIconDlg::kStateNormal);
    host_.reset();

    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 0); // a tray start
    host_ = std::make_unique<CHostDlg>();
    ASSERT_TRUE(host_->Create());
    EXPECT_NE(host_->HideTimer(), 0u);
    host_->SetTrayIcon(std::make_unique<CTrayIconDlg>(*host_)); // its icon was never added
    EXPECT_EQ(host_->HideTimer(), 0u);
    ASSERT_NE(host_->MainWindow(), nullptr);
    EXPECT_TRUE(host_->MainWindow()->IsVisible());
    host_->Send(CHostDlg::kCloseMainWindowMessage);
    EXPECT_FALSE(host_->Exists());
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
