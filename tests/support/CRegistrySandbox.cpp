#include "support/CRegistrySandbox.h"

#include <cstdio>
#include <shlwapi.h>

namespace {
int g_sandboxSerial = 0;
}

CRegistrySandbox::CRegistrySandbox(unsigned roots) {
    std::snprintf(path_, sizeof(path_), "Software\\TorvaneTestSandbox\\%lu-%d",
                  GetCurrentProcessId(), ++g_sandboxSerial);
    SHDeleteKeyA(HKEY_CURRENT_USER, path_);
    const struct {
        unsigned flag;
        HKEY root;
        const char* name;
    } all[] = {{kLocalMachine, HKEY_LOCAL_MACHINE, "HKLM"},
               {kUsers, HKEY_USERS, "HKU"},
               {kClassesRoot, HKEY_CLASSES_ROOT, "HKCR"},
               {kCurrentUser, HKEY_CURRENT_USER, "HKCU"}};
    // All replacement keys are made before any root is redirected, the current user's last.
    for (const auto& entry : all) {
        if (!(roots & entry.flag))
            continue;
        char path[128];
        std::snprintf(path, sizeof(path), "%s\\%s", path_, entry.name);
        HKEY replacement = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &replacement, nullptr) != ERROR_SUCCESS)
            continue;
        if (entry.root == HKEY_USERS && (roots & kUsersRefused))
            RegDeleteKeyA(HKEY_CURRENT_USER, path);
        redirects_[count_++] = Redirect{entry.root, replacement};
    }
    for (int i = 0; i < count_; ++i)
        RegOverridePredefKey(redirects_[i].root, redirects_[i].replacement);
}

CRegistrySandbox::~CRegistrySandbox() {
    for (int i = 0; i < count_; ++i) {
        RegOverridePredefKey(redirects_[i].root, nullptr);
        RegCloseKey(redirects_[i].replacement);
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, path_);
}
