#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CRAMTweaks.h"

namespace {

// Every field a value of its own, so that a field read into the wrong place shows.
CRAMTweaks FilledRAM() {
    CRAMTweaks module;
    module.virtualMemoryMin = 2;
    module.virtualMemoryMax = 16384;
    module.virtualMemoryPath = "C:\\WINDOWS";
    module.alwaysUnloadDLL = 1;
    module.disablePagingExecutive = 3;
    module.ioPageLockLimit = 64;
    module.win32PrioritySeparation = 4;
    module.conservativeSwapfileUsage = 5;
    module.minSPs = 16;
    return module;
}

class RAMFile : public testing::Test {
protected:
    CTestFolder folder_{"ramfile"};
    std::string file_ = folder_ / "ram.tvb";
};

TEST_F(RAMFile, TheDefaultFileIsRamInTheBackupFolder) {
    EXPECT_EQ(CRAMTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\ram.tvb");
}

TEST_F(RAMFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const std::unique_ptr<CRAMTweaks> loaded = SavedAndLoaded(FilledRAM(), file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->virtualMemoryMin, 2u);
    EXPECT_EQ(loaded->virtualMemoryMax, 16384u);
    EXPECT_EQ(loaded->virtualMemoryPath, "C:\\WINDOWS");
    EXPECT_EQ(loaded->alwaysUnloadDLL, 1u);
    EXPECT_EQ(loaded->disablePagingExecutive, 3u);
    EXPECT_EQ(loaded->ioPageLockLimit, 64u);
    EXPECT_EQ(loaded->win32PrioritySeparation, 4u);
    EXPECT_EQ(loaded->conservativeSwapfileUsage, 5u);
    EXPECT_EQ(loaded->minSPs, 16u);
}

TEST_F(RAMFile, TheRecordHasThePathThird) {
    ASSERT_EQ(FilledRAM().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\xFF\xFF\x01\x00\x0A\x00", 6) + "CRAMTweaks");
    EXPECT_EQ(bytes, ClassHeader("CRAMTweaks") + NumberBytes(2) + NumberBytes(16384) +
                         ShortTextBytes("C:\\WINDOWS") + NumberBytes(1) + NumberBytes(3) +
                         NumberBytes(64) + NumberBytes(4) + NumberBytes(5) + NumberBytes(16));
}

TEST_F(RAMFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledRAM().SaveToFile(file_), 1);
    LoadMutationsOf<CRAMTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
