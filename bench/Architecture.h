// The first line of every benchmark's figures: which build measured them, since the x86_64
// build (for hosts that run no 32-bit code) gives other figures than the shipped 32-bit one.
#pragma once

#include <cstdio>

inline void PrintArchitecture() {
    std::printf("architecture: %s\n",
                sizeof(void*) == 8 ? "x86_64 (64-bit build)" : "x86 (32-bit build, as shipped)");
}
