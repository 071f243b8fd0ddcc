#include "backup/CWhatChangedDlg.h"

#include <commctrl.h>

#include "backup/BackupCommands.h"
#include "backup/CBackupManager.h"
#include "platform/CMessageBox.h"
#include "platform/COptionalApi.h"
#include "res/resource.h"

namespace {

// The list's columns, with their widths in pixels while the list is empty.
const struct {
    const char* title;
    int width;
} kColumns[] = {
    {"Setting", 190}, {"Section", 100},     {"Original", 95},
    {"Now", 95},      {"Takes effect", 80}, {"Place", 320},
};

void SetCell(HWND list, int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

INT_PTR CWhatChangedDlg::Show(HWND parent) {
    COptionalApi::InitCommonControls(ICC_LISTVIEW_CLASSES);
    return DoModal(IDD_WHAT_CHANGED, parent);
}

BOOL CWhatChangedDlg::OnInit() {
    const HWND list = Item(IDC_CHANGES_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])); ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.cx = kColumns[i].width;
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    Reload(0);
    // The list has the focus when there is something in it, else Close.
    SetFocus(changes_.Rows().empty() ? Item(IDCANCEL) : list);
    return FALSE;
}

void CWhatChangedDlg::Reload(int select) {
    changes_.Load();
    const HWND list = Item(IDC_CHANGES_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const auto& rows = changes_.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const CChangedSettings::Row& row = rows[i];
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(row.tweak.c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const int at = static_cast<int>(i);
        SetCell(list, at, 1, row.section);
        SetCell(list, at, 2, row.original);
        SetCell(list, at, 3, row.current);
        SetCell(list, at, 4, row.restart ? "after restart" : "at once");
        SetCell(list, at, 5, row.place);
    }
    // Each column as wide as its widest text or its title; the place, last, as its text.
    const int columns = static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0]));
    for (int i = 0; !rows.empty() && i < columns; ++i)
        SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     i + 1 < columns ? LVSCW_AUTOSIZE_USEHEADER : LVSCW_AUTOSIZE);
    if (!rows.empty()) {
        const int chosen =
            select < static_cast<int>(rows.size()) ? select : static_cast<int>(rows.size()) - 1;
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(chosen),
                     reinterpret_cast<LPARAM>(&state));
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(chosen), FALSE);
    }

    std::string summary;
    const CBackupManager::Existing existing = CBackupManager::FindExistingBackup();
    switch (changes_.Status()) {
    case COriginalsRecord::Found::kUsable: {
        const int restarts = changes_.RestartCount();
        if (rows.empty())
            summary = "All your settings are as they were when the backup was made.";
        else
            summary = std::to_string(rows.size()) +
                      (rows.size() == 1 ? " setting differs" : " settings differ") +
                      " from your original settings" +
                      (restarts > 0 ? ", " + std::to_string(restarts) +
                                          (restarts == 1 ? " of them takes" : " of them take") +
                                          " effect after a restart"
                                    : std::string()) +
                      ". Put back restores the selected one alone; Put back all restores them "
                      "all, as Restore Backup does.";
        if (!changes_.OtherUser().empty())
            summary += "\nThe backup was made by another user (" + changes_.OtherUser() +
                       "): your own settings are not listed.";
        break;
    }
    case COriginalsRecord::Found::kRefused:
        summary = "The record of your exact original settings cannot be used, so what changed "
                  "cannot be listed. Put back all restores what the backup files hold.";
        break;
    case COriginalsRecord::Found::kNone:
        summary = existing == CBackupManager::Existing::kNone
                      ? "There is no backup of your original settings yet, so nothing can be "
                        "compared with them. Click Back up now to make one."
                      : "The backup holds no record of your exact original settings, so what "
                        "changed cannot be listed. Put back all restores what it holds.";
        break;
    }
    SetItemText(IDC_CHANGES_SUMMARY, summary);
    const bool noBackup = existing == CBackupManager::Existing::kNone;
    if (!noBackup && GetFocus() == Item(IDC_CHANGES_BACK_UP))
        SetFocus(Item(IDCANCEL));
    CWindow(Item(IDC_CHANGES_BACK_UP)).Show(noBackup ? SW_SHOW : SW_HIDE);
    CWindow(Item(IDC_CHANGES_PUT_BACK_ALL)).Enable(!noBackup);
    UpdateButtons();
}

int CWhatChangedDlg::Selected() const {
    return static_cast<int>(SendMessageA(Item(IDC_CHANGES_LIST), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CWhatChangedDlg::UpdateButtons() {
    const HWND putBack = Item(IDC_CHANGES_PUT_BACK);
    const bool any = Selected() >= 0;
    // A disabled button must not keep the focus: the list takes it, or Close.
    if (!any && GetFocus() == putBack)
        SetFocus(changes_.Rows().empty() ? Item(IDCANCEL) : Item(IDC_CHANGES_LIST));
    CWindow(putBack).Enable(any);
}

BOOL CWhatChangedDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_CHANGES_LIST)
        return FALSE;
    if (header->code == LVN_ITEMCHANGED) {
        UpdateButtons();
        result = 0;
        return TRUE;
    }
    // A double click or Enter on a row does not put it back: that takes the button.
    return FALSE;
}

BOOL CWhatChangedDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_CHANGES_PUT_BACK:
        PutBackSelected();
        return TRUE;
    case IDC_CHANGES_PUT_BACK_ALL:
        PutBackAll();
        return TRUE;
    case IDC_CHANGES_BACK_UP:
        BackUpNow();
        return TRUE;
    default:
        return FALSE;
    }
}

void CWhatChangedDlg::PutBackSelected() {
    const int selected = Selected();
    if (selected < 0 || selected >= static_cast<int>(changes_.Rows().size()))
        return;
    const bool restart = changes_.Rows()[static_cast<size_t>(selected)].restart;
    const COriginalsRecord::RestoreResult result = changes_.PutBack(static_cast<size_t>(selected));
    if (!result.Complete())
        CMessageBox::Show(window_, DescribeUnrestored(result), MB_OK | MB_ICONWARNING);
    else if (restart)
        ++restarts_;
    if (changed_)
        changed_(result.Complete() && restart ? 1 : 0);
    Reload(selected);
    SetFocus(changes_.Rows().empty() ? Item(IDCANCEL) : Item(IDC_CHANGES_LIST));
}

void CWhatChangedDlg::PutBackAll() {
    bool restored = false;
    OnRestoreBackup(window_, restartQuestion_, [this, &restored] {
        restored = true;
        if (changed_)
            changed_(0);
    });
    // Restore Backup asked the restart question itself.
    if (restored)
        restarts_ = 0;
    Reload(0);
}

void CWhatChangedDlg::BackUpNow() {
    EnsureOriginalBackup(window_);
    Reload(0);
}

void CWhatChangedDlg::OnCancel() {
    if (restarts_ > 0) {
        restarts_ = 0;
        restartQuestion_.AskToRestart(IRestartQuestion::kAskIfPending, window_);
    }
    End(IDCANCEL);
}
