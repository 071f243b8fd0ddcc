#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "archive/CArchiveException.h"
#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"

namespace {

// A text as the archive stores it: a length byte below 255, else FF and a word below FFFE, else
// FF FFFF and a double word; then the characters.
std::string TextBytes(const std::string& text) {
    if (text.size() < 0xFF)
        return ShortTextBytes(text);
    std::string bytes("\xFF", 1);
    if (text.size() < 0xFFFE) {
        bytes += static_cast<char>(text.size() & 0xFF);
        bytes += static_cast<char>(text.size() >> 8);
    } else {
        bytes += std::string("\xFF\xFF", 2) + NumberBytes(static_cast<uint32_t>(text.size()));
    }
    return bytes + text;
}

// What each module's backup file must be. `Filled` puts a distinct value in every field, the
// reserved ones and long texts too, so that a field stored in the wrong place shows in `Bytes`,
// the file those values make, written down from the file format. `Other` is a module whose
// loader must refuse the file.
template <class Module> struct Case;

template <> struct Case<CSystemTweaks> {
    static constexpr const char* kFile = "system.tvb";
    using Other = CDesktopTweaks;
    static CSystemTweaks Filled() {
        CSystemTweaks module;
        module.hungAppTimeout = 4000;
        module.keepExplorerRefreshed = 1;
        module.registeredOwner = "Owner";
        module.registeredOrganization = "Organisation";
        module.reserved = "R";
        module.personalFolder = "C:\\My Documents";
        module.myPicturesFolder = std::string(300, 'p');
        module.favoritesFolder = "C:\\Favorites";
        return module;
    }
    static std::string Bytes() {
        return ClassHeader("CSystemTweaks") + NumberBytes(4000) + NumberBytes(1) +
               TextBytes("Owner") + TextBytes("Organisation") + TextBytes("R") +
               TextBytes("C:\\My Documents") + TextBytes(std::string(300, 'p')) +
               TextBytes("C:\\Favorites");
    }
};

template <> struct Case<CDesktopTweaks> {
    static constexpr const char* kFile = "desktop.tvb";
    using Other = CStartMenuTweaks;
    static CDesktopTweaks Filled() {
        CDesktopTweaks module;
        module.showWindowsVersion = 0x11;
        module.noShortcutPrefix = 0x22;
        module.hideShortcutArrows = 0x33;
        module.reserved1 = 0x44;
        module.fontSmoothing = 0x55;
        module.reserved2 = 0x66;
        module.openWith = 0x77;
        module.maxCachedIcons = 0x12345678;
        return module;
    }
    // Font smoothing is stored before the first reserved number.
    static std::string Bytes() {
        return NumberRecordFile("CDesktopTweaks",
                                {0x11, 0x22, 0x33, 0x55, 0x44, 0x66, 0x77, 0x12345678});
    }
};

template <> struct Case<CStartMenuTweaks> {
    static constexpr const char* kFile = "startmenu.tvb";
    using Other = CDesktopTweaks;
    static CStartMenuTweaks Filled() {
        CStartMenuTweaks module;
        module.noWindowsUpdate = 1;
        module.noRecentDocMenu = 2;
        module.noFavoritesMenu = 3;
        module.noFind = 4;
        module.noRun = 5;
        module.noLogOff = 6;
        module.noClose = 7;
        module.reserved1 = 8;
        module.reserved2 = 9;
        module.reserved3 = 10;
        module.sortStartMenu = 11;
        module.menuShowDelay = 0x01020304;
        return module;
    }
    // The delay and the sort flag come first.
    static std::string Bytes() {
        return NumberRecordFile("CStartMenuTweaks",
                                {0x01020304, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    }
};

template <> struct Case<CInternetTweaks> {
    static constexpr const char* kFile = "internet.tvb";
    using Other = CSystemTweaks;
    static CInternetTweaks Filled() {
        CInternetTweaks module;
        module.mtu = 1500;
        module.rwin = 0x00010203;
        module.ttl = 0xFFFFFF80u;
        return module;
    }
    static std::string Bytes() {
        return NumberRecordFile("CInternetTweaks", {1500, 0x00010203, 0xFFFFFF80u});
    }
};

template <> struct Case<CCDROMTweaks> {
    static constexpr const char* kFile = "cdrom.tvb";
    using Other = CInternetTweaks;
    static CCDROMTweaks Filled() {
        CCDROMTweaks module;
        module.cdSpeed = 104;
        module.cacheSize = 2;
        module.autorun = 0x01020304;
        module.dataAutoPlay = 1;
        return module;
    }
    static std::string Bytes() { return NumberRecordFile("CCDROMTweaks", {104, 2, 0x01020304, 1}); }
};

template <> struct Case<CHDDTweaks> {
    static constexpr const char* kFile = "hdd.tvb";
    using Other = CRAMTweaks;
    static CHDDTweaks Filled() {
        CHDDTweaks module;
        module.minFileCache = 1024;
        module.maxFileCache = 0x12345678;
        module.chunkSize = 512;
        module.contigFileAllocSize = 2048;
        module.forceFIFO = 1;
        return module;
    }
    static std::string Bytes() {
        return NumberRecordFile("CHDDTweaks", {1024, 0x12345678, 512, 2048, 1});
    }
};

template <> struct Case<CRAMTweaks> {
    static constexpr const char* kFile = "ram.tvb";
    using Other = CHDDTweaks;
    static CRAMTweaks Filled() {
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
    // The path comes third.
    static std::string Bytes() {
        return ClassHeader("CRAMTweaks") + NumberBytes(2) + NumberBytes(16384) +
               TextBytes("C:\\WINDOWS") + NumberBytes(1) + NumberBytes(3) + NumberBytes(64) +
               NumberBytes(4) + NumberBytes(5) + NumberBytes(16);
    }
};

template <> struct Case<CBootupTweaks> {
    static constexpr const char* kFile = "bootup.tvb";
    using Other = CShutdownTweaks;
    static CBootupTweaks Filled() {
        CBootupTweaks module;
        module.bootMenu = 1;
        module.changeStartupImage = 2;
        module.startupImagePath = "C:\\My Documents\\startup.bmp";
        module.autoscan = 3;
        module.reservedFlag1 = 4;
        module.reservedText1 = "first";
        module.reservedText2 = std::string(300, 's');
        module.disableDrvSpace = 5;
        module.disableDblSpace = 6;
        module.disableDoubleBuffer = 7;
        module.reservedFlag2 = 0x01020308;
        return module;
    }
    static std::string Bytes() {
        return ClassHeader("CBootupTweaks") + NumberBytes(1) + NumberBytes(2) +
               TextBytes("C:\\My Documents\\startup.bmp") + NumberBytes(3) + NumberBytes(4) +
               TextBytes("first") + TextBytes(std::string(300, 's')) + NumberBytes(5) +
               NumberBytes(6) + NumberBytes(7) + NumberBytes(0x01020308);
    }
};

template <> struct Case<CShutdownTweaks> {
    static constexpr const char* kFile = "shutdown.tvb";
    using Other = CBootupTweaks;
    static CShutdownTweaks Filled() {
        CShutdownTweaks module;
        module.autoEndTasks = 1;
        module.fastReboot = 2;
        module.changeShutdownImage = 3;
        module.shutdownImagePath = "C:\\My Documents\\shutdown.bmp";
        module.changeTurnoffImage = 0xA0B0C0D0;
        module.turnoffImagePath = std::string(0xFFFE, 'o');
        return module;
    }
    static std::string Bytes() {
        return ClassHeader("CShutdownTweaks") + NumberBytes(1) + NumberBytes(2) + NumberBytes(3) +
               TextBytes("C:\\My Documents\\shutdown.bmp") + NumberBytes(0xA0B0C0D0) +
               TextBytes(std::string(0xFFFE, 'o'));
    }
};

template <class Module> class ModuleFile : public testing::Test {
protected:
    CTestFolder folder_{"modulefile"};
    std::string file_ = folder_ / Case<Module>::kFile;
};

using Modules = testing::Types<CSystemTweaks, CDesktopTweaks, CStartMenuTweaks, CInternetTweaks,
                               CCDROMTweaks, CHDDTweaks, CRAMTweaks, CBootupTweaks,
                               CShutdownTweaks>;
TYPED_TEST_SUITE(ModuleFile, Modules);

// The file's place, its exact bytes, a round trip, the class check, and mutated and truncated
// files that never crash the loader: one module file after another.
TYPED_TEST(ModuleFile, HoldsTheModuleInItsFixedFormatAndNothingElseLoadsIt) {
    using Module = TypeParam;
    using Other = typename Case<Module>::Other;
    EXPECT_EQ(Module::DefaultBackupFile(),
              GetProgramDirectory() + "\\Backup\\" + Case<Module>::kFile);

    ASSERT_EQ(Case<Module>::Filled().SaveToFile(this->file_), 1);
    const std::string bytes = CTestFolder::ReadFile(this->file_);
    EXPECT_EQ(bytes, Case<Module>::Bytes());

    // Every field back in its place: the loaded object stores the same bytes again.
    const std::unique_ptr<Module> loaded = SavedAndLoaded(Case<Module>::Filled(), this->file_);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->SaveToFile(this->file_), 1);
    EXPECT_EQ(CTestFolder::ReadFile(this->file_), bytes);

    // Neither module reads the other's file.
    ExpectReadAsOtherClassFails<Other>(this->file_);
    ASSERT_EQ(Other().SaveToFile(this->file_), 1);
    ExpectReadAsOtherClassFails<Module>(this->file_);

    // Long texts make most mutations land in them: the loader's number fields matter more.
    Module module = Case<Module>::Filled();
    if constexpr (std::is_same_v<Module, CShutdownTweaks>)
        module.turnoffImagePath = "C:\\off.bmp";
    ASSERT_EQ(module.SaveToFile(this->file_), 1);
    LoadMutationsOf<Module>(CTestFolder::ReadFile(this->file_), this->file_, 2000);
}

// How any module file behaves at the edges, shown on the System module: saving over an older
// longer file truncates it; a file that cannot be written fails quietly; a missing file or the
// null object leaves a fresh object, and so does a bad file, which fails with its cause.
TEST(SystemFile, SavesOverLongerFilesAndLoadsMissingNullAndBadFilesAsFreshObjects) {
    CTestFolder folder("systemfile");
    const std::string file = folder / "system.tvb";
    CTestFolder::WriteFile(file, std::string(5000, 'x'));
    ASSERT_EQ(CSystemTweaks().SaveToFile(file), 1);
    EXPECT_EQ(CTestFolder::ReadFile(file).size(), 19u + 8u + 6u);
    EXPECT_EQ(Case<CSystemTweaks>::Filled().SaveToFile(folder / "no such folder\\system.tvb"), 0);

    std::string bad("\xFF\xFF\x02\x00\x0D\x00", 6);
    bad += "CSystemTweaks" + std::string(14, '\0');
    const struct {
        const char* what;
        bool present;
        std::string content;
        int returned;
        LoadResult result;
        int cause;
    } cases[] = {{"missing", false, "", 0, LoadResult::kNoFile, 0},
                 {"the null object", true, std::string("\0\0", 2), 1, LoadResult::kNullObject, 0},
                 {"bad schema", true, bad, 0, LoadResult::kFailed, CArchiveException::kBadSchema}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(file.c_str());
        if (c.present)
            CTestFolder::WriteFile(file, c.content);
        std::unique_ptr<CSystemTweaks> loaded;
        LoadResult result = LoadResult::kLoaded;
        int cause = 0;
        EXPECT_EQ(CSystemTweaks::LoadFromFile(loaded, file, &result, &cause), c.returned);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(cause, c.cause);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->hungAppTimeout, 0u);
        EXPECT_EQ(loaded->registeredOwner, "");
    }
}

} // namespace
