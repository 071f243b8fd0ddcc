#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/IMainWindowOwner.h"
#include "app/ITrayOwner.h"
#include "app/RestartQuestion.h"
#include "platform/CAppSettings.h"
#include "status/CAutoOptimizer.h"
#include "ui/CModelessDialog.h"

class CMainDlg;
class CMemoryOptimizer;
class CTrayIconDlg;

// The invisible window that is the application's main window for the whole run. It owns the
// main window (built when shown, destroyed when hidden), the tray icon and the memory optimiser,
// decides the start mode and runs the timers of the automatic memory optimisation.
class CHostDlg : public CModelessDialog,
                 public IRestartHost,
                 public IMainWindowOwner,
                 public ITrayOwner {
public:
    // Program messages.
    static constexpr UINT kCloseMainWindowMessage = IMainWindowOwner::kCloseMainWindowMessage;
    static constexpr UINT kAboutCommand = 16;
    // Posted to the host: run the tray command that waited for a question to be answered.
    static constexpr UINT kRunDeferredMessage = 0x8003;

    CHostDlg();
    ~CHostDlg() override;

    // Creates the host from dialog 102; its initialisation decides the start mode.
    BOOL Create();

    // Takes the tray icon object. When its icon could not be added to the notification area the
    // main window is shown, since nothing else leads to the program.
    void SetTrayIcon(std::unique_ptr<CTrayIconDlg> trayIcon);
    // Replaces the optimiser before Create (the host makes its own otherwise).
    void SetOptimizer(std::unique_ptr<CMemoryOptimizer> optimizer);

    // IMainWindowOwner and ITrayOwner. While a question, a chooser or a modal dialog is open,
    // showing, hiding and ending wait until it is closed: the code that opened it goes on with
    // the windows it had.
    void ShowMainWindow(BOOL show) override;
    void ShowAbout() override;
    HWND OwnerWindow() const override { return window_; }
    void MinimizeOwner() override;
    IRestartHost& RestartHost() override { return *this; }
    bool IsMainWindowVisible() const override;
    bool IsOwnerMinimized() const override { return IsMinimized(); }
    void RestoreOwner() override { Show(SW_RESTORE); }
    void FocusOwner() override;
    // The window questions and reports belong to: the main window when shown, else the host.
    HWND DialogOwner() const override;

    // IRestartHost (QuitForRestart also ends the program for the tray menu's Exit)
    BOOL RestartSystem() override;
    void QuitForRestart() override;

    // Deletes the closed main windows; called by the message loop between two messages, where
    // no window procedure is running.
    void ReleaseRetiredWindows();

    CMainDlg* MainWindow() const { return mainWindow_.get(); }
    CTrayIconDlg* TrayIcon() const { return trayIcon_.get(); }
    bool IsTrayIconAdded() const;
    UINT_PTR HideTimer() const { return hideTimer_; }
    UINT_PTR AutoOptimizeTimer() const { return autoOptimizeTimer_; }
    UINT_PTR RecoveryTimer() const { return recoveryTimer_; }
    UINT_PTR PauseTimer() const { return pauseTimer_; }

protected:
    BOOL OnInit() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum Deferred { kNothing, kShowMain, kHideMain, kExit };

    bool CreateMainWindow();
    // True when a nested loop runs: the command then waits for its end (an exit stays an exit)
    // and the question that holds it back comes to the front.
    bool DeferWhileModal(Deferred command);
    void RunDeferred();
    void OnAutoOptimizeTimer();
    void OnRecoveryTimer();
    void OnPauseTimer();
    // Ends the watch or recovery, as the rule's answer says, and starts the timer that follows.
    void Follow(CAutoOptimizer::Next next, UINT_PTR endedTimer, UINT_PTR& endedId);
    void SaveMainWindowRect();
    // Destroys the main window's window and keeps its object until ReleaseRetiredWindows.
    void RetireMainWindow();
    void StopTimers();
    void PaintMinimizedIcon();

    HICON icon_ = nullptr;
    std::unique_ptr<CMainDlg> mainWindow_;
    // Closed main windows: their windows are gone, their objects wait until no handler of theirs
    // can be running (a question or the About box may be open inside one when the tray hides
    // the main window or ends the program).
    std::vector<std::unique_ptr<CMainDlg>> retiredMainWindows_;
    std::unique_ptr<CTrayIconDlg> trayIcon_;
    Deferred deferred_ = kNothing;
    CAppSettings settings_;
    std::unique_ptr<CMemoryOptimizer> optimizer_;
    std::unique_ptr<CAutoOptimizer> autoOptimizer_;
    UINT_PTR hideTimer_ = 0;
    UINT_PTR autoOptimizeTimer_ = 0;
    UINT_PTR recoveryTimer_ = 0;
    UINT_PTR pauseTimer_ = 0;
};
