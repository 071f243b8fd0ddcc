#include "app/CommandLineActions.h"

#include <windows.h>

#include "app/CCommandLine.h"
#include "backup/BackupCommands.h"
#include "backup/CBackupManager.h"
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

} // namespace

int RestoreFromCommandLine(const std::string& reportFile) {
    CBackupManager manager;
    std::string report;
    int code = CCommandLine::kDone;
    if (!manager.BackupFilesExist()) {
        report = "There is no complete backup to restore: the nine backup files must be in\n" +
                 GetBackupDirectory();
        code = CCommandLine::kNoInput;
    } else {
        if (!manager.RestoreBackup()) {
            report = "Some backup files could not be read: the settings they hold were not "
                     "restored.";
            code = CCommandLine::kPartly;
        }
        const COriginalsRecord::RestoreResult& originals = manager.OriginalsResult();
        if (originals.refused || !originals.failed.empty()) {
            report += (report.empty() ? "" : "\n") + DescribeUnrestored(originals);
            code = CCommandLine::kPartly;
        }
    }
    if (!reportFile.empty())
        WriteReport(reportFile, report);
    return code;
}
