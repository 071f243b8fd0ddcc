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

class CountingOptimizer : public CMemoryOptimizer {
public:
    explicit CountingOptimizer(int& calls, std::string& path, int& result)
        : calls_(calls), path_(path), result_(result) {}
    int Optimize(const std::string& path) override {
        ++calls_;
        path_ = path;
        return result_;
    }

private:
    int& calls_;
    std::string& path_;
    int& result_;
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
        host_->SetOptimizer(
            std::make_unique<CountingOptimizer>(optimizations_, scriptPath_, optimizeResult_));
        ASSERT_TRUE(host_->Create());
        auto tray = std::make_unique<CTrayIconDlg>(*host_);
        tray->AddIcon();
        host_->SetTrayIcon(std::move(tray));
    }
    void RegisterRunEntry() { StoreText(HKEY_LOCAL_MACHINE, kRun, "Torvane", "C:\\T\\T.exe"); }
    void Fire(UINT_PTR timer) { host_->Send(WM_TIMER, timer); }

    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    std::unique_ptr<CHostDlg> host_;
    int optimizations_ = 0;
    int optimizeResult_ = 1;
    std::string scriptPath_;
    DWORD total_ = 256u * 1048576;
    DWORD available_ = 200u * 1048576;
};

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

    // Half a second later the host hides itself for good.
    EXPECT_TRUE(PumpMessages(2000, [this] { return host_->HideTimer() == 0; }));
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_FALSE(host_->IsVisible());
}

TEST_F(HostDlg, AWindowOpenedBeforeTheTrayStartsHideStaysOpen) {
    // A busy start: the user clicks the tray icon before the hide's timer has come.
    Start();
    ASSERT_NE(host_->HideTimer(), 0u);
    host_->ShowMainWindow(TRUE);
    ASSERT_TRUE(host_->IsMainWindowVisible());
    EXPECT_EQ(host_->HideTimer(), 0u);
    PumpMessages(1000);
    EXPECT_TRUE(host_->IsMainWindowVisible());
}

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
}

TEST_F(HostDlg, CompletedTuningForcesATrayStart) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Has Tuned", 1);
    Start();
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_NE(host_->HideTimer(), 0u);
}

TEST_F(HostDlg, TheWatchTimerRunsOnlyWithAutomaticOptimisationOn) {
    RegisterRunEntry();
    Start();
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u);
    host_.reset();
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "UseAutoMemOptimize", 1);
    Start();
    EXPECT_NE(host_->AutoOptimizeTimer(), 0u);
}

// The host runs the optimising rule on its timers: watching, then recovering with the tray
// animating, then watching again.
TEST_F(HostDlg, WatchingOptimisesBelowTheLevelAndRecovers) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "UseAutoMemOptimize", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "AutoMemOptimize", 32);
    Start();

    available_ = 40u * 1048576;
    Fire(CAutoOptimizer::kWatchTimer);
    EXPECT_EQ(optimizations_, 0);
    EXPECT_NE(host_->AutoOptimizeTimer(), 0u);

    available_ = 4u * 1048576;
    Fire(CAutoOptimizer::kWatchTimer);
    EXPECT_EQ(optimizations_, 1);
    EXPECT_EQ(scriptPath_, CMemoryOptimizer::ScriptPath());
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u);
    EXPECT_NE(host_->RecoveryTimer(), 0u);
    EXPECT_EQ(host_->TrayIcon()->CurrentState(), CTrayIconDlg::kStateOptimizing);
    EXPECT_NE(host_->TrayIcon()->AnimationTimerId(), 0u);

    Fire(CAutoOptimizer::kRecoveryTimer);
    EXPECT_NE(host_->RecoveryTimer(), 0u);
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u);

    available_ = 40u * 1048576;
    Fire(CAutoOptimizer::kRecoveryTimer);
    EXPECT_EQ(host_->RecoveryTimer(), 0u);
    EXPECT_NE(host_->AutoOptimizeTimer(), 0u);
    EXPECT_EQ(host_->TrayIcon()->CurrentState(), CTrayIconDlg::kStateNormal);
    EXPECT_EQ(host_->TrayIcon()->AnimationTimerId(), 0u);
    EXPECT_EQ(optimizations_, 1);
}

// An optimiser that cannot run (no script host) pauses the watching for the pause period, with
// the icon normal, instead of starting again every few seconds.
TEST_F(HostDlg, AnOptimiserThatCannotRunPausesTheWatching) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "UseAutoMemOptimize", 1);
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "AutoMemOptimize", 32);
    Start();
    optimizeResult_ = 0;
    available_ = 16u * 1048576;
    Fire(CAutoOptimizer::kWatchTimer);
    EXPECT_EQ(optimizations_, 1);
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u);
    EXPECT_EQ(host_->RecoveryTimer(), 0u);
    EXPECT_NE(host_->PauseTimer(), 0u);
    EXPECT_EQ(host_->TrayIcon()->CurrentState(), CTrayIconDlg::kStateNormal);
    EXPECT_EQ(host_->TrayIcon()->AnimationTimerId(), 0u);

    // After the pause it watches, and tries, again.
    Fire(CAutoOptimizer::kPauseTimer);
    EXPECT_EQ(host_->PauseTimer(), 0u);
    EXPECT_NE(host_->AutoOptimizeTimer(), 0u);
    optimizeResult_ = 1;
    Fire(CAutoOptimizer::kWatchTimer);
    EXPECT_EQ(optimizations_, 2);
    EXPECT_NE(host_->RecoveryTimer(), 0u);
    // Memory back above 8 MB but still below the level: paused, not optimised again.
    available_ = 20u * 1048576;
    Fire(CAutoOptimizer::kRecoveryTimer);
    Fire(CAutoOptimizer::kWatchTimer);
    EXPECT_EQ(optimizations_, 2);
    EXPECT_NE(host_->PauseTimer(), 0u);
    EXPECT_EQ(host_->AutoOptimizeTimer(), 0u);
}

TEST_F(HostDlg, QuitForRestartSavesThePlaceAndEndsTheLoop) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
    Start();
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

TEST_F(HostDlg, TheCloseMessageHidesTheMainWindowToTheTray) {
    RegisterRunEntry();
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
    Start();
    ASSERT_NE(host_->MainWindow(), nullptr);
    host_->Send(CHostDlg::kCloseMainWindowMessage);
    EXPECT_EQ(host_->MainWindow(), nullptr);
    EXPECT_TRUE(host_->Exists());
}

// Opened from the tray, and after a tray or menu command, the keyboard is in the main window,
// not in the invisible host.
TEST_F(HostDlg, TheKeyboardStaysInTheMainWindow) {
    RegisterRunEntry();
    Start();
    CScriptedMessages messages; // the help page is not there to open
    auto inMain = [this] {
        HWND focus = GetFocus();
        CMainDlg* main = host_->MainWindow();
        return main != nullptr && focus != nullptr &&
               (focus == main->Handle() || IsChild(*main, focus));
    };
    host_->TrayIcon()->Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId,
                            WM_LBUTTONDOWN);
    EXPECT_TRUE(inMain());
    host_->TrayIcon()->Send(WM_COMMAND, ID_TRAY_HELP);
    EXPECT_TRUE(inMain());
    EXPECT_EQ(messages.Owners(), std::vector<HWND>{host_->MainWindow()->Handle()});
    host_->MainWindow()->OnMenuCommand(IDR_VIEW_MENU, ID_VIEW_MANUAL);
    EXPECT_TRUE(inMain());
}

// A click on the tray icon while the tray's About box is open opens the main window only once
// the box is closed, not under it.
TEST_F(HostDlg, TheTrayOpensTheMainWindowOnlyAfterTheAboutBox) {
    Start(); // a first start: tray only
    ASSERT_TRUE(PumpMessages(2000, [this] { return host_->HideTimer() == 0; }));
    ASSERT_EQ(host_->MainWindow(), nullptr);
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

// A shell that starts again has lost the icon: its "TaskbarCreated" message brings it back as it
// was. An icon that cannot be added at all leaves the main window shown, and closing it then
// ends the program, which nothing would lead back to.
TEST_F(HostDlg, TheTrayIconComesBackAndWithoutOneTheMainWindowStays) {
    RegisterRunEntry();
    Start();
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

TEST(TrayIcon, TipsAndAnimationFrames) {
    EXPECT_EQ(CTrayIconDlg::NormalTip(), "Torvane - Keeping your System Optimized");
    const int expected[] = {2, 3, 4, 5, 6, 5, 4, 3, 2, 3};
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_EQ(CTrayIconDlg::AnimationState(frame % 8), expected[frame]) << frame;
}

} // namespace
