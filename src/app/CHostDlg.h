#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/IMainWindowOwner.h"
#include "app/ITrayOwner.h"
#include "platform/CAppSettings.h"
#include "platform/SystemActions.h"
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

    CHostDlg();
    ~CHostDlg() override;

    // Creates the host from dialog 102; its initialisation decides the start mode.
    BOOL Create();

    // Takes the tray icon object; `added` tells whether its icon is in the notification area.
    void SetTrayIcon(std::unique_ptr<CTrayIconDlg> trayIcon, bool added);
    // Replaces the optimiser before Create (the host makes its own otherwise).
    void SetOptimizer(std::unique_ptr<CMemoryOptimizer> optimizer);

    // IMainWindowOwner and ITrayOwner
    void ShowMainWindow(BOOL show) override;
    void OpenHelpFile(const std::string& relativePath) override;
    void ShowAbout() override;
    HWND OwnerWindow() const override { return window_; }
    void MinimizeOwner() override;
    IRestartHost& RestartHost() override { return *this; }
    bool IsMainWindowVisible() const override;
    bool IsOwnerMinimized() const override { return IsMinimized(); }
    void RestoreOwner() override { Show(SW_RESTORE); }
    void FocusOwner() override;

    // IRestartHost (QuitForRestart also ends the program for the tray menu's Exit)
    int PendingRestartCount() override;
    BOOL RestartSystem() override;
    void QuitForRestart() override;

    // Deletes the closed main windows; called by the message loop between two messages, where
    // no window procedure is running.
    void ReleaseRetiredWindows();

    CMainDlg* MainWindow() const { return mainWindow_.get(); }
    CTrayIconDlg* TrayIcon() const { return trayIcon_.get(); }
    bool IsTrayIconAdded() const { return trayIconAdded_; }
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
    bool CreateMainWindow();
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
    bool trayIconAdded_ = false;
    CAppSettings settings_;
    std::unique_ptr<CMemoryOptimizer> optimizer_;
    std::unique_ptr<CAutoOptimizer> autoOptimizer_;
    UINT_PTR hideTimer_ = 0;
    UINT_PTR autoOptimizeTimer_ = 0;
    UINT_PTR recoveryTimer_ = 0;
    UINT_PTR pauseTimer_ = 0;
};
