#pragma once

#include <string>
#include <vector>

#include "backup/COriginalsRecord.h"

// The backup of the settings as they were before the user changed anything: one file per tweak
// module in the Backup folder beside the program, written in the fixed module order (System,
// Desktop, Start Menu, Internet, CD-ROM, Hard disk, Memory, Boot-up, Shutdown) and read back in the
// same order. Values that only one Windows family has are captured and written back on that
// family only.
class CBackupManager {
public:
    // The nine backup files, full paths in module order.
    static const std::vector<std::string>& BackupFiles();

    // Makes the Backup folder, deletes the nine files and backs up the nine modules, stopping at
    // the first that fails. Every file is written under a temporary name and renamed into place
    // only when complete, so no file that looks valid is ever half-written. The record of the
    // exact originals is written first, beside them.
    int CreateBackup();
    // 1 only when all nine files exist.
    int BackupFilesExist();
    // Reads each module's file and writes its values back, stopping at the first file that
    // cannot be read (the modules before it are already written back). A file that holds the
    // null object writes nothing for its module. After the ninth, the record of the exact
    // originals (COriginalsRecord) is applied when it is sound and of this Windows family;
    // what became of it is kept in OriginalsResult().
    int RestoreBackup();
    const COriginalsRecord::RestoreResult& OriginalsResult() const { return originals_; }

private:
    COriginalsRecord::RestoreResult originals_;
};
