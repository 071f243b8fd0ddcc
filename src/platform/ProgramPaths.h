#pragma once

#include <string>

// The program's own paths, formed once on first use and shared read-only afterwards.

// The running program file as GetModuleFileNameA reports it; empty if that yields nothing.
const std::string& GetProgramFile();
// The program file up to, not including, its last backslash.
const std::string& GetProgramDirectory();
// The program directory followed by "\Backup".
const std::string& GetBackupDirectory();

// Help pages, relative to the program directory.
constexpr const char* kHelpStartPage = "Help\\TVNStart.html";
constexpr const char* kHelpAutoTunePage = "Help\\AutoStart.html";
constexpr const char* kHelpManualPage = "Help\\ManStart.html";
constexpr const char* kHelpStatusPage = "Help\\StatusStart.html";
constexpr const char* kHelpBurnInPage = "Help\\BurninStart.html";

// The directory part of a path: everything before its last backslash (empty without one).
std::string DirectoryOfPath(const std::string& path);
