#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "backup/COriginalsRecord.h"
#include "ui/IRestartQuestion.h"

// The first-run backup question, asked before the first tweak page opens or Auto Tune starts.
// Returns 1 when the original settings are backed up (now or earlier) and the caller may go on.
BOOL EnsureOriginalBackup(HWND owner);

// The File menu's "Restore Backup": asks, checks that there is a backup at all, restores it,
// tells what was not put back (DescribeUnrestored), calls `restored` (when given) and has the
// main window ask to restart Windows.
void OnRestoreBackup(HWND owner, IRestartQuestion& restartQuestion,
                     const std::function<void()>& restored = {});

// The report of a restore that did not put everything back (RestoreResult::Complete): the
// files that could not be read, a refused record, another user's backup, the tweaks left
// behind; it always ends by saying where the backup is kept.
std::string DescribeUnrestored(const COriginalsRecord::RestoreResult& originals);
