#pragma once

#include <string>
#include <windows.h>

// Frees physical memory by having the script host briefly hold one very large string: a
// one-line script "FreeMem=Space(N)" with N about half the physical memory, opened through the
// shell. Nothing here waits for the script; callers watch the free memory afterwards.
class CMemoryOptimizer {
public:
    virtual ~CMemoryOptimizer() = default;

    // "freemem.vbs" in the system's temporary directory.
    static std::string ScriptPath();
    // The largest N asked for: a string of 1,000,000,000 bytes (two per character), which the
    // 32-bit script host can still hold in its 2 GB of address space. A larger request would
    // fail in the script host, with its error message, and free nothing.
    static constexpr int kLargestScriptSize = 500000000;

    // N for a total physical memory in bytes: half of it less 4,000,000, as a signed number,
    // and no more than the largest size.
    static int ScriptSize(ULONGLONG totalPhysical);
    // The script's one line, exactly as it is written.
    static std::string ScriptLine(ULONGLONG totalPhysical);

    // Writes and runs the script; 1 only when both succeeded.
    virtual int Optimize(const std::string& path);
    // Creates or truncates the file and writes the line. With 8,000,000 bytes of memory or less
    // there is nothing to ask for: nothing is written and the result is 0.
    int WriteScript(const std::string& path);
    // Opens the file through the shell; 1 when the shell started it.
    int RunScript(const std::string& path);
    BOOL DeleteScript(const std::string& path);

    ULONGLONG GetAvailablePhysical();
    ULONGLONG GetTotalPhysical();
};
