#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CRAMTweaks.h"

namespace {

// Every field a value of its own, so that a field read into the wrong place shows.
CHDDTweaks FilledHDD() {
    CHDDTweaks module;
    module.minFileCache = 1024;
    module.maxFileCache = 0x12345678;
    module.chunkSize = 512;
    module.contigFileAllocSize = 2048;
    module.forceFIFO = 1;
    return module;
}

class HDDFile : public testing::Test {
protected:
    CTestFolder folder_{"hddfile"};
    std::string file_ = folder_ / "hdd.tvb";
};

TEST_F(HDDFile, TheDefaultFileIsHddInTheBackupFolder) {
    EXPECT_EQ(CHDDTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\hdd.tvb");
}

TEST_F(HDDFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const std::unique_ptr<CHDDTweaks> loaded = SavedAndLoaded(FilledHDD(), file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->minFileCache, 1024u);
    EXPECT_EQ(loaded->maxFileCache, 0x12345678u);
    EXPECT_EQ(loaded->chunkSize, 512u);
    EXPECT_EQ(loaded->contigFileAllocSize, 2048u);
    EXPECT_EQ(loaded->forceFIFO, 1u);
}

TEST_F(HDDFile, TheRecordIsTheFiveNumbersInOrder) {
    ASSERT_EQ(FilledHDD().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\xFF\xFF\x01\x00\x0A\x00", 6) + "CHDDTweaks");
    EXPECT_EQ(bytes, NumberRecordFile("CHDDTweaks", {1024, 0x12345678, 512, 2048, 1}));
}

TEST_F(HDDFile, TheHardDiskAndMemoryModulesDoNotReadEachOthersFiles) {
    ASSERT_EQ(FilledHDD().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CRAMTweaks>(file_);
    ASSERT_EQ(CRAMTweaks().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CHDDTweaks>(file_);
}

TEST_F(HDDFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledHDD().SaveToFile(file_), 1);
    LoadMutationsOf<CHDDTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
