#pragma once

#include <string>
#include <windows.h>

// Writes a number to a profile file as decimal text; a 0 removes the key instead, leaving the
// setting to Windows. The result of the profile write.
BOOL WriteProfileNumberOrRemove(const std::string& file, const char* section, const char* key,
                                DWORD value);
