#include "status/CMemoryOptionsDlg.h"

#include "platform/CMemoryFigures.h"
#include "platform/CMessageBox.h"
#include "res/resource.h"
#include "status/CAutoOptimizer.h"

INT_PTR CMemoryOptionsDlg::Show(HWND parent) {
    return DoModal(IDD_MEMORY_OPTIONS, parent);
}

DWORD CMemoryOptionsDlg::LeadingNumber(const std::string& text) {
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + static_cast<unsigned>(c - '0');
        if (number > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return static_cast<DWORD>(number);
}

void CMemoryOptionsDlg::EnableLevel() {
    EnableItem(IDC_AUTO_OPTIMIZE_LEVEL, IsButtonChecked(IDC_USE_AUTO_OPTIMIZE));
}

BOOL CMemoryOptionsDlg::OnInit() {
    totalMegabytes_ = TotalMegabytes(CMemoryFigures::TotalPhysical());
    DWORD showReport = 1;
    DWORD useAuto = 0;
    DWORD level = 0;
    settings_.GetShowPostOptimizeDialog(showReport);
    settings_.GetUseAutoMemOptimize(useAuto);
    settings_.GetAutoMemOptimize(level);

    CheckButton(IDC_SHOW_POST_DIALOG, showReport == 1);
    CheckButton(IDC_USE_AUTO_OPTIMIZE, useAuto == 1);
    SetItemText(IDC_TOTAL_PHYSICAL, std::to_string(totalMegabytes_) + "MB");
    // Why the automatic optimisation waits, when it does.
    SetItemText(IDC_AUTO_OPTIMIZE_STATUS, useAuto == 1 ? CAutoOptimizer::PauseReason() : "");
    SetItemText(IDC_AUTO_OPTIMIZE_LEVEL,
                std::to_string(useAuto == 1 ? level : SuggestedLevel(totalMegabytes_)));
    EnableLevel();
    return TRUE;
}

BOOL CMemoryOptionsDlg::OnButtonClicked(int id) {
    if (id != IDC_USE_AUTO_OPTIMIZE)
        return FALSE;
    EnableLevel();
    return TRUE;
}

void CMemoryOptionsDlg::RefuseLevel(const char* reason) {
    CMessageBox::Show(window_,
                      std::string(reason) + ", please enter a number \nbetween 1 to " +
                          std::to_string(LevelLimit(totalMegabytes_)) + ".",
                      MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Item(IDC_AUTO_OPTIMIZE_LEVEL));
}

void CMemoryOptionsDlg::OnOK() {
    if (IsButtonChecked(IDC_USE_AUTO_OPTIMIZE)) {
        const DWORD level = LeadingNumber(ItemText(IDC_AUTO_OPTIMIZE_LEVEL));
        if (level == 0) {
            RefuseLevel("Zero is not valid");
            return;
        }
        if (level > LevelLimit(totalMegabytes_)) {
            RefuseLevel("Value is too big");
            return;
        }
        settings_.SetUseAutoMemOptimize(1);
        settings_.SetAutoMemOptimize(level);
    } else {
        settings_.SetUseAutoMemOptimize(0);
        settings_.SetAutoMemOptimize(SuggestedLevel(totalMegabytes_));
    }
    settings_.SetShowPostOptimizeDialog(IsButtonChecked(IDC_SHOW_POST_DIALOG) ? 1 : 0);
    End(IDOK);
}
