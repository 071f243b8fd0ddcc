#pragma once

#include <string>

// What the command-line switches do (CCommandLine runs them). Each works without a window, a tray
// icon or a question, and returns one of CCommandLine's exit codes.

// Puts back the original settings as the File menu's "Restore Backup" does: the nine backup
// files, then the record of the exact originals. kDone when all was put back; kPartly when a
// backup file could not be read or the record was refused or left places behind; kNoInput when
// there is no backup at all (nothing is written then). With a report file, that file receives
// what could not be put back, a line each (empty when all was).
int RestoreFromCommandLine(const std::string& reportFile);
