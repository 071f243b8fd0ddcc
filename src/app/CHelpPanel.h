#pragma once

#include <string>

#include "ui/CSkinDialog.h"

// The help panel: a skinned popup (dialog 135, picture 137) with one text, which slides out of the
// right edge of the main window and back in behind it.
class CHelpPanel : public CSkinDialog {
public:
    ~CHelpPanel() override;

    // Creates the hidden panel beside `main`; it shares the main window's owner so that it can
    // lie behind the main window.
    BOOL Create(HWND main);

    void SetHelpText(const std::string& text);
    std::string HelpText() const;

    // Slides out from behind the main window; nothing when already out.
    void SlideOut();
    // Slides back in behind the main window and hides.
    void SlideIn();
    // Follows a moved main window (only while out).
    void Dock();
    // Hides or shows with the main window (only while out).
    void FollowMain(bool shown);

    bool IsOut() const { return out_; }
    // Milliseconds between two steps of the slide.
    static constexpr DWORD kStepDelay = 3;
    static constexpr int kStep = 5;

protected:
    // The panel is made while the main window holds the keyboard, and takes none of it.
    BOOL OnInit() override { return FALSE; }
    void OnOK() override { SlideOut(); }
    void OnCancel() override { SlideIn(); }
    void OnDestroy() override;

private:
    HWND main_ = nullptr;
    HWND text_ = nullptr; // the edit control with the help text
    RECT mainPlace_ = {};
    bool out_ = false;
};
