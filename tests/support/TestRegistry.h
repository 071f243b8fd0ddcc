#pragma once

#include <string>
#include <vector>
#include <windows.h>

// Direct registry access for tests: what is really stored, bypassing the program's primitives.
struct StoredValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<BYTE> data;

    std::string Text() const; // the data up to its first NUL
    DWORD Number() const;     // the first 4 bytes, little-endian
};

StoredValue ReadStored(HKEY root, const std::string& subKey, const std::string& valueName);
bool KeyExists(HKEY root, const std::string& subKey);
// How many subkeys and values a key holds.
DWORD EntryCount(HKEY key);
void StoreRaw(HKEY root, const std::string& subKey, const std::string& valueName, DWORD type,
              const void* data, DWORD size);
void StoreText(HKEY root, const std::string& subKey, const std::string& valueName,
               const std::string& text);
void StoreNumber(HKEY root, const std::string& subKey, const std::string& valueName, DWORD value);
void StoreBinary(HKEY root, const std::string& subKey, const std::string& valueName,
                 const std::vector<BYTE>& data);
void CreateKey(HKEY root, const std::string& subKey);
