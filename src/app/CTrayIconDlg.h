#pragma once

#include <string>
#include <windows.h>
#include <shellapi.h>

#include "ui/CModelessDialog.h"

class ITrayOwner;

// The notification-area icon with its menu and its "optimising" animation. It lives in an
// invisible dialog (136) for the whole run; removing the object removes the icon.
class CTrayIconDlg : public CModelessDialog {
public:
    static constexpr UINT kCallbackMessage = 0x8001;
    static constexpr UINT kIconId = 128;
    static constexpr UINT_PTR kAnimationTimer = 6;
    static constexpr UINT kAnimationPeriod = 350;
    enum State : int { kStateNormal = 1, kStateOptimizing = 2, kStateLastFrame = 6 };

    explicit CTrayIconDlg(ITrayOwner& host) : host_(host) {}
    ~CTrayIconDlg() override;

    // Creates the window once and adds the icon; TRUE when the icon was added. When the shell
    // starts again (its "TaskbarCreated" message) the icon is added again as it is shown now.
    BOOL AddIcon();
    void RemoveIcon();
    // 1: normal icon and tip; 2 to 6: the optimising frames 138 to 142 (2 starts the animation).
    void SetTrayState(int state);

    // The normal tip: the product name and its line, at most 63 characters.
    static std::string NormalTip();
    // The state the animation shows for a frame counter value (0 to 7).
    static int AnimationState(int frame);

    bool IsAdded() const { return added_; }
    int CurrentState() const { return state_; }
    UINT_PTR AnimationTimerId() const { return animationTimer_; }

protected:
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    // The invisible tray window takes no keyboard focus at its creation.
    BOOL OnInit() override { return FALSE; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowMenu();
    void ModifyIcon(HICON icon, const std::string& tip);
    // Puts the icon of the current state back into a notification area that lost it.
    void AddAgain();

    ITrayOwner& host_;
    bool added_ = false;
    int frame_ = 0;
    int state_ = kStateNormal;
    UINT_PTR animationTimer_ = 0;
    HICON icons_[6] = {};
};
