#include "autotune/ScratchRecords.h"

#include "archive/CArchive.h"
#include "archive/CArchiveException.h"
#include "autotune/CDesktopAnalyzer.h"
#include "autotune/CHDDAnalyzer.h"
#include "autotune/CRAMAnalyzer.h"
#include "autotune/CScratchFile.h"
#include "autotune/CSystemAnalyzer.h"
#include "platform/CTimeScale.h"
#include "tweaks/TweakCatalogue.h"

namespace {

const ScratchPlan kPlans[] = {
    {"systest.dat", 500, 10, 2, 3},
    {"dtptest.dat", 100, 10, 7, 0},
    {"hddtest.dat", 750, 20, 5, 0},
    {"ramtest.dat", 500, 10, 6, 0},
};

// The system's current values a record carries, read once per file.
struct Currents {
    DWORD values[3] = {};
};

// The tweaks whose current values each record carries, by their catalogue names. They are read
// on every family: a record holds what the system reports, whether the tweak works there or not.
struct ScratchReads {
    Modules::Module module;
    const char* tweaks[3];
};
const ScratchReads kReads[] = {
    {Modules::kSystem, {"Non-Responding Apps. Time Out"}},
    {Modules::kDesktop, {"Smooth Fonts", "Icon Cache Size"}},
    {Modules::kHardDisk, {}},
    {Modules::kMemory,
     {"Auto Unload DLLs From Memory", "Improve Core System Paging", "Use Swap File Wisely"}},
};

Currents ReadCurrents(ScratchKind kind) {
    Currents currents;
    const ScratchReads& reads = kReads[static_cast<int>(kind)];
    for (int i = 0; i < 3 && reads.tweaks[i] != nullptr; ++i)
        currents.values[i] = ReadTweakNumber(*FindTweak(reads.module, reads.tweaks[i]));
    return currents;
}

void WriteSystemRecord(CArchive& archive, const Currents& currents) {
    CSystemAnalyzer analyzer;
    analyzer.Recommend();
    const DWORD current = currents.values[0];
    std::string line;
    analyzer.CheckHungAppTimeout(current, line);
    archive.WriteNumber(analyzer.hungAppTimeout);
    archive.WriteNumber(current);
    archive.WriteText(std::to_string(static_cast<int>(analyzer.hungAppTimeout)));
    archive.WriteText(std::to_string(static_cast<int>(current)));
    archive.WriteText(line);
}

void WriteDesktopRecord(CArchive& archive, const Currents& currents) {
    CDesktopAnalyzer analyzer;
    analyzer.Recommend();
    std::string line;
    const DWORD smoothingOptimal = analyzer.CheckFontSmoothing(currents.values[0], line) ? 1 : 0;
    const DWORD iconsOptimal = analyzer.CheckMaxCachedIcons(currents.values[1], line) ? 1 : 0;
    archive.WriteNumber(analyzer.fontSmoothing);
    archive.WriteNumber(currents.values[0]);
    archive.WriteNumber(analyzer.maxCachedIcons);
    archive.WriteNumber(currents.values[1]);
    archive.WriteNumber(smoothingOptimal);
    archive.WriteNumber(iconsOptimal);
    archive.WriteNumber(2 - smoothingOptimal - iconsOptimal);
}

void WriteHardDiskRecord(CArchive& archive, const Currents&) {
    CHDDAnalyzer analyzer;
    analyzer.Recommend();
    archive.WriteNumber(analyzer.minFileCache);
    archive.WriteNumber(analyzer.maxFileCache);
    archive.WriteNumber(analyzer.chunkSize);
    archive.WriteNumber(analyzer.contigFileAllocSize);
    archive.WriteNumber(analyzer.forceFIFO);
}

void WriteMemoryRecord(CArchive& archive, const Currents& currents) {
    CRAMAnalyzer analyzer;
    analyzer.Recommend();
    archive.WriteNumber(analyzer.alwaysUnloadDLL);
    archive.WriteNumber(currents.values[0]);
    archive.WriteNumber(analyzer.disablePagingExecutive);
    archive.WriteNumber(currents.values[1]);
    archive.WriteNumber(analyzer.conservativeSwapfileUsage);
    archive.WriteNumber(currents.values[2]);
}

using RecordWriter = void (*)(CArchive&, const Currents&);
const RecordWriter kWriters[] = {WriteSystemRecord, WriteDesktopRecord, WriteHardDiskRecord,
                                 WriteMemoryRecord};

} // namespace

const ScratchPlan& ScratchPlanOf(ScratchKind kind) {
    return kPlans[static_cast<int>(kind)];
}

DWORD WriteScratchFile(ScratchKind kind, const std::string& path) {
    const ScratchPlan& plan = ScratchPlanOf(kind);
    const RecordWriter writer = kWriters[static_cast<int>(kind)];
    CScratchFile file(path);
    if (!file.IsOpen())
        return file.Error() != 0 ? file.Error() : ERROR_CANNOT_MAKE;
    const Currents currents = ReadCurrents(kind);
    try {
        CArchive archive(file, CArchive::kStore);
        for (int pass = 0; pass < plan.passes; ++pass) {
            writer(archive, currents);
            archive.Flush();
            file.FlushToDisk();
            CTimeScale::Sleep(plan.pause);
        }
    } catch (const CArchiveException&) {
        return file.Error() != 0 ? file.Error() : ERROR_WRITE_FAULT;
    }
    file.Close();
    return 0;
}
