#include <gtest/gtest.h>

#include <string>

#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"
#include "tweaks/CShutdownTweaks.h"

namespace {

const char kDesktop[] = ".DEFAULT\\Control Panel\\Desktop";

void ExpectStoredText(HKEY root, const char* subKey, const char* name, const std::string& text) {
    const StoredValue stored = ReadStored(root, subKey, name);
    EXPECT_TRUE(stored.exists) << name;
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << name;
    EXPECT_EQ(stored.Text(), text) << name;
}

class ShutdownTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CShutdownTweaks module_;
};

TEST_F(ShutdownTweaks, AutoEndTasksIsReadUnderUsersOnlyAndWrittenUnderBothRoots) {
    DWORD enabled = 7;
    EXPECT_FALSE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);

    StoreText(HKEY_CURRENT_USER, kDesktop, "AutoEndTasks", "1");
    enabled = 7;
    EXPECT_FALSE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);

    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "0");
    EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);
    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "yes");
    EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);

    const struct {
        DWORD value;
        const char* endTasks;
        const char* wait;
    } cases[] = {{1, "1", "1000"}, {0, "0", "20000"}, {2, "2", "1000"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(module_.SetAutoEndTasks(c.value));
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_USERS}) {
            ExpectStoredText(root, kDesktop, "AutoEndTasks", c.endTasks);
            ExpectStoredText(root, kDesktop, "WaitToKillAppTimeout", c.wait);
        }
        enabled = 7;
        EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
        EXPECT_EQ(enabled, c.value != 0 ? 1u : 0u) << c.value;
    }
}

} // namespace
