#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "archive/CArchiveException.h"
#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CSystemTweaks.h"

namespace {

// A module filled with a distinct value in every field, so that a field read into the wrong
// place shows.
CSystemTweaks FilledSystem() {
    CSystemTweaks module;
    module.hungAppTimeout = 4000;
    module.keepExplorerRefreshed = 1;
    module.registeredOwner = "Owner";
    module.registeredOrganization = "Organisation";
    module.favoritesFolder = "C:\\Favorites";
    module.personalFolder = "C:\\My Documents";
    module.myPicturesFolder = std::string(300, 'p');
    return module;
}

class ModuleFiles : public testing::Test {
protected:
    CTestFolder folder_{"modulefiles"};
    std::string file_ = folder_ / "system.tvb";
};

TEST_F(ModuleFiles, TheDefaultFileIsInTheBackupFolderBesideTheProgram) {
    EXPECT_EQ(CSystemTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\system.tvb");
}

TEST_F(ModuleFiles, ARoundTripKeepsEveryFieldInItsPlace) {
    const CSystemTweaks saved = FilledSystem();
    ASSERT_EQ(saved.SaveToFile(file_), 1);
    std::unique_ptr<CSystemTweaks> loaded;
    LoadResult result = LoadResult::kFailed;
    ASSERT_EQ(CSystemTweaks::LoadFromFile(loaded, file_, &result), 1);
    EXPECT_EQ(result, LoadResult::kLoaded);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->hungAppTimeout, saved.hungAppTimeout);
    EXPECT_EQ(loaded->keepExplorerRefreshed, saved.keepExplorerRefreshed);
    EXPECT_EQ(loaded->registeredOwner, saved.registeredOwner);
    EXPECT_EQ(loaded->registeredOrganization, saved.registeredOrganization);
    EXPECT_EQ(loaded->reserved, "");
    EXPECT_EQ(loaded->favoritesFolder, saved.favoritesFolder);
    EXPECT_EQ(loaded->personalFolder, saved.personalFolder);
    EXPECT_EQ(loaded->myPicturesFolder, saved.myPicturesFolder);
}

TEST_F(ModuleFiles, SavingTruncatesAnOlderLongerFile) {
    CTestFolder::WriteFile(file_, std::string(5000, 'x'));
    ASSERT_EQ(CSystemTweaks().SaveToFile(file_), 1);
    EXPECT_EQ(CTestFolder::ReadFile(file_).size(), 19u + 8u + 6u);
}

TEST_F(ModuleFiles, AFileThatCannotBeWrittenFailsQuietly) {
    EXPECT_EQ(FilledSystem().SaveToFile(folder_ / "no such folder\\system.tvb"), 0);
}

TEST_F(ModuleFiles, AMissingFileLeavesAFreshObject) {
    std::unique_ptr<CSystemTweaks> loaded;
    LoadResult result = LoadResult::kLoaded;
    EXPECT_EQ(CSystemTweaks::LoadFromFile(loaded, folder_ / "missing.tvb", &result), 0);
    EXPECT_EQ(result, LoadResult::kNoFile);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->hungAppTimeout, 0u);
    EXPECT_EQ(loaded->registeredOwner, "");
}

TEST_F(ModuleFiles, TheNullObjectLoadsAsAFreshObject) {
    CTestFolder::WriteFile(file_, std::string("\0\0", 2));
    std::unique_ptr<CSystemTweaks> loaded;
    LoadResult result = LoadResult::kFailed;
    EXPECT_EQ(CSystemTweaks::LoadFromFile(loaded, file_, &result), 1);
    EXPECT_EQ(result, LoadResult::kNullObject);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->hungAppTimeout, 0u);
    EXPECT_EQ(loaded->keepExplorerRefreshed, 0u);
}

TEST_F(ModuleFiles, ABadFileFailsWithItsCauseAndStillLeavesAnObject) {
    std::string bytes("\xFF\xFF\x02\x00\x0D\x00", 6);
    bytes += "CSystemTweaks";
    bytes += std::string(8, '\0') + std::string(6, '\0');
    CTestFolder::WriteFile(file_, bytes);
    std::unique_ptr<CSystemTweaks> loaded;
    int cause = 0;
    EXPECT_EQ(CSystemTweaks::LoadFromFile(loaded, file_, nullptr, &cause), 0);
    EXPECT_EQ(cause, CArchiveException::kBadSchema);
    EXPECT_NE(loaded, nullptr);
}

TEST_F(ModuleFiles, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledSystem().SaveToFile(file_), 1);
    LoadMutationsOf<CSystemTweaks>(CTestFolder::ReadFile(file_), file_, 3000);
}

} // namespace
