#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CCommandLine.h"
#include "backup/CBackupManager.h"
#include "backup/COriginalsRecord.h"
#include "platform/CAppSettings.h"
#include "platform/ProgramPaths.h"
#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/TestRegistry.h"

namespace {

const char kDesktop[] = "Control Panel\\Desktop";

// How the words are split and matched against the switch table. No words: the program starts as
// usual. Words it does not understand: one message with the usage and exit code 64, before
// anything is read or written.
TEST(CommandLine, FindsTheSwitchAndItsFileOrShowsTheUsageOnceAndEndsWith64) {
    CRegistrySandbox sandbox;
    struct Case {
        const char* line;
        bool understood;
        const char* command;
        const char* file;
    };
    const Case cases[] = {
        {"/restore", true, "restore", ""},
        {"  /RESTORE  ", true, "restore", ""},
        {"-ReStOrE", true, "restore", ""},
        {"/restore C:\\out.txt", true, "restore", "C:\\out.txt"},
        {"/restore\t\"C:\\my files\\out.txt\"", true, "restore", "C:\\my files\\out.txt"},
        {"\"/restore\" out.txt", true, "restore", "out.txt"},
        {"/restore a.txt b.txt", false, "", ""},
        {"/restore \"\"", false, "", ""},
        {"/restore /restore", false, "", ""},
        {"/restorex", false, "", ""},
        {"restore", false, "", ""},
        {"/", false, "", ""},
        {"-", false, "", ""},
        {"/nonsense", false, "", ""},
        {"out.txt /restore", false, "", ""},
        {"/Backup", true, "backup", ""},
        {"/backup out.txt", false, "", ""},
        {"-changes \"C:\\a b.txt\"", true, "changes", "C:\\a b.txt"},
        {"/changes", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const CCommandLine line(c.line);
        EXPECT_FALSE(line.IsEmpty());
        EXPECT_EQ(line.IsUnderstood(), c.understood);
        EXPECT_EQ(line.Command(), c.command);
        EXPECT_EQ(line.File(), c.file);
        if (c.understood)
            continue;
        CScriptedMessages messages;
        EXPECT_EQ(CCommandLine(c.line).Run(), CCommandLine::kUsage);
        ASSERT_EQ(messages.Texts().size(), 1u);
        const std::string& text = messages.Texts()[0];
        for (const std::string& part :
             {std::string("\"") + c.line + "\"", std::string("/restore [FILE]"),
              std::string("/backup\n"), std::string("/changes FILE"), std::string("3: ")})
            EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
    EXPECT_EQ(CCommandLine::Split("a  \"b c\"d \"\" e"),
              (std::vector<std::string>{"a", "b cd", "", "e"}));
    CScriptedMessages messages;
    EXPECT_EQ(CCommandLine("").Run(), CCommandLine::kStartProgram);
    EXPECT_EQ(CCommandLine(" \t ").Run(), CCommandLine::kStartProgram);
    EXPECT_TRUE(messages.Texts().empty());
    // A long line is shown by its start only.
    const std::string longLine = "/" + std::string(500, 'x');
    EXPECT_EQ(CCommandLine(longLine).Run(), CCommandLine::kUsage);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].find(longLine), std::string::npos);
    EXPECT_NE(messages.Texts()[0].find(longLine.substr(0, 100)), std::string::npos);
    EXPECT_EQ(EntryCount(HKEY_LOCAL_MACHINE), 0u);
    EXPECT_EQ(EntryCount(HKEY_CURRENT_USER), 0u);
}

class CommandLineRestore : public testing::Test {
protected:
    void SetUp() override { CTestFolder::RemoveTree(GetBackupDirectory()); }
    void TearDown() override { CTestFolder::RemoveTree(GetBackupDirectory()); }

    CRegistrySandbox sandbox_;
    CPreservedFile systemIni_{CTestFolder::WindowsFile("\\System.ini")};
    CPreservedFile winIni_{CTestFolder::WindowsFile("\\win.ini")};
    CPreservedFile msdos_{"C:\\msdos.sys"};
    CTestFolder folder_{"restore"};
};

// `/restore FILE` after a backup and a change, with the backup whole or damaged: the exit code,
// the report written to FILE and the restored value; never a question, a Run entry or an option.
TEST_F(CommandLineRestore, PutsBackTheBackupWithoutQuestionsAndReportsWhatItCouldNot) {
    struct Case {
        const char* name;
        std::function<void()> damage;
        int code;
        const char* report; // a part of the report, "" for an empty one, null for no report file
        bool restored;      // whether the changed value is back
    };
    const std::string record = COriginalsRecord::DefaultPath();
    // The last module's file: the Start Menu's value comes before it.
    const std::string shutdown = CBackupManager::BackupFiles()[8];
    const Case cases[] = {
        {"whole", [] {}, CCommandLine::kDone, "", true},
        {"whole, no report file", [] {}, CCommandLine::kDone, nullptr, true},
        {"damaged record",
         [&] { CTestFolder::WriteFile(record, CTestFolder::ReadFile(record) + "x"); },
         CCommandLine::kPartly, "cannot be used", true},
        {"damaged module file", [&] { CTestFolder::WriteFile(shutdown, "not a backup"); },
         CCommandLine::kPartly, "could not be read", true},
        {"missing module file", [&] { DeleteFileA(shutdown.c_str()); }, CCommandLine::kPartly,
         "could not be read", true},
        {"no backup", [] { CTestFolder::RemoveTree(GetBackupDirectory()); }, CCommandLine::kNoInput,
         "no backup to restore", false},
    };
    const std::string report = folder_ / "report with blanks.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "200");
        ASSERT_EQ(CBackupManager().CreateBackup(), 1);
        StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "0");
        c.damage();
        CTestFolder::WriteFile(report, "an old report");

        CScriptedMessages messages;
        EXPECT_EQ(CCommandLine(c.report ? "/Restore \"" + report + "\"" : "-restore").Run(),
                  c.code);
        EXPECT_TRUE(messages.Texts().empty());
        // Without a report file the exit code alone tells.
        const std::string written = CTestFolder::ReadFile(report);
        if (c.report == nullptr)
            EXPECT_EQ(written, "an old report");
        else if (*c.report == '\0')
            EXPECT_EQ(written, "");
        else
            EXPECT_NE(written.find(c.report), std::string::npos) << written;
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay").Text(),
                  c.restored ? "200" : "0");
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, CAppSettings::kRunKey, "Torvane").exists);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ostrander Works"));
        CTestFolder::RemoveTree(GetBackupDirectory());
    }
}

// The three switches together, as a script or the uninstaller runs them: /backup makes the backup
// once and keeps it byte for byte after; /changes lists what differs; /restore puts it back.
TEST_F(CommandLineRestore, BackupChangesAndRestoreWorkTogetherWithoutAWindow) {
    const std::string list = folder_ / "changes list.txt";
    const std::string changes = "/changes \"" + list + "\"";
    StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "400");
    CScriptedMessages messages;

    EXPECT_EQ(CCommandLine(changes).Run(), CCommandLine::kNoInput);
    EXPECT_FALSE(CTestFolder::Exists(list));
    EXPECT_EQ(CCommandLine("/backup").Run(), CCommandLine::kDone);
    EXPECT_EQ(CBackupManager::FindExistingBackup(), CBackupManager::Existing::kComplete);
    // Nothing else: no option, no Run entry.
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ostrander Works"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "SOFTWARE\\Ostrander Works"));
    EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, CAppSettings::kRunKey, "Torvane").exists);
    EXPECT_EQ(CCommandLine(changes).Run(), CCommandLine::kDone);
    EXPECT_EQ(CTestFolder::ReadFile(list), "");

    std::vector<std::string> files = CBackupManager::BackupFiles();
    files.push_back(COriginalsRecord::DefaultPath());
    auto bytes = [&files] {
        std::vector<std::string> all;
        for (const std::string& file : files)
            all.push_back(CTestFolder::ReadFile(file));
        return all;
    };
    const std::vector<std::string> first = bytes();
    StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "50");
    EXPECT_EQ(CCommandLine("-BACKUP").Run(), CCommandLine::kKept);
    EXPECT_EQ(bytes(), first);

    EXPECT_EQ(CCommandLine(changes).Run(), CCommandLine::kDone);
    EXPECT_EQ(CTestFolder::ReadFile(list),
              "Start Menu Speed\tHKEY_CURRENT_USER\\Control Panel\\Desktop\\MenuShowDelay\t"
              "400 milliseconds\t50 milliseconds\r\n");
    // A list that cannot be written is not done.
    EXPECT_EQ(CCommandLine("/changes C:\\no-such-folder\\list.txt").Run(), CCommandLine::kPartly);
    EXPECT_EQ(CCommandLine("/restore").Run(), CCommandLine::kDone);
    EXPECT_EQ(CCommandLine(changes).Run(), CCommandLine::kDone);
    EXPECT_EQ(CTestFolder::ReadFile(list), "");

    // A backup part of which cannot be read is kept as it is: only the program may replace it.
    const std::string shutdown = CBackupManager::BackupFiles()[8];
    CTestFolder::WriteFile(shutdown, "not a backup");
    const std::vector<std::string> damaged = bytes();
    EXPECT_EQ(CCommandLine("/backup").Run(), CCommandLine::kPartly);
    EXPECT_EQ(bytes(), damaged);
    EXPECT_TRUE(messages.Texts().empty());
}

} // namespace
