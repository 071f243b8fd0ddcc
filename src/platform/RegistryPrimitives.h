#pragma once

#include <string>
#include <windows.h>

// Stateless registry and file primitives used by every tweak module and by the program's own
// options. Every key is opened with KEY_ALL_ACCESS, also for reading, and closed again at once;
// writes create missing keys. A read that fails leaves the caller's output as it was, so the
// caller's preset default stays in place. All return TRUE on success and FALSE otherwise.

// Texts are stored as REG_SZ of at most this many characters.
constexpr size_t kMaxRegistryText = 255;

BOOL GetStringValue(HKEY root, const char* subKey, const char* valueName, std::string& text);
// A text longer than kMaxRegistryText is refused: nothing is written.
BOOL SetStringValue(HKEY root, const char* subKey, const char* valueName, const std::string& text);

BOOL GetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD& value);
BOOL SetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD value);

// A value longer than 4 bytes also reads as success and yields its first 4 bytes; a shorter one
// is zero-extended.
BOOL GetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD& value);
BOOL SetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD value);

BOOL DeleteValue(HKEY root, const char* subKey, const char* valueName);

// The 9x family deletes a key with RegDeleteKeyA (which takes its subkeys with it there), the NT
// family with SHDeleteKeyA, or, without shlwapi.dll (NT 4 without Internet Explorer 4), subkey by
// subkey; any other family deletes nothing and fails.
BOOL DeleteKey(int osFamily, HKEY root, const char* subKey);

// Normal attributes when `normal` is non-zero, hidden and system otherwise.
BOOL SetFileNormal(const char* path, BOOL normal);
// Clears a file's attributes so that it takes writes and returns those it had, for
// ReprotectFile; INVALID_FILE_ATTRIBUTES when the file is missing or stays protected.
DWORD UnprotectFile(const char* path);
// Gives the file exactly the attributes UnprotectFile returned.
BOOL ReprotectFile(const char* path, DWORD attributes);
// Replaces an existing target when `replace` is 1. Always reports TRUE.
BOOL MoveFileTo(const char* source, const char* target, int replace);
// Moves `source` over `target`, replacing it. Windows 95, 98 and ME have MoveFileExA only as a
// stub: there the target is deleted and the file moved. FALSE when the file was not moved.
BOOL MoveFileReplacing(const char* source, const char* target);
BOOL CopyFileTo(const char* source, const char* target, BOOL overwrite);
