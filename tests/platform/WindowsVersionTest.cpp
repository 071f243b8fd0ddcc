#include <gtest/gtest.h>

#include "platform/WindowsVersion.h"
#include "support/EmulatedSystem.h"

namespace {

// What GetVersionEx's platform and version numbers make of the system: its family and name, or
// neither output touched for systems newer than XP (Server 2003 is 5.2). An unknown platform is
// named but not coded. 95, 98 and ME are the 9x family, NT 4, 2000 and XP the NT family; Win32s
// and unknown systems belong to neither.
TEST(WindowsVersion, EveryPlatformAndVersionRowGivesItsFamilyNameAndKind) {
    const struct {
        DWORD platform, major, minor;
        int family;
        const char* name;
        char kind; // the 9x or the NT family, or neither
    } rows[] = {
        // clang-format off
        {1, 4, 0, kFamilyWin95, "Win95", '9'},      {1, 3, 95, kFamilyWin95, "Win95", '9'},
        {1, 4, 10, kFamilyWin98, "Win98", '9'},     {1, 4, 89, kFamilyWin98, "Win98", '9'},
        {1, 4, 90, kFamilyWinME, "WinME", '9'},     {1, 5, 0, kFamilyWinME, "WinME", '9'},
        {2, 3, 51, kFamilyWinNT, "WinNT", 'N'},     {2, 4, 0, kFamilyWinNT, "WinNT", 'N'},
        {2, 5, 0, kFamilyWin2000, "Win2000", 'N'},  {2, 5, 1, kFamilyWinXP, "WinXP", 'N'},
        {0, 3, 10, kFamilyWin32s, "Win32", '-'},    {3, 4, 0, -1, "Unknown OS", '-'},
        {2, 5, 2, -1, "untouched", '-'},            {2, 6, 0, -1, "untouched", '-'},
        {2, 10, 0, -1, "untouched", '-'},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.platform << " " << row.major << "." << row.minor);
        int family = -1;
        std::string name = "untouched";
        ClassifyWindowsVersion(row.platform, row.major, row.minor, family, name);
        EXPECT_EQ(family, row.family);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(IsNineXFamily(family), row.kind == '9');
        EXPECT_EQ(IsNTFamily(family), row.kind == 'N');
    }
    for (int family : {int{kFamilyUnknown}, 8})
        EXPECT_FALSE(IsNineXFamily(family) || IsNTFamily(family)) << family;
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
