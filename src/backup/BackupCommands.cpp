#include "backup/BackupCommands.h"

#include "platform/CAppSettings.h"
#include "backup/CBackupManager.h"
#include "platform/CMessageBox.h"
#include "platform/ProgramPaths.h"

namespace {

// A list of at most eight lines, then how many more there are.
std::string ListLines(const std::vector<std::string>& lines) {
    const size_t shown = 8;
    std::string text;
    for (size_t i = 0; i < lines.size() && i < shown; ++i)
        text += "\n" + lines[i];
    if (lines.size() > shown)
        text += "\n... and " + std::to_string(lines.size() - shown) + " more";
    return text;
}

} // namespace

std::string DescribeUnrestored(const COriginalsRecord::RestoreResult& originals) {
    std::vector<std::string> paragraphs;
    if (!originals.unreadableModules.empty())
        paragraphs.push_back("These backup files could not be read: their settings were not "
                             "restored.\n" +
                             ListLines(originals.unreadableModules));
    if (originals.refused)
        paragraphs.push_back("The record of your exact original settings cannot be used:\n"
                             "only the settings in the backup files were restored.");
    if (!originals.otherUser.empty())
        paragraphs.push_back("The backup was made by another user (" + originals.otherUser +
                             "): only the settings for the whole computer were restored.\n"
                             "Your own settings were left as they are.");
    if (!originals.failedTweaks.empty() || !originals.failed.empty())
        paragraphs.push_back(
            "Some original settings could not be restored:\n" +
            ListLines(originals.failedTweaks.empty() ? originals.failed : originals.failedTweaks));
    std::string text;
    for (const std::string& paragraph : paragraphs)
        text += (text.empty() ? "" : "\n\n") + paragraph;
    return text + "\n\nThe backup is kept in\n" + GetBackupDirectory();
}

BOOL EnsureOriginalBackup(HWND owner) {
    CAppSettings settings;
    DWORD backedUp = 0;
    settings.GetBackedUp(backedUp);
    if (backedUp != 0)
        return TRUE;
    // The option is gone (a new install beside a kept Backup folder) or could not be stored: a
    // backup already there holds the true originals and is never replaced unasked.
    switch (CBackupManager::FindExistingBackup()) {
    case CBackupManager::Existing::kComplete:
        CMessageBox::Report(owner, "A backup of your original settings made earlier was found "
                                   "in\n" +
                                       GetBackupDirectory() +
                                       "\n\nIt is kept, and Restore Backup will put those "
                                       "settings back.");
        settings.SetBackedUp(1);
        return TRUE;
    case CBackupManager::Existing::kDamaged:
        if (!CMessageBox::AskYesNo(
                owner, "A backup of your original settings was found in\n" + GetBackupDirectory() +
                           "\nbut part of it cannot be read.\n\nA new backup replaces it with "
                           "your settings as they are now: original settings kept only in the "
                           "old backup will be lost.\n\nDo you wish to replace it with a new "
                           "backup now?"))
            return FALSE;
        break;
    case CBackupManager::Existing::kNone:
        if (!CMessageBox::AskYesNo(owner, "For safety reasons, we need to backup your original "
                                          "settings before changing any tweaks.\n"
                                          "This will allow you to restore them back in the "
                                          "future.\n\nDo you wish to backup now?"))
            return FALSE;
        break;
    }
    CBackupManager manager;
    if (manager.CreateBackup()) {
        // Should the option not be stored, the next run finds this backup complete and keeps it.
        settings.SetBackedUp(1);
        return TRUE;
    }
    CMessageBox::Show(owner,
                      "Unable to Continue.\n\nError in backing up original Settings.\n"
                      "Please exit all other applications before running Torvane.",
                      MB_OK | MB_ICONERROR);
    return FALSE;
}

void OnRestoreBackup(HWND owner, IRestartQuestion& restartQuestion,
                     const std::function<void()>& restored) {
    if (!CMessageBox::AskYesNo(owner, "Do you wish to restore your original\nsystem settings now?"))
        return;
    CBackupManager manager;
    // Some files missing is a partial backup, restored as far as it goes (RestoreBackup names
    // them); only without any of it is there nothing to restore.
    if (CBackupManager::FindExistingBackup() == CBackupManager::Existing::kNone) {
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
    if (!originals.Complete())
        CMessageBox::Show(owner, DescribeUnrestored(originals), MB_OK | MB_ICONWARNING);
    if (restored)
        restored();
    restartQuestion.AskToRestart(IRestartQuestion::kAskAlways, owner);
}
