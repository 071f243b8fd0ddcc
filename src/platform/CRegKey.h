#pragma once

#include <windows.h>

// An open registry key, closed when the holder goes out of scope.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    LONG Open(HKEY root, const char* subKey, REGSAM access = KEY_ALL_ACCESS) {
        Close();
        return RegOpenKeyExA(root, subKey, 0, access, &key_);
    }
    // Creates the key and every missing key on its path.
    LONG Create(HKEY root, const char* subKey, REGSAM access = KEY_ALL_ACCESS) {
        Close();
        char emptyClass[] = "";
        return RegCreateKeyExA(root, subKey, 0, emptyClass, REG_OPTION_NON_VOLATILE, access,
                               nullptr, &key_, nullptr);
    }
    void Close() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }
    // Reads a value's data into `data` (at most `size` bytes; `size` becomes the bytes read).
    LONG QueryValue(const char* valueName, void* data, DWORD& size, DWORD* type = nullptr) const {
        return RegQueryValueExA(key_, valueName, nullptr, type, static_cast<BYTE*>(data), &size);
    }
    HKEY Get() const { return key_; }
    bool IsOpen() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};
