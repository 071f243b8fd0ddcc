#include "app/CTorvaneApp.h"

#include <windows.h>
#include <commctrl.h>
#include <string>

#include "app/CHostDlg.h"
#include "app/CTrayIconDlg.h"
#include "platform/CMessageBox.h"
#include "platform/COptionalApi.h"

namespace {

// Makes the common controls the windows use known (progress bars, pager, tooltips). Returns what
// the system's comctl32.dll lacks for that, or an empty text: the first Windows 95 release has no
// InitCommonControlsEx, and before version 4.71 (Internet Explorer 4) there is no pager.
std::string MissingCommonControls() {
    if (COptionalApi::Find(COptionalApi::kInitCommonControlsEx) == nullptr)
        return "the function InitCommonControlsEx";
    COptionalApi::InitCommonControls(ICC_WIN95_CLASSES | ICC_PAGESCROLLER_CLASS | ICC_BAR_CLASSES);
    WNDCLASSA pager = {};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), WC_PAGESCROLLERA, &pager))
        return "the \"SysPager\" control";
    return std::string();
}

// Keyboard navigation for the program's dialogs, which run beside the message loop.
bool IsDialogMessageOfRoot(MSG& message) {
    HWND root = COptionalApi::Ancestor(message.hwnd, GA_ROOT);
    if (root == nullptr)
        return false;
    char className[16] = {};
    GetClassNameA(root, className, sizeof(className));
    return lstrcmpA(className, "#32770") == 0 && IsDialogMessageA(root, &message);
}

} // namespace

CTorvaneApp::CTorvaneApp() = default;

CTorvaneApp::~CTorvaneApp() = default;

bool CTorvaneApp::InitInstance() {
    // Before anything is written (the host window adds the Run entry): without the common
    // controls the windows cannot be built, and the user learns what to install.
    const std::string missing = MissingCommonControls();
    if (!missing.empty()) {
        CMessageBox::Show(nullptr,
                          "Torvane cannot start: the Windows common controls on this computer "
                          "(comctl32.dll) are too old and lack " +
                              missing +
                              ".\n\nTorvane needs version 4.71 or later of the common controls, "
                              "which comes with Internet Explorer 4.0 or later. Install Internet "
                              "Explorer 4.0 or later, then start Torvane again.",
                          MB_OK | MB_ICONSTOP);
        return false;
    }

    host_ = std::make_unique<CHostDlg>();
    if (!host_->Create())
        return false;
    auto tray = std::make_unique<CTrayIconDlg>(*host_);
    tray->AddIcon();
    host_->SetTrayIcon(std::move(tray));
    return true;
}

int CTorvaneApp::Run() {
    MSG message;
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1)
            break;
        if (IsDialogMessageOfRoot(message)) {
            if (host_)
                host_->ReleaseRetiredWindows();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        // No window procedure runs here: closed main windows can go.
        if (host_)
            host_->ReleaseRetiredWindows();
    }
    return result == -1 ? 1 : static_cast<int>(message.wParam);
}
