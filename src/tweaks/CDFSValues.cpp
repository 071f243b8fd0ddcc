#include "tweaks/CDFSValues.h"

const CDSpeedChoice kCDSpeedChoices[kCDSpeedChoiceCount] = {
    {"CD  4X", 4, 448},    {"CD  8X", 8, 896},    {"CD 16X", 16, 1344}, {"CD 24X", 24, 1792},
    {"CD 32X", 32, 2240},  {"CD 40X", 40, 2688},  {"CD 48X", 48, 3136}, {"DVD 2X", 102, 896},
    {"DVD 4X", 104, 1792}, {"DVD 6X", 106, 2688},
};

const CacheSizeChoice kCacheSizeChoices[kCacheSizeChoiceCount] = {
    {"Default", 619},
    {"Medium", 1238},
    {"Large", 2476},
};

DWORD PrefetchForSpeed(DWORD speedCode) {
    for (const CDSpeedChoice& choice : kCDSpeedChoices)
        if (choice.speedCode == speedCode)
            return choice.prefetch;
    return kCDSpeedChoices[0].prefetch;
}

DWORD SpeedForPrefetch(DWORD prefetch) {
    // The CD speeds come first, so a value shared with a DVD speed reads as the CD speed.
    for (const CDSpeedChoice& choice : kCDSpeedChoices)
        if (choice.prefetch == prefetch)
            return choice.speedCode;
    return kCDSpeedChoices[0].speedCode;
}

DWORD CacheSizeForChoice(DWORD choice) {
    return choice < kCacheSizeChoiceCount ? kCacheSizeChoices[choice].cacheSize
                                          : kCacheSizeChoices[0].cacheSize;
}

DWORD CacheChoiceForSize(DWORD cacheSize) {
    for (DWORD choice = 0; choice < kCacheSizeChoiceCount; ++choice)
        if (kCacheSizeChoices[choice].cacheSize == cacheSize)
            return choice;
    return 0;
}
