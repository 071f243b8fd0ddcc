#include <gtest/gtest.h>

#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CTestFolder.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CRAMTweaks.h"

namespace {

const char kExplorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kMemory[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kPriority[] = "SYSTEM\\CurrentControlSet\\Control\\PriorityControl";

class RAMTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CRAMTweaks module_;
    CPreservedFile systemIni_{module_.SystemIniPath()};

    std::string SystemIni() const { return CTestFolder::ReadFile(systemIni_.Path()); }

    static void ExpectNumber(const char* key, const char* name, DWORD value) {
        const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, key, name);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(stored.Number(), value) << name;
    }
};

TEST_F(RAMTweaks, AlwaysUnloadDLLIsATextReadAsAFlag) {
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetAlwaysUnloadDLL, FALSE), 0u);
    for (const char* text : {"0", "1", "12", "-1", "", "yes"}) {
        StoreText(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL", text);
        EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetAlwaysUnloadDLL, TRUE),
                  atoi(text) != 0 ? 1u : 0u)
            << text;
    }
    EXPECT_TRUE(module_.SetAlwaysUnloadDLL(1));
    const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.Text(), "1");
}

TEST_F(RAMTweaks, DisablePagingExecutiveIsWrittenUnchangedAndReadAsAFlag) {
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetDisablePagingExecutive, FALSE), 0u);
    EXPECT_TRUE(module_.SetDisablePagingExecutive(2));
    ExpectNumber(kMemory, "DisablePagingExecutive", 2);
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetDisablePagingExecutive, TRUE), 1u);
}

TEST_F(RAMTweaks, IoPageLockLimitMapsChoicesToBytesAndBack) {
    const DWORD writes[][2] = {{0, 0},      {4, 4096},   {8, 8192},  {16, 16384},
                               {32, 32768}, {64, 65536}, {12, 4096}, {1024, 4096}};
    for (const auto& w : writes) {
        EXPECT_TRUE(module_.SetIoPageLockLimit(w[0])) << w[0];
        ExpectNumber(kMemory, "IoPageLockLimit", w[1]);
    }
    const DWORD reads[][2] = {{0, 0}, {8192, 8}, {32768, 32}, {65536, 64}, {1048576, 4}, {12, 4}};
    for (const auto& r : reads) {
        StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit", r[0]);
        EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetIoPageLockLimit, TRUE), r[1]) << r[0];
    }
    module_.DeleteValue(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit");
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetIoPageLockLimit, FALSE), 0u);
}

TEST_F(RAMTweaks, Win32PrioritySeparationIsAFlagWithOneAsDefault) {
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetWin32PrioritySeparation, FALSE), 1u);
    for (DWORD stored : {38u, 0u}) {
        StoreNumber(HKEY_LOCAL_MACHINE, kPriority, "Win32PrioritySeparation", stored);
        EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetWin32PrioritySeparation, TRUE),
                  stored != 0 ? 1u : 0u);
    }
    EXPECT_TRUE(module_.SetWin32PrioritySeparation(2));
    ExpectNumber(kPriority, "Win32PrioritySeparation", 1);
    EXPECT_TRUE(module_.SetWin32PrioritySeparation(0));
    ExpectNumber(kPriority, "Win32PrioritySeparation", 0);
}

TEST_F(RAMTweaks, SwapFileUseAndSpareStacksLiveInSection386Enh) {
    systemIni_.Write("[386Enh]\r\nmouse=*vmouse\r\nMinSPs=8\r\n[vcache]\r\nChunksize=512\r\n");
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetMinSPs, TRUE), 8u);
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetConservativeSwapfileUsage, TRUE), 0u);
    EXPECT_TRUE(module_.SetConservativeSwapfileUsage(1));
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetConservativeSwapfileUsage, TRUE), 1u);
    EXPECT_NE(SystemIni().find("ConservativeSwapfileUsage=1"), std::string::npos);

    EXPECT_TRUE(module_.SetMinSPs(0));
    EXPECT_TRUE(module_.SetConservativeSwapfileUsage(0));
    const std::string content = SystemIni();
    EXPECT_EQ(content.find("MinSPs"), std::string::npos) << content;
    EXPECT_EQ(content.find("ConservativeSwapfileUsage"), std::string::npos) << content;
    EXPECT_NE(content.find("mouse=*vmouse"), std::string::npos) << content;
    EXPECT_NE(content.find("Chunksize=512"), std::string::npos) << content;
    EXPECT_EQ(ReadThrough(module_, &CRAMTweaks::GetMinSPs, TRUE), 0u);
}

TEST_F(RAMTweaks, TheVirtualMemoryFieldsAreFixed) {
    DWORD minimum = 9, maximum = 9;
    std::string path;
    EXPECT_TRUE(module_.GetVirtualMemory(minimum, maximum, path));
    EXPECT_EQ(minimum, 0u);
    EXPECT_EQ(maximum, 16384u);
    EXPECT_EQ(path, module_.WindowsDirectory());
}


} // namespace
