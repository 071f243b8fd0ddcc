#pragma once

#include <functional>
#include <windows.h>

#include "backup/CChangedSettings.h"
#include "ui/CModalDialog.h"
#include "ui/IRestartQuestion.h"

// "What Changed" (File menu): every setting that differs from the original, in a list with its
// section, original and current value, when it takes effect and its place. "Put back" restores
// the selected setting alone; "Put back all" does what Restore Backup does. Without a backup it
// says so and offers to make one. Settings put back that need a restart count for the restart
// question asked on closing.
class CWhatChangedDlg : public CModalDialog {
public:
    static constexpr const char* kCaption = "What Changed";

    // `changed` is told after settings were put back, with how many of them need a restart.
    explicit CWhatChangedDlg(IRestartQuestion& restartQuestion,
                             std::function<void(int restarts)> changed = {})
        : restartQuestion_(restartQuestion), changed_(std::move(changed)) {}

    INT_PTR Show(HWND parent);

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnOK() override { OnCancel(); }
    void OnCancel() override;

private:
    // Compares again and shows the rows, selecting row `select` (or the last one) when any.
    void Reload(int select);
    void UpdateButtons();
    int Selected() const;
    void PutBackSelected();
    void PutBackAll();
    void BackUpNow();

    IRestartQuestion& restartQuestion_;
    std::function<void(int)> changed_;
    CChangedSettings changes_;
    // Settings needing a restart put back one by one since the restart question was last asked.
    int restarts_ = 0;
};
