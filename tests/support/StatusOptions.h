#pragma once

#include <windows.h>

#include "platform/CAppSettings.h"
#include "support/TestRegistry.h"

// The program's options as the status tests store and read them, straight in the registry.
inline void StoreOption(const char* name, DWORD value) {
    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, name, value);
}
inline StoredValue StoredOption(const char* name) {
    return ReadStored(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, name);
}
inline void ForgetOptions() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey);
}
