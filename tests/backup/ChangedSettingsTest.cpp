#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <string>
#include <vector>

#include "backup/CChangedSettings.h"
#include "backup/CWhatChangedDlg.h"
#include "res/resource.h"
#include "support/BackupTestSystem.h"
#include "support/CModalScript.h"
#include "support/CTestUser.h"
#include "support/DialogDriver.h"
#include "support/TestRegistry.h"

namespace {

using namespace backup_keys;
using namespace backup_places;

// One setting changed behind the program's back: its place, what it held at the backup and
// after the change, and the row that must then be listed for it.
struct Change {
    const char* name;
    Place place;
    State original;
    State changed;
    CChangedSettings::Row row;
    bool IsOriginal() const { return Read(place) == original; }
};

class ChangedSettingsTest : public CBackupTestSystem {
protected:
    void SetUp() override {
        CBackupTestSystem::SetUp();
        logo_.Remove();
        logoSaved_.Remove();
        systemIni_.Write("[vcache]\r\nMinFileCache=1024\r\n");
        const std::string ini = systemIni_.Path();
        // A changed value, a deleted one and one created where none existed, in the registry, a
        // profile file and a picture, across sections, with and without a restart.
        changes_ = {
            {"changed text in milliseconds",
             {Place::kRegistry, HKEY_CURRENT_USER, kDesktop, "HungAppTimeout"},
             Text("20000"),
             Text("5000"),
             {"Non-Responding Apps. Time Out", "System Tweaks",
              "HKEY_CURRENT_USER\\Control Panel\\Desktop\\HungAppTimeout", "20 seconds",
              "5 seconds", false}},
            {"deleted number",
             {Place::kRegistry, HKEY_LOCAL_MACHINE, kUpdate, "UpdateMode"},
             Number(1),
             kAbsent,
             {"Constantly Refresh Windows Explorer", "System Tweaks",
              std::string("HKEY_LOCAL_MACHINE\\") + kUpdate + "\\UpdateMode", "Off", "not set",
              false}},
            {"deleted marker",
             {Place::kRegistry, HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut"},
             Text(""),
             kAbsent,
             {"Hide Shortcut Arrows on Shortcuts", "Desktop Tweaks",
              "HKEY_CLASSES_ROOT\\lnkfile\\IsShortcut", "Off", "On", true}},
            {"changed number with a unit",
             {Place::kRegistry, HKEY_CURRENT_USER, kDesktop, "MenuShowDelay"},
             Text("400"),
             Text("50"),
             {"Start Menu Speed", "Start Menu Tweaks",
              "HKEY_CURRENT_USER\\Control Panel\\Desktop\\MenuShowDelay", "400 milliseconds",
              "50 milliseconds", true}},
            {"created flag",
             {Place::kRegistry, HKEY_USERS, kPolicies, "NoRun"},
             kAbsent,
             {true, REG_BINARY, std::string("\x01\0\0\0", 4)},
             {"Remove 'Run' from Start Menu", "Start Menu Tweaks",
              std::string("HKEY_USERS\\") + kPolicies + "\\NoRun", "not set", "On", true}},
            {"changed profile entry",
             {Place::kProfile, nullptr, ini, "vcache|MinFileCache"},
             Entry("1024"),
             Entry("2048"),
             {"VCache Size", "Hard Disk Tweaks", ini + " [vcache] MinFileCache", "1024 KB",
              "2048 KB", true}},
            {"created picture",
             {Place::kFile, nullptr, logo_.Path(), ""},
             kAbsent,
             Entry("new picture"),
             {"Startup Image", "Boot up Tweaks", "c:\\Logo.sys", "not set", "picture of 11 bytes",
              false}},
        };
        for (const Change& change : changes_)
            Write(change.place, change.original);
    }
    // The rows listed now, as /changes writes them.
    std::string Listed() {
        CChangedSettings changes;
        EXPECT_EQ(changes.Load(), COriginalsRecord::Found::kUsable);
        return changes.FormatLines();
    }
    std::vector<Change> changes_;
};

// Without a backup nothing is listed. Back up, change settings behind the program's back:
// exactly those are listed, in words and in the pages' order; a backup of another user lists only
// the settings of the whole computer. Each put back alone restores only its place; Restore Backup
// the rest, and nothing is listed any more. A record damaged by a single byte is no original.
TEST_F(ChangedSettingsTest, ListsExactlyWhatChangedAndPutsBackOneByOne) {
    CChangedSettings none;
    EXPECT_EQ(none.Load(), COriginalsRecord::Found::kNone);
    EXPECT_TRUE(none.Rows().empty());
    CTestUser user("Ann");
    ASSERT_EQ(manager_.CreateBackup(), 1);
    EXPECT_EQ(Listed(), "");
    for (const Change& change : changes_)
        Write(change.place, change.changed);

    CChangedSettings changes;
    ASSERT_EQ(changes.Load(), COriginalsRecord::Found::kUsable);
    ASSERT_EQ(changes.Rows().size(), changes_.size()) << changes.FormatLines();
    for (size_t i = 0; i < changes_.size(); ++i) {
        SCOPED_TRACE(changes_[i].name);
        const CChangedSettings::Row& expected = changes_[i].row;
        const CChangedSettings::Row& row = changes.Rows()[i];
        EXPECT_EQ(row.tweak, expected.tweak);
        EXPECT_EQ(row.section, expected.section);
        EXPECT_TRUE(lstrcmpiA(row.place.c_str(), expected.place.c_str()) == 0) << row.place;
        EXPECT_EQ(row.original, expected.original);
        EXPECT_EQ(row.current, expected.current);
        EXPECT_EQ(row.restart, expected.restart);
    }
    EXPECT_EQ(changes.RestartCount(), 4);
    EXPECT_TRUE(changes.OtherUser().empty());
    // Another user's backup; an unknown user (9x with nobody logged on) is taken as its maker.
    user.Set("Bob");
    CChangedSettings others;
    ASSERT_EQ(others.Load(), COriginalsRecord::Found::kUsable);
    EXPECT_EQ(others.OtherUser(), "Ann");
    for (const CChangedSettings::Row& row : others.Rows())
        EXPECT_EQ(row.place.find("HKEY_CURRENT_USER"), std::string::npos) << row.place;
    EXPECT_EQ(others.Rows().size(), changes_.size() - 2);
    user.Set("");
    ASSERT_EQ(others.Load(), COriginalsRecord::Found::kUsable);
    EXPECT_EQ(others.Rows().size(), changes_.size());
    user.Set("Ann");

    // Put back one at a time, from the middle: only that place comes back.
    std::vector<const Change*> left;
    for (const Change& change : changes_)
        left.push_back(&change);
    for (size_t pick : {4u, 0u, 4u}) {
        const Change* chosen = left[pick];
        SCOPED_TRACE(chosen->name);
        size_t row = 0;
        while (row < changes.Rows().size() && changes.Rows()[row].tweak != chosen->row.tweak)
            ++row;
        ASSERT_LT(row, changes.Rows().size());
        EXPECT_TRUE(changes.PutBack(row).Complete());
        EXPECT_TRUE(chosen->IsOriginal());
        left.erase(left.begin() + static_cast<long>(pick));
        for (const Change* other : left)
            EXPECT_FALSE(other->IsOriginal()) << other->name;
        EXPECT_EQ(changes.Rows().size(), left.size());
    }
    // What /changes writes: a line for each (the Windows folder's name may differ in case).
    std::string lines;
    for (const Change* change : left)
        lines += change->row.tweak + "\t" + change->row.place + "\t" + change->row.original + "\t" +
                 change->row.current + "\r\n";
    const std::string listed = Listed();
    EXPECT_EQ(lstrcmpiA(listed.c_str(), lines.c_str()), 0) << listed;

    // Restore Backup puts back the rest.
    ASSERT_EQ(manager_.RestoreBackup(), 1);
    for (const Change& change : changes_)
        EXPECT_TRUE(change.IsOriginal()) << change.name;
    EXPECT_EQ(Listed(), "");
    EXPECT_TRUE(messages_.Texts().empty());

    const std::string path = COriginalsRecord::DefaultPath();
    std::string record = CTestFolder::ReadFile(path);
    record[record.find("Family=") + 7] ^= 1;
    CTestFolder::WriteFile(path, record);
    EXPECT_EQ(changes.Load(), COriginalsRecord::Found::kRefused);
    EXPECT_TRUE(changes.Rows().empty());
    EXPECT_EQ(changes.FormatLines(), "");
}

int ListCount(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHANGES_LIST, LVM_GETITEMCOUNT, 0, 0));
}

std::string Cell(HWND dialog, int row, int column) {
    char text[512] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendDlgItemMessageA(dialog, IDC_CHANGES_LIST, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
    return text;
}

void SelectRow(HWND dialog, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(dialog, IDC_CHANGES_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The page from the File menu: without a backup it offers one; then it lists three settings
// changed behind the program's back, puts back the chosen one alone (which counts for the restart
// question on closing), and Put back all restores the rest as Restore Backup does. Close is the
// default button and the keys reach every button in order.
TEST_F(ChangedSettingsTest, WhatChangedOffersABackupThenPutsBackOneOrAll) {
    // The main window: its count of restart items and the restart questions it was asked.
    CRecordingMainWindow main;
    int told = 0;
    auto run = [&](CModalScript::Script script) {
        CModalScript driver(CWhatChangedDlg::kCaption, std::move(script));
        CWhatChangedDlg dialog(main, [&](int restarts) {
            main.restartChanges += restarts;
            ++told;
        });
        EXPECT_EQ(dialog.Show(nullptr), IDCANCEL);
        EXPECT_EQ(driver.Seen(), 1);
    };

    messages_.Answer(IDYES);
    run([](HWND dialog) {
        EXPECT_TRUE(Contains(ItemText(dialog, IDC_CHANGES_SUMMARY), "no backup"));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_CHANGES_BACK_UP)));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_CHANGES_PUT_BACK_ALL));
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_CHANGES_PUT_BACK));
        EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDCANCEL);
        ClickDialogButton(dialog, IDC_CHANGES_BACK_UP);
        EXPECT_EQ(ItemText(dialog, IDC_CHANGES_SUMMARY),
                  "All your settings are as they were when the backup was made.");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CHANGES_BACK_UP)));
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_CHANGES_PUT_BACK_ALL));
        EXPECT_EQ(ListCount(dialog), 0);
        ClickDialogButton(dialog, IDCANCEL);
    });
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_TRUE(Contains(messages_.Texts()[0], "backup your original settings"));
    ASSERT_EQ(CBackupManager::FindExistingBackup(), CBackupManager::Existing::kComplete);

    const Change& deleted = changes_[1];
    const Change& changed = changes_[3];
    const Change& created = changes_[4];
    for (const Change* change : {&deleted, &changed, &created})
        Write(change->place, change->changed);
    run([&](HWND dialog) {
        ASSERT_EQ(ListCount(dialog), 3);
        const Change* order[] = {&deleted, &changed, &created};
        for (int row = 0; row < 3; ++row) {
            const CChangedSettings::Row& expected = order[row]->row;
            EXPECT_EQ(Cell(dialog, row, 0), expected.tweak);
            EXPECT_EQ(Cell(dialog, row, 1), expected.section);
            EXPECT_EQ(Cell(dialog, row, 2), expected.original);
            EXPECT_EQ(Cell(dialog, row, 3), expected.current);
            EXPECT_EQ(Cell(dialog, row, 4), expected.restart ? "after restart" : "at once");
            EXPECT_EQ(Cell(dialog, row, 5), expected.place);
        }
        EXPECT_TRUE(Contains(ItemText(dialog, IDC_CHANGES_SUMMARY),
                             "3 settings differ from your original settings, 2 of them take "
                             "effect after a restart."));
        const HWND list = GetDlgItem(dialog, IDC_CHANGES_LIST);
        EXPECT_EQ(GetFocus(), list);
        HWND next = GetNextDlgTabItem(dialog, list, FALSE);
        for (int id : {IDC_CHANGES_PUT_BACK, IDC_CHANGES_PUT_BACK_ALL, IDCANCEL}) {
            EXPECT_EQ(next, GetDlgItem(dialog, id)) << id;
            next = GetNextDlgTabItem(dialog, next, FALSE);
        }
        EXPECT_EQ(next, list);

        SelectRow(dialog, 2);
        EXPECT_TRUE(IsItemEnabled(dialog, IDC_CHANGES_PUT_BACK));
        ClickDialogButton(dialog, IDC_CHANGES_PUT_BACK);
        EXPECT_TRUE(created.IsOriginal());
        EXPECT_FALSE(deleted.IsOriginal());
        EXPECT_FALSE(changed.IsOriginal());
        ASSERT_EQ(ListCount(dialog), 2);
        EXPECT_EQ(Cell(dialog, 1, 0), changed.row.tweak);
        ClickDialogButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(main.restartChanges, 1);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(messages_.Texts().size(), 1u);
    // Closing asks the main window, which asks only with restart items waiting.
    EXPECT_EQ(main.calls, std::vector<std::string>{"AskToRestart 1"});

    main.calls.clear();
    messages_.Answer(IDYES);
    run([&](HWND dialog) {
        ClickDialogButton(dialog, IDC_CHANGES_PUT_BACK_ALL);
        EXPECT_EQ(ListCount(dialog), 0);
        EXPECT_FALSE(IsItemEnabled(dialog, IDC_CHANGES_PUT_BACK));
        ClickDialogButton(dialog, IDCANCEL);
    });
    for (const Change& change : changes_)
        EXPECT_TRUE(change.IsOriginal()) << change.name;
    // The restore's question and its restart question; closing asks nothing more.
    ASSERT_EQ(messages_.Texts().size(), 2u);
    EXPECT_TRUE(Contains(messages_.Texts()[1], "restore your original"));
    EXPECT_EQ(main.calls, std::vector<std::string>{"AskToRestart 0"});
    EXPECT_EQ(told, 2);
}

} // namespace
