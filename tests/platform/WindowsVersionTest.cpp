#include <gtest/gtest.h>

#include "platform/WindowsVersion.h"
#include "support/EmulatedSystem.h"

namespace {

struct Classified {
    int family;
    std::string name;
};

Classified Classify(DWORD platform, DWORD major, DWORD minor) {
    Classified result{-1, "untouched"};
    ClassifyWindowsVersion(platform, major, minor, result.family, result.name);
    return result;
}

void ExpectClassified(DWORD platform, DWORD major, DWORD minor, int family, const char* name) {
    const Classified result = Classify(platform, major, minor);
    EXPECT_EQ(result.family, family) << platform << " " << major << "." << minor;
    EXPECT_EQ(result.name, name) << platform << " " << major << "." << minor;
}

TEST(WindowsVersion, NineXPlatformRows) {
    ExpectClassified(1, 4, 0, kFamilyWin95, "Win95");
    ExpectClassified(1, 3, 95, kFamilyWin95, "Win95");
    ExpectClassified(1, 4, 10, kFamilyWin98, "Win98");
    ExpectClassified(1, 4, 89, kFamilyWin98, "Win98");
    ExpectClassified(1, 4, 90, kFamilyWinME, "WinME");
    ExpectClassified(1, 5, 0, kFamilyWinME, "WinME");
}

TEST(WindowsVersion, NTPlatformRows) {
    ExpectClassified(2, 3, 51, kFamilyWinNT, "WinNT");
    ExpectClassified(2, 4, 0, kFamilyWinNT, "WinNT");
    ExpectClassified(2, 5, 0, kFamilyWin2000, "Win2000");
    ExpectClassified(2, 5, 1, kFamilyWinXP, "WinXP");
}

TEST(WindowsVersion, Win32sIsItsOwnCode) {
    ExpectClassified(0, 3, 10, kFamilyWin32s, "Win32");
}

TEST(WindowsVersion, UnmatchedSystemsLeaveBothOutputsUntouched) {
    ExpectClassified(2, 5, 2, -1, "untouched"); // Server 2003
    ExpectClassified(2, 6, 0, -1, "untouched");
    ExpectClassified(2, 10, 0, -1, "untouched");
}

TEST(WindowsVersion, UnknownPlatformNamesItButKeepsTheCode) {
    ExpectClassified(3, 4, 0, -1, "Unknown OS");
}

TEST(WindowsVersion, FamiliesAreExactlyTheTwoRanges) {
    for (int code = -1; code <= 8; ++code) {
        EXPECT_EQ(IsNineXFamily(code), code >= 1 && code <= 3) << code;
        EXPECT_EQ(IsNTFamily(code), code >= 4 && code <= 6) << code;
    }
}

TEST(WindowsVersion, DetectsTheEmulatedSystem) {
    int family = kFamilyUnknown;
    std::string name;
    ASSERT_TRUE(DetectWindowsVersion(family, name));
    if (EmulatedVersionName().empty())
        GTEST_SKIP() << "not started under an emulated version name";
    EXPECT_EQ(family, ExpectedFamily()) << EmulatedVersionName();
    EXPECT_EQ(DetectWindowsFamily(), ExpectedFamily());
}

} // namespace
