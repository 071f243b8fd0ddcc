#pragma once

#include "backup/COriginalsRecord.h"

// The user the backup takes as logged on while the object lives ("" for an unknown user).
class CTestUser {
public:
    explicit CTestUser(const char* name) { COriginalsRecord::SetCurrentUserForTest(name); }
    ~CTestUser() { COriginalsRecord::SetCurrentUserForTest(nullptr); }
    void Set(const char* name) const { COriginalsRecord::SetCurrentUserForTest(name); }
    CTestUser(const CTestUser&) = delete;
    CTestUser& operator=(const CTestUser&) = delete;
};
