#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/CPreservedFile.h"
#include "support/CTestFolder.h"
#include "tweaks/CBootupTweaks.h"

namespace {

const char kMsdosSys[] = "C:\\msdos.sys";

// An msdos.sys as Windows 98 writes it, padding comments and all.
const char kFullMsdosSys[] =
    "[Paths]\r\n"
    "WinDir=C:\\WINDOWS\r\n"
    "WinBootDir=C:\\WINDOWS\r\n"
    "HostWinBootDrv=C\r\n"
    "\r\n"
    "[Options]\r\n"
    "BootMulti=1\r\n"
    "BootGUI=1\r\n"
    "DoubleBuffer=1\r\n"
    "AutoScan=1\r\n"
    "WinVer=4.10.2222\r\n"
    ";\r\n"
    ";The following lines are required for compatibility with other programs.\r\n"
    ";Do not remove them (MSDOS.SYS needs to be >1024 bytes).\r\n"
    ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxa\r\n"
    ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxb\r\n"
    ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxc\r\n"
    "Logo=1\r\n";

// The non-blank lines of a file, without their line ends.
std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream stream(content);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

class BootupTweaks : public testing::Test {
protected:
    // Writes msdos.sys protected, as Windows keeps it.
    void WriteMsdosSys(const std::string& content) {
        CTestFolder::WriteFile(kMsdosSys, content);
        SetFileAttributesA(kMsdosSys, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, kMsdosSys);
    }
    std::string Option(const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA("Options", key, "<missing>", value, sizeof(value), kMsdosSys);
        return value;
    }

    CPreservedFile msdosSys_{kMsdosSys};
    CBootupTweaks module_;
};

// The options of msdos.sys: what the flag 1 and the other flags write, and how stored texts read.
// The drivers' flags say the driver is not loaded.
const struct {
    const char* key;
    BOOL (CBootupTweaks::*get)(DWORD&);
    BOOL (CBootupTweaks::*set)(DWORD);
    const char* on;
    std::vector<DWORD> offs;
    const char* off;
    std::vector<std::pair<const char*, DWORD>> reads;
} kOptions[] = {
    // clang-format off
    {"BootMenu", &CBootupTweaks::GetBootMenu, &CBootupTweaks::SetBootMenu, "1", {0}, "0", {}},
    {"Autoscan", &CBootupTweaks::GetAutoscan, &CBootupTweaks::SetAutoscan, "2", {0, 2}, "0",
     {{"1", 1}, {"2", 1}}},
    {"DrvSpace", &CBootupTweaks::GetDrvSpace, &CBootupTweaks::SetDrvSpace, "0", {0, 2}, "1", {}},
    {"DblSpace", &CBootupTweaks::GetDblSpace, &CBootupTweaks::SetDblSpace, "0", {0, 2}, "1", {}},
    {"DoubleBuffer", &CBootupTweaks::GetDoubleBuffer, &CBootupTweaks::SetDoubleBuffer, "0", {0, 2},
     "1", {}},
    // clang-format on
};

TEST_F(BootupTweaks, EachOptionIsWrittenToAndReadFromMsdosSys) {
    for (const auto& option : kOptions) {
        SCOPED_TRACE(option.key);
        // Without msdos.sys the reads give the defaults and the writes fail: the profile
        // functions would have made a new file.
        msdosSys_.Remove();
        DWORD flag = 7;
        EXPECT_TRUE((module_.*option.get)(flag));
        EXPECT_EQ(flag, 0u);
        EXPECT_FALSE((module_.*option.set)(1));
        EXPECT_FALSE(CTestFolder::Exists(kMsdosSys));

        WriteMsdosSys("[Options]\r\n");
        flag = 7;
        EXPECT_TRUE((module_.*option.get)(flag));
        EXPECT_EQ(flag, 0u) << "a missing key";
        EXPECT_TRUE((module_.*option.set)(1));
        EXPECT_EQ(Option(option.key), option.on);
        EXPECT_TRUE(IsHiddenAndSystem(kMsdosSys));
        EXPECT_TRUE((module_.*option.get)(flag));
        EXPECT_EQ(flag, 1u);
        for (DWORD other : option.offs) {
            EXPECT_TRUE((module_.*option.set)(other));
            EXPECT_EQ(Option(option.key), option.off) << other;
            EXPECT_TRUE((module_.*option.get)(flag));
            EXPECT_EQ(flag, 0u);
        }
        for (const auto& [stored, expected] : option.reads) {
            WriteMsdosSys(std::string("[Options]\r\n") + option.key + "=" + stored + "\r\n");
            EXPECT_TRUE((module_.*option.get)(flag));
            EXPECT_EQ(flag, expected) << stored;
        }
    }
    // The boot menu always comes with its keys and delay.
    WriteMsdosSys("[Options]\r\nBootMenu=0\r\nBootMenuDelay=3\r\n");
    for (DWORD value : {1u, 0u}) {
        EXPECT_TRUE(module_.SetBootMenu(value));
        EXPECT_EQ(Option("BootMenu"), std::to_string(value));
        EXPECT_EQ(Option("BootKeys"), "1");
        EXPECT_EQ(Option("BootMenuDelay"), "15");
    }
}

TEST_F(BootupTweaks, WritingKeepsEveryOtherLineOfAFullMsdosSysOrFailsLeavingItUnchanged) {
    WriteMsdosSys(kFullMsdosSys);
    EXPECT_TRUE(module_.SetBootMenu(1));
    EXPECT_TRUE(module_.SetAutoscan(0));
    EXPECT_TRUE(module_.SetDrvSpace(1));
    EXPECT_TRUE(module_.SetDoubleBuffer(0));
    EXPECT_TRUE(IsHiddenAndSystem(kMsdosSys));

    // The original lines in their order, the keys that already existed changed in place (the
    // double-buffering driver stays loaded) and the new keys added to section Options.
    std::vector<std::string> expected = Lines(kFullMsdosSys);
    for (std::string& line : expected) {
        if (line == "AutoScan=1")
            line = "AutoScan=0";
    }
    std::vector<std::string> written = Lines(CTestFolder::ReadFile(kMsdosSys));
    std::vector<std::string> kept;
    for (const std::string& line : written) {
        if (line.rfind("BootMenu=", 0) != 0 && line.rfind("BootKeys=", 0) != 0 &&
            line.rfind("BootMenuDelay=", 0) != 0 && line.rfind("DrvSpace=", 0) != 0)
            kept.push_back(line);
    }
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(written.size(), expected.size() + 4);
    // The boot menu's keys were written in their order.
    const auto at = [&written](const std::string& line) {
        return std::find(written.begin(), written.end(), line) - written.begin();
    };
    EXPECT_LT(at("BootMenu=1"), at("BootKeys=1"));
    EXPECT_LT(at("BootKeys=1"), at("BootMenuDelay=15"));
    EXPECT_EQ(Option("BootMenu"), "1");
    EXPECT_EQ(Option("DrvSpace"), "0");
    // The new keys went into section Options, not [Paths].
    char paths[256] = {};
    GetPrivateProfileSectionA("Paths", paths, sizeof(paths), kMsdosSys);
    EXPECT_EQ(std::string(paths), "WinDir=C:\\WINDOWS");

    // A failed write leaves it protected and unchanged.
    WriteMsdosSys(kFullMsdosSys);
    // Something holds the file open without sharing: its attributes can change, but it cannot be
    // rewritten.
    HANDLE held = CreateFileA(kMsdosSys, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(module_.SetBootMenu(1));
    EXPECT_FALSE(module_.SetDblSpace(1));
    EXPECT_TRUE(IsHiddenAndSystem(kMsdosSys));
    CloseHandle(held);
    EXPECT_EQ(CTestFolder::ReadFile(kMsdosSys), kFullMsdosSys);
}

} // namespace
