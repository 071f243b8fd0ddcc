#include "backup/BackupCommands.h"

#include "platform/CAppSettings.h"
#include "backup/CBackupManager.h"
#include "platform/CMessageBox.h"
#include "platform/ProgramPaths.h"
#include "platform/SystemActions.h"

std::string DescribeUnrestored(const COriginalsRecord::RestoreResult& originals) {
    std::string text;
    if (originals.refused) {
        text = "The record of your exact original settings cannot be used:\n"
               "only the settings in the backup files were restored.";
    } else {
        const size_t shown = 8;
        text = "Some original settings could not be restored:\n";
        for (size_t i = 0; i < originals.failed.size() && i < shown; ++i)
            text += "\n" + originals.failed[i];
        if (originals.failed.size() > shown)
            text += "\n... and " + std::to_string(originals.failed.size() - shown) + " more";
    }
    return text + "\n\nThe backup is kept in\n" + GetBackupDirectory();
}

BOOL EnsureOriginalBackup(HWND owner) {
    CAppSettings settings;
    DWORD backedUp = 0;
    settings.GetBackedUp(backedUp);
    if (backedUp != 0)
        return TRUE;
    if (!CMessageBox::AskYesNo(owner, "For safety reasons, we need to backup your original "
                                      "settings before changing any tweaks.\n"
                                      "This will allow you to restore them back in the "
                                      "future.\n\nDo you wish to backup now?"))
        return FALSE;
    CBackupManager manager;
    if (manager.CreateBackup()) {
        settings.SetBackedUp(1);
        return TRUE;
    }
    CMessageBox::Show(owner,
                      "Unable to Continue.\n\nError in backing up original Settings.\n"
                      "Please exit all other applications before running Torvane.",
                      MB_OK | MB_ICONERROR);
    return FALSE;
}

void OnRestoreBackup(HWND owner, IRestartHost& restartHost,
                     const std::function<void()>& restored) {
    if (!CMessageBox::AskYesNo(owner, "Do you wish to restore your original\nsystem settings now?"))
        return;
    CBackupManager manager;
    if (!manager.BackupFilesExist()) {
        CMessageBox::Show(owner,
                          "Error in Restoring Original Settings, Make sure all the backup files "
                          "are located in\n" +
                              GetBackupDirectory(),
                          MB_OK | MB_ICONERROR);
        return;
    }
    if (!manager.RestoreBackup()) {
        CMessageBox::Show(owner,
                          "Error in Restoring Original Settings, Make sure you are not\nrunning "
                          "any other programs and try again!",
                          MB_OK | MB_ICONERROR);
        return;
    }
    const COriginalsRecord::RestoreResult& originals = manager.OriginalsResult();
    if (originals.refused || !originals.failed.empty())
        CMessageBox::Show(owner, DescribeUnrestored(originals), MB_OK | MB_ICONWARNING);
    if (restored)
        restored();
    PromptRestart(0, restartHost, owner);
}
