#pragma once

#include <string>
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestRegistry.h"

// Calls a module's Get operation with an output that holds 7 beforehand (so that a missing preset
// shows), expects `result` from it and returns what it yielded.
template <class Module>
DWORD ReadThrough(Module& module, BOOL (Module::*get)(DWORD&), BOOL result) {
    DWORD value = 7;
    EXPECT_EQ((module.*get)(value), result);
    return value;
}

// Expects the value stored as a text (REG_SZ) that reads `text` up to its terminating zero.
inline void ExpectStoredText(HKEY root, const std::string& subKey, const std::string& name,
                             const std::string& text) {
    const StoredValue stored = ReadStored(root, subKey, name);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << subKey << " " << name;
    EXPECT_EQ(stored.Text(), text) << subKey << " " << name;
}

// Expects the value stored as four bytes of `type` (REG_DWORD or REG_BINARY) holding `number`.
inline void ExpectStoredNumber(HKEY root, const std::string& subKey, const std::string& name,
                               DWORD type, DWORD number) {
    const StoredValue stored = ReadStored(root, subKey, name);
    EXPECT_EQ(stored.type, type) << subKey << " " << name;
    EXPECT_EQ(stored.data.size(), 4u) << subKey << " " << name;
    EXPECT_EQ(stored.Number(), number) << subKey << " " << name;
}
