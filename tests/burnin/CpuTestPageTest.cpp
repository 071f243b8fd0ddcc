#include <gtest/gtest.h>

#include <atomic>
#include <windows.h>
#include <commctrl.h>
#include <memory>

#include "support/CpuTestHarness.h"
#include "burnin/CCpuTestPage.h"
#include "platform/CAppSettings.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/TestRegistry.h"

namespace {

const char kIdle[] = "Click on 'Start Test' button to test for CPU stability. For more info, "
                     "click on the 'Help' button.";
const char kRunning[] =
    "Running CPU stability tests...\nPlease do not perform other tasks during this period.";
const char kStopped[] = "Unable to test for CPU stability. Testing was not completed.\n"
                        "Click on 'Start Test' to redo testing.";

// Posts only when the value changes (and always the final one), so that the page handles a
// hundred messages a run instead of a million and the tests stay quick under Wine.
std::atomic<int> g_lastValue{-1};
BOOL WINAPI PostChanges(HWND window, UINT message, WPARAM value, LPARAM tag) {
    if (static_cast<int>(value) == g_lastValue.exchange(static_cast<int>(value)) && value != 100)
        return TRUE;
    return PostMessageA(window, message, value, tag);
}

// Refuses every post, as a full queue does, until the final message has been refused 40 times.
std::atomic<int> g_refusedFinals{0};
BOOL WINAPI PostIntoFullQueue(HWND window, UINT message, WPARAM value, LPARAM tag) {
    if (value != 100 || g_refusedFinals.fetch_add(1) < 40)
        return FALSE;
    return PostMessageA(window, message, value, tag);
}

class CpuTestPage : public testing::Test {
protected:
    void SetUp() override {
        CTimeScale::SetDivisor(10);
        CCpuTestWorker::SetPostFunction(&PostChanges);
    }
    void TearDown() override {
        page_.reset();
        CCpuTestWorker::SetPostFunction(nullptr);
        CCpuTestWorker::SetSpoiledRun(0);
        CCpuTestWorker::RefuseStarts(false);
        CTimeScale::SetDivisor(1);
        Pump(50);
    }

    void StoreCount(DWORD count) { CAppSettings().SetCPUTestCount(count); }

    HWND OpenPage() {
        page_ = std::make_unique<CCpuTestPage>(main_);
        EXPECT_TRUE(page_->CreatePage(frame_.Handle()));
        SetWindowPos(page_->Handle(), nullptr, 30, 100, 381, 287, SWP_NOZORDER | SWP_SHOWWINDOW);
        return page_->Handle();
    }
    HWND Page() const { return page_->Handle(); }
    std::string Text(int id) const { return ItemText(Page(), id); }
    bool Enabled(int id) const { return IsItemEnabled(Page(), id); }
    int BarPosition(int id) const { return ::BarPosition(Page(), id); }
    void Click(int id) { ClickDialogButton(Page(), id); }
    bool PumpUntilIdle(DWORD milliseconds = 60000) {
        return Pump(milliseconds, [&] { return !page_->IsRunning(); });
    }
    // The buttons of an idle page: Start, Help and Options on, Stop off; while running, the
    // other way round.
    void ExpectIdleButtons(bool idle = true) {
        EXPECT_EQ(Enabled(IDC_CPU_START), idle);
        EXPECT_EQ(Enabled(IDC_CPU_STOP), !idle);
        EXPECT_EQ(Enabled(IDC_CPU_HELP), idle);
        EXPECT_EQ(Enabled(IDC_CPU_OPTIONS), idle);
    }
    // Clicks Start on a page with no stored count: the options dialog comes, `script` answers it.
    void StartThroughOptions(const std::function<void(HWND)>& script) {
        DriveModal(
            "CPU Test Options",
            [this] {
                Click(IDC_CPU_START);
                return INT_PTR(0);
            },
            script);
    }
    void ExpectNoWorkerLeft() {
        EXPECT_TRUE(Pump(5000, [] { return CCpuTestWorker::LiveThreads() == 0; }));
    }
    // A started run of `count` tests: test 1 running, the navigation locked, only Stop enabled.
    void ExpectFirstRun(int count) {
        EXPECT_TRUE(page_->IsRunning());
        EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), "Running Test 1");
        EXPECT_EQ(Text(IDC_CPU_TOTAL_LABEL), "0 of " + std::to_string(count) + " Completed");
        EXPECT_EQ(Text(IDC_CPU_STATUS_TEXT), kRunning);
        EXPECT_EQ(BarPosition(IDC_CPU_TOTAL_BAR), 0);
        EXPECT_EQ(main_.locks.back(), true);
        ExpectIdleButtons(false);
    }
    // An ended run: its label and status, the navigation unlocked, the page idle, no worker left;
    // what is still posted later changes neither.
    void ExpectEnded(const std::string& label, const std::string& status) {
        EXPECT_FALSE(page_->IsRunning());
        EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), label);
        EXPECT_EQ(Text(IDC_CPU_STATUS_TEXT), status);
        EXPECT_EQ(main_.locks.back(), false);
        ExpectIdleButtons();
        ExpectNoWorkerLeft();
        Pump(300);
        EXPECT_FALSE(page_->IsRunning());
        EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), label);
    }

    CRegistrySandbox registry_{CRegistrySandbox::kLocalMachine};
    CScriptedMessages messages_;
    CCpuTestMainWindow main_;
    CTestFrame frame_;
    std::unique_ptr<CCpuTestPage> page_;
};

// A whole run, while every post fails as into a full queue; a run that ends with a wrong result;
// a new start from the first test again.
TEST_F(CpuTestPage, RunsCompleteOrFailAndALateFinalMessageStartsNothing) {
    StoreCount(1);
    g_refusedFinals = 0;
    CCpuTestWorker::SetPostFunction(&PostIntoFullQueue);
    OpenPage();
    EXPECT_EQ(Text(IDC_CPU_STATUS_TEXT), kIdle);
    EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), "Not Running Tests");
    EXPECT_EQ(Text(IDC_CPU_TOTAL_LABEL), "Not Running Tests");
    EXPECT_EQ(Text(IDC_CPU_CURRENT_CAPTION), "Current Test Progress :");
    EXPECT_EQ(Text(IDC_CPU_TOTAL_CAPTION), "Total Test Progress :");
    ExpectIdleButtons();
    EXPECT_EQ(BarPosition(IDC_CPU_CURRENT_BAR), 0);

    Click(IDC_CPU_HELP);
    ASSERT_EQ(main_.helpTexts.size(), 1u);
    EXPECT_EQ(main_.helpTexts[0].rfind("CPU Burn-in Test Help\n\nExplanation:\nTorvane will "
                                       "perform a specificed number of cycles",
                                       0),
              0u);

    Click(IDC_CPU_START);
    EXPECT_EQ(main_.locks, std::vector<bool>{true});
    ExpectFirstRun(1);
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_GE(g_refusedFinals.load(), 41);
    CCpuTestWorker::SetPostFunction(&PostChanges);
    EXPECT_EQ(Text(IDC_CPU_TOTAL_LABEL), "1 of 1 Completed");
    EXPECT_EQ(BarPosition(IDC_CPU_CURRENT_BAR), 100);
    EXPECT_EQ(BarPosition(IDC_CPU_TOTAL_BAR), 1);
    EXPECT_EQ((std::vector<bool>{true, false}), main_.locks);
    ExpectEnded("All Tests Completed", "Testing completed, CPU is stable.");

    // A final message arriving after the end moves the bar and nothing else.
    PostMessageA(Page(), CCpuTestWorker::kProgressMessage, 40, CCpuTestWorker::Tag(1, false));
    Pump(100);
    EXPECT_EQ(BarPosition(IDC_CPU_CURRENT_BAR), 40);
    PostMessageA(Page(), CCpuTestWorker::kProgressMessage, 100, CCpuTestWorker::Tag(1, false));
    Pump(300);
    EXPECT_EQ(BarPosition(IDC_CPU_CURRENT_BAR), 100);
    EXPECT_EQ(main_.locks.size(), 2u);
    ExpectEnded("All Tests Completed", "Testing completed, CPU is stable.");

    // A wrong result in the second test ends the run; the next start begins with the first.
    StoreCount(3);
    CCpuTestWorker::SetSpoiledRun(3); // the page's third test thread: this start's second test
    Click(IDC_CPU_START);
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(Text(IDC_CPU_TOTAL_LABEL), "1 of 3 Completed");
    EXPECT_EQ(main_.locks.size(), 4u);
    ExpectEnded(
        "Test 2 Failed",
        "The CPU produced a wrong result in test 2: it is not stable.\nTesting was stopped.");
    CCpuTestWorker::SetSpoiledRun(0);
    Click(IDC_CPU_START);
    ExpectFirstRun(3);
    Click(IDC_CPU_STOP);
}

// The first start asks for the count (Cancel changes nothing); a run stopped in its third test
// ignores what it had posted, and a new start begins again.
TEST_F(CpuTestPage, FirstStartAsksForTheCountAndStopEndsTheRun) {
    OpenPage();
    StartThroughOptions([](HWND dialog) { ClickDialogButton(dialog, IDCANCEL); });
    EXPECT_TRUE(main_.locks.empty());
    EXPECT_FALSE(page_->IsRunning());
    EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), "Not Running Tests");
    EXPECT_EQ(Text(IDC_CPU_STATUS_TEXT), kIdle);
    EXPECT_FALSE(
        ReadStored(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "CPU Test Count").exists);
    ExpectIdleButtons();
    EXPECT_EQ(CCpuTestWorker::LiveThreads(), 0);

    // OK with the simple choice: the count is stored and the test starts with it.
    StartThroughOptions([](HWND dialog) {
        PressButton(dialog, IDC_CPU_SIMPLE);
        ClickDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "CPU Test Count").Number(),
              8u);
    ExpectFirstRun(8);
    ASSERT_TRUE(Pump(60000, [this] { return Text(IDC_CPU_CURRENT_LABEL) == "Running Test 3"; }));
    EXPECT_EQ(Text(IDC_CPU_TOTAL_LABEL), "2 of 8 Completed");
    EXPECT_EQ(BarPosition(IDC_CPU_TOTAL_BAR), 2);

    Click(IDC_CPU_STOP);
    EXPECT_EQ((std::vector<bool>{true, false}), main_.locks);
    // What the stopped run had posted only moves the bar; it never starts another run.
    PostMessageA(Page(), CCpuTestWorker::kProgressMessage, 100, CCpuTestWorker::Tag(3, false));
    ExpectEnded("Tests Stopped by User", kStopped);

    Click(IDC_CPU_START);
    ExpectFirstRun(8);
    // The new run ignores what is left of the old ones.
    SendMessageA(Page(), CCpuTestWorker::kProgressMessage, 100, CCpuTestWorker::Tag(3, false));
    EXPECT_EQ(Text(IDC_CPU_CURRENT_LABEL), "Running Test 1");
    Click(IDC_CPU_STOP);
    EXPECT_EQ((std::vector<bool>{true, false, true, false}), main_.locks);
    ExpectNoWorkerLeft();
}

// A count beyond the largest int runs (it does not wrap round to none and call the processor
// stable), and a run whose thread cannot start says so rather than that the user stopped it.
TEST_F(CpuTestPage, AHugeCountRunsAndAFailedStartIsNoStopByTheUser) {
    for (DWORD count : {0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(count);
        StoreCount(count);
        OpenPage();
        Click(IDC_CPU_START);
        ExpectFirstRun(2147483647);
        Click(IDC_CPU_STOP);
        ExpectNoWorkerLeft();
    }
    StoreCount(2);
    OpenPage();
    CCpuTestWorker::RefuseStarts(true);
    Click(IDC_CPU_START);
    ExpectEnded("Test 1 could not be started", kStopped);
}

TEST_F(CpuTestPage, ClosingTheMainWindowMidRunEndsTheWorker) {
    CCpuTestWorker::SetPostFunction(nullptr); // the real flood of posts
    StoreCount(8);
    OpenPage();
    Click(IDC_CPU_START);
    Pump(300);
    ASSERT_TRUE(page_->IsRunning());
    EXPECT_EQ(CCpuTestWorker::LiveThreads(), 1);
    // The main window goes first, the page object after it.
    frame_.Destroy();
    EXPECT_EQ(CCpuTestWorker::LiveThreads(), 0);
    page_.reset();
    Pump(200);

    // The page object goes while its window still exists.
    CTestFrame frame;
    page_ = std::make_unique<CCpuTestPage>(main_);
    ASSERT_TRUE(page_->CreatePage(frame.Handle()));
    Click(IDC_CPU_START);
    Pump(300);
    EXPECT_EQ(CCpuTestWorker::LiveThreads(), 1);
    page_.reset();
    EXPECT_EQ(CCpuTestWorker::LiveThreads(), 0);
    Pump(200);
}

} // namespace
