#pragma once

#include <string>
#include <windows.h>

#include "platform/CAppSettings.h"
#include "ui/CModalDialog.h"

// "Memory Optimization Options": whether to report after each optimisation, whether to optimise
// automatically and below which free memory (in MB, 1 to a quarter of the memory). Nothing is
// stored until OK finds the level valid. While the automatic optimisation is paused, the dialog
// says why.
class CMemoryOptionsDlg : public CModalDialog {
public:
    // Runs the dialog; IDOK when the options were stored.
    INT_PTR Show(HWND parent);

    // The memory in MB as the dialog counts it: whole megabytes plus one.
    static DWORD TotalMegabytes(ULONGLONG totalBytes) {
        return static_cast<DWORD>((totalBytes >> 20) + 1);
    }
    // The recommended level, 10 % of the memory.
    static DWORD SuggestedLevel(DWORD totalMegabytes) { return totalMegabytes * 10 / 100; }
    // The highest level accepted, a quarter of the memory.
    static DWORD LevelLimit(DWORD totalMegabytes) { return totalMegabytes / 4; }
    // The number the text starts with; 0 without leading digits. Held at 4294967295, so that a
    // long run of digits is too big rather than wrapping round to a small number.
    static DWORD LeadingNumber(const std::string& text);

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    void OnOK() override;

private:
    void EnableLevel();
    // Shows the message for an invalid level and puts the focus back on the edit.
    void RefuseLevel(const char* reason);

    CAppSettings settings_;
    DWORD totalMegabytes_ = 0;
};
