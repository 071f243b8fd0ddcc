#include <gtest/gtest.h>

#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CTestFolder.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CRAMTweaks.h"

namespace {

class RAMTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CRAMTweaks module_;
    CPreservedFile systemIni_{module_.SystemIniPath()};

    std::string SystemIni() const { return CTestFolder::ReadFile(systemIni_.Path()); }
};

TEST_F(RAMTweaks, SwapFileUseAndSpareStacksLiveInSection386EnhAndVirtualMemoryIsFixed) {
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

    // The virtual memory fields are fixed.
    DWORD minimum = 9, maximum = 9;
    std::string path;
    EXPECT_TRUE(module_.GetVirtualMemory(minimum, maximum, path));
    EXPECT_EQ(minimum, 0u);
    EXPECT_EQ(maximum, 16384u);
    EXPECT_EQ(path, module_.WindowsDirectory());
}

} // namespace
