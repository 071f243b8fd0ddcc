#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <shlwapi.h>
#include <string>
#include <vector>

#include "backup/BackupCommands.h"
#include "backup/CBackupManager.h"
#include "backup/COriginalsRecord.h"
#include "platform/ProgramPaths.h"
#include "platform/WindowsVersion.h"
#include "support/CPreservedFile.h"
#include "support/CRecordingMainWindow.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/TestRegistry.h"

// The registry keys and files the backup tests prepare and read.
namespace backup_keys {
const char kDesktop[] = "Control Panel\\Desktop";
const char kDefaultDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
const char kPolicies[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kAdvanced[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char kExplorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kNineXKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kNTKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char kUpdate[] = "System\\CurrentControlSet\\Control\\Update";
const char kMemory[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kPriority[] = "SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const char kFileSystem[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const char kCdfs[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const char kHdc[] = "System\\CurrentControlSet\\Services\\Class\\hdc\\0000";
const char kShutdown[] = "System\\CurrentControlSet\\Control\\Shutdown";
const char kOpenWith[] = "Software\\CLASSES\\*\\Shell\\OpenWith";
const char kOpenWithCommand[] = "Software\\CLASSES\\*\\Shell\\OpenWith\\Command";
const char kMenuOrder[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu";
const char kMsdos[] = "C:\\msdos.sys";
} // namespace backup_keys

// The places the program may change, read and written as the tests see them.
namespace backup_places {
// One place the program may change, and what it holds.
struct Place {
    enum Kind { kRegistry, kProfile, kFile } kind;
    HKEY root;
    std::string key;  // registry key, or profile file, or file path
    std::string name; // value name, or "section|key"
};

struct State {
    bool exists = false;
    DWORD type = 0;
    std::string bytes;
    bool operator==(const State& other) const {
        return exists == other.exists && type == other.type && bytes == other.bytes;
    }
};

inline std::string Describe(const Place& place) {
    return place.key + " : " + place.name;
}

inline std::string Describe(const State& state) {
    if (!state.exists)
        return "<absent>";
    std::string text = "type " + std::to_string(state.type) + " [";
    for (unsigned char c : state.bytes) {
        char hex[4];
        snprintf(hex, sizeof(hex), "%02x ", c);
        text += hex;
    }
    return text + "]";
}

inline State Read(const Place& place) {
    State state;
    if (place.kind == Place::kRegistry) {
        const StoredValue stored = ReadStored(place.root, place.key, place.name);
        state.exists = stored.exists;
        state.type = stored.type;
        state.bytes.assign(stored.data.begin(), stored.data.end());
    } else if (place.kind == Place::kProfile) {
        const size_t bar = place.name.find('|');
        char text[1024] = {};
        GetPrivateProfileStringA(place.name.substr(0, bar).c_str(),
                                 place.name.substr(bar + 1).c_str(), "\x01", text, sizeof(text),
                                 place.key.c_str());
        state.exists = std::string(text) != "\x01";
        if (state.exists)
            state.bytes = text;
    } else {
        state.exists = CTestFolder::Exists(place.key);
        if (state.exists)
            state.bytes = CTestFolder::ReadFile(place.key);
    }
    return state;
}

inline void Write(const Place& place, const State& state) {
    if (place.kind == Place::kRegistry) {
        if (state.exists)
            StoreRaw(place.root, place.key, place.name, state.type, state.bytes.data(),
                     static_cast<DWORD>(state.bytes.size()));
        else
            SHDeleteValueA(place.root, place.key.c_str(), place.name.c_str());
    } else if (place.kind == Place::kProfile) {
        const size_t bar = place.name.find('|');
        WritePrivateProfileStringA(place.name.substr(0, bar).c_str(),
                                   place.name.substr(bar + 1).c_str(),
                                   state.exists ? state.bytes.c_str() : nullptr, place.key.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, place.key.c_str());
    } else {
        SetFileAttributesA(place.key.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(place.key.c_str());
        if (state.exists)
            CTestFolder::WriteFile(place.key, state.bytes);
    }
}

inline State Text(const std::string& text) {
    return {true, REG_SZ, text + '\0'};
}
inline State Number(DWORD value) {
    return {true, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)};
}
inline State Entry(const std::string& text) {
    return {true, 0, text};
}
const State kAbsent{};

} // namespace backup_places

// A system for one backup test: the registry in a sandbox, scripted message boxes, the profile
// files and pictures a backup reads kept as they were, and no Backup folder before or after.
class CBackupTestSystem : public testing::Test {
protected:
    void SetUp() override { CTestFolder::RemoveTree(GetBackupDirectory()); }
    void TearDown() override { CTestFolder::RemoveTree(GetBackupDirectory()); }

    std::string File(const char* name) const { return GetBackupDirectory() + name; }
    // Leaves the nine module files alone, without the record of exact originals.
    static void DropRecord() { ASSERT_TRUE(DeleteFileA(COriginalsRecord::DefaultPath().c_str())); }

    // The adapter and the service the Internet module finds its places by.
    static void StoreNetworkAdapters() {
        const HKEY m = HKEY_LOCAL_MACHINE;
        StoreText(m, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "DriverDesc",
                  "TCP/IP");
        StoreText(m, "System\\CurrentControlSet\\Services\\Class\\Net\\0003", "DriverDesc",
                  "Dial-Up Adapter");
        const std::string card = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\2";
        StoreText(m, card, "ProductName", "NdisWanDialoutIp");
        StoreText(m, card, "ServiceName", "NdisWan7");
    }

    // Restore Backup from the File menu and Yes to it; the report shown before the main window
    // is asked to restart Windows, or "" when there was none.
    std::string RestoreFromMenu() {
        const size_t before = messages_.Texts().size();
        messages_.Answer(IDYES);
        CRecordingMainWindow main;
        OnRestoreBackup(nullptr, main);
        EXPECT_EQ(main.calls, std::vector<std::string>{"AskToRestart 0"});
        const std::vector<std::string>& texts = messages_.Texts();
        EXPECT_LE(texts.size(), before + 2);
        return texts.size() == before + 2 ? texts[before + 1] : std::string();
    }

    const int family_ = DetectWindowsFamily();
    CRegistrySandbox sandbox_;
    CScriptedMessages messages_;
    CPreservedFile systemIni_{CTestFolder::WindowsFile("\\System.ini")};
    CPreservedFile winIni_{CTestFolder::WindowsFile("\\win.ini")};
    CPreservedFile msdos_{backup_keys::kMsdos};
    CPreservedFile logo_{"c:\\Logo.sys"};
    CPreservedFile logoSaved_{"c:\\Logo.tvn"};
    CPreservedFile shutdown_{CTestFolder::WindowsFile("\\Logow.sys")};
    CPreservedFile shutdownSaved_{CTestFolder::WindowsFile("\\Logow.tvn")};
    CPreservedFile turnoff_{CTestFolder::WindowsFile("\\Logos.sys")};
    CPreservedFile turnoffSaved_{CTestFolder::WindowsFile("\\Logos.tvn")};
    CBackupManager manager_;
};
