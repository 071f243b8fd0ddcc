#pragma once

#include <string>
#include <windows.h>

// Keeps a file that tests share with the system (C:\msdos.sys, the logo pictures...) as it was:
// notes its content and attributes, or that it did not exist, and puts exactly that back when
// it goes. Wine's cache of the file as a profile is dropped both times.
class CPreservedFile {
public:
    explicit CPreservedFile(std::string path);
    ~CPreservedFile();
    CPreservedFile(const CPreservedFile&) = delete;
    CPreservedFile& operator=(const CPreservedFile&) = delete;

    const std::string& Path() const { return path_; }
    // Removes the file whatever its attributes.
    void Remove() const;
    // Gives the file new content for a test, dropping Wine's cache of it as a profile.
    void Write(const std::string& content) const;

private:
    std::string path_;
    DWORD attributes_;
    std::string content_;
};

// The file's attributes as hidden and system flags only (what the program protects files with).
bool IsHiddenAndSystem(const std::string& path);
