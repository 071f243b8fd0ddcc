#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "backup/ObjectFiles.h"

// Saves the module to `path` and reads the file back; null, with the failure recorded, when
// either step fails.
template <class Module>
std::unique_ptr<Module> SavedAndLoaded(const Module& module, const std::string& path) {
    std::unique_ptr<Module> loaded;
    EXPECT_EQ(module.SaveToFile(path), 1);
    LoadResult result = LoadResult::kFailed;
    EXPECT_EQ(Module::LoadFromFile(loaded, path, &result), 1);
    EXPECT_EQ(result, LoadResult::kLoaded);
    if (result != LoadResult::kLoaded)
        loaded.reset();
    return loaded;
}

// A file of the module `Other` does not load as `Module`: the result is 0 and the pointer holds
// a fresh object.
template <class Module, class Other> void ExpectFileOfOtherRefused(const std::string& path) {
    ASSERT_EQ(Other().SaveToFile(path), 1);
    std::unique_ptr<Module> loaded;
    EXPECT_EQ(Module::LoadFromFile(loaded, path), 0);
    EXPECT_NE(loaded, nullptr);
}
