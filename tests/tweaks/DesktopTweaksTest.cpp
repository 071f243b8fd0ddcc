#include <gtest/gtest.h>

#include <shlwapi.h>
#include <string>

#include "support/EmulatedSystem.h"
#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CTestFolder.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CDesktopTweaks.h"

namespace {

const char kDefaultDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
const char kDesktop[] = "Control Panel\\Desktop";
const char kOpenWith[] = "Software\\CLASSES\\*\\Shell\\OpenWith";
const char kOpenWithCommand[] = "Software\\CLASSES\\*\\Shell\\OpenWith\\Command";

using Getter = BOOL (CDesktopTweaks::*)(DWORD&);

class DesktopTweaks : public testing::Test {
protected:
    DWORD Get(Getter get, BOOL result) { return ReadThrough(module_, get, result); }
    bool NineX() const { return EmulatedNineX(); }
    bool NT() const { return EmulatedNT(); }

    CRegistrySandbox sandbox_;
    CDesktopTweaks module_;
};

TEST_F(DesktopTweaks, PaintDesktopVersionIsATextOnNineXAndANumberOnNT) {
    const Getter get = &CDesktopTweaks::GetPaintDesktopVersion;
    // Nothing stored: neither family reads as 0 without looking.
    EXPECT_EQ(Get(get, !NineX() && !NT()), 0u);
    // The NT family reads the bytes of a text as a number: "0" is not 0 there.
    StoreText(HKEY_USERS, kDefaultDesktop, "PaintDesktopVersion", "12");
    EXPECT_EQ(Get(get, TRUE), NineX() || NT() ? 1u : 0u);
    StoreText(HKEY_USERS, kDefaultDesktop, "PaintDesktopVersion", "0");
    EXPECT_EQ(Get(get, TRUE), NT() ? 1u : 0u);
    StoreNumber(HKEY_USERS, kDefaultDesktop, "PaintDesktopVersion", 3);
    EXPECT_EQ(Get(get, TRUE), NT() ? 1u : 0u);
    StoreNumber(HKEY_USERS, kDefaultDesktop, "PaintDesktopVersion", 0);
    EXPECT_EQ(Get(get, TRUE), 0u);
    // The current user's copy is not what is read.
    StoreNumber(HKEY_CURRENT_USER, kDefaultDesktop, "PaintDesktopVersion", 1);
    StoreNumber(HKEY_CURRENT_USER, kDesktop, "PaintDesktopVersion", 1);
    EXPECT_EQ(Get(get, TRUE), 0u);
}

TEST_F(DesktopTweaks, PaintDesktopVersionIsWrittenForTheDefaultUserTwice) {
    EXPECT_TRUE(module_.SetPaintDesktopVersion(2));
    for (HKEY root : {HKEY_USERS, HKEY_CURRENT_USER}) {
        if (NineX())
            ExpectStoredText(root, kDefaultDesktop, "PaintDesktopVersion", "0"); // 1 shows it
        else if (NT())
            ExpectStoredNumber(root, kDefaultDesktop, "PaintDesktopVersion", REG_DWORD, 2);
        else
            EXPECT_FALSE(ReadStored(root, kDefaultDesktop, "PaintDesktopVersion").exists);
    }
    EXPECT_TRUE(module_.SetPaintDesktopVersion(1));
    if (NineX()) {
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDefaultDesktop, "PaintDesktopVersion").Text(),
                  "1");
    }
    EXPECT_EQ(Get(&CDesktopTweaks::GetPaintDesktopVersion, TRUE), NineX() || NT() ? 1u : 0u);
}

TEST_F(DesktopTweaks, ShortcutArrowsAreHiddenWhenLnkfileHasNoIsShortcutUntilADeletionFails) {
    EXPECT_EQ(Get(&CDesktopTweaks::GetIsShortcut, TRUE), 1u);
    StoreText(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut", "");
    EXPECT_EQ(Get(&CDesktopTweaks::GetIsShortcut, TRUE), 0u);
    // Only lnkfile counts.
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "lnkfile");
    StoreText(HKEY_CLASSES_ROOT, "piffile", "IsShortcut", "");
    EXPECT_EQ(Get(&CDesktopTweaks::GetIsShortcut, TRUE), 1u);
    StoreText(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut", "");

    EXPECT_TRUE(module_.SetIsShortcut(1));
    EXPECT_FALSE(ReadStored(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut").exists);
    EXPECT_FALSE(ReadStored(HKEY_CLASSES_ROOT, "piffile", "IsShortcut").exists);

    EXPECT_TRUE(module_.SetIsShortcut(0));
    for (const char* type : {"lnkfile", "piffile"})
        ExpectStoredText(HKEY_CLASSES_ROOT, type, "IsShortcut", "");

    // Hiding them stops at the first failed deletion: lnkfile's value goes, then piffile's
    // missing value fails the operation.
    SHDeleteValueA(HKEY_CLASSES_ROOT, "piffile", "IsShortcut");
    EXPECT_FALSE(module_.SetIsShortcut(1));
    EXPECT_FALSE(ReadStored(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut").exists);
    // With nothing to delete under lnkfile, piffile is not touched.
    StoreText(HKEY_CLASSES_ROOT, "piffile", "IsShortcut", "");
    EXPECT_FALSE(module_.SetIsShortcut(1));
    EXPECT_TRUE(ReadStored(HKEY_CLASSES_ROOT, "piffile", "IsShortcut").exists);
}

// The "Open With" entry of every file's context menu: read, written and removed.
TEST_F(DesktopTweaks, OpenWithNeedsANamedEntryWithACommandAndIsWrittenAndRemoved) {
    const Getter get = &CDesktopTweaks::GetOpenWith;
    EXPECT_EQ(Get(get, FALSE), 0u);
    // A named entry whose command cannot be read fails but says yes.
    StoreText(HKEY_LOCAL_MACHINE, kOpenWith, "", "Open With");
    CreateKey(HKEY_LOCAL_MACHINE, kOpenWithCommand);
    EXPECT_EQ(Get(get, FALSE), 1u);
    StoreText(HKEY_LOCAL_MACHINE, kOpenWithCommand, "", "");
    EXPECT_EQ(Get(get, TRUE), 0u);
    StoreText(HKEY_LOCAL_MACHINE, kOpenWithCommand, "", "notepad %1");
    EXPECT_EQ(Get(get, TRUE), 1u);
    // An empty name is enough to say no, whatever the command.
    StoreText(HKEY_LOCAL_MACHINE, kOpenWith, "", "");
    EXPECT_EQ(Get(get, TRUE), 0u);

    EXPECT_TRUE(module_.SetOpenWith(1));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kOpenWith, "").Text(), "Op&en With...");
    ExpectStoredText(HKEY_LOCAL_MACHINE, kOpenWithCommand, "",
                     "\"" + module_.WindowsDirectory() +
                         "\\rundll32.exe\" shell32,OPenAs_RunDLL %1");
    EXPECT_EQ(module_.WindowsDirectory(), "C:\\windows");
    EXPECT_EQ(Get(get, TRUE), 1u);

    EXPECT_TRUE(module_.SetOpenWith(1));
    CreateKey(HKEY_LOCAL_MACHINE, std::string(kOpenWithCommand) + "\\Below");
    const BOOL removed = module_.SetOpenWith(0);
    if (NineX() || NT()) {
        EXPECT_TRUE(removed);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kOpenWith));
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\*\\Shell"));
        EXPECT_TRUE(module_.SetOpenWith(0)); // nothing left to remove
    } else {
        // Neither family deletes keys: the entry stays and the removal says so.
        EXPECT_FALSE(removed);
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kOpenWithCommand));
    }
}

// win.ini is shared by every test of this prefix: it is put back exactly as it was.
const char kWinIni[] = "C:\\windows\\win.ini";

// The [TrueType] entry as the file on disk holds it.
std::string Smoothing() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, kWinIni);
    char buffer[16] = {};
    GetPrivateProfileStringA("TrueType", "FontSmoothing", "(none)", buffer, sizeof(buffer),
                             kWinIni);
    return buffer;
}

TEST_F(DesktopTweaks, FontSmoothingIsWrittenToTheUserThenBelowUsersThenWinIni) {
    CPreservedFile winIni(kWinIni);
    EXPECT_TRUE(module_.SetFontSmoothing(2));
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_USERS})
        ExpectStoredText(root, kDesktop, "FontSmoothing", "2");
    EXPECT_FALSE(KeyExists(HKEY_USERS, kDefaultDesktop));
    EXPECT_EQ(Smoothing(), "2");
    EXPECT_TRUE(module_.SetFontSmoothing(0));
    EXPECT_EQ(Smoothing(), "0");
}

TEST(DesktopFontSmoothingRefused, ARefusedSecondWriteLeavesWinIniAlone) {
    CPreservedFile winIni(kWinIni);
    WriteProfileStringA("TrueType", "FontSmoothing", "7");
    CRegistrySandbox sandbox(CRegistrySandbox::kAll | CRegistrySandbox::kUsersRefused);
    CDesktopTweaks module;
    EXPECT_FALSE(module.SetFontSmoothing(1));
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "FontSmoothing").Text(), "1");
    EXPECT_EQ(Smoothing(), "7");
}

} // namespace
