#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RestartQuestion.h"
#include "support/CScriptedMessages.h"

namespace {

// The window that asks (the handler only records it): every question and report belongs to it.
const HWND kAsker = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4242));

const char kQuestion[] =
    "Changes you have made will require that you restart Windows!\n\nDo you wish to restart now?";
const char kFailed[] = "Torvane was unable to restart your System.\nPlease restart manually.";

class FakeRestartHost : public IRestartHost {
public:
    BOOL restartResult = TRUE;
    int restarts = 0;
    int quits = 0;

    BOOL RestartSystem() override {
        ++restarts;
        return restartResult;
    }
    void QuitForRestart() override { ++quits; }
};

// kAskAlways asks whatever the count and leaves the program running; kAskIfPending asks only with a
// change waiting and ends the program once the restart started. No leaves everything; a restart
// that fails is reported once and ends nothing.
TEST(PromptRestart, AsksAsTheModeAndCountSayAndQuitsOnlyAfterPendingChanges) {
    struct Case {
        IRestartQuestion::RestartMode mode;
        int pending;
        int answer;
        BOOL restartResult;
        std::vector<std::string> texts;
        int restarts, quits;
    };
    const Case cases[] = {
        {IRestartQuestion::kAskIfPending, 0, IDYES, TRUE, {}, 0, 0},
        {IRestartQuestion::kAskIfPending, 1, IDYES, TRUE, {kQuestion}, 1, 1},
        {IRestartQuestion::kAskIfPending, 3, IDNO, TRUE, {kQuestion}, 0, 0},
        {IRestartQuestion::kAskIfPending, 3, IDYES, FALSE, {kQuestion, kFailed}, 1, 0},
        {IRestartQuestion::kAskAlways, 0, IDYES, TRUE, {kQuestion}, 1, 0},
        {IRestartQuestion::kAskAlways, 2, IDNO, TRUE, {kQuestion}, 0, 0},
        {IRestartQuestion::kAskAlways, 0, IDYES, FALSE, {kQuestion, kFailed}, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", pending " << c.pending
                                        << ", answer " << c.answer << ", restart "
                                        << c.restartResult);
        CScriptedMessages messages;
        messages.Answer(c.answer);
        FakeRestartHost host;
        host.restartResult = c.restartResult;
        PromptRestart(c.mode, c.pending, host, kAsker);
        EXPECT_EQ(messages.Texts(), c.texts);
        EXPECT_EQ(messages.Owners(), std::vector<HWND>(c.texts.size(), kAsker));
        if (!c.texts.empty()) {
            EXPECT_EQ(messages.Types()[0] & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        }
        EXPECT_EQ(host.restarts, c.restarts);
        EXPECT_EQ(host.quits, c.quits);
    }
}

} // namespace
