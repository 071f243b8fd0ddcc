#pragma once

#include <cstddef>
#include <windows.h>

// The CD file system's read-ahead ("Prefetch") and cache ("CacheSize") values, chosen as a drive
// speed and a cache size. The read-ahead is 112 for each step of CD speed; the DVD speeds use the
// values of CD 8X, 24X and 40X, so they read back as those CD speeds.

struct CDSpeedChoice {
    const char* label; // as the CD-ROM page lists it
    DWORD speedCode;   // 4 to 48 for CD speeds, 102, 104, 106 for DVD 2X, 4X, 6X
    DWORD prefetch;
};
constexpr size_t kCDSpeedChoiceCount = 10;
extern const CDSpeedChoice kCDSpeedChoices[kCDSpeedChoiceCount];

struct CacheSizeChoice {
    const char* label; // as the CD-ROM page lists it; the choice is its index
    DWORD cacheSize;
};
constexpr size_t kCacheSizeChoiceCount = 3;
extern const CacheSizeChoice kCacheSizeChoices[kCacheSizeChoiceCount];

// An unknown speed code writes the read-ahead of CD 4X, an unknown read-ahead reads as 4.
DWORD PrefetchForSpeed(DWORD speedCode);
DWORD SpeedForPrefetch(DWORD prefetch);
// An unknown choice writes the default cache, an unknown cache size reads as choice 0.
DWORD CacheSizeForChoice(DWORD choice);
DWORD CacheChoiceForSize(DWORD cacheSize);
