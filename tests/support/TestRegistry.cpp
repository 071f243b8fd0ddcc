#include "support/TestRegistry.h"

#include <cstring>

std::string StoredValue::Text() const {
    const char* chars = reinterpret_cast<const char*>(data.data());
    return std::string(chars, strnlen(chars, data.size()));
}

DWORD StoredValue::Number() const {
    DWORD value = 0;
    std::memcpy(&value, data.data(), data.size() < 4 ? data.size() : 4);
    return value;
}

StoredValue ReadStored(HKEY root, const std::string& subKey, const std::string& valueName) {
    StoredValue stored;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return stored;
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &stored.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        stored.data.resize(size);
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &stored.type, stored.data.data(),
                             &size) == ERROR_SUCCESS) {
            stored.data.resize(size);
            stored.exists = true;
        }
    }
    RegCloseKey(key);
    return stored;
}

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CreateKey(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void StoreRaw(HKEY root, const std::string& subKey, const std::string& valueName, DWORD type,
              const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void StoreText(HKEY root, const std::string& subKey, const std::string& valueName,
               const std::string& text) {
    StoreRaw(root, subKey, valueName, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void StoreNumber(HKEY root, const std::string& subKey, const std::string& valueName, DWORD value) {
    StoreRaw(root, subKey, valueName, REG_DWORD, &value, sizeof(value));
}

void StoreBinary(HKEY root, const std::string& subKey, const std::string& valueName,
                 const std::vector<BYTE>& data) {
    StoreRaw(root, subKey, valueName, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

DWORD EntryCount(HKEY key) {
    DWORD subkeys = 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    return subkeys + values;
}
