#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <windows.h>
#include <commctrl.h>

#include "archive/CArchive.h"
#include "archive/CMemoryArchiveStream.h"
#include "autotune/CAnalysisPage.h"
#include "autotune/CAnalyzerSet.h"
#include "autotune/CAutoTuneIntroPage.h"
#include "autotune/CRecommendationsPage.h"
#include "autotune/CScratchFile.h"
#include "autotune/ScratchRecords.h"
#include "platform/CAppSettings.h"
#include "platform/CTimeScale.h"
#include "platform/ProgramPaths.h"
#include "platform/WindowsVersion.h"
#include "res/resource.h"
#include "support/EmulatedSystem.h"
#include "support/CRecordingMainWindow.h"
#include "support/CModalScript.h"
#include "support/AutoTuneSystem.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/DialogDriver.h"
#include "support/MessagePump.h"
#include "support/ModuleReads.h"
#include "support/TestParentWindow.h"
#include "support/TestRegistry.h"
#include "support/RecommendationTexts.h"
#include "tweaks/CInternetTweaks.h"

namespace {

// The pages' texts, as a user reads them.
const char kFirstRunMessage[] =
    "This is the Auto Tune page.\n\nFor more Information on Auto Tune, click on the 'Help' button "
    "below \n\nTo start the Auto Tune, click on 'Start' now.";
const char kTunedMessage[] =
    "This is the Auto Tune page.\n\nYou have completed Auto Tune in a previous session, you need "
    "not run it again. If you like to further tweak your computer, you can click on the Manual "
    "Tweak icon above.";
const char kReadyTitle[] = "Torvane is ready to Tune up your system.";
const char kReadyMessage[] =
    "It is RECOMMENDED that you CLOSE OFF all other programs before continuing. "
    "You should avoid running other programs or operations during the Tuning process.\n\n"
    "To Begin, click on \"Begin Tune\".\nTo go back to Auto Tune main page, click on \"Back\".";
const char kRunningTitle[] = "Torvane is now Analyzing your system.";
const char kRunningMessage[] =
    "Please wait...\n\nTorvane will now examine your system and test each Module for optimial "
    "settings...\nPlease do not use any programs during this time.";
const char kPreparingMessage[] =
    "Please wait...\n\nTorvane is now preparing the Modules for testing.";
const char kDoneTitle[] = "Torvane has completed Analyzing your system.";
const char kDoneMessage[] =
    "Recommendations have been compiled.\n\nPlease click on \"Recommend Now\" to Continue.";
const char kResultsTitle[] = "Torvane Recommendations:";
const char kOptimizedText[] =
    "\nYour System is already Optimized. There are no further changes Torvane can make at this "
    "moment.\n\nHowever, you can switch over to Manual Tweaks to explore and customize other "
    "System and Windows Settings.";
const char kCommitQuestion[] = "Do you Wish to Commit the Optimized Values to your System?";
const char kCommittedTitle[] = "Torvane has completed the Auto Tune process.";
const char kCommittedText[] =
    "\nOptmized Settings have been committed.\n\nYou will need to restart Windows for the Changes "
    "to Take Effect.";

const char* const kScratchNames[] = {"systest.dat", "dtptest.dat", "hddtest.dat", "ramtest.dat"};

bool AnyScratchFileLeft() {
    for (const char* name : kScratchNames)
        if (GetFileAttributesA(CScratchFile::PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
    return false;
}

// Records, in their order, the timers a window gets, the texts it is given and the positions a
// progress bar is set to; `afterTimer` runs after the window's procedure has handled each timer.
class CMessageLog {
public:
    explicit CMessageLog(HWND window, std::function<void()> afterTimer = nullptr)
        : window_(window), afterTimer_(std::move(afterTimer)) {
        SetPropA(window_, kProp, this);
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~CMessageLog() {
        if (IsWindow(window_))
            Detach(window_, original_);
    }

    std::vector<UINT_PTR> timers;
    std::vector<std::string> texts;
    std::vector<int> positions;

private:
    static constexpr const char* kProp = "AutoTuneTestLog";
    static void Detach(HWND window, WNDPROC original) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(window, kProp);
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        CMessageLog* log = static_cast<CMessageLog*>(GetPropA(window, kProp));
        const WNDPROC original = log->original_;
        if (message == WM_TIMER)
            log->timers.push_back(wParam);
        else if (message == WM_SETTEXT)
            log->texts.push_back(reinterpret_cast<const char*>(lParam));
        else if (message == PBM_SETPOS)
            log->positions.push_back(static_cast<int>(wParam));
        else if (message == WM_NCDESTROY)
            Detach(window, original);
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        if (message == WM_TIMER && log->afterTimer_)
            log->afterTimer_();
        return result;
    }

    HWND window_;
    std::function<void()> afterTimer_;
    WNDPROC original_ = nullptr;
};

bool IsXPOr98() {
    const int family = ExpectedFamily();
    return family == kFamilyWinXP || family == kFamilyWin98;
}

class AutoTunePages : public AutoTuneSystem {
protected:
    void SetUp() override {
        parent_ = CreateTestParent("AutoTunePagesTestParent", 20, 20, 442, 490);
        ASSERT_NE(parent_, nullptr);
        CTimeScale::SetDivisor(1000);
    }
    void TearDown() override {
        CTimeScale::SetDivisor(1);
        DestroyWindow(parent_);
    }

    template <class Page> void Open(Page& page) {
        ASSERT_TRUE(page.CreatePage(parent_));
        SetWindowPos(page, nullptr, 20, 20, 356, 287, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(page, SW_SHOW);
        PumpMessages(20);
    }
    static void Click(HWND page, int id) { ClickDialogButton(page, id); }
    static bool Visible(HWND page, int id) {
        return IsWindowVisible(GetDlgItem(page, id)) != FALSE;
    }
    void ExpectReady(HWND page) {
        EXPECT_EQ(ItemText(page, IDC_ANALYSIS_TITLE), kReadyTitle);
        EXPECT_EQ(ItemText(page, IDC_ANALYSIS_MESSAGE), kReadyMessage);
        EXPECT_TRUE(Visible(page, IDC_ANALYSIS_BEGIN));
        EXPECT_TRUE(Visible(page, IDC_ANALYSIS_BACK));
        EXPECT_FALSE(Visible(page, IDC_ANALYSIS_VIEW_RESULTS));
        EXPECT_FALSE(Visible(page, IDC_ANALYSIS_PROGRESS));
        EXPECT_FALSE(Visible(page, IDC_ANALYSIS_PROGRESS_LABEL));
        EXPECT_EQ(BarPosition(page, IDC_ANALYSIS_PROGRESS), 0);
    }

    CRecordingMainWindow main_;
    HWND parent_ = nullptr;
};

TEST_F(AutoTunePages, TheIntroWordsItsMessageAndStartsOnlyAfterTheBackup) {
    {
        CAutoTuneIntroPage intro(main_);
        Open(intro);
        EXPECT_EQ(ItemText(intro, IDC_INTRO_MESSAGE), kFirstRunMessage);
        // The help page comes from the Help folder beside the program (there is none beside the
        // tests: its failure is reported), then the help panel slides out.
        CScriptedMessages messages;
        Click(intro, IDC_INTRO_GET_HELP);
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"We are unable to load the webpage:\n" +
                                           GetProgramDirectory() + "\\Help\\AutoStart.html."});
        EXPECT_EQ(main_.calls, std::vector<std::string>{"ShowTweakHelp "});
        main_.calls.clear();
        // No to the first-run backup question leaves Auto Tune where it is; once the settings
        // are backed up it starts without a question.
        CTestFolder::RemoveTree(GetBackupDirectory());
        Click(intro, IDC_INTRO_START_TUNING);
        ASSERT_EQ(messages.Texts().size(), 2u);
        EXPECT_NE(messages.Texts()[1].find("backup your original settings"), std::string::npos);
        EXPECT_TRUE(main_.calls.empty());
        CAppSettings().SetBackedUp(1);
        Click(intro, IDC_INTRO_START_TUNING);
        EXPECT_EQ(messages.Texts().size(), 2u);
        EXPECT_EQ(main_.calls, std::vector<std::string>{"ShowAnalysisPage"});
    }
    CAppSettings().SetHasTuned(1);
    CAutoTuneIntroPage intro(main_);
    // The page fits the pager's width and height as it comes from its template.
    ASSERT_TRUE(intro.CreatePage(parent_));
    RECT natural = {};
    GetClientRect(intro, &natural);
    EXPECT_LE(natural.right, 356);
    EXPECT_LE(natural.bottom, 287);
    ShowWindow(intro, SW_SHOW);
    EXPECT_EQ(ItemText(intro, IDC_INTRO_MESSAGE), kTunedMessage);
    EXPECT_EQ(GetParent(intro), parent_);
    EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(intro, IDC_INTRO_START_TUNING), GWL_STYLE) &
                WS_TABSTOP);
}

TEST_F(AutoTunePages, ResultsWithNothingToChangeSayTheSystemIsOptimized) {
    CScriptedMessages messages;
    CRecommendationsPage results(main_);
    Open(results);
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TITLE), kResultsTitle);

    results.SetResults(std::vector<std::string>(9));
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TEXT), kOptimizedText);
    EXPECT_FALSE(IsItemEnabled(results, IDC_RESULTS_OPTIMIZE));
    EXPECT_TRUE(IsItemEnabled(results, IDC_RESULTS_GO_BACK));
    EXPECT_FALSE(Visible(results, IDC_RESULTS_PROGRESS));

    std::vector<std::string> internetOnly(9);
    internetOnly[CAnalyzerSet::kInternet] = "-MTU will be adjusted for faster transmission.\n";
    results.SetResults(internetOnly);
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TEXT), internetOnly[CAnalyzerSet::kInternet]);
    EXPECT_TRUE(IsItemEnabled(results, IDC_RESULTS_OPTIMIZE));

    CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ostrander Works\\Linkvane");
    results.SetResults(internetOnly);
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TEXT), kOptimizedText);
    EXPECT_FALSE(IsItemEnabled(results, IDC_RESULTS_OPTIMIZE));

    // Anything but Yes to the commit question changes nothing: No, Cancel, or 0 (the box ended
    // by its owner's destruction); Go Back returns to the intro.
    std::vector<std::string> some(9);
    some[CAnalyzerSet::kSystem] = "-App Timeout will be adjusted for a quicker response.\n";
    results.SetResults(some);
    for (int answer : {IDNO, 0, IDCANCEL}) {
        messages.Answer(answer);
        Click(results, IDC_RESULTS_OPTIMIZE);
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(3, kCommitQuestion));
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout").exists);
    Click(results, IDC_RESULTS_GO_BACK);
    EXPECT_EQ(main_.calls, std::vector<std::string>{"ShowAutoTuneSection"});

    // With Linkvane installed the Internet values are neither listed nor committed.
    some[CAnalyzerSet::kInternet] = internetOnly[CAnalyzerSet::kInternet];
    results.SetResults(some);
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TEXT), some[CAnalyzerSet::kSystem]);
    messages.Answer(IDYES);
    Click(results, IDC_RESULTS_OPTIMIZE);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout").Text(),
              "5000");
    DWORD rwin = 0;
    CInternetTweaks().GetRWIN(rwin);
    EXPECT_NE(rwin, 3216u);
}

TEST_F(AutoTunePages, AScratchFileThatCannotBeMadeEndsTheRunAndSaysWhy) {
    CScriptedMessages messages;
    const std::string blocker = CScratchFile::PathOf("systest.dat");
    CTestFolder::RemoveTree(blocker);
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
    CAnalysisPage analysis(main_);
    Open(analysis);
    CMessageLog log(analysis);
    Click(analysis, IDC_ANALYSIS_BEGIN);
    PumpMessages(5000, [&] { return !messages.Texts().empty(); });
    PumpMessages(100);
    RemoveDirectoryA(blocker.c_str());

    EXPECT_EQ(log.timers, (std::vector<UINT_PTR>{1, 11}));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind("The analysis could not run", 0), 0u);
    EXPECT_NE(messages.Texts()[0].find(blocker), std::string::npos);
    EXPECT_EQ(main_.calls, (std::vector<std::string>{"LockNavigation 1", "LockNavigation 0"}));
    EXPECT_EQ(analysis.PendingTimer(), 0u);
    EXPECT_FALSE(analysis.IsRunning());
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    ExpectReady(analysis);
}

// The whole run, time scaled: the timer chain, every position and message, the texts handed on,
// then the commit with its writes, options, calls and the restart question.
TEST_F(AutoTunePages, ARunAnalysesListsAndCommits) {
    if (!IsXPOr98())
        GTEST_SKIP() << "the whole run is checked on Windows XP and 98";
    const bool nineX = EmulatedNineX();
    StoreText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "FontSmoothing", "1");
    CScriptedMessages messages;
    messages.Answer(IDYES);

    CAnalysisPage analysis(main_);
    Open(analysis);
    ExpectReady(analysis);
    std::vector<UINT_PTR> pending;
    std::vector<bool> waiting;
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    CMessageLog log(analysis, [&] {
        pending.push_back(analysis.PendingTimer());
        waiting.push_back(GetCursor() == wait);
    });
    CMessageLog bar(GetDlgItem(analysis, IDC_ANALYSIS_PROGRESS));
    CMessageLog text(GetDlgItem(analysis, IDC_ANALYSIS_MESSAGE));

    Click(analysis, IDC_ANALYSIS_BEGIN);
    EXPECT_TRUE(analysis.IsRunning());
    EXPECT_FALSE(Visible(analysis, IDC_ANALYSIS_BEGIN));
    EXPECT_FALSE(Visible(analysis, IDC_ANALYSIS_BACK));
    EXPECT_TRUE(Visible(analysis, IDC_ANALYSIS_PROGRESS));
    EXPECT_EQ(ItemText(analysis, IDC_ANALYSIS_TITLE), kRunningTitle);
    ASSERT_TRUE(PumpMessages(120000, [&] { return !analysis.IsRunning(); }));
    PumpMessages(50);

    const std::vector<UINT_PTR> chain = {1,  11, 51, 12, 52, 13, 53, 14, 54, 15, 55,
                                         16, 56, 17, 57, 18, 58, 19, 59, 2,  3};
    EXPECT_EQ(log.timers, chain);
    std::vector<UINT_PTR> next(chain.begin() + 1, chain.end());
    next.push_back(0);
    EXPECT_EQ(pending, next);
    std::vector<bool> expectedWaiting(chain.size(), true);
    expectedWaiting.back() = false;
    EXPECT_EQ(waiting, expectedWaiting);
    EXPECT_EQ(bar.positions,
              (std::vector<int>{2,  5,  10, 15, 20, 23, 28, 32, 36, 40, 42, 44, 46, 48, 50, 53, 56,
                                58, 60, 63, 66, 68, 70, 73, 76, 78, 80, 83, 86, 89, 92, 96, 100}));
    const std::string wait_ = "Please wait...\n\n";
    const std::string prepare = kPreparingMessage;
    std::vector<std::string> expectedTexts = {kRunningMessage};
    const char* const modules[][2] = {
        {"System Module", "System Settings"},       {"Desktop Module", "Desktop Settings"},
        {"StartMenu Module", "StartMenu Settings"}, {"Internet Module", "Internet Settings"},
        {"CDROM Module", "CD-ROM Settings"},        {"Harddisk Module", "Harddisk Settings"},
        {"Memory Module", "Memory Settings"},       {"Bootup Module", "Bootup Settings"},
        {"Shutdown Module", "Shutdown Settings"}};
    for (const auto& module : modules) {
        expectedTexts.push_back(prepare);
        expectedTexts.push_back(wait_ + "Examining " + module[0] + "...");
        expectedTexts.push_back(wait_ + "Calculating " + module[1] + "...");
    }
    expectedTexts.push_back(prepare);
    expectedTexts.push_back(
        wait_ + "Completing Analysis...\n\nCompiling Recommendation for your System...");
    expectedTexts.push_back(kDoneMessage);
    EXPECT_EQ(text.texts, expectedTexts);
    EXPECT_EQ(ItemText(analysis, IDC_ANALYSIS_TITLE), kDoneTitle);
    EXPECT_TRUE(Visible(analysis, IDC_ANALYSIS_VIEW_RESULTS));
    EXPECT_FALSE(Visible(analysis, IDC_ANALYSIS_BEGIN));
    EXPECT_FALSE(AnyScratchFileLeft());
    EXPECT_EQ(main_.calls, (std::vector<std::string>{"LockNavigation 1", "LockNavigation 0"}));

    // The nine texts go to the main window.
    main_.calls.clear();
    Click(analysis, IDC_ANALYSIS_VIEW_RESULTS);
    EXPECT_EQ(main_.calls, std::vector<std::string>{"ShowRecommendationsPage"});
    const std::vector<std::string> expected = DefaultSystemTexts(nineX, !nineX, false);
    EXPECT_EQ(main_.results, expected);

    // Shown again, the page is ready for another run.
    ShowWindow(analysis, SW_HIDE);
    ShowWindow(analysis, SW_SHOW);
    ExpectReady(analysis);

    // The results page lists them and commits.
    main_.calls.clear();
    CRecommendationsPage results(main_);
    Open(results);
    results.SetResults(main_.results);
    std::string joined;
    for (const std::string& line : expected)
        joined += line;
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TEXT), joined);
    EXPECT_TRUE(IsItemEnabled(results, IDC_RESULTS_OPTIMIZE));
    // The list is not hidden behind the buttons, which stay on the page.
    RECT list = {}, button = {}, page = {};
    GetWindowRect(GetDlgItem(results, IDC_RESULTS_TEXT), &list);
    GetWindowRect(GetDlgItem(results, IDC_RESULTS_OPTIMIZE), &button);
    GetWindowRect(results, &page);
    EXPECT_LE(list.bottom, button.top);
    EXPECT_LE(button.bottom, page.bottom);
    HWND listWindow = GetDlgItem(results, IDC_RESULTS_TEXT);
    HDC dc = GetDC(listWindow);
    HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(listWindow, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, list.right - list.left, 0};
    DrawTextA(dc, joined.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(listWindow, dc);
    EXPECT_LE(needed.bottom, list.bottom - list.top);
    // Nine lines fit the pager's height.
    if (!nineX) {
        EXPECT_LE(page.bottom - page.top, 287);
    }
    CMessageLog commitBar(GetDlgItem(results, IDC_RESULTS_PROGRESS));
    CMessageLog commitText(GetDlgItem(results, IDC_RESULTS_TEXT));
    Click(results, IDC_RESULTS_OPTIMIZE);

    EXPECT_EQ(commitBar.positions, (std::vector<int>{11, 22, 33, 44, 55, 66, 77, 88, 99, 100}));
    std::vector<std::string> commitTexts = {""};
    for (const char* module : {"System", "Start Menu", "Desktop", "Internet", "CDROM", "Harddisk",
                               "Memory", "Bootup", "Shutdown"})
        commitTexts.push_back(std::string("\nPlease wait...\n\nCommiting Settings for ") + module +
                              " Module.");
    commitTexts.push_back(kCommittedText);
    EXPECT_EQ(commitText.texts, commitTexts);
    EXPECT_EQ(ItemText(results, IDC_RESULTS_TITLE), kCommittedTitle);
    EXPECT_FALSE(Visible(results, IDC_RESULTS_OPTIMIZE));
    EXPECT_FALSE(Visible(results, IDC_RESULTS_GO_BACK));
    // However long the list was, the commit's bar is where the pager shows it unscrolled.
    RECT commitBarPlace = {};
    GetWindowRect(GetDlgItem(results, IDC_RESULTS_PROGRESS), &commitBarPlace);
    GetWindowRect(results, &page);
    EXPECT_LE(commitBarPlace.bottom - page.top, 287);
    // The open tweak pages read the committed values before the main window asks to restart
    // Windows, whatever its count of restart items.
    EXPECT_EQ(main_.calls, (std::vector<std::string>{"LockNavigation 1", "LockNavigation 0",
                                                     "EnableAutoTuneButton 0", "ReloadTweakPages",
                                                     "AskToRestart 0"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kCommitQuestion});
    CAppSettings settings;
    EXPECT_EQ(ReadThrough(settings, &CAppSettings::GetHasTuned, TRUE), 1u);
    EXPECT_EQ(ReadThrough(settings, &CAppSettings::GetShowAtStartup, TRUE), 0u);

    // Every checked value now reads as recommended ("Has Tuned" silences the Internet lines).
    CAnalyzerSet check;
    check.RecommendAll();
    for (const std::string& text : check.Compile())
        EXPECT_EQ(text, "");
    CInternetTweaks internet;
    EXPECT_EQ(ReadThrough(internet, &CInternetTweaks::GetRWIN, TRUE), 3216u);
    EXPECT_EQ(ReadThrough(internet, &CInternetTweaks::GetDefaultTTL, TRUE), 64u);
    if (!nineX) {
        EXPECT_EQ(ReadThrough(internet, &CInternetTweaks::GetMTU, TRUE), 576u);
        // Nothing of the 9x family is written on XP.
        const char explorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, explorer, "Max Cached Icons").exists);
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE,
                                "SYSTEM\\CurrentControlSet\\Control\\FileSystem",
                                "ContigFileAllocSize")
                         .exists);
        EXPECT_FALSE(
            KeyExists(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\hdc"));
        EXPECT_FALSE(
            ReadStored(HKEY_USERS, ".DEFAULT\\Control Panel\\Desktop", "AutoEndTasks").exists);
        EXPECT_EQ(CTestFolder::ReadFile(systemIni_.Path()), "[vcache]\r\n");
        EXPECT_EQ(CTestFolder::ReadFile(msdos_.Path()), "[Options]\r\n");
    } else {
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE,
                                "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory "
                                "Management",
                                "DisablePagingExecutive")
                         .exists);
    }
}

// The real commit question, ended by the destruction of the window it belongs to, commits
// nothing and leaves the navigation alone.
TEST_F(AutoTunePages, ACommitQuestionEndedByItsOwnersDestructionCommitsNothing) {
    CRecommendationsPage results(main_);
    Open(results);
    std::vector<std::string> some(9);
    some[CAnalyzerSet::kSystem] = "-App Timeout will be adjusted for a quicker response.\n";
    results.SetResults(some);
    CModalScript destroyOwner("Torvane", [this](HWND) { DestroyWindow(parent_); });
    Click(results, IDC_RESULTS_OPTIMIZE);
    EXPECT_EQ(destroyOwner.Seen(), 1);
    EXPECT_FALSE(results.Exists());
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout").exists);
    EXPECT_FALSE(
        ReadStored(HKEY_LOCAL_MACHINE, "SOFTWARE\\Ostrander Works\\Torvane\\Options", "Has Tuned")
            .exists);
    EXPECT_TRUE(main_.calls.empty());
}

// Destroyed in the middle of a run, the page leaves no timer and no scratch file.
TEST_F(AutoTunePages, DestroyedMidRunThePageStopsCleanly) {
    if (!IsXPOr98())
        GTEST_SKIP() << "checked on Windows XP and 98";
    auto analysis = std::make_unique<CAnalysisPage>(main_);
    Open(*analysis);
    CMessageLog log(*analysis);
    const std::vector<UINT_PTR>& timers = log.timers;
    Click(*analysis, IDC_ANALYSIS_BEGIN);
    ASSERT_TRUE(PumpMessages(
        30000, [&] { return std::find(timers.begin(), timers.end(), 55) != timers.end(); }));
    EXPECT_TRUE(analysis->IsRunning());
    EXPECT_NE(analysis->PendingTimer(), 0u);
    DestroyWindow(*analysis);
    EXPECT_EQ(analysis->PendingTimer(), 0u);
    EXPECT_FALSE(analysis->IsRunning());
    const size_t fired = timers.size();
    PumpMessages(100);
    EXPECT_EQ(timers.size(), fired);
    EXPECT_FALSE(AnyScratchFileLeft());
    analysis.reset();
}

// Each scratch file holds its passes of records of the documented shapes: so many numbers, then
// so many texts; the first record's known numbers (by position) and texts.
const struct {
    ScratchKind kind;
    const char* fileName;
    int passes, numbers, texts;
    std::vector<std::pair<size_t, DWORD>> firstNumbers;
    std::vector<std::string> firstTexts;
} kScratchFiles[] = {
    // clang-format off
    {ScratchKind::kSystem, "systest.dat", 500, 2, 3, {{0, 5000}, {1, 2000}},
     {"5000", "2000", "-App Timeout will be adjusted for a quicker response.\n"}},
    {ScratchKind::kDesktop, "dtptest.dat", 100, 7, 0, {{0, 0}, {2, 8192}}, {}},
    // 64 MB: a quarter for the cache, 512 KB chunks and contiguous size, no FIFO.
    {ScratchKind::kHardDisk, "hddtest.dat", 750, 5, 0,
     {{0, 16384}, {1, 16384}, {2, 512}, {3, 512}, {4, 0}}, {}},
    {ScratchKind::kMemory, "ramtest.dat", 500, 6, 0, {{0, 1}, {2, 1}, {4, 1}}, {}},
    // clang-format on
};

TEST_F(AutoTunePages, ScratchFilesHoldTheirRecords) {
    if (!IsXPOr98())
        GTEST_SKIP() << "checked on Windows XP and 98";
    StoreText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout", "2000");
    CTestFolder folder("scratch");
    for (const auto& file : kScratchFiles) {
        SCOPED_TRACE(file.fileName);
        EXPECT_STREQ(ScratchPlanOf(file.kind).fileName, file.fileName);
        const std::string path = folder / file.fileName;
        ASSERT_EQ(WriteScratchFile(file.kind, path), 0u);
        const std::string bytes = CTestFolder::ReadFile(path);
        CMemoryArchiveStream stream(std::vector<unsigned char>(bytes.begin(), bytes.end()));
        CArchive archive(stream, CArchive::kLoad);
        std::vector<DWORD> first;
        std::vector<std::string> firstTexts;
        for (int pass = 0; pass < file.passes; ++pass) {
            for (int i = 0; i < file.numbers; ++i)
                first.push_back(archive.ReadNumber());
            for (int i = 0; i < file.texts; ++i)
                firstTexts.push_back(archive.ReadText());
        }
        EXPECT_EQ(stream.Remaining(), 0u);
        for (const auto& [at, number] : file.firstNumbers)
            EXPECT_EQ(first[at], number) << at;
        firstTexts.resize(file.texts);
        EXPECT_EQ(firstTexts, file.firstTexts);
    }
}

} // namespace
