#include "app/CommandLineActions.h"

#include <windows.h>

#include "app/CCommandLine.h"
#include "backup/BackupCommands.h"
#include "backup/CBackupManager.h"
#include "backup/CChangedSettings.h"
#include "platform/CHandle.h"
#include "platform/ProgramPaths.h"

namespace {

// Writes the report with Windows line ends. The exit code tells the outcome whether or not the
// file can be written.
void WriteReport(const std::string& path, const std::string& report) {
    std::string text;
    for (char c : report) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    if (!text.empty())
        text += "\r\n";
    CHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.IsValid())
        WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Writes the bytes as they are; false when the file cannot be written whole.
bool WriteBytes(const std::string& path, const std::string& bytes) {
    CHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.IsValid() &&
           (bytes.empty() || (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &written, nullptr) &&
                              written == bytes.size()));
}

} // namespace

int BackupFromCommandLine(const std::string&) {
    switch (CBackupManager::FindExistingBackup()) {
    case CBackupManager::Existing::kComplete:
        return CCommandLine::kKept;
    case CBackupManager::Existing::kDamaged:
        // Unasked, a backup that may hold the only originals is never replaced.
        return CCommandLine::kPartly;
    case CBackupManager::Existing::kNone:
        break;
    }
    CBackupManager manager;
    return manager.CreateBackup() ? CCommandLine::kDone : CCommandLine::kPartly;
}

int ChangesFromCommandLine(const std::string& file) {
    CChangedSettings changes;
    if (changes.Load() != COriginalsRecord::Found::kUsable)
        return CCommandLine::kNoInput;
    return WriteBytes(file, changes.FormatLines()) ? CCommandLine::kDone : CCommandLine::kPartly;
}

int RestoreFromCommandLine(const std::string& reportFile) {
    // As the File menu's Restore Backup: files that are missing or damaged are named and the rest
    // is put back; only without any backup is there nothing to restore.
    CBackupManager manager;
    std::string report;
    int code = CCommandLine::kDone;
    if (CBackupManager::FindExistingBackup() == CBackupManager::Existing::kNone) {
        report =
            "There is no backup to restore: the backup files must be in\n" + GetBackupDirectory();
        code = CCommandLine::kNoInput;
    } else if (!manager.RestoreBackup()) {
        report = "No backup file could be read and the record of exact originals cannot be "
                 "used: nothing was restored.";
        code = CCommandLine::kPartly;
    } else if (!manager.OriginalsResult().Complete()) {
        report = DescribeUnrestored(manager.OriginalsResult());
        code = CCommandLine::kPartly;
    }
    if (!reportFile.empty())
        WriteReport(reportFile, report);
    return code;
}
