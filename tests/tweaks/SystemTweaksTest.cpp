#include <gtest/gtest.h>

#include "support/EmulatedSystem.h"
#include "support/CRegistrySandbox.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CSystemTweaks.h"

namespace {

const char kDesktop[] = "Control Panel\\Desktop";
const char kFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kNineXKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kNTKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class SystemTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CSystemTweaks module_;
};

TEST_F(SystemTweaks, RegistrationValuesLiveUnderTheFamilysKey) {
    std::string missing = "x";
    EXPECT_FALSE(module_.GetRegisteredOwner(missing));
    EXPECT_EQ(missing, "");
    StoreText(HKEY_LOCAL_MACHINE, kNineXKey, "RegisteredOwner", "Nine");
    StoreText(HKEY_LOCAL_MACHINE, kNineXKey, "RegisteredOrganization", "Nine Ltd");
    StoreText(HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOwner", "Tee");
    StoreText(HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOrganization", "Tee Inc");
    std::string owner = "x", organization = "y";
    const BOOL gotOwner = module_.GetRegisteredOwner(owner);
    const BOOL gotOrganization = module_.GetRegisteredOrganization(organization);
    const BOOL setOwner = module_.SetRegisteredOwner("New Owner");
    const BOOL setOrganization = module_.SetRegisteredOrganization("New Organisation");

    if (EmulatedNineX() || EmulatedNT()) {
        const bool nineX = EmulatedNineX();
        const char* key = nineX ? kNineXKey : kNTKey;
        const char* other = nineX ? kNTKey : kNineXKey;
        EXPECT_TRUE(gotOwner && gotOrganization && setOwner && setOrganization);
        EXPECT_EQ(owner, nineX ? "Nine" : "Tee");
        EXPECT_EQ(organization, nineX ? "Nine Ltd" : "Tee Inc");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "RegisteredOwner").Text(), "New Owner");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization").Text(),
                  "New Organisation");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, other, "RegisteredOwner").Text(),
                  nineX ? "Tee" : "Nine");
    } else {
        EXPECT_FALSE(gotOwner || gotOrganization || setOwner || setOrganization);
        EXPECT_EQ(owner, "");
        EXPECT_EQ(organization, "");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kNineXKey, "RegisteredOwner").Text(), "Nine");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOwner").Text(), "Tee");
    }
}

TEST_F(SystemTweaks, ShellFoldersExpandOnlyTheUserProfileAndTheTimeOutGoesToBothRoots) {
    char profile[256] = {};
    ExpandEnvironmentStringsA("%USERPROFILE%", profile, sizeof(profile));
    StoreRaw(HKEY_CURRENT_USER, kFolders, "Personal", REG_EXPAND_SZ, "%USERPROFILE%\\My Documents",
             27);
    StoreText(HKEY_CURRENT_USER, kFolders, "My Pictures",
              "%USERPROFILE%\\Pics;%USERPROFILE%\\More");
    StoreText(HKEY_CURRENT_USER, kFolders, "Favorites", "%WINDIR%\\Favorites");

    std::string path;
    EXPECT_TRUE(module_.GetShellFolder(CSystemTweaks::kPersonalFolder, path));
    EXPECT_EQ(path, std::string(profile) + "\\My Documents");
    EXPECT_TRUE(module_.GetShellFolder(CSystemTweaks::kMyPicturesFolder, path));
    EXPECT_EQ(path, std::string(profile) + "\\Pics;" + profile + "\\More");
    EXPECT_TRUE(module_.GetShellFolder(CSystemTweaks::kFavoritesFolder, path));
    EXPECT_EQ(path, "%WINDIR%\\Favorites");

    StoreText(HKEY_CURRENT_USER, kFolders, "Other", "x");
    path = "preset";
    EXPECT_FALSE(module_.GetShellFolder("Missing", path));
    EXPECT_EQ(path, "");
    // They are written as plain text.
    EXPECT_TRUE(module_.SetShellFolder(CSystemTweaks::kPersonalFolder, "D:\\Documents"));
    ExpectStoredText(HKEY_CURRENT_USER, kFolders, "Personal", "D:\\Documents");
    // The time-out is written for the user and then under the users.
    EXPECT_TRUE(module_.SetHungAppTimeout(5000));
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_USERS})
        ExpectStoredText(root, kDesktop, "HungAppTimeout", "5000");
    EXPECT_FALSE(KeyExists(HKEY_USERS, ".DEFAULT\\Control Panel\\Desktop"));
}

} // namespace
