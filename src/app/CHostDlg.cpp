#include "app/CHostDlg.h"

#include "app/HostRules.h"
#include "platform/CMemoryFigures.h"
#include "platform/CModalLoop.h"
#include "platform/CTimeScale.h"
#include "platform/RestartWindows.h"
#include "res/resource.h"
#include "status/CAutoOptimizer.h"
#include "status/CMemoryOptimizer.h"
#include "app/CAboutDlg.h"
#include "app/CMainDlg.h"
#include "app/CTrayIconDlg.h"

CHostDlg::CHostDlg() {
    icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_MAINFRAME));
}

CHostDlg::~CHostDlg() {
    // The main window is owned by the host window: it goes first.
    mainWindow_.reset();
    retiredMainWindows_.clear();
    if (Exists())
        DestroyWindow(window_);
    if (trayIcon_)
        trayIcon_->RemoveIcon();
    trayIcon_.reset();
}

BOOL CHostDlg::Create() {
    return CModelessDialog::Create(IDD_HOST, nullptr);
}

void CHostDlg::SetTrayIcon(std::unique_ptr<CTrayIconDlg> trayIcon) {
    trayIcon_ = std::move(trayIcon);
    if (IsTrayIconAdded() || !Exists())
        return;
    // No icon to come back through: the tray start's hide is cancelled and the window shown.
    if (hideTimer_ != 0) {
        StopTimer(kHideTimer);
        hideTimer_ = 0;
    }
    if (!IsMainWindowVisible())
        ShowMainWindow(TRUE);
}

bool CHostDlg::IsTrayIconAdded() const {
    return trayIcon_ != nullptr && trayIcon_->IsAdded();
}

void CHostDlg::SetOptimizer(std::unique_ptr<CMemoryOptimizer> optimizer) {
    optimizer_ = std::move(optimizer);
}

BOOL CHostDlg::OnInit() {
    char aboutText[64] = {};
    if (LoadStringA(Instance(), IDS_ABOUTBOX, aboutText, sizeof(aboutText)) > 0) {
        HMENU systemMenu = GetSystemMenu(window_, FALSE);
        if (systemMenu != nullptr) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, kAboutCommand, aboutText);
        }
    }

    if (!settings_.IsRunEntryPresent())
        settings_.AddRunEntry();

    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    if (!optimizer_)
        optimizer_ = std::make_unique<CMemoryOptimizer>();
    autoOptimizer_ = std::make_unique<CAutoOptimizer>(*optimizer_, [this](int state) {
        if (trayIcon_)
            trayIcon_->SetTrayState(state);
    });

    DWORD showAtStartup = 1;
    DWORD hasTuned = 0;
    settings_.GetShowAtStartup(showAtStartup);
    if (showAtStartup != 0)
        settings_.GetHasTuned(hasTuned);

    if (OpensMainWindowAtStart(showAtStartup, hasTuned)) {
        if (!CreateMainWindow())
            return TRUE;
        const RECT rect = mainWindow_->WindowRect();
        SetPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        mainWindow_->BringToForeground();
        mainWindow_->Show(SW_SHOW);
    } else {
        SetPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        hideTimer_ = StartTimer(kHideTimer, CTimeScale::Period(kHidePeriod));
        if (mainWindow_)
            mainWindow_->Show(SW_HIDE);
    }
    Show(SW_HIDE);
    Update();

    DWORD useAutoOptimize = 0;
    settings_.GetUseAutoMemOptimize(useAutoOptimize);
    if (useAutoOptimize == 1 && autoOptimizeTimer_ == 0)
        autoOptimizeTimer_ = StartTimer(CAutoOptimizer::kWatchTimer,
                                        CTimeScale::Period(CAutoOptimizer::kFirstWatchPeriod));
    // No keyboard focus for the invisible host: the main window has it when there is one. (A
    // dialog without controls that asks for the default focus gets it itself, which would take
    // it from the main window and, in the tray, activate the input method and COM for nothing.)
    return FALSE;
}

bool CHostDlg::CreateMainWindow() {
    auto mainWindow = std::make_unique<CMainDlg>(*this);
    if (!mainWindow->Create(window_)) {
        mainWindow_.reset();
        return false;
    }
    mainWindow_ = std::move(mainWindow);
    return true;
}

void CHostDlg::ShowMainWindow(BOOL show) {
    // A window asked for before a tray start's hide has come (a click on the icon during a busy
    // start) stays: the hide is for the start alone.
    if (show && hideTimer_ != 0) {
        StopTimer(kHideTimer);
        hideTimer_ = 0;
    }
    if (DeferWhileModal(show ? kShowMain : kHideMain))
        return;
    if (show) {
        if (!mainWindow_ && !CreateMainWindow())
            return;
        // The taskbar button first: restoring the host activates it, and the keyboard belongs
        // to the main window.
        Show(SW_RESTORE);
        mainWindow_->Show(SW_SHOW);
        mainWindow_->BringToForeground();
        mainWindow_->Focus();
        return;
    }
    if (trayIcon_ && !trayIcon_->IsAdded()) {
        // Hidden without a tray icon the program could not be reached again: closing ends it.
        QuitForRestart();
        return;
    }
    if (mainWindow_) {
        SaveMainWindowRect();
        mainWindow_->Show(SW_HIDE);
        RetireMainWindow();
    }
    Show(SW_HIDE);
}

void CHostDlg::SaveMainWindowRect() {
    if (mainWindow_ && mainWindow_->Exists())
        settings_.SaveWindowRect(mainWindow_->WindowRect());
}

void CHostDlg::ShowAbout() {
    CAboutDlg about;
    about.DoModal(IDD_ABOUTBOX, DialogOwner());
}

HWND CHostDlg::DialogOwner() const {
    return IsMainWindowVisible() ? mainWindow_->Handle() : window_;
}

bool CHostDlg::DeferWhileModal(Deferred command) {
    if (CModalLoop::Depth() == 0 || !Exists())
        return false;
    if (deferred_ != kExit)
        deferred_ = command;
    CModalLoop::PostWhenDone(window_, kRunDeferredMessage);
    HWND owner = DialogOwner();
    HWND question = GetLastActivePopup(owner);
    if (question != nullptr && question != owner && IsWindowVisible(question))
        SetForegroundWindow(question);
    return true;
}

void CHostDlg::RunDeferred() {
    if (CModalLoop::Depth() > 0) {
        // Another question opened before this message came: wait for it too.
        CModalLoop::PostWhenDone(window_, kRunDeferredMessage);
        return;
    }
    const Deferred command = deferred_;
    deferred_ = kNothing;
    switch (command) {
    case kShowMain:
        ShowMainWindow(TRUE);
        break;
    case kHideMain:
        ShowMainWindow(FALSE);
        break;
    case kExit:
        QuitForRestart();
        break;
    case kNothing:
        break;
    }
}

BOOL CHostDlg::RestartSystem() {
    return RestartWindows();
}

void CHostDlg::QuitForRestart() {
    if (DeferWhileModal(kExit))
        return;
    SaveMainWindowRect();
    PostQuitMessage(0);
    // The main window may be what called (Apply, then the restart question).
    RetireMainWindow();
    Destroy();
}

void CHostDlg::RetireMainWindow() {
    if (!mainWindow_)
        return;
    if (mainWindow_->Exists())
        DestroyWindow(mainWindow_->Handle());
    retiredMainWindows_.push_back(std::move(mainWindow_));
}

void CHostDlg::ReleaseRetiredWindows() {
    retiredMainWindows_.clear();
}

void CHostDlg::MinimizeOwner() {
    Send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

bool CHostDlg::IsMainWindowVisible() const {
    return mainWindow_ != nullptr && mainWindow_->IsVisible();
}

void CHostDlg::FocusOwner() {
    if (IsMainWindowVisible())
        mainWindow_->Focus();
    else if (Exists())
        SetFocus(window_);
}

void CHostDlg::OnTimer(UINT_PTR id) {
    if (hideTimer_ != 0) {
        StopTimer(kHideTimer);
        hideTimer_ = 0;
    }
    switch (id) {
    case kHideTimer:
        ShowMainWindow(FALSE);
        break;
    case CAutoOptimizer::kWatchTimer:
        OnAutoOptimizeTimer();
        break;
    case CAutoOptimizer::kRecoveryTimer:
        OnRecoveryTimer();
        break;
    case CAutoOptimizer::kPauseTimer:
        OnPauseTimer();
        break;
    default:
        break;
    }
}

void CHostDlg::OnAutoOptimizeTimer() {
    if (autoOptimizer_)
        Follow(autoOptimizer_->Watch(), CAutoOptimizer::kWatchTimer, autoOptimizeTimer_);
}

void CHostDlg::OnRecoveryTimer() {
    if (autoOptimizer_)
        Follow(autoOptimizer_->Recover(), CAutoOptimizer::kRecoveryTimer, recoveryTimer_);
}

void CHostDlg::OnPauseTimer() {
    StopTimer(CAutoOptimizer::kPauseTimer);
    pauseTimer_ = 0;
    if (autoOptimizer_)
        autoOptimizer_->Resume();
    autoOptimizeTimer_ = StartTimer(CAutoOptimizer::kWatchTimer,
                                    CTimeScale::Period(CAutoOptimizer::kFirstWatchPeriod));
}

void CHostDlg::Follow(CAutoOptimizer::Next next, UINT_PTR endedTimer, UINT_PTR& endedId) {
    const bool watching = endedTimer == CAutoOptimizer::kWatchTimer;
    if ((next == CAutoOptimizer::kKeepWatching && watching) ||
        (next == CAutoOptimizer::kKeepRecovering && !watching))
        return;
    StopTimer(endedTimer);
    endedId = 0;
    switch (next) {
    case CAutoOptimizer::kKeepRecovering:
        recoveryTimer_ = StartTimer(CAutoOptimizer::kRecoveryTimer,
                                    CTimeScale::Period(CAutoOptimizer::kRecoveryPeriod));
        break;
    case CAutoOptimizer::kKeepWatching:
        autoOptimizeTimer_ =
            StartTimer(CAutoOptimizer::kWatchTimer,
                       CTimeScale::Period(CAutoOptimizer::kWatchPeriodAfterOptimize));
        break;
    case CAutoOptimizer::kPause:
        pauseTimer_ = StartTimer(CAutoOptimizer::kPauseTimer,
                                 CTimeScale::Period(CAutoOptimizer::kPausePeriod));
        break;
    }
}

void CHostDlg::StopTimers() {
    if (hideTimer_ != 0)
        StopTimer(kHideTimer);
    if (autoOptimizeTimer_ != 0)
        StopTimer(CAutoOptimizer::kWatchTimer);
    if (recoveryTimer_ != 0)
        StopTimer(CAutoOptimizer::kRecoveryTimer);
    if (pauseTimer_ != 0)
        StopTimer(CAutoOptimizer::kPauseTimer);
    hideTimer_ = autoOptimizeTimer_ = recoveryTimer_ = pauseTimer_ = 0;
}

void CHostDlg::OnDestroy() {
    StopTimers();
    RetireMainWindow();
}

void CHostDlg::PaintMinimizedIcon() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    const RECT client = ClientRect();
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(window_, &paint);
}

BOOL CHostDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case kCloseMainWindowMessage:
        ShowMainWindow(FALSE);
        return TRUE;
    case kRunDeferredMessage:
        RunDeferred();
        return TRUE;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case kAboutCommand:
            ShowAbout();
            return TRUE;
        case SC_CLOSE:
            ShowMainWindow(FALSE);
            return TRUE;
        case SC_MOVE:
            if (mainWindow_)
                mainWindow_->Send(WM_SYSCOMMAND, wParam, lParam);
            return TRUE;
        case SC_MINIMIZE:
            if (mainWindow_)
                mainWindow_->Show(SW_HIDE);
            return FALSE;
        case SC_RESTORE:
            Show(SW_RESTORE);
            if (mainWindow_) {
                mainWindow_->Show(SW_SHOW);
                mainWindow_->BringToForeground();
            }
            return TRUE;
        default:
            return FALSE;
        }
    case WM_PAINT:
        if (!IsMinimized())
            return FALSE;
        PaintMinimizedIcon();
        return TRUE;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(icon_);
        return TRUE;
    default:
        return FALSE;
    }
}
