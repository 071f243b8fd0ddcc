#pragma once

#include "ui/CModelessDialog.h"

class CHostDlg;

// The main window, made from dialog 129 and owned by the host window. It exists from showing the
// main window until hiding it.
class CMainDlg : public CModelessDialog {
public:
    explicit CMainDlg(CHostDlg& host) : host_(host) {}

    BOOL Create(HWND owner);

    // Committed changes that need a restart since this window was created.
    int RestartCount() const { return restartCount_; }
    void CountRestartChange() { ++restartCount_; }

protected:
    BOOL OnInit() override;
    void OnCancel() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CHostDlg& host_;
    int restartCount_ = 0;
};
