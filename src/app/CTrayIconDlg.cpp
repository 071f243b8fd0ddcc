#include "app/CTrayIconDlg.h"

#include <cstring>

#include "app/ITrayOwner.h"
#include "platform/CTimeScale.h"
#include "platform/ShellOpen.h"
#include "res/resource.h"

namespace {

const char kOptimizingTip[] = "Optimizing Memory ....";

// Sent to every top-level window when the shell has (re)created its taskbar.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void FillRecord(NOTIFYICONDATAA& record, HWND owner, HICON icon, const std::string& tip) {
    record = NOTIFYICONDATAA{};
    // The first version of the record (88 bytes in a 32-bit program): understood by every shell.
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = owner;
    record.uID = CTrayIconDlg::kIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = CTrayIconDlg::kCallbackMessage;
    record.hIcon = icon;
    std::strncpy(record.szTip, tip.c_str(), 63);
    record.szTip[63] = '\0';
}

} // namespace

CTrayIconDlg::~CTrayIconDlg() {
    RemoveIcon();
    for (HICON& icon : icons_) {
        if (icon != nullptr)
            DestroyIcon(icon);
        icon = nullptr;
    }
}

std::string CTrayIconDlg::NormalTip() {
    return std::string("Torvane"
                       " - Keeping your System Optimized")
        .substr(0, 63);
}

int CTrayIconDlg::AnimationState(int frame) {
    // Frames run 138, 139, 140, 141, 142, 141, 140, 139 and repeat.
    static const int kStates[8] = {2, 3, 4, 5, 6, 5, 4, 3};
    return kStates[frame & 7];
}

BOOL CTrayIconDlg::AddIcon() {
    if (!Exists()) {
        if (!Create(IDD_TRAY, nullptr))
            return FALSE;
        Show(SW_HIDE);
    }
    for (int i = 0; i < 6; ++i) {
        if (icons_[i] == nullptr)
            icons_[i] =
                static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(IDI_TRAY_NORMAL + i),
                                              IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    }
    NOTIFYICONDATAA record;
    FillRecord(record, window_, icons_[0], NormalTip());
    added_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
    state_ = kStateNormal;
    return added_;
}

void CTrayIconDlg::RemoveIcon() {
    if (!added_)
        return;
    NOTIFYICONDATAA record;
    FillRecord(record, window_, nullptr, std::string());
    Shell_NotifyIconA(NIM_DELETE, &record);
    added_ = false;
}

void CTrayIconDlg::AddAgain() {
    const bool normal = state_ < kStateOptimizing || state_ > kStateLastFrame;
    NOTIFYICONDATAA record;
    FillRecord(record, window_, icons_[normal ? 0 : state_ - 1],
               normal ? NormalTip() : std::string(kOptimizingTip));
    // An icon the shell still shows cannot be added twice; it is brought up to date instead.
    added_ = Shell_NotifyIconA(NIM_ADD, &record) != FALSE ||
             Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

void CTrayIconDlg::ModifyIcon(HICON icon, const std::string& tip) {
    NOTIFYICONDATAA record;
    FillRecord(record, window_, icon, tip);
    Shell_NotifyIconA(NIM_MODIFY, &record);
}

void CTrayIconDlg::SetTrayState(int state) {
    if (state == kStateNormal) {
        if (animationTimer_ != 0) {
            StopTimer(kAnimationTimer);
            animationTimer_ = 0;
        }
        state_ = state;
        ModifyIcon(icons_[0], NormalTip());
        return;
    }
    if (state < kStateOptimizing || state > kStateLastFrame)
        return;
    state_ = state;
    ModifyIcon(icons_[state - 1], kOptimizingTip);
    if (state == kStateOptimizing && animationTimer_ == 0)
        animationTimer_ = StartTimer(kAnimationTimer, CTimeScale::Period(kAnimationPeriod));
}

void CTrayIconDlg::OnTimer(UINT_PTR id) {
    if (id != kAnimationTimer)
        return;
    SetTrayState(AnimationState(frame_));
    frame_ = (frame_ + 1) & 7;
}

void CTrayIconDlg::OnDestroy() {
    if (animationTimer_ != 0) {
        StopTimer(kAnimationTimer);
        animationTimer_ = 0;
    }
}

void CTrayIconDlg::ShowMenu() {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    if (menu == nullptr)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    if (!host_.IsMainWindowVisible() || host_.IsOwnerMinimized())
        DeleteMenu(popup, ID_TRAY_HIDE, MF_BYCOMMAND);
    else
        DeleteMenu(popup, ID_TRAY_SHOW, MF_BYCOMMAND);
    POINT cursor = {};
    GetCursorPos(&cursor);
    BringToForeground();
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    Post(WM_NULL);
    DestroyMenu(menu);
}

BOOL CTrayIconDlg::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LOWORD(wParam)) {
    case ID_TRAY_SHOW:
        host_.ShowMainWindow(TRUE);
        break;
    case ID_TRAY_HIDE:
        host_.ShowMainWindow(FALSE);
        break;
    case ID_TRAY_WEBSITE:
        OpenWebPage(kProductWebPage, host_.DialogOwner());
        break;
    case ID_TRAY_HELP:
        OpenHelpFile(std::string(), host_.DialogOwner());
        break;
    case ID_TRAY_ABOUT:
        host_.ShowAbout();
        return TRUE;
    case ID_TRAY_EXIT:
        host_.QuitForRestart();
        return TRUE;
    default:
        return FALSE;
    }
    host_.FocusOwner();
    return TRUE;
}

BOOL CTrayIconDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& /*result*/) {
    if (message != 0 && message == TaskbarCreatedMessage()) {
        AddAgain();
        return TRUE;
    }
    if (message != kCallbackMessage)
        return FALSE;
    switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN:
        if (host_.IsOwnerMinimized())
            host_.RestoreOwner();
        host_.ShowMainWindow(TRUE);
        break;
    case WM_RBUTTONDOWN:
        ShowMenu();
        break;
    default:
        break;
    }
    return TRUE;
}
