#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <windows.h>

#include "backup/CBackupManager.h"
#include "backup/CWhatChangedDlg.h"
#include "platform/ProgramPaths.h"
#include "support/CModalScript.h"
#include "support/CRecordingMainWindow.h"
#include "support/CRegistrySandbox.h"
#include "support/CTestFolder.h"
#include "support/MessagePump.h"
#include "support/TestRegistry.h"

// Not a test: the picture source of tools/shots/what-changed-shots.sh. It backs up a sandboxed
// registry, changes three settings behind the program's back and shows "What Changed"; before
// the picture it writes the dialog's place on the screen into "what-changed-shot.txt" in the
// temporary folder and waits for the script to take the picture and delete the file.

TEST(WhatChangedShots, ThreeChangedSettings) {
    CRegistrySandbox sandbox;
    CTestFolder::RemoveTree(GetBackupDirectory());
    const char desktop[] = "Control Panel\\Desktop";
    const char policies[] =
        ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    StoreText(HKEY_CURRENT_USER, desktop, "HungAppTimeout", "20000");
    StoreText(HKEY_CURRENT_USER, desktop, "MenuShowDelay", "400");
    ASSERT_EQ(CBackupManager().CreateBackup(), 1);
    StoreText(HKEY_CURRENT_USER, desktop, "HungAppTimeout", "5000");
    StoreText(HKEY_CURRENT_USER, desktop, "MenuShowDelay", "50");
    StoreBinary(HKEY_USERS, policies, "NoRun", {1, 0, 0, 0});

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string marker = std::string(temp) + "what-changed-shot.txt";
    {
        CModalScript script(CWhatChangedDlg::kCaption, [&marker](HWND dialog) {
            PumpMessages(300);
            // Where the dialog is, as a crop geometry of the screen.
            RECT place = {};
            GetWindowRect(dialog, &place);
            std::ofstream(marker) << place.right - place.left << "x" << place.bottom - place.top
                                  << "+" << place.left << "+" << place.top;
            PumpMessages(30000, [&] {
                return GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES;
            });
        });
        CRecordingMainWindow main;
        CWhatChangedDlg dialog(main);
        dialog.Show(nullptr);
    }
    CTestFolder::RemoveTree(GetBackupDirectory());
}
