#pragma once

#include <string>
#include <windows.h>

#include "platform/RegistryPrimitives.h"

// Base of every tweak module: the Windows family the program runs on, the Windows directory, and
// the registry, profile-file and file helpers the modules work through. Storing a module in an
// archive is the tweak module contract's part.
class CRegistryAccess {
public:
    CRegistryAccess();
    virtual ~CRegistryAccess() = default;

    int OsFamily() const { return osFamily; }
    const std::string& WindowsDirectory() const { return windowsDirectory; }
    bool IsNineX() const;
    bool IsNT() const;

    // The Windows directory's System.ini.
    std::string SystemIniPath() const { return windowsDirectory + "\\System.ini"; }
    static constexpr const char* kMsdosSysPath = "C:\\msdos.sys";

    BOOL GetStringValue(HKEY root, const char* subKey, const char* valueName,
                        std::string& text) const {
        return ::GetStringValue(root, subKey, valueName, text);
    }
    BOOL SetStringValue(HKEY root, const char* subKey, const char* valueName,
                        const std::string& text) const {
        return ::SetStringValue(root, subKey, valueName, text);
    }
    BOOL GetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD& value) const {
        return ::GetDwordValue(root, subKey, valueName, value);
    }
    BOOL SetDwordValue(HKEY root, const char* subKey, const char* valueName, DWORD value) const {
        return ::SetDwordValue(root, subKey, valueName, value);
    }
    BOOL GetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD& value) const {
        return ::GetBinaryValue(root, subKey, valueName, value);
    }
    BOOL SetBinaryValue(HKEY root, const char* subKey, const char* valueName, DWORD value) const {
        return ::SetBinaryValue(root, subKey, valueName, value);
    }
    BOOL DeleteValue(HKEY root, const char* subKey, const char* valueName) const {
        return ::DeleteValue(root, subKey, valueName);
    }
    BOOL DeleteKey(HKEY root, const char* subKey) const {
        return ::DeleteKey(osFamily, root, subKey);
    }
    BOOL SetFileNormal(const char* path, BOOL normal) const {
        return ::SetFileNormal(path, normal);
    }
    BOOL MoveFileTo(const char* source, const char* target, int replace) const {
        return ::MoveFileTo(source, target, replace);
    }
    BOOL CopyFileTo(const char* source, const char* target, BOOL overwrite) const {
        return ::CopyFileTo(source, target, overwrite);
    }

    // Profile files. A number is read as text (default "0" unless given) into a buffer of
    // `bufferChars` characters and converted as a decimal integer, so a missing key reads as 0.
    static std::string ReadProfileText(const std::string& file, const char* section,
                                       const char* key, const char* defaultText, DWORD bufferChars);
    static int ReadProfileNumber(const std::string& file, const char* section, const char* key,
                                 DWORD bufferChars, const char* defaultText = "0");
    // A null text removes the key.
    static BOOL WriteProfileText(const std::string& file, const char* section, const char* key,
                                 const char* text);

    // The window the module's own messages belong to (the page that writes through it).
    void SetReportOwner(HWND owner) { reportOwner_ = owner; }
    HWND ReportOwner() const { return reportOwner_; }

protected:
    int osFamily;
    std::string windowsDirectory;

private:
    HWND reportOwner_ = nullptr;
};
