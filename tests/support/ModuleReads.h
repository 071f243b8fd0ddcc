#pragma once

#include <windows.h>

#include <gtest/gtest.h>

// Calls a module's Get operation with an output that holds 7 beforehand (so that a missing preset
// shows), expects `result` from it and returns what it yielded.
template <class Module>
DWORD ReadThrough(Module& module, BOOL (Module::*get)(DWORD&), BOOL result) {
    DWORD value = 7;
    EXPECT_EQ((module.*get)(value), result);
    return value;
}
