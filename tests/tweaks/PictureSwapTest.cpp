#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CPreservedFile.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
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
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder_ / "*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
        return names;
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
    EXPECT_EQ(Names().size(), 2u);
}

TEST_F(PictureSwap, AFailedCopyWithNoPictureLeavesTheBuiltInOne) {
    CTestFolder::WriteFile(saved_, "earlier");
    Swap(1, sources_ / "missing.bmp");
    EXPECT_FALSE(CTestFolder::Exists(picture_));
    EXPECT_EQ(Content(saved_), "earlier");
    EXPECT_EQ(messages_.Texts().size(), 1u);
}

TEST_F(PictureSwap, ASavedCopyThatCannotBePutBackIsKept) {
    CTestFolder::WriteFile(picture_, "replacement");
    CTestFolder::WriteFile(saved_, "original");
    // Something holds the picture open, so it can be neither deleted nor overwritten.
    HANDLE held =
        CreateFileA(picture_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Swap(1, "");
    CloseHandle(held);
    EXPECT_EQ(Content(picture_), "replacement");
    EXPECT_EQ(Content(saved_), "original");
}

TEST_F(PictureSwap, APictureThatCannotBeMovedAsideIsReportedAndStays) {
    CTestFolder::WriteFile(picture_, "current");
    CTestFolder::WriteFile(saved_, "earlier");
    const std::string replacement = sources_ / "new.bmp";
    CTestFolder::WriteFile(replacement, "new");
    // Another program holds the picture open: the new copy succeeds, the moves do not.
    HANDLE held =
        CreateFileA(picture_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Swap(1, replacement);
    CloseHandle(held);
    EXPECT_EQ(Content(picture_), "current");
    EXPECT_EQ(Content(saved_), "earlier");
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_EQ(messages_.Texts()[0], kFailure);
    EXPECT_EQ(Names().size(), 2u);

    // Once it is released the same swap goes through without a word.
    Swap(1, replacement);
    EXPECT_EQ(Content(picture_), "new");
    EXPECT_EQ(Content(saved_), "current");
    EXPECT_EQ(messages_.Texts().size(), 1u);
}

} // namespace
