#pragma once

#include <string>
#include <windows.h>

#include "platform/CAppSettings.h"
#include "ui/CModalDialog.h"

// "Post Optimization Confirmation": how much memory an optimisation reclaimed, with the choice
// not to be told again. Close stores that choice; Cancel and Esc close without storing.
class CPostOptimizeDlg : public CModalDialog {
public:
    explicit CPostOptimizeDlg(std::string reclaimed) : reclaimed_(std::move(reclaimed)) {}

    INT_PTR Show(HWND parent);

    // The reclaimed amount as the dialog words it, e.g. "12MB (4%)": whole megabytes gained and
    // their share of the memory in whole megabytes.
    static std::string ReclaimedText(ULONGLONG gainedBytes, ULONGLONG totalBytes);

protected:
    BOOL OnInit() override;
    void OnOK() override;

private:
    std::string reclaimed_;
    CAppSettings settings_;
};
