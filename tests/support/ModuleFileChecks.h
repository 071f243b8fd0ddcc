#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

#include "archive/CArchiveException.h"
#include "archive/ObjectFiles.h"
#include "support/CTestFolder.h"

// Building blocks of the module file tests: what a backup file of a module must look like.

// The bytes an archive writes before the first object of a class: the new-class tag FF FF, the
// schema number 1 as a word, the name's length as a word and the name.
inline std::string ClassHeader(const std::string& className) {
    std::string header("\xFF\xFF\x01\x00", 4);
    header += static_cast<char>(className.size() & 0xFF);
    header += static_cast<char>(className.size() >> 8);
    return header + className;
}

// A number as the archive stores it: 4 bytes, little-endian.
inline std::string NumberBytes(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

// A short text as the archive stores it: its length in one byte, then its characters.
inline std::string ShortTextBytes(const std::string& text) {
    return static_cast<char>(text.size()) + text;
}

// The bytes of a module file whose record holds only numbers, in the order given.
std::string NumberRecordFile(const std::string& className, const std::vector<DWORD>& numbers);

// Saves the module and reads it back from the same file, which must hold exactly one object of
// the module's class.
template <class Module>
std::unique_ptr<Module> SavedAndLoaded(const Module& module, const std::string& path) {
    EXPECT_EQ(module.SaveToFile(path), 1);
    std::unique_ptr<Module> loaded;
    LoadResult result = LoadResult::kFailed;
    EXPECT_EQ(Module::LoadFromFile(loaded, path, &result), 1);
    EXPECT_EQ(result, LoadResult::kLoaded);
    return loaded;
}

// A file of one module read as another module's class fails as a bad class, leaving a fresh
// object of the class asked for.
template <class Other> void ExpectReadAsOtherClassFails(const std::string& path) {
    std::unique_ptr<Other> loaded;
    int cause = 0;
    EXPECT_EQ(Other::LoadFromFile(loaded, path, nullptr, &cause), 0) << Other::kClassName;
    EXPECT_EQ(cause, CArchiveException::kBadClass) << Other::kClassName;
    EXPECT_NE(loaded, nullptr);
}
