#include <gtest/gtest.h>

#include "platform/ProgramPaths.h"
#include "platform/SystemActions.h"
#include "support/CScriptedMessages.h"

namespace {

TEST(IntToText, WritesDecimalWithSign) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(5000), "5000");
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
    EXPECT_EQ(IntToText(-2147483647 - 1), "-2147483648");
}

TEST(LinkTarget, MailAddressesGetTheSchemeOnceAndTheSubject) {
    EXPECT_EQ(BuildLinkTarget(kLinkMail, "support@example.com", ""), "mailto:support@example.com");
    EXPECT_EQ(BuildLinkTarget(kLinkMail, "MAILTO:support@example.com", ""),
              "MAILTO:support@example.com");
    EXPECT_EQ(BuildLinkTarget(kLinkMail, "a@b.c", "Torvane question"),
              "mailto:a@b.c?subject=Torvane question");
}

// The window that asks (the handler only records it): every question and report belongs to it.
const HWND kAsker = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4242));

TEST(LinkTarget, WebAddressesGetTheSchemeOnce) {
    EXPECT_EQ(BuildLinkTarget(kLinkWeb, "www.example.com", ""), "http://www.example.com");
    EXPECT_EQ(BuildLinkTarget(kLinkWeb, "HTTP://www.example.com", ""), "HTTP://www.example.com");
    EXPECT_EQ(BuildLinkTarget(kLinkWeb, "http:", ""), "http://http:");
}

TEST(LinkTarget, OtherTargetsAreOpenedAsTheyAreAndUnknownKindsNotAtAll) {
    EXPECT_EQ(BuildLinkTarget(kLinkTarget, "C:\\readme.txt", "ignored"), "C:\\readme.txt");
    EXPECT_EQ(BuildLinkTarget(3, "www.example.com", ""), "");
    CScriptedMessages messages;
    OpenLink(3, "www.example.com", "", kAsker);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(OpenWebPage, ReportsAPageThatCannotBeOpened) {
    CScriptedMessages messages;
    OpenWebPage("C:\\no such folder\\page.html", kAsker);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0],
              "We are unable to load the webpage:\nC:\\no such folder\\page.html.");
}

TEST(OpenWebPage, HelpPagesAreOpenedFromTheProgramDirectory) {
    CScriptedMessages messages;
    OpenHelpFile("", kAsker);
    OpenHelpFile(kHelpManualPage, kAsker);
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Owners(), std::vector<HWND>(2, kAsker));
    EXPECT_EQ(messages.Texts()[0], "We are unable to load the webpage:\n" + GetProgramDirectory() +
                                       "\\Help\\TVNStart.html.");
    EXPECT_EQ(messages.Texts()[1], "We are unable to load the webpage:\n" + GetProgramDirectory() +
                                       "\\Help\\ManStart.html.");
}

TEST(ProgramPaths, AreFormedFromTheProgramFile) {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    EXPECT_EQ(GetProgramFile(), buffer);
    const std::string file = buffer;
    EXPECT_EQ(GetProgramDirectory(), file.substr(0, file.find_last_of('\\')));
    EXPECT_EQ(GetBackupDirectory(), GetProgramDirectory() + "\\Backup");
    EXPECT_EQ(DirectoryOfPath("C:\\a\\b.exe"), "C:\\a");
    EXPECT_EQ(DirectoryOfPath("b.exe"), "");
}

class FakeRestartHost : public IRestartHost {
public:
    int pending = 0;
    BOOL restartResult = TRUE;
    int restarts = 0;
    int quits = 0;

    int PendingRestartCount() override { return pending; }
    BOOL RestartSystem() override {
        ++restarts;
        return restartResult;
    }
    void QuitForRestart() override { ++quits; }
};

const char kRestartQuestion[] =
    "Changes you have made will require that you restart Windows!\n\nDo you wish to restart now?";

TEST(PromptRestart, ModeOneAsksOnlyWithAPendingRestart) {
    CScriptedMessages messages;
    FakeRestartHost host;
    PromptRestart(1, host, kAsker);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(host.restarts, 0);

    host.pending = 1;
    messages.Answer(IDYES);
    PromptRestart(1, host, kAsker);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], kRestartQuestion);
    EXPECT_EQ(messages.Types()[0] & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(host.restarts, 1);
    EXPECT_EQ(host.quits, 1);
}

TEST(PromptRestart, ModeZeroAlwaysAsksAndDoesNotQuitTheProgram) {
    CScriptedMessages messages;
    FakeRestartHost host;
    messages.Answer(IDYES);
    PromptRestart(0, host, kAsker);
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(host.restarts, 1);
    EXPECT_EQ(host.quits, 0);
}

TEST(PromptRestart, NoLeavesEverythingAndAFailedRestartIsReportedOnce) {
    CScriptedMessages messages;
    FakeRestartHost host;
    host.pending = 3;
    messages.Answer(IDNO);
    PromptRestart(1, host, kAsker);
    EXPECT_EQ(host.restarts, 0);

    host.restartResult = FALSE;
    messages.Answer(IDYES);
    PromptRestart(1, host, kAsker);
    ASSERT_EQ(messages.Texts().size(), 3u);
    EXPECT_EQ(messages.Texts()[2],
              "Torvane was unable to restart your System.\nPlease restart manually.");
    EXPECT_EQ(messages.Owners(), std::vector<HWND>(3, kAsker));
    EXPECT_EQ(host.quits, 0);
}

} // namespace
