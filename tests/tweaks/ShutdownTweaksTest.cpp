#include <gtest/gtest.h>

#include <string>

#include "support/CRegistrySandbox.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CShutdownTweaks.h"

namespace {

const char kDesktop[] = ".DEFAULT\\Control Panel\\Desktop";

class ShutdownTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CShutdownTweaks module_;
};

TEST_F(ShutdownTweaks, AutoEndTasksIsReadUnderUsersOnlyAndWrittenUnderBothRoots) {
    const auto get = &CShutdownTweaks::GetAutoEndTasks;
    EXPECT_EQ(ReadThrough(module_, get, FALSE), 0u);
    StoreText(HKEY_CURRENT_USER, kDesktop, "AutoEndTasks", "1");
    EXPECT_EQ(ReadThrough(module_, get, FALSE), 0u);
    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "0");
    EXPECT_EQ(ReadThrough(module_, get, TRUE), 0u);
    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "yes");
    EXPECT_EQ(ReadThrough(module_, get, TRUE), 0u);

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
        EXPECT_EQ(ReadThrough(module_, get, TRUE), c.value != 0 ? 1u : 0u) << c.value;
    }
}

} // namespace
