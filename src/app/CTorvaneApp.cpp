#include "app/CTorvaneApp.h"

#include <windows.h>
#include <commctrl.h>

#include "app/CHostDlg.h"
#include "app/CTrayIconDlg.h"

namespace {

// Keyboard navigation for the program's dialogs, which run beside the message loop.
bool IsDialogMessageOfRoot(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
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
    // The common controls the windows use (progress bars, pager, tooltips).
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_WIN95_CLASSES | ICC_PAGESCROLLER_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    host_ = std::make_unique<CHostDlg>();
    if (!host_->Create())
        return false;
    auto tray = std::make_unique<CTrayIconDlg>(*host_);
    const bool added = tray->AddIcon() != FALSE;
    host_->SetTrayIcon(std::move(tray), added);
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
