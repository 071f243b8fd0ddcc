#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/CPreservedFile.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/PictureSwap.h"

namespace {

// The page whose Apply replaces the picture (the handler only records it).
const HWND kPage = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4343));

const char kFailure[] =
    "Error in creating file for Test image.\nThe Test image will not be replaced.";

// What a failed swap must leave in place, on pictures in a folder of the test's own; the
// replacements themselves are tested with the modules' own pictures.
class PictureSwap : public testing::Test {
protected:
    void Swap(int change, const std::string& newPicture) {
        SwapPicture(change, newPicture, picture_, saved_, kFailure, kPage);
    }
    // The files in the folder: what the attempts may have left behind.
    size_t Entries() const {
        size_t count = 0;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder_ / "*").c_str(), &entry);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry))
            count += std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..";
        FindClose(search);
        return count;
    }
    std::string Content(const std::string& path) const {
        return CTestFolder::Exists(path) ? CTestFolder::ReadFile(path) : "<missing>";
    }

    CScriptedMessages messages_;
    CTestFolder folder_{"pictures"};
    CTestFolder sources_{"sources"};
    std::string picture_ = folder_ / "Logo.sys";
    std::string saved_ = folder_ / "Logo.tvn";
};

TEST_F(PictureSwap, AFailedCopyLeavesThePictureAndAnEarlierSavedCopyAlone) {
    CTestFolder::WriteFile(picture_, "current");
    CTestFolder::WriteFile(saved_, "earlier");
    SetFileAttributesA(saved_.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    for (const std::string& unreadable : {sources_ / "missing.bmp", sources_.Path()}) {
        Swap(1, unreadable);
        EXPECT_EQ(Content(picture_), "current");
        EXPECT_EQ(Content(saved_), "earlier");
        EXPECT_TRUE(IsHiddenAndSystem(picture_));
        EXPECT_TRUE(IsHiddenAndSystem(saved_));
    }
    ASSERT_EQ(messages_.Texts().size(), 2u);
    EXPECT_EQ(messages_.Owners(), std::vector<HWND>(2, kPage));
    EXPECT_EQ(messages_.Texts()[0], kFailure);
    EXPECT_EQ(messages_.Types()[0] & (MB_TYPEMASK), static_cast<UINT>(MB_OK));
    // Nothing of the attempts is left behind.
    EXPECT_EQ(Entries(), 2u);

    // With no picture the built-in one stays.
    DeleteFileA(picture_.c_str());
    Swap(1, sources_ / "missing.bmp");
    EXPECT_FALSE(CTestFolder::Exists(picture_));
    EXPECT_EQ(Content(saved_), "earlier");
    EXPECT_EQ(messages_.Texts().size(), 3u);
}

TEST_F(PictureSwap, APictureHeldOpenIsReportedAndStaysAndItsSavedCopyIsKept) {
    CTestFolder::WriteFile(picture_, "current");
    CTestFolder::WriteFile(saved_, "earlier");
    const std::string replacement = sources_ / "new.bmp";
    CTestFolder::WriteFile(replacement, "new");
    // Another program holds the picture open, so it can be neither moved, deleted nor
    // overwritten: the new copy succeeds, the moves do not, and the saved copy is not put back.
    HANDLE held =
        CreateFileA(picture_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Swap(1, replacement);
    Swap(1, "");
    CloseHandle(held);
    EXPECT_EQ(Content(picture_), "current");
    EXPECT_EQ(Content(saved_), "earlier");
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_EQ(messages_.Texts()[0], kFailure);
    EXPECT_EQ(Entries(), 2u);

    // Once it is released the same swap goes through without a word.
    Swap(1, replacement);
    EXPECT_EQ(Content(picture_), "new");
    EXPECT_EQ(Content(saved_), "current");
    EXPECT_EQ(messages_.Texts().size(), 1u);
}

// The modules' own pictures: the startup picture beside msdos.sys, the two shutdown pictures in the
// Windows directory.
const struct {
    const char* name;
    std::function<BOOL(DWORD, const std::string&)> set;
    const char* picture;
    const char* saved;
} kModulePictures[] = {
    {"Startup", [](DWORD c, const std::string& p) { return CBootupTweaks().SetStartupImage(c, p); },
     "c:\\Logo.sys", "c:\\Logo.tvn"},
    {"Shutdown",
     [](DWORD c, const std::string& p) { return CShutdownTweaks().SetShutdownImage(c, p); },
     "C:\\windows\\Logow.sys", "C:\\windows\\Logow.tvn"},
    {"Turnoff",
     [](DWORD c, const std::string& p) { return CShutdownTweaks().SetTurnoffImage(c, p); },
     "C:\\windows\\Logos.sys", "C:\\windows\\Logos.tvn"},
};

TEST(ModulePictures, AreReplacedKeptAndPutBackInTheirPlaces) {
    const CShutdownTweaks shutdown;
    EXPECT_STREQ(CBootupTweaks::kStartupPicture, kModulePictures[0].picture);
    EXPECT_STREQ(CBootupTweaks::kSavedStartupPicture, kModulePictures[0].saved);
    EXPECT_EQ(shutdown.ShutdownPicture(), kModulePictures[1].picture);
    EXPECT_EQ(shutdown.SavedShutdownPicture(), kModulePictures[1].saved);
    EXPECT_EQ(shutdown.TurnoffPicture(), kModulePictures[2].picture);
    EXPECT_EQ(shutdown.SavedTurnoffPicture(), kModulePictures[2].saved);
    CTestFolder sources("replacements");
    CTestFolder::WriteFile(sources / "one.bmp", "one");
    CTestFolder::WriteFile(sources / "two.bmp", "two");
    for (const auto& row : kModulePictures) {
        SCOPED_TRACE(row.name);
        CPreservedFile picture(row.picture), saved(row.saved);
        CScriptedMessages messages;
        picture.Write("mine");
        saved.Remove();
        // Without the change flag no file is touched.
        EXPECT_TRUE(row.set(0, ""));
        EXPECT_TRUE(row.set(0, "C:\\missing.bmp"));
        EXPECT_EQ(CTestFolder::ReadFile(row.picture), "mine");
        EXPECT_FALSE(IsHiddenAndSystem(row.picture));

        // An unreadable picture shows its message and keeps the old one and any saved copy.
        EXPECT_TRUE(row.set(1, "C:\\no such folder\\picture.bmp"));
        EXPECT_EQ(CTestFolder::ReadFile(row.picture), "mine");
        EXPECT_FALSE(CTestFolder::Exists(row.saved));
        saved.Write("saved");
        EXPECT_TRUE(row.set(1, sources / "missing.bmp"));
        EXPECT_EQ(CTestFolder::ReadFile(row.saved), "saved");
        const std::string failure = std::string("Error in creating file for ") + row.name +
                                    " image.\nThe " + row.name + " image will not be replaced.";
        EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, failure));

        // Replaced twice, the first replacement is the saved copy; both are hidden system files.
        EXPECT_TRUE(row.set(1, sources / "one.bmp"));
        EXPECT_TRUE(row.set(1, sources / "two.bmp"));
        EXPECT_EQ(CTestFolder::ReadFile(row.picture), "two");
        EXPECT_EQ(CTestFolder::ReadFile(row.saved), "one");
        EXPECT_TRUE(IsHiddenAndSystem(row.picture));
        EXPECT_TRUE(IsHiddenAndSystem(row.saved));

        // An empty path puts the saved copy back; without one it deletes the picture.
        EXPECT_TRUE(row.set(1, ""));
        EXPECT_EQ(CTestFolder::ReadFile(row.picture), "one");
        EXPECT_FALSE(CTestFolder::Exists(row.saved));
        EXPECT_TRUE(row.set(1, ""));
        EXPECT_FALSE(CTestFolder::Exists(row.picture));
        EXPECT_EQ(messages.Texts().size(), 2u);
    }
}

} // namespace
