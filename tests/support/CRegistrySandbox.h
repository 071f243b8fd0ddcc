#pragma once

#include <windows.h>

// Redirects the predefined registry roots of this process to fresh, empty keys for the life of
// the object, so that a test starts from an empty registry and leaves nothing behind.
class CRegistrySandbox {
public:
    enum Roots : unsigned {
        kLocalMachine = 1,
        kCurrentUser = 2,
        kUsers = 4,
        kClassesRoot = 8,
        kAll = 15,
        // HKEY_USERS is redirected to a key that is deleted while it stays open, so that every
        // read and write below it fails.
        kUsersRefused = 16,
    };

    explicit CRegistrySandbox(unsigned roots = kAll);
    ~CRegistrySandbox();
    CRegistrySandbox(const CRegistrySandbox&) = delete;
    CRegistrySandbox& operator=(const CRegistrySandbox&) = delete;

private:
    struct Redirect {
        HKEY root;
        HKEY replacement;
    };
    Redirect redirects_[4] = {};
    int count_ = 0;
    char path_[96] = {};
};
