#include "app/CMainDlg.h"

#include "platform/CAppSettings.h"
#include "app/CHostDlg.h"
#include "res/resource.h"

BOOL CMainDlg::Create(HWND owner) {
    return CModelessDialog::Create(IDD_MAIN, owner);
}

BOOL CMainDlg::OnInit() {
    RECT stored = {};
    CAppSettings settings;
    if (settings.LoadWindowRect(stored))
        MoveTo(stored.left, stored.top);
    else
        MoveTo(50, 50);
    return TRUE;
}

void CMainDlg::OnCancel() {
    // Escape does nothing in the main window.
}

BOOL CMainDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    if (message == WM_CLOSE) {
        // Closing hides the program to the tray; it keeps running.
        host_.Post(CHostDlg::kCloseMainWindowMessage);
        return TRUE;
    }
    return FALSE;
}
