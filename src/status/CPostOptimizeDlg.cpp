#include "status/CPostOptimizeDlg.h"

#include "res/resource.h"

INT_PTR CPostOptimizeDlg::Show(HWND parent) {
    return DoModal(IDD_POST_OPTIMIZE, parent);
}

std::string CPostOptimizeDlg::ReclaimedText(ULONGLONG gainedBytes, ULONGLONG totalBytes) {
    const ULONGLONG gained = gainedBytes >> 20;
    const ULONGLONG total = totalBytes >> 20;
    // Less than a megabyte of memory cannot happen on a real machine; it must not divide by 0.
    const ULONGLONG percent = total == 0 ? 0 : gained * 100 / total;
    return std::to_string(gained) + "MB (" + std::to_string(percent) + "%)";
}

BOOL CPostOptimizeDlg::OnInit() {
    SetItemText(IDC_RECLAIMED_TEXT, reclaimed_);
    CheckButton(IDC_DONT_SHOW_AGAIN, false);
    return TRUE;
}

void CPostOptimizeDlg::OnOK() {
    const bool dontShow = IsButtonChecked(IDC_DONT_SHOW_AGAIN);
    settings_.SetShowPostOptimizeDialog(dontShow ? 0 : 1);
    End(IDOK);
}
