#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/CHostDlg.h"
#include "app/CMainDlg.h"
#include "support/CPlaceholderPage.h"
#include "app/CSectionIntroPage.h"
#include "app/CTrayIconDlg.h"
#include "app/ITrayOwner.h"
#include "app/MainPages.h"
#include "autotune/CAnalysisPage.h"
#include "autotune/CRecommendationsPage.h"
#include "backup/CBackupManager.h"
#include "backup/CWhatChangedDlg.h"
#include "platform/CMessageBox.h"
#include "platform/CTimeScale.h"
#include "platform/ProgramPaths.h"
#include "res/resource.h"
#include "res/tweakpages_ids.h"
#include "support/CModalScript.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/MessagePump.h"
#include "support/TestRegistry.h"
#include "support/DialogDriver.h"

namespace {

const char kWindows[] = "SOFTWARE\\Ostrander Works\\Torvane\\Windows";
const char kOptions[] = "SOFTWARE\\Ostrander Works\\Torvane\\Options";

// The message about the help start page, which is looked for in the Help folder beside the
// program (there is none beside the tests).
std::vector<std::string> NoHelpPage() {
    return {"We are unable to load the webpage:\n" + GetProgramDirectory() +
            "\\Help\\TVNStart.html."};
}

// A plain owner window that records what the main window asks of its owner.
class FakeOwner : public IMainWindowOwner, public IRestartHost {
public:
    FakeOwner() {
        window_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~FakeOwner() { DestroyWindow(window_); }

    HWND OwnerWindow() const override { return window_; }
    void ShowMainWindow(BOOL show) override { calls.push_back(show ? "show" : "hide"); }
    void MinimizeOwner() override { calls.push_back("minimize"); }
    void ShowAbout() override { calls.push_back("about"); }
    IRestartHost& RestartHost() override { return *this; }
    BOOL RestartSystem() override {
        calls.push_back("restart");
        return FALSE;
    }
    void QuitForRestart() override { calls.push_back("quit"); }

    // Removes the close messages posted to the owner; returns how many there were.
    int TakeCloseMessages() {
        MSG message;
        int count = 0;
        while (PeekMessageA(&message, window_, IMainWindowOwner::kCloseMainWindowMessage,
                            IMainWindowOwner::kCloseMainWindowMessage, PM_REMOVE))
            ++count;
        return count;
    }

    HWND window_;
    std::vector<std::string> calls;
};

// Pages of chosen heights; every page is a placeholder that records its Apply and Load calls.
struct PageRecord {
    std::map<int, int> heights;
    std::vector<int> order; // kinds of the pages whose Apply or Load ran, in call order
};

class RecordingPage : public CPlaceholderPage {
public:
    RecordingPage(int kind, PageRecord& record, IMainWindow& main)
        : CPlaceholderPage("page", main, record.heights.count(kind) ? record.heights[kind] : 0),
          kind_(kind), record_(record) {}
    int Apply() override {
        record_.order.push_back(kind_);
        return CPlaceholderPage::Apply();
    }
    void Load() override { record_.order.push_back(kind_); }

private:
    int kind_;
    PageRecord& record_;
};

class MainDlg : public testing::Test {
protected:
    void SetUp() override { CTimeScale::SetDivisor(3); }
    void TearDown() override {
        main_.reset();
        PumpMessages(20);
        CTimeScale::SetDivisor(1);
    }
    // The section intro pages are the program's own, the others recording pages; with
    // `realPages`, every page but the tweak pages is the program's own.
    void Open(bool realPages = false) {
        auto factory = [this, realPages](int kind, IMainWindow& main) {
            const bool tweak = kind >= kFirstTweakPage && kind <= kLastTweakPage;
            if (!tweak && (realPages || kind == kManualIntroPage || kind == kStatusIntroPage ||
                           kind == kBurnInIntroPage))
                return MakeMainPage(kind, main);
            auto page = std::make_unique<RecordingPage>(kind, pages_, main);
            MainPage made;
            made.tweak = tweak ? page.get() : nullptr;
            made.page = std::move(page);
            return made;
        };
        main_ = std::make_unique<CMainDlg>(owner_, factory);
        ASSERT_TRUE(main_->Create(owner_.OwnerWindow()));
        main_->Show(SW_SHOW);
    }
    void Click(int id) { ClickDialogButton(*main_, id); }
    // Clicks `id` with its questions answered as given; the texts shown.
    std::vector<std::string> ClickAnswering(int id, std::initializer_list<int> answers) {
        CScriptedMessages messages;
        for (int answer : answers)
            messages.Answer(answer);
        Click(id);
        return messages.Texts();
    }
    bool Shown(int id) const {
        CSkinButton* button = main_->Button(id);
        return button->IsVisible() && button->IsEnabled();
    }
    int PageHeight(int kind) const { return main_->Page(kind)->ClientRect().bottom; }

    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    FakeOwner owner_;
    PageRecord pages_;
    std::unique_ptr<CMainDlg> main_;
};

const int kTweakButtons[] = {IDC_MAIN_SYSTEM,   IDC_MAIN_DESKTOP, IDC_MAIN_STARTMENU,
                             IDC_MAIN_INTERNET, IDC_MAIN_CDROM,   IDC_MAIN_HDD,
                             IDC_MAIN_MEMORY,   IDC_MAIN_BOOTUP,  IDC_MAIN_SHUTDOWN};

TEST_F(MainDlg, SectionsShowTheirButtonsPagesBannerAndHelp) {
    Open();
    const RECT place = main_->WindowRect();
    EXPECT_EQ(place.left, 50);
    EXPECT_EQ(place.top, 50);
    EXPECT_EQ(place.right - place.left, 442);
    EXPECT_EQ(place.bottom - place.top, 490);
    EXPECT_FALSE(main_->Button(IDC_MAIN_APPLY)->IsEnabled());
    EXPECT_FALSE(main_->Button(IDC_MAIN_CANCEL)->IsEnabled());
    // Every skin button carries its name as its window text.
    EXPECT_EQ(main_->Button(IDC_MAIN_MANUAL)->Text(), "Manual Tweaks");

    // The buttons each section shows besides the navigation: none, the nine tweak modules, or one.
    const int kTweaks = -1;
    struct Expected {
        int button;
        CMainDlg::Section section;
        UINT banner;
        int page;
        bool band;
        int shown;
    };
    const Expected cases[] = {
        {IDC_MAIN_MANUAL, CMainDlg::kManual, IDB_BANNER_MANUAL, kManualIntroPage, false, kTweaks},
        {IDC_MAIN_STATUS, CMainDlg::kStatus, IDB_BANNER_STATUS, kStatusIntroPage, false,
         IDC_MAIN_MEMORY_STATUS},
        {IDC_MAIN_BURNIN, CMainDlg::kBurnIn, IDB_BANNER_BURNIN, kBurnInIntroPage, false,
         IDC_MAIN_CPU_TEST},
        {IDC_MAIN_AUTOTUNE, CMainDlg::kAutoTune, IDB_BANNER_AUTOTUNE, kAutoTuneIntroPage, true, 0},
    };
    std::vector<int> sectionButtons(std::begin(kTweakButtons), std::end(kTweakButtons));
    sectionButtons.push_back(IDC_MAIN_MEMORY_STATUS);
    sectionButtons.push_back(IDC_MAIN_CPU_TEST);
    for (const Expected& expected : cases) {
        Click(expected.button);
        SCOPED_TRACE(expected.button);
        EXPECT_EQ(main_->CurrentSection(), expected.section);
        EXPECT_EQ(main_->BannerId(), expected.banner);
        EXPECT_EQ(main_->CurrentPage(), expected.page);
        for (int kind = 0; kind < kMainPageCount; ++kind)
            EXPECT_EQ(main_->Page(kind)->IsVisible(), kind == expected.page) << kind;
        EXPECT_EQ(IsWindowVisible(main_->Item(IDC_MAIN_BAND)) != FALSE, expected.band);
        for (int id : sectionButtons) {
            const bool tweak = std::count(std::begin(kTweakButtons), std::end(kTweakButtons), id);
            const bool wanted = expected.shown == kTweaks ? tweak : id == expected.shown;
            EXPECT_EQ(Shown(id), wanted) << id;
            EXPECT_EQ(main_->Button(id)->IsVisible(), wanted) << id;
        }
        EXPECT_EQ(main_->HelpPanel().HelpText(), CMainDlg::SectionHelpText(expected.section));
        EXPECT_FALSE(main_->HelpPanel().IsVisible());
    }

    // The View menu switches the same way; the status and CPU buttons show their pages.
    main_->OnMenuCommand(IDR_VIEW_MENU, ID_VIEW_STATUS);
    EXPECT_EQ(main_->CurrentSection(), CMainDlg::kStatus);
    Click(IDC_MAIN_MEMORY_STATUS);
    EXPECT_EQ(main_->CurrentPage(), kMemoryStatusPage);
    EXPECT_EQ(main_->HelpPanel().HelpText().rfind("Memory Status Help", 0), 0u);
    main_->OnMenuCommand(IDR_VIEW_MENU, ID_VIEW_BURNIN);
    Click(IDC_MAIN_CPU_TEST);
    EXPECT_EQ(main_->CurrentPage(), kCpuTestPage);

    // Long work locks the navigation but not Minimize or the page buttons.
    main_->LockNavigation(true);
    EXPECT_FALSE(main_->Button(IDC_MAIN_MANUAL)->IsEnabled());
    EXPECT_FALSE(main_->Button(IDC_MAIN_CLOSE_BOTTOM)->IsEnabled());
    EXPECT_FALSE(main_->Button(IDC_MAIN_OPEN_HELP)->IsEnabled());
    EXPECT_TRUE(main_->Button(IDC_MAIN_MINIMIZE)->IsEnabled());
    EXPECT_TRUE(main_->Button(IDC_MAIN_CPU_TEST)->IsEnabled());
    main_->LockNavigation(false);
    EXPECT_TRUE(main_->Button(IDC_MAIN_MANUAL)->IsEnabled());
}

TEST_F(MainDlg, TheBackupGateGuardsTheTweakPagesAndTheRestoreItem) {
    Open();
    Click(IDC_MAIN_MANUAL);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FILE_MENU));
    HMENU file = GetSubMenu(menu, 0);
    main_->PrepareMenu(IDR_FILE_MENU, file);
    EXPECT_TRUE(GetMenuState(file, ID_FILE_RESTORE_BACKUP, MF_BYCOMMAND) & MF_GRAYED);
    const std::vector<std::string> asked = ClickAnswering(IDC_MAIN_DESKTOP, {IDNO});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("Do you wish to backup now?"), std::string::npos);
    EXPECT_EQ(main_->CurrentPage(), kManualIntroPage);
    EXPECT_TRUE(main_->Page(kManualIntroPage)->IsVisible());
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kOptions, "Back up").Number(), 0u);

    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Back up", 1);
    main_->PrepareMenu(IDR_FILE_MENU, file);
    EXPECT_FALSE(GetMenuState(file, ID_FILE_RESTORE_BACKUP, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
    EXPECT_TRUE(ClickAnswering(IDC_MAIN_DESKTOP, {}).empty());
    EXPECT_EQ(main_->CurrentPage(), TweakPageKind(IMainWindow::kDesktop));
    EXPECT_TRUE(main_->Page(TweakPageKind(IMainWindow::kDesktop))->IsVisible());
    EXPECT_FALSE(main_->Page(kManualIntroPage)->IsVisible());
    // The section buttons stay as they are.
    EXPECT_TRUE(Shown(IDC_MAIN_SHUTDOWN));

    // The intro page's button goes to the System page.
    Click(IDC_MAIN_MANUAL);
    ClickDialogButton(*main_->Page(kManualIntroPage), IDC_INTRO_TO_SYSTEM_TWEAKS);
    EXPECT_EQ(main_->CurrentPage(), TweakPageKind(IMainWindow::kSystem));
}

// Pages are stretched to the pager unless tall or an intro; an intro keeps its own height also
// after a tweak page has been shown in the pager that held it.
TEST_F(MainDlg, PagesAreStretchedToThePagerUnlessTallOrAnIntro) {
    pages_.heights[TweakPageKind(IMainWindow::kSystem)] = 120;
    pages_.heights[TweakPageKind(IMainWindow::kDesktop)] = 287;
    pages_.heights[TweakPageKind(IMainWindow::kStartMenu)] = 288;
    pages_.heights[TweakPageKind(IMainWindow::kInternet)] = 420;
    pages_.heights[kAutoTuneIntroPage] = 200;
    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Back up", 1);
    Open();
    main_->ShowManualSection();
    EXPECT_EQ(PageHeight(kManualIntroPage), CSectionIntroPage::kHeight);
    const int expected[][2] = {{IMainWindow::kSystem, 287},
                               {IMainWindow::kDesktop, 287},
                               {IMainWindow::kStartMenu, 288},
                               {IMainWindow::kInternet, 420}};
    for (const auto& row : expected) {
        main_->ShowTweakPage(static_cast<IMainWindow::Module>(row[0]));
        const int kind = TweakPageKind(static_cast<IMainWindow::Module>(row[0]));
        EXPECT_EQ(PageHeight(kind), row[1]) << row[0];
        EXPECT_EQ(main_->Page(kind)->ClientRect().right, 381);
        EXPECT_EQ(main_->PageHost().Pager().childHeight, row[1]);
    }
    // The pager of a tweak page is 381 wide at 10,24 of the host; of a section page 356 at 22,24.
    RECT pager = main_->PageHost().Pager().WindowRect();
    MapWindowPoints(nullptr, main_->PageHost(), reinterpret_cast<POINT*>(&pager), 2);
    EXPECT_EQ(pager.left, 10);
    EXPECT_EQ(pager.right - pager.left, 381);
    main_->ShowManualSection();
    EXPECT_EQ(PageHeight(kManualIntroPage), CSectionIntroPage::kHeight);
    EXPECT_EQ(main_->PageHost().Pager().childHeight, CSectionIntroPage::kHeight);
    main_->ShowAutoTuneSection();
    EXPECT_EQ(PageHeight(kAutoTuneIntroPage), 287);
    pager = main_->PageHost().Pager().WindowRect();
    MapWindowPoints(nullptr, main_->PageHost(), reinterpret_cast<POINT*>(&pager), 2);
    EXPECT_EQ(pager.left, 22);
    EXPECT_EQ(pager.top, 24);
}

TEST_F(MainDlg, ApplyAndCancelFollowTheChangesAndCommitInModuleOrder) {
    Open();
    auto enabled = [this] {
        return std::make_pair(main_->Button(IDC_MAIN_APPLY)->IsEnabled(),
                              main_->Button(IDC_MAIN_CANCEL)->IsEnabled());
    };
    main_->NotifyPageChange(1, 1, 0);
    main_->NotifyPageChange(0, 1, 0);
    EXPECT_EQ(enabled(), std::make_pair(false, false));
    main_->NotifyPageChange(1, 1, 0);
    main_->NotifyPageChange(1, 1, 0);
    main_->NotifyPageChange(0, 1, 0);
    EXPECT_EQ(enabled(), std::make_pair(true, true));

    // Cancel asks, reloads the nine pages in module order and starts the count again.
    main_->NotifyPageChange(1, 1, 0);
    EXPECT_EQ(ClickAnswering(IDC_MAIN_CANCEL, {IDNO}).size(), 1u);
    EXPECT_TRUE(pages_.order.empty());
    EXPECT_EQ(ClickAnswering(IDC_MAIN_CANCEL, {IDYES}),
              std::vector<std::string>{"Do you wish to Cancel the Changes you have made?"});
    std::vector<int> nine;
    for (int kind = kFirstTweakPage; kind <= kLastTweakPage; ++kind)
        nine.push_back(kind);
    EXPECT_EQ(pages_.order, nine);
    EXPECT_EQ(main_->PendingChanges(), 0);
    EXPECT_EQ(enabled(), std::make_pair(false, false));
    // After an Auto Tune commit the pages read the new values without a question.
    pages_.order.clear();
    main_->NotifyPageChange(1, 1, 0);
    {
        CScriptedMessages messages;
        main_->ReloadTweakPages();
        EXPECT_TRUE(messages.Texts().empty());
    }
    EXPECT_EQ(pages_.order, nine);
    EXPECT_EQ(enabled(), std::make_pair(false, false));

    // Apply stops at the first page that fails and leaves the buttons enabled.
    auto* cdrom = static_cast<RecordingPage*>(main_->Page(TweakPageKind(IMainWindow::kCDROM)));
    cdrom->SetApplyResult(0);
    pages_.order.clear();
    main_->NotifyPageChange(1, 1, 0);
    EXPECT_EQ(ClickAnswering(IDC_MAIN_APPLY, {IDYES}).size(), 1u);
    EXPECT_EQ(pages_.order, std::vector<int>(nine.begin(), nine.begin() + 5));
    EXPECT_EQ(enabled(), std::make_pair(true, true));

    // When all succeed: Apply, Cancel and Auto Tune are disabled; the restart question comes
    // only once a restart item was committed.
    cdrom->SetApplyResult(1);
    pages_.order.clear();
    EXPECT_EQ(ClickAnswering(IDC_MAIN_APPLY, {IDYES}).size(), 1u);
    EXPECT_EQ(pages_.order, nine);
    EXPECT_EQ(enabled(), std::make_pair(false, false));
    EXPECT_FALSE(main_->Button(IDC_MAIN_AUTOTUNE)->IsEnabled());
    main_->CountRestartChange();
    main_->NotifyPageChange(1, 1, 0);
    const std::vector<std::string> texts = ClickAnswering(IDC_MAIN_APPLY, {IDYES, IDNO});
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].find("restart Windows"), std::string::npos);
}

// "What Changed" from the File menu: a setting put back there is counted as a change that needs
// a restart, the open tweak pages are loaded again, and closing it asks to restart Windows.
TEST_F(MainDlg, WhatChangedFromTheFileMenuCountsWhatItPutBack) {
    CRegistrySandbox sandbox(CRegistrySandbox::kCurrentUser | CRegistrySandbox::kUsers |
                             CRegistrySandbox::kClassesRoot);
    const char desktop[] = "Control Panel\\Desktop";
    CTestFolder::RemoveTree(GetBackupDirectory());
    StoreText(HKEY_CURRENT_USER, desktop, "MenuShowDelay", "400");
    ASSERT_EQ(CBackupManager().CreateBackup(), 1);
    StoreText(HKEY_CURRENT_USER, desktop, "MenuShowDelay", "50");
    Open();
    CScriptedMessages messages;
    {
        CModalScript script(CWhatChangedDlg::kCaption, [](HWND dialog) {
            ClickDialogButton(dialog, IDC_CHANGES_PUT_BACK);
            ClickDialogButton(dialog, IDCANCEL);
        });
        main_->OnMenuCommand(IDR_FILE_MENU, ID_FILE_WHAT_CHANGED);
        EXPECT_EQ(script.Seen(), 1);
    }
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, desktop, "MenuShowDelay").Text(), "400");
    EXPECT_EQ(main_->RestartCount(), 1);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find("restart Windows"), std::string::npos);
    EXPECT_TRUE(owner_.calls.empty());
    CTestFolder::RemoveTree(GetBackupDirectory());
}

TEST_F(MainDlg, CloseMinimiseMenusAndTheHelpPanel) {
    Open();
    Click(IDC_MAIN_CLOSE);
    Click(IDC_MAIN_CLOSE_BOTTOM);
    main_->Send(WM_CLOSE);
    main_->OnMenuCommand(IDR_FILE_MENU, ID_FILE_CLOSE);
    EXPECT_EQ(owner_.TakeCloseMessages(), 4);
    EXPECT_TRUE(main_->Exists());
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    // Enter and Escape do nothing.
    main_->Send(WM_COMMAND, IDOK);
    main_->Send(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(main_->IsVisible());
    Click(IDC_MAIN_MINIMIZE);
    {
        // The help start page, from the Help folder beside the program (none beside the tests).
        CScriptedMessages messages;
        main_->OnMenuCommand(IDR_HELP_MENU, ID_HELP_ONLINE);
        EXPECT_EQ(messages.Texts(), NoHelpPage());
        EXPECT_EQ(messages.Owners(), std::vector<HWND>{main_->Handle()});
    }
    main_->OnMenuCommand(IDR_HELP_MENU, ID_HELP_ABOUT);
    EXPECT_EQ(owner_.calls, (std::vector<std::string>{"minimize", "about"}));

    // "Hide Program at Startup" is checked while "Show Torvane" is 0 and toggles it.
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_OPTIONS_MENU));
    HMENU options = GetSubMenu(menu, 0);
    main_->PrepareMenu(IDR_OPTIONS_MENU, options);
    EXPECT_FALSE(GetMenuState(options, ID_OPTIONS_HIDE_AT_STARTUP, MF_BYCOMMAND) & MF_CHECKED);
    main_->OnMenuCommand(IDR_OPTIONS_MENU, ID_OPTIONS_HIDE_AT_STARTUP);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane").Number(), 0u);
    main_->PrepareMenu(IDR_OPTIONS_MENU, options);
    EXPECT_TRUE(GetMenuState(options, ID_OPTIONS_HIDE_AT_STARTUP, MF_BYCOMMAND) & MF_CHECKED);
    main_->OnMenuCommand(IDR_OPTIONS_MENU, ID_OPTIONS_HIDE_AT_STARTUP);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane").Number(), 1u);
    DestroyMenu(menu);

    // The help panel slides out at the right edge, docks when the window moves, follows it
    // when hidden and shown, and slides back in.
    CHelpPanel& panel = main_->HelpPanel();
    main_->ShowTweakHelp("A tweak\n\nIts help.");
    EXPECT_TRUE(panel.IsOut());
    EXPECT_TRUE(panel.IsVisible());
    EXPECT_EQ(panel.HelpText(), "A tweak\n\nIts help.");
    RECT own = panel.WindowRect();
    RECT mainPlace = main_->WindowRect();
    EXPECT_GE(own.left, mainPlace.right - 10);
    EXPECT_LE(own.left, mainPlace.right);
    main_->MoveTo(100, 60);
    own = panel.WindowRect();
    EXPECT_EQ(own.left, 100 + 442);
    EXPECT_EQ(own.top, 60 + 50);
    main_->Show(SW_HIDE);
    EXPECT_FALSE(panel.IsVisible());
    main_->Show(SW_SHOW);
    EXPECT_TRUE(panel.IsVisible());
    Click(IDC_MAIN_OPEN_HELP);
    EXPECT_FALSE(panel.IsOut());
    EXPECT_FALSE(panel.IsVisible());
    // "Open Help" brings it out again with the text it had.
    Click(IDC_MAIN_OPEN_HELP);
    EXPECT_TRUE(panel.IsOut());
    EXPECT_EQ(panel.HelpText(), "A tweak\n\nIts help.");
    panel.Send(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(panel.IsOut());
}

// The names a text puts in quotes ('Start', "Begin Tune"); an arrow written after a name
// ('To System Tweaks->') points at the button and is no part of it. An apostrophe inside a word
// ("system's") opens no quote.
std::vector<std::string> QuotedNames(const std::string& text) {
    static const std::regex quoted(R"((?:^|[\s(])'([^'\n]+?)(?:->)?'|"([^"\n]+?)(?:->)?")");
    std::vector<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), quoted), end; it != end; ++it)
        names.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    return names;
}

BOOL CALLBACK CollectPageTexts(HWND child, LPARAM param) {
    auto& found = *reinterpret_cast<std::pair<std::string, std::set<std::string>>*>(param);
    char kind[16] = {};
    GetClassNameA(child, kind, sizeof kind);
    const std::string text = CWindow(child).Text();
    if (lstrcmpiA(kind, "Static") == 0)
        found.first += text + "\n";
    else if (lstrcmpiA(kind, "Button") == 0)
        found.second.insert(text);
    return TRUE;
}

TEST_F(MainDlg, EveryButtonAPageTellsTheUserToClickCarriesThatName) {
    Open(true);
    CMainDlg* main = main_.get();

    // Each page as it is first shown, with the texts it shows later and the names its help
    // panel text gives without quotes.
    using M = CMainDlg;
    struct Row {
        int page;
        void (M::*show)();
        std::vector<std::string> laterTexts;
        std::vector<std::string> helpNames;
        std::vector<std::string> expected; // every name the page's texts give
    };
    const Row rows[] = {
        {kAutoTuneIntroPage, &M::ShowAutoTuneSection, {}, {}, {"Help", "Start"}},
        {kAnalysisPage,
         &M::ShowAnalysisPage,
         {CAnalysisPage::kDoneMessage},
         {},
         {"Begin Tune", "Back", "Recommend Now"}},
        {kManualIntroPage, &M::ShowManualSection, {}, {}, {"Help", "To System Tweaks"}},
        {kStatusIntroPage, &M::ShowStatusSection, {}, {}, {"Help"}},
        {kBurnInIntroPage, &M::ShowBurnInSection, {}, {}, {"Help"}},
        {kMemoryStatusPage,
         &M::ShowMemoryStatusPage,
         {},
         {"Optimization Options"},
         {"Optimization Options"}},
        {kCpuTestPage, &M::ShowCpuTestPage, {}, {}, {"Start Test", "Help"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.page);
        (main->*row.show)();
        ASSERT_EQ(main->CurrentPage(), row.page);
        std::pair<std::string, std::set<std::string>> found;
        EnumChildWindows(main->Page(row.page)->Handle(), CollectPageTexts,
                         reinterpret_cast<LPARAM>(&found));
        for (const std::string& text : row.laterTexts)
            found.first += text + "\n";
        std::vector<std::string> names = QuotedNames(found.first);
        const std::string help = main->HelpPanel().HelpText();
        for (const std::string& name : row.helpNames) {
            EXPECT_NE(help.find("click on " + name + " button"), std::string::npos) << name;
            names.push_back(name);
        }
        EXPECT_EQ(names, row.expected);
        for (const std::string& name : names)
            EXPECT_EQ(found.second.count(name), 1u)
                << "no button \"" << name << "\" among: " << testing::PrintToString(found.second);
    }
}

TEST_F(MainDlg, TabReachesEveryEnabledButtonAndSpacePressesIt) {
    Open();
    main_->BringToForeground();
    Click(IDC_MAIN_MANUAL);
    std::vector<int> reached;
    HWND first = GetNextDlgTabItem(*main_, nullptr, FALSE);
    HWND item = first;
    for (int i = 0; i < 100 && item != nullptr; ++i) {
        reached.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(*main_, item, FALSE);
        if (item == first)
            break;
    }
    auto has = [&reached](int id) {
        return std::find(reached.begin(), reached.end(), id) != reached.end();
    };
    for (int id : {IDC_MAIN_AUTOTUNE, IDC_MAIN_MANUAL, IDC_MAIN_STATUS, IDC_MAIN_BURNIN,
                   IDC_MAIN_FILE_MENU, IDC_MAIN_HELP_MENU, IDC_MAIN_MINIMIZE, IDC_MAIN_CLOSE,
                   IDC_MAIN_OPEN_HELP, IDC_MAIN_CLOSE_BOTTOM, IDC_MAIN_SYSTEM, IDC_MAIN_SHUTDOWN,
                   IDC_INTRO_GET_HELP, IDC_INTRO_TO_SYSTEM_TWEAKS})
        EXPECT_TRUE(has(id)) << id;
    for (int id : {IDC_MAIN_APPLY, IDC_MAIN_CANCEL, IDC_MAIN_MEMORY_STATUS, IDC_MAIN_CPU_TEST})
        EXPECT_FALSE(has(id)) << id;

    // Shift+Tab goes back the same way.
    HWND last = GetNextDlgTabItem(*main_, first, TRUE);
    EXPECT_EQ(GetDlgCtrlID(last), reached.back());

    // Space on the focused "Manual Tweaks" button switches the section.
    Click(IDC_MAIN_STATUS);
    HWND manual = main_->Button(IDC_MAIN_MANUAL)->Handle();
    SetFocus(manual);
    SendMessageA(manual, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(manual, WM_CHAR, ' ', 0x00390001);
    SendMessageA(manual, WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpMessages(50);
    EXPECT_EQ(main_->CurrentSection(), CMainDlg::kManual);
}

// A host that does not restart the machine it runs on.
class NoRebootHost : public CHostDlg {
public:
    BOOL RestartSystem() override { return TRUE; }
};

const char kUsersDesktop[] = ".DEFAULT\\Control Panel\\Desktop";

// A host started with the main window shown and its tray icon, as the application makes them;
// the Shutdown page's box is checked.
class MainWindowQuit : public testing::Test {
protected:
    void SetUp() override {
        StoreText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                  "Torvane", "C:\\T\\T.exe");
        StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane", 1);
        StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Back up", 1);
        StoreText(HKEY_USERS, kUsersDesktop, "AutoEndTasks", "1");
        ASSERT_TRUE(host_.Create());
        auto icon = std::make_unique<CTrayIconDlg>(host_);
        icon->AddIcon();
        tray_ = icon.get();
        host_.SetTrayIcon(std::move(icon));
        ASSERT_NE(main_ = host_.MainWindow(), nullptr);
    }
    // A refused entry on the System page, so that Apply shows the real message about it.
    void RefuseAnEntry() {
        main_->ShowTweakPage(IMainWindow::kSystem);
        CPage* page = main_->Page(TweakPageKind(IMainWindow::kSystem));
        SetBox(*page, IDC_SYSTEM_TIMEOUT_BOX, true);
        SetDlgItemTextA(*page, IDC_SYSTEM_TIMEOUT_EDIT, "0");
    }
    void Apply() { ClickDialogButton(*main_, IDC_MAIN_APPLY); }
    // Whether the queue held the quit message, which is taken out.
    static bool TakeQuit() {
        MSG message;
        return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }
    // Nothing of the pages was written: the Shutdown page's value is as it was, and the System
    // page's timeout was never set.
    static void ExpectNothingWritten() {
        EXPECT_EQ(ReadStored(HKEY_USERS, kUsersDesktop, "AutoEndTasks").Text(), "1");
        EXPECT_FALSE(
            ReadStored(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout").exists);
    }

    CRegistrySandbox sandbox_;
    NoRebootHost host_;
    CTrayIconDlg* tray_ = nullptr;
    CMainDlg* main_ = nullptr;
};

TEST_F(MainWindowQuit, ApplyThenRestartEndsTheProgramAfterTheHandlerReturns) {
    main_->MoveTo(80, 70);
    main_->CountRestartChange();
    main_->NotifyPageChange(1, 1, 0);
    {
        CScriptedMessages messages;
        messages.Answer(IDYES).Answer(IDYES);
        Apply();
        EXPECT_EQ(messages.Texts().size(), 2u);
    }
    EXPECT_FALSE(host_.Exists());
    EXPECT_EQ(host_.MainWindow(), nullptr);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Torvane Left").Number(), 80u);
    EXPECT_TRUE(TakeQuit());
}

TEST_F(MainWindowQuit, HidingFromTheTrayDuringAQuestionKeepsTheAskingWindowAlive) {
    main_->NotifyPageChange(1, 1, 0);
    int questions = 0;
    // While the Apply question is open the user hides the main window from the tray menu.
    CMessageBox::SetHandler([&](HWND, const std::string&, UINT) {
        ++questions;
        host_.ShowMainWindow(FALSE);
        return IDYES;
    });
    Apply();
    CMessageBox::SetHandler(nullptr);
    EXPECT_EQ(questions, 1);
    // The hide waited for the answer; the message loop runs it afterwards.
    EXPECT_NE(host_.MainWindow(), nullptr);
    EXPECT_TRUE(PumpMessages(2000, [this] { return host_.MainWindow() == nullptr; }));
    EXPECT_TRUE(host_.Exists());
    // The message loop lets the closed window go between two messages.
    host_.ReleaseRetiredWindows();
    host_.ShowMainWindow(TRUE);
    ASSERT_NE(host_.MainWindow(), nullptr);
    EXPECT_TRUE(host_.MainWindow()->IsVisible());
}

// Hide and Exit from the tray while Apply's message is open wait for its answer: the window
// under it stays, Apply goes on with what the pages show (the Shutdown page's box is still
// checked and nothing of it is written) and the command runs afterwards.
TEST_F(MainWindowQuit, TrayCommandsDuringAQuestionWaitForItsAnswer) {
    for (int command : {ID_TRAY_HIDE, ID_TRAY_EXIT}) {
        SCOPED_TRACE(command);
        host_.ShowMainWindow(TRUE);
        ASSERT_NE(main_ = host_.MainWindow(), nullptr);
        RefuseAnEntry();
        CScriptedMessages messages;
        messages.Answer(IDYES).Answer(CScriptedMessages::kShowBox);
        bool kept = false;
        CModalScript script("Torvane", [&](HWND box) {
            tray_->Send(WM_COMMAND, static_cast<WPARAM>(command));
            kept = IsWindow(box) && main_->Exists() && host_.MainWindow() == main_;
            ClickDialogButton(box, IDOK);
        });
        Apply();
        EXPECT_EQ(script.Seen(), 1);
        EXPECT_TRUE(kept);
        ASSERT_EQ(messages.Texts().size(), 2u);
        EXPECT_EQ(messages.Texts()[1], "Please enter a number between\n1 to 50.");
        ExpectNothingWritten();
        EXPECT_FALSE(TakeQuit());
        EXPECT_TRUE(PumpMessages(2000, [&] {
            return command == ID_TRAY_HIDE ? host_.MainWindow() == nullptr : !host_.Exists();
        }));
        host_.ReleaseRetiredWindows();
    }
    EXPECT_TRUE(TakeQuit());
}

// Exit from the tray while the Auto Tune commit question is open waits for the answer: No
// commits nothing, and the program ends afterwards.
TEST_F(MainWindowQuit, ExitDuringTheCommitQuestionWaitsForTheAnswer) {
    std::vector<std::string> texts(IMainWindow::kModuleCount);
    texts[IMainWindow::kSystem] = "-App Timeout will be adjusted for a quicker response.\n";
    main_->ShowRecommendationsPage(texts);
    CScriptedMessages messages;
    messages.Answer(CScriptedMessages::kShowBox);
    bool kept = false;
    CModalScript script("Torvane", [&](HWND box) {
        tray_->Send(WM_COMMAND, ID_TRAY_EXIT);
        kept = IsWindow(box) && main_->Exists();
        ClickDialogButton(box, IDNO);
    });
    ClickDialogButton(*main_->Page(kRecommendationsPage), IDC_RESULTS_OPTIMIZE);
    EXPECT_EQ(script.Seen(), 1);
    EXPECT_TRUE(kept);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{CRecommendationsPage::kCommitQuestion});
    ExpectNothingWritten();
    EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, kOptions, "Has Tuned").exists);
    EXPECT_TRUE(PumpMessages(2000, [this] { return !host_.Exists(); }));
    EXPECT_TRUE(TakeQuit());
}

// A message ended by the destruction of the window it belongs to ends Apply: nothing more is
// read from the pages that went with it.
TEST_F(MainWindowQuit, ApplyStopsWhenTheWindowGoesUnderItsMessage) {
    RefuseAnEntry();
    CScriptedMessages messages;
    messages.Answer(IDYES).Answer(CScriptedMessages::kShowBox);
    CModalScript script("Torvane", [this](HWND) { DestroyWindow(*main_); });
    Apply();
    EXPECT_EQ(script.Seen(), 1);
    EXPECT_FALSE(main_->Exists());
    EXPECT_EQ(messages.Texts().size(), 2u);
    ExpectNothingWritten();
}

class FakeTrayOwner : public ITrayOwner {
public:
    void ShowMainWindow(BOOL show) override { calls.push_back(show ? "show" : "hide"); }
    bool IsMainWindowVisible() const override { return false; }
    bool IsOwnerMinimized() const override { return minimized; }
    void RestoreOwner() override {
        calls.push_back("restore");
        minimized = false;
    }
    void FocusOwner() override { calls.push_back("focus"); }
    HWND DialogOwner() const override { return nullptr; }
    void ShowAbout() override { calls.push_back("about"); }
    void QuitForRestart() override { calls.push_back("quit"); }

    bool minimized = true;
    std::vector<std::string> calls;
};

TEST(TrayIcon, AnimationRunsItsFramesAndResumesAndTheClickOpensTheMainWindow) {
    FakeTrayOwner owner;
    CTrayIconDlg tray(owner);
    tray.AddIcon();
    ASSERT_TRUE(tray.Exists());
    EXPECT_EQ(CTrayIconDlg::NormalTip(), "Torvane - Keeping your System Optimized");
    tray.SetTrayState(CTrayIconDlg::kStateOptimizing);
    EXPECT_NE(tray.AnimationTimerId(), 0u);
    std::vector<int> states;
    for (int tick = 0; tick < 10; ++tick) {
        tray.Send(WM_TIMER, CTrayIconDlg::kAnimationTimer);
        states.push_back(tray.CurrentState());
    }
    // Icons 138, 139, 140, 141, 142, 141, 140, 139, then again.
    EXPECT_EQ(states, (std::vector<int>{2, 3, 4, 5, 6, 5, 4, 3, 2, 3}));
    tray.SetTrayState(CTrayIconDlg::kStateNormal);
    EXPECT_EQ(tray.AnimationTimerId(), 0u);
    tray.SetTrayState(CTrayIconDlg::kStateOptimizing);
    tray.Send(WM_TIMER, CTrayIconDlg::kAnimationTimer);
    EXPECT_EQ(tray.CurrentState(), 4); // resumes after the last frame shown
    tray.SetTrayState(CTrayIconDlg::kStateNormal);

    tray.Send(CTrayIconDlg::kCallbackMessage, CTrayIconDlg::kIconId, WM_LBUTTONDOWN);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"restore", "show"}));
    {
        CScriptedMessages messages;
        tray.Send(WM_COMMAND, ID_TRAY_HELP);
        EXPECT_EQ(messages.Texts(), NoHelpPage());
    }
    tray.Send(WM_COMMAND, ID_TRAY_EXIT);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"restore", "show", "focus", "quit"}));
}

} // namespace
