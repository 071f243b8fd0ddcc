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

    // What the Backup folder holds before a first backup: nothing of a backup; a backup whose
    // nine files can all be read and whose record of exact originals, when there is one, is sound
    // and of this Windows family; or something less than that.
    enum class Existing { kNone, kComplete, kDamaged };
    static Existing FindExistingBackup();

    // Reads each module's file and writes its values back; a file that cannot be read is named
    // in OriginalsResult().unreadableModules and the other modules still are written back. A file
    // that holds the null object writes nothing for its module. Then the record of the exact
    // originals (COriginalsRecord) is applied when it is sound and of this Windows family. When
    // the record names another user than the one logged on, the places of each user alone
    // (HKEY_CURRENT_USER) are left as they were, also where a module's file would write them.
    // A module write that fails is named by its tweak when there is no record to mend it. The
    // registry is flushed. Returns 0 only when no module file could be read and no record used.
    // What was not put back is kept in OriginalsResult().
    int RestoreBackup();
    const COriginalsRecord::RestoreResult& OriginalsResult() const { return originals_; }

private:
    COriginalsRecord::RestoreResult originals_;
};
