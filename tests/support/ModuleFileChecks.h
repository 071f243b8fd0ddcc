#pragma once

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

#include "backup/CArchiveException.h"

// The bytes of a module file whose record holds only numbers: the new-class tag, schema 1, the
// class name and the numbers in the order given, little-endian.
std::string NumberRecordFile(const std::string& className, const std::vector<DWORD>& numbers);

// Loading the file as the class `Other` fails as a file of another class, and still leaves a
// usable object.
template <class Other> void ExpectRefusedAs(const std::string& path) {
    std::unique_ptr<Other> loaded;
    int cause = 0;
    EXPECT_EQ(Other::LoadFromFile(loaded, path, nullptr, &cause), 0) << Other::kClassName;
    EXPECT_EQ(cause, CArchiveException::kBadClass) << Other::kClassName;
    EXPECT_NE(loaded, nullptr);
}
