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

// Makes the backup of the original settings as the first-run backup does, when there is none:
// kDone. A backup already there is never touched: kKept when it is whole, kPartly when part of
// it cannot be read (replacing it is the program's question to ask). kPartly also when the
// backup could not be made. No option is set: a later start finds the backup and keeps it.
int BackupFromCommandLine(const std::string& file);

// Writes `file`: the places that differ from the record of exact originals (CChangedSettings),
// a tab-separated line each; empty when nothing differs. kDone; kPartly when the file cannot be
// written; kNoInput when there is no usable record (the file is then not written).
int ChangesFromCommandLine(const std::string& file);
