#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/CTestFolder.h"

// Deterministic pseudo-random numbers, the same on every run.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

private:
    uint32_t state_;
};

// Feeds truncations and mutations of a real module file to the loader: every result must be 0 or
// 1 with a usable object, and nothing may crash or hang.
template <class Module>
void LoadMutationsOf(const std::string& original, const std::string& path, int mutations) {
    Lcg random(0x7A3C0001u + static_cast<uint32_t>(original.size()));
    auto check = [&](const std::string& bytes) {
        CTestFolder::WriteFile(path, bytes);
        std::unique_ptr<Module> loaded;
        const int result = Module::LoadFromFile(loaded, path);
        ASSERT_TRUE(result == 0 || result == 1);
        ASSERT_NE(loaded, nullptr);
    };
    for (size_t length = 0; length < original.size(); ++length)
        check(original.substr(0, length));
    for (int i = 0; i < mutations; ++i) {
        std::string bytes = original;
        const int edits = 1 + static_cast<int>(random.Next() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = random.Next() % bytes.size();
            switch (random.Next() % 5) {
            case 0: // a random byte
                bytes[at] = static_cast<char>(random.Next());
                break;
            case 1: // a length or tag pushed to its limits
                bytes[at] = static_cast<char>(random.Next() % 2 ? 0xFF : 0xFE);
                break;
            case 2: // bytes taken out
                bytes.erase(at, 1 + random.Next() % 8);
                break;
            case 3: // bytes put in
                bytes.insert(at,
                             std::string(1 + random.Next() % 8, static_cast<char>(random.Next())));
                break;
            default: // cut short
                bytes.resize(at);
                break;
            }
            if (bytes.empty())
                bytes.push_back('\xFF');
        }
        check(bytes);
    }
}
