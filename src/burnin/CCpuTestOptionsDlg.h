#pragma once

#include <string>
#include <windows.h>

#include "ui/CModalDialog.h"

// The CPU Test Options dialog: the number of test runs, from three preset choices or typed in
// (1 to 72). OK stores "CPU Test Count" and "Has User Input"; Cancel stores nothing.
class CCpuTestOptionsDlg : public CModalDialog {
public:
    static constexpr DWORD kAggressiveCount = 48;
    static constexpr DWORD kIntermediateCount = 24;
    static constexpr DWORD kSimpleCount = 8;
    static constexpr long kMaximumCount = 72;

    // Runs the dialog; IDOK when the choice was stored, IDCANCEL otherwise.
    INT_PTR Show(HWND parent);

    // The number a typed text stands for: its leading decimal digits (no digits: 0), held at
    // kMaximumCount + 1 when longer.
    static long ParseCount(const std::string& text);

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    void OnOK() override;
};
