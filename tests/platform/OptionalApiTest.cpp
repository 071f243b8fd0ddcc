#include <gtest/gtest.h>

#include <string>

#include "platform/COptionalApi.h"
#include "platform/CRegistryAccess.h"
#include "platform/RegistryPrimitives.h"
#include "platform/WindowsVersion.h"
#include "support/CRegistrySandbox.h"
#include "support/EmulatedSystem.h"
#include "support/TestRegistry.h"

namespace {

// Pretends for its life that the system lacks a function, as on an older Windows.
class CMissingFunction {
public:
    explicit CMissingFunction(COptionalApi::Function function) : function_(function) {
        COptionalApi::PretendMissing(function_, true);
    }
    ~CMissingFunction() { COptionalApi::PretendMissing(function_, false); }

private:
    COptionalApi::Function function_;
};

// A key goes with all its subkeys and nothing beside it, on the family the system belongs to
// (through the base every module has) and, without shlwapi, subkey by subkey on the NT family.
// Win32s is neither family: nothing is deleted whatever runs underneath. A key that is not there
// is a failure, and so is an empty path, which would name the root itself.
TEST(OptionalApi, AKeyTreeIsDeletedWithOrWithoutShlwapiAndNothingBesideIt) {
    CRegistrySandbox sandbox;
    const std::string key = "Software\\Torvane Test\\Tree";
    const auto plant = [&key] {
        StoreNumber(HKEY_CURRENT_USER, key, "Top", 1);
        StoreNumber(HKEY_CURRENT_USER, key + "\\First", "Middle", 2);
        StoreNumber(HKEY_CURRENT_USER, key + "\\First\\Grandchild", "Bottom", 3);
    };
    StoreNumber(HKEY_CURRENT_USER, "Software\\Torvane Test\\Sibling", "Kept", 4);
    plant(); // one subkey a level: Wine's 9x-style deletion stops at a second one
    const bool known = IsNineXFamily(ExpectedFamily()) || IsNTFamily(ExpectedFamily());
    EXPECT_EQ(CRegistryAccess().DeleteKey(HKEY_CURRENT_USER, key.c_str()) != FALSE, known);
    EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, key + "\\First\\Grandchild"), !known);
    {
        ASSERT_NE(COptionalApi::Find(COptionalApi::kSHDeleteKeyA), nullptr);
        const CMissingFunction noShlwapi(COptionalApi::kSHDeleteKeyA);
        EXPECT_EQ(COptionalApi::Find(COptionalApi::kSHDeleteKeyA), nullptr);
        for (int family : {kFamilyWinNT, kFamilyWin2000, kFamilyWinXP}) {
            SCOPED_TRACE(family);
            plant();
            CreateKey(HKEY_CURRENT_USER, key + "\\Second\\Empty");
            EXPECT_TRUE(DeleteKey(family, HKEY_CURRENT_USER, key.c_str()));
            EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
            EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Torvane Test\\Sibling"));
        }
        EXPECT_FALSE(DeleteKey(kFamilyWinNT, HKEY_CURRENT_USER, key.c_str()));
        EXPECT_FALSE(DeleteKey(kFamilyWinNT, HKEY_CURRENT_USER, ""));
    }
    plant();
    EXPECT_FALSE(DeleteKey(kFamilyWin32s, HKEY_CURRENT_USER, key.c_str()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\Torvane Test\\Sibling"));
}

// Without GetAncestor (Windows 95) the answer comes from the styles and GetParent; it must be the
// one GetAncestor gives, for children, grandchildren, pop-ups and children of owned pop-ups.
TEST(OptionalApi, TheAncestorFallbackAnswersAsGetAncestor) {
    const auto make = [](DWORD style, HWND parent) {
        return CreateWindowExA(0, "STATIC", "", style, 0, 0, 50, 50, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    };
    HWND top = make(WS_OVERLAPPEDWINDOW, nullptr);
    HWND child = make(WS_CHILD, top);
    HWND grandchild = make(WS_CHILD, child);
    HWND popup = make(WS_POPUP, top);
    HWND popupChild = make(WS_CHILD, popup);
    HWND ownedPopup = make(WS_POPUP, popup);
    ASSERT_TRUE(top && child && grandchild && popup && popupChild && ownedPopup);

    for (HWND window : {top, child, grandchild, popup, popupChild, ownedPopup}) {
        for (UINT flags : {GA_PARENT, GA_ROOT, GA_ROOTOWNER}) {
            SCOPED_TRACE(testing::Message() << "window " << window << " flags " << flags);
            const HWND expected = COptionalApi::Ancestor(window, flags);
            EXPECT_EQ(expected, GetAncestor(window, flags));
            const CMissingFunction noAncestor(COptionalApi::kGetAncestor);
            EXPECT_EQ(COptionalApi::Ancestor(window, flags), expected);
        }
    }
    EXPECT_EQ(COptionalApi::Ancestor(grandchild, GA_ROOT), top);
    EXPECT_EQ(COptionalApi::Ancestor(popupChild, GA_ROOT), popup);
    {
        const CMissingFunction noAncestor(COptionalApi::kGetAncestor);
        EXPECT_EQ(COptionalApi::Ancestor(popupChild, GA_ROOTOWNER), top);
        EXPECT_EQ(COptionalApi::Ancestor(nullptr, GA_ROOT), nullptr);
        EXPECT_EQ(COptionalApi::Ancestor(GetDesktopWindow(), GA_ROOT), nullptr);
    }
    DestroyWindow(ownedPopup);
    DestroyWindow(popup);
    DestroyWindow(top);
}

} // namespace
