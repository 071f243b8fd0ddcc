#include <gtest/gtest.h>

#include "platform/WindowsVersion.h"
#include "tweaks/TempFolderRules.h"

namespace {

// A system of the family whose temporary folder is `temp`.
TempFolderPlaces Places(int family, const std::string& temp) {
    TempFolderPlaces places;
    places.familyDetected = true;
    places.family = family;
    places.tempPath = places.fullTempPath = temp;
    places.familyDirectory = IsNineXFamily(family) ? "C:\\WORK" : "C:\\WINNT";
    places.windowsDirectory = "C:\\WINNT";
    places.systemDirectory = "C:\\WINNT\\System32";
    places.programDirectory = "C:\\Program Files\\Torvane";
    places.profileDirectory = "C:\\Documents and Settings\\Ann";
    return places;
}

bool Refused(int family, const std::string& temp) {
    return IsTempFolderRefused(Places(family, temp));
}

TEST(TempFolderRules, OnlyAKnownFamilyWithATemporaryPathOutsideItsDirectoryMayClear) {
    EXPECT_FALSE(Refused(kFamilyWin98, "C:\\TEMP\\"));
    EXPECT_FALSE(Refused(kFamilyWin2000, "C:\\TEMP\\"));
    for (int family : {0, 7, 8})
        EXPECT_TRUE(Refused(family, "C:\\TEMP\\")) << family;
    TempFolderPlaces undetected = Places(kFamilyWin98, "C:\\TEMP\\");
    undetected.familyDetected = false;
    EXPECT_TRUE(IsTempFolderRefused(undetected));
    EXPECT_TRUE(Refused(kFamilyWinXP, ""));
    // The family's directory is refused.
    EXPECT_TRUE(Refused(kFamilyWin95, "C:\\WORK\\"));
    EXPECT_FALSE(Refused(kFamilyWinNT, "C:\\WORK\\"));
    EXPECT_TRUE(Refused(kFamilyWinNT, "C:\\WINNT\\"));
    // The absolute path decides, and unknown folders are skipped.
    TempFolderPlaces places = Places(kFamilyWinXP, "..\\..\\");
    places.fullTempPath = "C:\\Program Files\\";
    EXPECT_TRUE(IsTempFolderRefused(places));
    places = Places(kFamilyWin98, "C:\\TEMP\\");
    places.profileDirectory.clear();
    places.programDirectory.clear();
    EXPECT_FALSE(IsTempFolderRefused(places));
    EXPECT_EQ(FolderKey("C:/Windows//"), "c:\\windows");
}

TEST(TempFolderRules, RootsSharesAndFoldersHoldingSystemFoldersAreRefusedInAnyCase) {
    for (const char* folder :
         {"C:\\", "d:\\", "E:", "\\", "\\\\server\\share\\", "\\\\?\\C:\\", "c:\\winnt\\",
          "C:\\WinNT\\system32\\", "C:\\PROGRAM FILES\\TORVANE\\", "C:\\Program Files\\",
          "c:/documents and settings/ann/", "C:\\Documents and Settings", "C:\\WINNT\\\\"}) {
        EXPECT_TRUE(Refused(kFamilyWin98, folder)) << folder;
        EXPECT_TRUE(Refused(kFamilyWinXP, folder)) << folder;
    }
    // Inside them, or merely sharing the beginning of their names.
    for (const char* folder : {"C:\\WINNT\\Temp\\", "C:\\Documents and Settings\\Ann\\Temp\\",
                               "\\\\server\\share\\temp\\", "C:\\WIN\\",
                               "C:\\Program Files\\Torvane Data\\", "C:\\Documents\\"})
        EXPECT_FALSE(Refused(kFamilyWin2000, folder)) << folder;
}

TEST(NamedFolderRules, OnlyAnAbsoluteFolderOfItsOwnIsEmptied) {
    const TempFolderPlaces places = Places(kFamilyWinXP, "C:\\TEMP\\");
    for (const char* folder :
         {"C:\\WINNT\\Cookies", "c:/documents and settings/ann/Cookies\\",
          "C:\\Documents and Settings\\Ann\\Local Settings\\Temporary Internet Files",
          "\\\\server\\share\\History"})
        EXPECT_FALSE(IsNamedFolderRefused(folder, places)) << folder;
    // Relative paths depend on the current directory; the rest hold more than browser files.
    for (const char* folder : {"", "Cookies", ".", "\\Cookies", "C:Cookies", "C:\\",
                               "D:", "\\\\server\\share\\", "C:\\WINNT", "c:\\winnt\\system32\\",
                               "C:\\WINNT\\Cookies\\..", "C:\\Documents and Settings",
                               "C:\\Documents and Settings\\ANN\\", "C:\\Program Files\\Torvane"})
        EXPECT_TRUE(IsNamedFolderRefused(folder, places)) << folder;
}

} // namespace
