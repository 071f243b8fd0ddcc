#include "platform/RegistryPrimitives.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/COptionalApi.h"
#include "platform/CRegKey.h"
#include "platform/WindowsVersion.h"

namespace {

BOOL WriteValue(HKEY root, const char* subKey, const char* valueName, DWORD type, const BYTE* data,
                DWORD size) {
    CRegKey key;
    if (key.Open(root, subKey) != ERROR_SUCCESS && key.Create(root, subKey) != ERROR_SUCCESS)
        return FALSE;
    const LONG result = RegSetValueExA(key.Get(), valueName, 0, type, data, size);
    RegFlushKey(key.Get());
    return result == ERROR_SUCCESS;
}

// The key and everything below it, with the registry's own calls: what SHDeleteKeyA does, for an
// NT 4 without shlwapi.dll. The names are read first, so that a subkey that cannot be deleted
// ends the delete instead of being enumerated again and again.
LONG DeleteTree(HKEY root, const char* subKey) {
    // An empty path would name the root itself: everything below it would go.
    if (subKey == nullptr || *subKey == '\0')
        return ERROR_INVALID_PARAMETER;
    std::vector<std::string> children;
    {
        CRegKey key;
        const LONG opened = key.Open(root, subKey, KEY_READ);
        if (opened != ERROR_SUCCESS)
            return opened;
        char name[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof(name);
            const LONG result =
                RegEnumKeyExA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_NO_MORE_ITEMS)
                break;
            if (result != ERROR_SUCCESS)
                return result;
            children.emplace_back(name, length);
        }
    }
    for (const std::string& child : children) {
        const LONG result = DeleteTree(root, (std::string(subKey) + "\\" + child).c_str());
        if (result != ERROR_SUCCESS)
            return result;
    }
    return RegDeleteKeyA(root, subKey);
}

} // namespace

BOOL GetStringValue(HKEY root, const char* subKey, const char* valueName, std::string& text) {
    CRegKey key;
    if (key.Open(root, subKey) != ERROR_SUCCESS)
        return FALSE;
    char buffer[256] = {};
    DWORD size = sizeof(buffer);
    const LONG result = RegQueryValueExA(key.Get(), valueName, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS)
        return FALSE;
    // A value that fills the buffer without a terminator still ends inside it.
    text.assign(buffer, strnlen(buffer, sizeof(buffer)));
    return TRUE;
}

BOOL SetStringValue(HKEY root, const char* subKey, const char* valueName, const std::string& text) {
    if (text.size() > kMaxRegistryText)
        return FALSE;
    return WriteValue(root, subKey, valueName, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                      static_cast<DWORD>(text.size() + 1));
}

BOOL GetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD& value) {
    CRegKey key;
    if (key.Open(root, subKey) != ERROR_SUCCESS)
        return FALSE;
    BYTE data[4] = {};
    DWORD size = sizeof(data);
    if (RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, data, &size) != ERROR_SUCCESS)
        return FALSE;
    DWORD number = 0;
    std::memcpy(&number, data, sizeof(number));
    value = number;
    return TRUE;
}

BOOL SetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD value) {
    return WriteValue(root, subKey, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                      sizeof(value));
}

BOOL GetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD& value) {
    CRegKey key;
    if (key.Open(root, subKey) != ERROR_SUCCESS)
        return FALSE;
    BYTE data[4] = {};
    DWORD size = sizeof(data);
    LONG result = RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, data, &size);
    if (result == ERROR_MORE_DATA) {
        // The system may leave a too small buffer untouched: read the whole value.
        std::vector<BYTE> whole(size);
        result = RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, whole.data(), &size);
        if (result == ERROR_SUCCESS && size >= sizeof(data))
            std::memcpy(data, whole.data(), sizeof(data));
        result = ERROR_MORE_DATA;
    }
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
        return FALSE;
    DWORD number = 0;
    std::memcpy(&number, data, sizeof(number));
    value = number;
    return TRUE;
}

BOOL SetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD value) {
    return WriteValue(root, subKey, valueName, REG_BINARY, reinterpret_cast<const BYTE*>(&value),
                      sizeof(value));
}

BOOL DeleteValue(HKEY root, const char* subKey, const char* valueName) {
    CRegKey key;
    if (key.Open(root, subKey) != ERROR_SUCCESS)
        return FALSE;
    return RegDeleteValueA(key.Get(), valueName) == ERROR_SUCCESS;
}

BOOL DeleteKey(int osFamily, HKEY root, const char* subKey) {
    if (IsNineXFamily(osFamily))
        return RegDeleteKeyA(root, subKey) == ERROR_SUCCESS;
    if (IsNTFamily(osFamily)) {
        using ShellDeleteKey = LONG(WINAPI*)(HKEY, LPCSTR);
        if (const FARPROC found = COptionalApi::Find(COptionalApi::kSHDeleteKeyA))
            return reinterpret_cast<ShellDeleteKey>(reinterpret_cast<void*>(found))(root, subKey) ==
                   ERROR_SUCCESS;
        return DeleteTree(root, subKey) == ERROR_SUCCESS;
    }
    return FALSE;
}

BOOL SetFileNormal(const char* path, BOOL normal) {
    const DWORD attributes =
        normal ? FILE_ATTRIBUTE_NORMAL : (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    return SetFileAttributesA(path, attributes) != FALSE;
}

DWORD UnprotectFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL))
        return INVALID_FILE_ATTRIBUTES;
    return attributes;
}

BOOL ReprotectFile(const char* path, DWORD attributes) {
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    return SetFileAttributesA(path, attributes) != FALSE;
}

BOOL MoveFileTo(const char* source, const char* target, int replace) {
    // Without the 9x fallback of MoveFileReplacing the old target would stay and the caller's
    // next copy would overwrite the very file it meant to keep.
    if (replace == 1)
        MoveFileReplacing(source, target);
    else
        MoveFileA(source, target);
    return TRUE;
}

BOOL MoveFileReplacing(const char* source, const char* target) {
    if (MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING))
        return TRUE;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED ||
        GetFileAttributesA(source) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    DeleteFileA(target);
    return MoveFileA(source, target) != FALSE;
}

BOOL CopyFileTo(const char* source, const char* target, BOOL overwrite) {
    return CopyFileA(source, target, overwrite ? FALSE : TRUE) != FALSE;
}
