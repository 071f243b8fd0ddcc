#include <gtest/gtest.h>

#include <shlwapi.h>
#include <string>
#include <vector>

#include "support/EmulatedSystem.h"
#include "support/CRegistrySandbox.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CStartMenuTweaks.h"

namespace {

const char kMenuOrder[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder";
const char kStartMenuOrder[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
const char kPolicies[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kAdvanced[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

using Getter = BOOL (CStartMenuTweaks::*)(DWORD&);
using Setter = BOOL (CStartMenuTweaks::*)(DWORD);

class StartMenuTweaks : public testing::Test {
protected:
    DWORD Get(Getter get, BOOL result) { return ReadThrough(module_, get, result); }

    CRegistrySandbox sandbox_;
    CStartMenuTweaks module_;
};

TEST_F(StartMenuTweaks, TheMenuOrderIsNeverReadAndSortingDeletesIt) {
    CreateKey(HKEY_CURRENT_USER, std::string(kStartMenuOrder) + "\\Programs\\Accessories");
    StoreBinary(HKEY_CURRENT_USER, kStartMenuOrder, "Order", {1, 2, 3});
    EXPECT_EQ(Get(&CStartMenuTweaks::GetMenuOrder, FALSE), 0u);

    EXPECT_TRUE(module_.SetMenuOrder(0));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kStartMenuOrder));

    const BOOL sorted = module_.SetMenuOrder(1);
    if (EmulatedNineX() || EmulatedNT()) {
        EXPECT_TRUE(sorted);
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kStartMenuOrder));
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kMenuOrder));
    } else {
        EXPECT_FALSE(sorted);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kStartMenuOrder) + "\\Programs"));
    }
    // No stored order to delete.
    EXPECT_TRUE(module_.SetMenuOrder(0));
    SHDeleteKeyA(HKEY_CURRENT_USER, kStartMenuOrder);
    EXPECT_FALSE(module_.SetMenuOrder(1));
}

// The policies of their own: stored as 1 when set; turned off, deleted or kept as a binary zero.
TEST_F(StartMenuTweaks, PoliciesOfTheirOwnAreSetAndTurnedOff) {
    const struct {
        Getter get;
        Setter set;
        const char* name;
        DWORD type;
        bool deletedWhenOff;
    } policies[] = {
        {&CStartMenuTweaks::GetNoWindowsUpdate, &CStartMenuTweaks::SetNoWindowsUpdate,
         "NoWindowsUpdate", REG_DWORD, true},
        {&CStartMenuTweaks::GetNoRecentDocMenu, &CStartMenuTweaks::SetNoRecentDocMenu,
         "NoRecentDocMenu", REG_BINARY, true},
        {&CStartMenuTweaks::GetNoFind, &CStartMenuTweaks::SetNoFind, "NoFind", REG_BINARY, false},
        {&CStartMenuTweaks::GetNoClose, &CStartMenuTweaks::SetNoClose, "NoClose", REG_BINARY,
         false},
    };
    for (const auto& policy : policies) {
        SCOPED_TRACE(policy.name);
        EXPECT_EQ(Get(policy.get, FALSE), 0u);
        EXPECT_TRUE((module_.*policy.set)(1));
        ExpectStoredNumber(HKEY_USERS, kPolicies, policy.name, policy.type, 1);
        EXPECT_EQ(Get(policy.get, TRUE), 1u);

        EXPECT_TRUE((module_.*policy.set)(0));
        if (policy.deletedWhenOff) {
            EXPECT_FALSE(ReadStored(HKEY_USERS, kPolicies, policy.name).exists);
            StoreRaw(HKEY_USERS, kPolicies, policy.name, policy.type, "\0\0\0\0", 4);
        } else {
            ExpectStoredNumber(HKEY_USERS, kPolicies, policy.name, REG_BINARY, 0);
        }
        EXPECT_EQ(Get(policy.get, TRUE), 0u);
        if (policy.deletedWhenOff) {
            EXPECT_TRUE((module_.*policy.set)(0));
            // Turning off what is not there still succeeds.
            EXPECT_TRUE((module_.*policy.set)(0));
            EXPECT_FALSE(ReadStored(HKEY_USERS, kPolicies, policy.name).exists);
        } else {
            // A longer binary value counts by its first four bytes.
            StoreBinary(HKEY_USERS, kPolicies, policy.name, {1, 0, 0, 0, 0, 0});
            EXPECT_EQ(Get(policy.get, TRUE), 1u);
        }
    }
}

// A binary policy paired with an Explorer setting that shows the item when it is not 0.
struct PairedPolicy {
    Getter get;
    Setter set;
    const char* policy;
    const char* shown;
    bool readsLongBinary; // read with the binary primitive, which also takes longer values
};

const PairedPolicy kPaired[] = {
    {&CStartMenuTweaks::GetNoFavoritesMenu, &CStartMenuTweaks::SetNoFavoritesMenu,
     "NoFavoritesMenu", "StartMenuFavorites", true},
    {&CStartMenuTweaks::GetNoRun, &CStartMenuTweaks::SetNoRun, "NoRun", "StartMenuRun", false},
    {&CStartMenuTweaks::GetNoLogOff, &CStartMenuTweaks::SetNoLogOff, "NoLogOff", "StartMenuLogoff",
     false},
};

TEST_F(StartMenuTweaks, APairedPolicyOfZeroLeavesTheAnswerToTheExplorerSettingWrittenOpposite) {
    for (const PairedPolicy& paired : kPaired) {
        SCOPED_TRACE(paired.policy);
        // Without the policy the Explorer setting is not asked.
        StoreNumber(HKEY_USERS, kAdvanced, paired.shown, 0);
        EXPECT_EQ(Get(paired.get, FALSE), 0u);

        StoreBinary(HKEY_USERS, kPolicies, paired.policy, {0, 0, 0, 0});
        EXPECT_EQ(Get(paired.get, TRUE), 1u);
        StoreNumber(HKEY_USERS, kAdvanced, paired.shown, 1);
        EXPECT_EQ(Get(paired.get, TRUE), 0u);
        SHDeleteValueA(HKEY_USERS, kAdvanced, paired.shown);
        EXPECT_EQ(Get(paired.get, FALSE), 0u);

        // A policy that is set decides alone; a number is as good as a binary value.
        StoreNumber(HKEY_USERS, kPolicies, paired.policy, 1);
        EXPECT_EQ(Get(paired.get, TRUE), 1u);
        StoreBinary(HKEY_USERS, kPolicies, paired.policy, {1, 0, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(Get(paired.get, paired.readsLongBinary), paired.readsLongBinary ? 1u : 0u);

        // Written with the opposite Explorer setting.
        for (DWORD removed : {1u, 0u}) {
            EXPECT_TRUE((module_.*paired.set)(removed));
            ExpectStoredNumber(HKEY_USERS, kPolicies, paired.policy, REG_BINARY, removed);
            ExpectStoredNumber(HKEY_USERS, kAdvanced, paired.shown, REG_DWORD, removed == 0);
            EXPECT_EQ(Get(paired.get, TRUE), removed);
        }
    }
}

} // namespace
