#include "app/CHelpPanel.h"

#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "ui/SkinRegion.h"

namespace {

// Edit controls break lines only at "\r\n".
std::string WithCarriageReturns(const std::string& text) {
    std::string converted;
    converted.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            converted += '\r';
        converted += text[i];
    }
    return converted;
}

} // namespace

BOOL CHelpPanel::Create(HWND main) {
    main_ = main;
    HWND owner = GetWindow(main, GW_OWNER);
    if (!CModelessDialog::Create(IDD_HELP_PANEL, owner != nullptr ? owner : main))
        return FALSE;
    SetText("Torvane Help");
    if (!SetSkin(IDB_HELP_PANEL, kSkinTransparent)) {
        Destroy();
        return FALSE;
    }
    // The text sits in the white field of the picture.
    text_ = Item(IDC_HELP_PANEL_TEXT);
    CWindow(text_).Move(17, 42, 262, 324);
    Show(SW_HIDE);
    return TRUE;
}

void CHelpPanel::SetHelpText(const std::string& text) {
    SetItemText(IDC_HELP_PANEL_TEXT, WithCarriageReturns(text));
    CWindow(Item(IDC_HELP_PANEL_TEXT)).Invalidate();
}

// The text is emptied before the panel goes, whether its window is destroyed first or the
// object: Wine's edit control frees the word-break table of a wrapped text when its text changes
// but not when it is destroyed, so every closed main window would leave one byte per character of
// the help text behind.
CHelpPanel::~CHelpPanel() {
    OnDestroy();
}

void CHelpPanel::OnDestroy() {
    if (text_ != nullptr && IsWindow(text_))
        SetWindowTextA(text_, "");
    text_ = nullptr;
}

std::string CHelpPanel::HelpText() const {
    std::string text = ItemText(IDC_HELP_PANEL_TEXT);
    std::string plain;
    for (char c : text)
        if (c != '\r')
            plain += c;
    return plain;
}

void CHelpPanel::SlideOut() {
    if (out_ || !Exists())
        return;
    GetWindowRect(main_, &mainPlace_);
    const RECT own = WindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = mainPlace_.right - width;
    const int y = mainPlace_.top + (mainPlace_.bottom - mainPlace_.top) / 2 - height / 2;
    for (int offset = 0; offset <= width; offset += kStep, x += kStep) {
        CTimeScale::Sleep(kStepDelay);
        SetPos(main_, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Update();
    }
    out_ = true;
}

void CHelpPanel::SlideIn() {
    if (!out_ || !Exists())
        return;
    const RECT own = WindowRect();
    const int width = own.right - own.left;
    int x = mainPlace_.right;
    for (int offset = 0; offset <= width; offset += kStep, x -= kStep) {
        CTimeScale::Sleep(kStepDelay);
        SetPos(main_, x, own.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        Update();
    }
    out_ = false;
    Show(SW_HIDE);
}

void CHelpPanel::Dock() {
    if (!out_ || !Exists())
        return;
    GetWindowRect(main_, &mainPlace_);
    SetPos(HWND_TOP, mainPlace_.right, mainPlace_.top + 50, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CHelpPanel::FollowMain(bool shown) {
    if (!out_ || !Exists())
        return;
    Show(shown ? SW_SHOWNA : SW_HIDE);
}
