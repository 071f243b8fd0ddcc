#pragma once

#include <string>
#include <windows.h>

// The files the analysis writes to exercise the disk: each pass runs the module's analyser on a
// scratch analyser object and appends one record of numbers (4-byte little-endian) and texts
// (with the archive's length prefix), then flushes the record to disk and pauses.
//
// Records (R = the analyser's recommended value, C = the system's current value, read once per
// file; a check is 1 when the current value is at its recommendation, else 0):
//   systest.dat  numbers R and C of the application time-out; texts R and C as decimal texts and
//                the line the check gives (empty when optimal)
//   dtptest.dat  numbers R, C of font smoothing, R, C of the icon cache, the two checks and the
//                number of values that differ
//   hddtest.dat  numbers minimum, maximum and chunk size of the disk cache, contiguous file
//                allocation size, FIFO (the analyser's five values)
//   ramtest.dat  numbers R, C of unloading libraries, of keeping the core system in memory and
//                of conservative swap-file use

enum class ScratchKind { kSystem, kDesktop, kHardDisk, kMemory };

struct ScratchPlan {
    const char* fileName;
    int passes;
    DWORD pause; // ms after each pass
    int numbers; // per record
    int texts;   // per record, after the numbers
};

const ScratchPlan& ScratchPlanOf(ScratchKind kind);

// Creates the file at `path` and writes all its passes. Returns 0, or the system's error code
// when the file could not be created or written; the file is left for the caller to delete.
DWORD WriteScratchFile(ScratchKind kind, const std::string& path);
