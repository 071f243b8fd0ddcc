#pragma once

#include <string>
#include <windows.h>

// A fresh folder on drive C for one test, removed with everything in it afterwards.
class CTestFolder {
public:
    explicit CTestFolder(const std::string& name = "folder");
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

    // Helpers that work on any path, inside the folder or not.
    static void WriteFile(const std::string& path, const std::string& content);
    static std::string ReadFile(const std::string& path);
    static bool Exists(const std::string& path);
    static void MakeDirectory(const std::string& path);
    // Removes a tree without following links (the test's own clean-up, not the program's).
    static void RemoveTree(const std::string& path);
    // Whether the tests run under Wine (links of the host system can then be made).
    static bool IsWine();
    // The Windows folder, and a file in it ("\\win.ini").
    static std::string WindowsDirectory();
    static std::string WindowsFile(const char* name) { return WindowsDirectory() + name; }
    // A POSIX symbolic link, as a user of Wine would make with ln -s.
    static bool MakeUnixSymlink(const std::string& target, const std::string& link);

private:
    std::string path_;
};
