#include "app/CMainDlg.h"

#include "app/IMainWindowOwner.h"
#include "app/RestartQuestion.h"
#include "backup/BackupCommands.h"
#include "backup/CWhatChangedDlg.h"
#include "platform/CMessageBox.h"
#include "platform/ShellOpen.h"
#include "res/resource.h"
#include "ui/SkinRegion.h"

namespace {

// Where a button is shown: always, or only in one section.
constexpr int kAlways = -1;

struct MainButton {
    int id;
    const char* tooltip; // empty: no tooltip
    const char* name;    // the window text screen readers announce
    UINT normal, hover, pressed, disabled;
    int x, y;
    int section;
};

// In creation order: section and command buttons, the nine tweak buttons, then 1531 and 1541.
const MainButton kButtons[] = {
    {IDC_MAIN_AUTOTUNE, "Auto Tune", "Auto Tune", IDB_AUTOTUNE_NORMAL, IDB_AUTOTUNE_HOVER,
     IDB_AUTOTUNE_PRESSED, IDB_AUTOTUNE_DISABLED, 22, 33, kAlways},
    {IDC_MAIN_MANUAL, "Manual Tweaks", "Manual Tweaks", IDB_MANUAL_NORMAL, IDB_MANUAL_HOVER,
     IDB_MANUAL_PRESSED, IDB_MANUAL_DISABLED, 84, 34, kAlways},
    {IDC_MAIN_STATUS, "System Status", "System Status", IDB_STATUS_NORMAL, IDB_STATUS_HOVER,
     IDB_STATUS_PRESSED, IDB_STATUS_DISABLED, 146, 34, kAlways},
    {IDC_MAIN_BURNIN, "Burn-in Tests", "Burn-in Tests", IDB_BURNIN_NORMAL, IDB_BURNIN_HOVER,
     IDB_BURNIN_PRESSED, IDB_BURNIN_DISABLED, 208, 33, kAlways},
    {IDC_MAIN_FILE_MENU, "", "File", IDB_MENU_FILE_NORMAL, IDB_MENU_FILE_HOVER,
     IDB_MENU_FILE_PRESSED, IDB_MENU_FILE_NORMAL, 15, 14, kAlways},
    {IDC_MAIN_OPTIONS_MENU, "", "Options", IDB_MENU_OPTIONS_NORMAL, IDB_MENU_OPTIONS_HOVER,
     IDB_MENU_OPTIONS_PRESSED, IDB_MENU_OPTIONS_NORMAL, 48, 14, kAlways},
    {IDC_MAIN_VIEW_MENU, "", "View", IDB_MENU_VIEW_NORMAL, IDB_MENU_VIEW_HOVER,
     IDB_MENU_VIEW_PRESSED, IDB_MENU_VIEW_NORMAL, 109, 14, kAlways},
    {IDC_MAIN_HELP_MENU, "", "Help", IDB_MENU_HELP_NORMAL, IDB_MENU_HELP_HOVER,
     IDB_MENU_HELP_PRESSED, IDB_MENU_HELP_NORMAL, 149, 14, kAlways},
    {IDC_MAIN_MINIMIZE, "Minimize", "Minimize", IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER,
     IDB_MINIMIZE_PRESSED, IDB_MINIMIZE_NORMAL, 364, 13, kAlways},
    {IDC_MAIN_CLOSE, "Close Torvane", "Close Torvane", IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER,
     IDB_CLOSE_PRESSED, IDB_CLOSE_NORMAL, 390, 13, kAlways},
    {IDC_MAIN_OPEN_HELP, "Open Help", "Open Help", IDB_OPEN_HELP_NORMAL, IDB_OPEN_HELP_HOVER,
     IDB_OPEN_HELP_PRESSED, IDB_OPEN_HELP_DISABLED, 418, 233, kAlways},
    {IDC_MAIN_APPLY, "Apply the changes", "Apply the changes", IDB_APPLY_NORMAL, IDB_APPLY_HOVER,
     IDB_APPLY_PRESSED, IDB_APPLY_DISABLED, 205, 448, kAlways},
    {IDC_MAIN_CANCEL, "Cancel the changes", "Cancel the changes", IDB_CANCEL_NORMAL,
     IDB_CANCEL_HOVER, IDB_CANCEL_PRESSED, IDB_CANCEL_DISABLED, 278, 448, kAlways},
    {IDC_MAIN_CLOSE_BOTTOM, "Close Torvane", "Close Torvane", IDB_CLOSE_MAIN_NORMAL,
     IDB_CLOSE_MAIN_HOVER, IDB_CLOSE_MAIN_PRESSED, IDB_CLOSE_MAIN_DISABLED, 346, 448, kAlways},
    {IDC_MAIN_SYSTEM, "System Tweaks", "System Tweaks", IDB_SYSTEM_NORMAL, IDB_SYSTEM_HOVER,
     IDB_SYSTEM_PRESSED, IDB_SYSTEM_DISABLED, 15, 83, CMainDlg::kManual},
    {IDC_MAIN_DESKTOP, "Desktop Tweaks", "Desktop Tweaks", IDB_DESKTOP_NORMAL, IDB_DESKTOP_HOVER,
     IDB_DESKTOP_PRESSED, IDB_DESKTOP_DISABLED, 60, 83, CMainDlg::kManual},
    {IDC_MAIN_STARTMENU, "Start Menu Tweaks", "Start Menu Tweaks", IDB_STARTMENU_NORMAL,
     IDB_STARTMENU_HOVER, IDB_STARTMENU_PRESSED, IDB_STARTMENU_DISABLED, 105, 84,
     CMainDlg::kManual},
    {IDC_MAIN_INTERNET, "Internet Tweaks", "Internet Tweaks", IDB_INTERNET_NORMAL,
     IDB_INTERNET_HOVER, IDB_INTERNET_PRESSED, IDB_INTERNET_DISABLED, 150, 84, CMainDlg::kManual},
    {IDC_MAIN_CDROM, "CDROM Tweaks", "CDROM Tweaks", IDB_CDROM_NORMAL, IDB_CDROM_HOVER,
     IDB_CDROM_PRESSED, IDB_CDROM_DISABLED, 195, 83, CMainDlg::kManual},
    {IDC_MAIN_HDD, "Hard Disk Tweaks", "Hard Disk Tweaks", IDB_HDD_NORMAL, IDB_HDD_HOVER,
     IDB_HDD_PRESSED, IDB_HDD_DISABLED, 240, 86, CMainDlg::kManual},
    {IDC_MAIN_MEMORY, "Memory Tweaks", "Memory Tweaks", IDB_MEMORY_NORMAL, IDB_MEMORY_HOVER,
     IDB_MEMORY_PRESSED, IDB_MEMORY_DISABLED, 285, 83, CMainDlg::kManual},
    {IDC_MAIN_BOOTUP, "Boot up Tweaks", "Boot up Tweaks", IDB_BOOTUP_NORMAL, IDB_BOOTUP_HOVER,
     IDB_BOOTUP_PRESSED, IDB_BOOTUP_DISABLED, 330, 83, CMainDlg::kManual},
    {IDC_MAIN_SHUTDOWN, "Shut down Tweaks", "Shut down Tweaks", IDB_SHUTDOWN_NORMAL,
     IDB_SHUTDOWN_HOVER, IDB_SHUTDOWN_PRESSED, IDB_SHUTDOWN_DISABLED, 375, 83, CMainDlg::kManual},
    {IDC_MAIN_MEMORY_STATUS, "Memory Tweaks", "Memory Tweaks", IDB_MEMORY_NORMAL, IDB_MEMORY_HOVER,
     IDB_MEMORY_PRESSED, IDB_MEMORY_DISABLED, 15, 83, CMainDlg::kStatus},
    {IDC_MAIN_CPU_TEST, "CPU Tests", "CPU Tests", IDB_CPU_TESTS_NORMAL, IDB_CPU_TESTS_HOVER,
     IDB_CPU_TESTS_PRESSED, IDB_CPU_TESTS_DISABLED, 15, 83, CMainDlg::kBurnIn},
};

// The tweak buttons in module order.
const int kTweakButtons[IMainWindow::kModuleCount] = {
    IDC_MAIN_SYSTEM, IDC_MAIN_DESKTOP, IDC_MAIN_STARTMENU, IDC_MAIN_INTERNET, IDC_MAIN_CDROM,
    IDC_MAIN_HDD,    IDC_MAIN_MEMORY,  IDC_MAIN_BOOTUP,    IDC_MAIN_SHUTDOWN};

// Pages: the host's background while the page is shown (0 keeps it), the page width, and
// whether a short page keeps its own height (the intro pages of three sections).
struct PageFacts {
    UINT hostBitmap;
    int width;
    bool keepsHeight;
};

const PageFacts kPages[kMainPageCount] = {
    {IDB_HOST_AUTOTUNE, 356, false},
    {0, 356, false},
    {0, 356, false},
    {IDB_HOST_MANUAL, 356, true},
    {IDB_HOST_STATUS, 356, true},
    {IDB_HOST_BURNIN, 356, true},
    {IDB_HOST_SYSTEM, 381, false},
    {IDB_HOST_DESKTOP, 381, false},
    {IDB_HOST_STARTMENU, 381, false},
    {IDB_HOST_INTERNET, 381, false},
    {IDB_HOST_CDROM, 381, false},
    {IDB_HOST_HDD, 381, false},
    {IDB_HOST_MEMORY, 381, false},
    {IDB_HOST_BOOTUP, 381, false},
    {IDB_HOST_SHUTDOWN, 381, false},
    {IDB_HOST_MEMORY, 381, false},
    {IDB_HOST_CPU_TEST, 381, false},
};

const char kAutoTuneHelp[] =
    "Auto Tune Help\n\n"
    "Explanation:\nAuto Tune will run a basic analysis of your system and compile a list of items "
    "that may help to improve your system.\n\n"
    "If you have completed the auto tune already and applied the said changes, you may run "
    "Torvane in tray icon mode which will help to conserve your system resources.\n\n"
    "To set it to run in tray icon mode,  click on the options menu, check the \"Hide Program at "
    "Startup\" option.\n\n";
const char kManualHelp[] =
    "Manual Tweak Help\n\n"
    "Explanation:\nThis section allows you to manually tweak the different aspects of your "
    "computer. Click on a tweak to see the help and recommendation for it.\n\n";
const char kStatusHelp[] =
    "System Status Help\n\n"
    "Explanation:\nThis section allows you to see the status of various aspects of your "
    "computer. Click on a component to see the status for it.\n\n";
const char kBurnInHelp[] =
    "Burn-in Test Help\n\n"
    "Explanation:\nThis section allows you to stress test various components of your system. "
    "Click on a component to do tests for it.\n\n";
const char kMemoryStatusHelp[] =
    "Memory Status Help\n\n"
    "Explanation:\nThe graph shows the available Physical Memory for the pass three minutes.\n\n"
    "If you have enabled the Auto memory Optimization, a red line will appear. "
    "If the green line (Available Physical memory) drops below the red line, the Auto memory "
    "Optimization routine will begin.\n\nTo set the red line, click on Optimization Options "
    "button\n\n"
    "NOTE: Please avoid running other application when memory optimization routine is in "
    "progress.\n";
const char kCpuTestHelp[] =
    "CPU Test Help\n\n"
    "Explanation:\nClick on the Start test button to start stress testing the CPU. You can do "
    "between 1 to 72 tests.\n\n"
    "The higher the number of tests, the longer it will take to finish. Each test will perform "
    "complex calculations to fully utilize the CPU to test how stable it is.\n\n"
    "NOTE: Please avoid running other application when CPU burn-in test is in progress.\n";

// Sections: banner, intro page and help text (the intro page gives the host bitmap).
struct SectionFacts {
    UINT banner;
    int introPage;
    const char* helpText;
};

const SectionFacts kSections[CMainDlg::kSectionCount] = {
    {IDB_BANNER_AUTOTUNE, kAutoTuneIntroPage, kAutoTuneHelp},
    {IDB_BANNER_MANUAL, kManualIntroPage, kManualHelp},
    {IDB_BANNER_STATUS, kStatusIntroPage, kStatusHelp},
    {IDB_BANNER_BURNIN, kBurnInIntroPage, kBurnInHelp},
};

// The menu buttons and their menus, in the order of the menu hosts.
struct MenuFacts {
    int button;
    UINT menu;
    int drop; // pixels below the button's bottom edge
};
const MenuFacts kMenus[4] = {
    {IDC_MAIN_FILE_MENU, IDR_FILE_MENU, 1},
    {IDC_MAIN_OPTIONS_MENU, IDR_OPTIONS_MENU, 0},
    {IDC_MAIN_VIEW_MENU, IDR_VIEW_MENU, 1},
    {IDC_MAIN_HELP_MENU, IDR_HELP_MENU, 1},
};

// The buttons a long operation locks.
const int kNavigationButtons[] = {IDC_MAIN_AUTOTUNE,     IDC_MAIN_MANUAL,      IDC_MAIN_STATUS,
                                  IDC_MAIN_BURNIN,       IDC_MAIN_CLOSE,       IDC_MAIN_FILE_MENU,
                                  IDC_MAIN_OPTIONS_MENU, IDC_MAIN_VIEW_MENU,   IDC_MAIN_HELP_MENU,
                                  IDC_MAIN_OPEN_HELP,    IDC_MAIN_CLOSE_BOTTOM};

// The section an opened window shows.
constexpr CMainDlg::Section kOpeningSection = CMainDlg::kAutoTune;

constexpr int kPagerTop = 24;
constexpr int kPagerHeight = 287;
constexpr int kTallPage = 288;
constexpr COLORREF kPagerColour = RGB(156, 154, 206);

} // namespace

CMainDlg::CMainDlg(IMainWindowOwner& owner, MainPageFactory pages)
    : owner_(owner), makePage_(std::move(pages)) {
    for (int i = 0; i < 4; ++i)
        menus_[i] = std::make_unique<CMenuHost>(kMenus[i].menu, *this);
}

CMainDlg::~CMainDlg() {
    // Pages and panels are children or companions of the window: the window goes first.
    if (Exists())
        DestroyWindow(window_);
}

BOOL CMainDlg::Create(HWND owner) {
    if (!CModelessDialog::Create(IDD_MAIN, owner))
        return FALSE;
    if (!Initialise()) {
        Destroy();
        return FALSE;
    }
    return TRUE;
}

const char* CMainDlg::SectionHelpText(Section section) {
    return kSections[section].helpText;
}

BOOL CMainDlg::OnInit() {
    // The rest needs the object complete; Create runs it once the dialog exists.
    return TRUE;
}

bool CMainDlg::Initialise() {
    // A title for the taskbar and screen readers; the window has no caption to show it.
    SetText("Torvane");
    if (!CreateButtons())
        return false;
    if (!SetSkin(IDB_MAIN_SKIN, kSkinTransparent))
        return false;
    SetSkinCursor(LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_SKIN_CURSOR)));

    CWindow(Item(IDC_MAIN_BANNER)).MoveTo(8, 55);
    SetBanner(IDB_BANNER_AUTOTUNE);
    CWindow frame(Item(IDC_MAIN_PAGE_AREA));
    frame.Move(15, 126, 400, 321);

    if (!pageHost_.Create(window_))
        return false;
    RECT area = {15, 126, 415, 447};
    pageHost_.CenterOn(area);
    // Tab moves from the main window's buttons into the page through the host and its pager.
    SetWindowLongPtrA(pageHost_.Pager(), GWL_EXSTYLE,
                      pageHost_.Pager().ExStyle() | WS_EX_CONTROLPARENT);

    if (!CreatePages())
        return false;
    // The help panel is made when it is first slid out or asked for (HelpPanel).

    RECT stored = {};
    if (settings_.LoadWindowRect(stored))
        MoveTo(stored.left, stored.top);
    else
        MoveTo(50, 50);

    CWindow band(Item(IDC_MAIN_BAND));
    band_.Reset(LoadBitmapA(Instance(), MAKEINTRESOURCEA(IDB_AUTOTUNE_BAND)));
    band.Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(band_.Get()));
    band.MoveTo(8, 82);
    pageHost_.Show(SW_SHOW);
    ShowSection(kOpeningSection);
    return true;
}

bool CMainDlg::CreateButtons() {
    // Each button is made as the opening shows it: those of the other sections hidden and
    // disabled, Apply and Cancel disabled until a page has changes.
    for (const MainButton& row : kButtons) {
        const bool shown = row.section == kAlways || row.section == kOpeningSection;
        const bool enabled = shown && row.id != IDC_MAIN_APPLY && row.id != IDC_MAIN_CANCEL;
        if (!buttons_.Add(window_, row.id, row.name, row.tooltip,
                          {row.normal, row.hover, row.pressed, row.disabled}, row.x, row.y, shown,
                          enabled))
            return false;
    }
    return true;
}

bool CMainDlg::CreatePages() {
    pageHost_.Pager().SetButtonSize(12);
    // The other pages are made when first needed: opening the window builds only the page it
    // shows. The memory status page, whose chart records from the opening on, follows as soon as
    // the window has been painted (OnTimer).
    return EnsurePage(kAutoTuneIntroPage) != nullptr;
}

CPage* CMainDlg::EnsurePage(int kind) {
    MainPage& slot = pages_[kind];
    if (slot.page)
        return slot.page.get();
    MainPage made = makePage_(kind, *this);
    if (!made.page || !made.page->CreatePage(pageHost_.Pager()))
        return nullptr;
    made.page->Show(SW_HIDE);
    slot = std::move(made);
    return slot.page.get();
}

ITweakPage* CMainDlg::EnsureTweakPage(int kind) {
    return EnsurePage(kind) != nullptr ? pages_[kind].tweak : nullptr;
}

void CMainDlg::SetBanner(UINT bitmapId) {
    CBitmapHandle banner(LoadBitmapA(Instance(), MAKEINTRESOURCEA(bitmapId)));
    if (!banner)
        return;
    CWindow(Item(IDC_MAIN_BANNER))
        .Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner.Get()));
    banner_ = std::move(banner); // the previous banner is deleted here
    bannerId_ = bitmapId;
}

void CMainDlg::ShowSection(Section section) {
    section_ = section;
    for (auto& page : pages_)
        if (page.page)
            page.page->Show(SW_HIDE);
    for (const MainButton& row : kButtons) {
        if (row.section == kAlways)
            continue;
        const bool shown = row.section == section;
        ShowButton(row.id, shown);
        EnableButton(row.id, shown);
    }
    CWindow(Item(IDC_MAIN_BAND)).Show(section == kAutoTune ? SW_SHOW : SW_HIDE);
    SetBanner(kSections[section].banner);
    SwitchToPage(kSections[section].introPage);
    SetPanelText(kSections[section].helpText);
}

void CMainDlg::SwitchToPage(int kind) {
    if (EnsurePage(kind) == nullptr)
        return;
    for (auto& page : pages_)
        if (page.page && page.page->IsVisible())
            page.page->Show(SW_HIDE);
    if (kPages[kind].hostBitmap != 0)
        pageHost_.SetBackground(kPages[kind].hostBitmap);
    PlacePage(kind);
    currentPage_ = kind;
    // A window not shown yet (while it is being opened) is painted once, when it is shown.
    if (IsWindowVisible(window_))
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CMainDlg::PlacePage(int kind) {
    CPage& page = *pages_[kind].page;
    CPagerCtrl& pager = pageHost_.Pager();
    const int width = kPages[kind].width;
    const int height = page.ClientRect().bottom;
    int childHeight = height;
    int pageHeight = height;
    if (height < kTallPage && !kPages[kind].keepsHeight)
        childHeight = pageHeight = kPagerHeight;
    pager.childWidth = width;
    pager.childHeight = childHeight;
    // The page goes into the pager before the pager is moved: a pager stretches the page it holds
    // to its own size when resized, and a short intro page left in it would come back taller.
    pager.SetChild(page);
    pageHost_.PlacePager(width == 356 ? 22 : 10, kPagerTop, width, kPagerHeight);
    pager.SetBackgroundColor(kPagerColour);
    pager.RecalcSize();
    page.SetPos(nullptr, 0, 0, width, pageHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    page.Show(SW_SHOW);
}

void CMainDlg::ShowTweakPage(Module module) {
    if (module < 0 || module >= kModuleCount || !EnsureOriginalBackup(window_))
        return;
    SwitchToPage(TweakPageKind(module));
}

void CMainDlg::ShowMemoryStatusPage() {
    SwitchToPage(kMemoryStatusPage);
    SetPanelText(kMemoryStatusHelp);
}

void CMainDlg::ShowCpuTestPage() {
    SwitchToPage(kCpuTestPage);
    SetPanelText(kCpuTestHelp);
}

void CMainDlg::ShowAnalysisPage() {
    SwitchToPage(kAnalysisPage);
}

void CMainDlg::ShowRecommendationsPage(const std::vector<std::string>& texts) {
    CPage* results = EnsurePage(kRecommendationsPage);
    if (results == nullptr)
        return;
    HandRecommendations(*results, texts);
    SwitchToPage(kRecommendationsPage);
}

void CMainDlg::ApplyButtons(const CPendingChanges::Buttons& buttons) const {
    if (buttons.apply != CPendingChanges::kLeave)
        EnableButton(IDC_MAIN_APPLY, buttons.apply == CPendingChanges::kEnable);
    if (buttons.cancel != CPendingChanges::kLeave)
        EnableButton(IDC_MAIN_CANCEL, buttons.cancel == CPendingChanges::kEnable);
}

void CMainDlg::NotifyPageChange(int changed, int counted, int reset) {
    ApplyButtons(pending_.Notify(changed, counted, reset));
}

void CMainDlg::LockNavigation(bool busy) {
    for (int id : kNavigationButtons)
        EnableButton(id, !busy);
}

void CMainDlg::EnableAutoTuneButton(bool enable) {
    EnableButton(IDC_MAIN_AUTOTUNE, enable);
}

void CMainDlg::SetPanelText(const std::string& text) {
    panelText_ = text;
    if (helpPanel_.Exists())
        helpPanel_.SetHelpText(text);
}

CHelpPanel& CMainDlg::HelpPanel() {
    if (!helpPanel_.Exists() && Exists() && helpPanel_.Create(window_))
        helpPanel_.SetHelpText(panelText_);
    return helpPanel_;
}

void CMainDlg::ShowTweakHelp(const std::string& text) {
    CHelpPanel& panel = HelpPanel();
    if (!text.empty())
        SetPanelText(text);
    if (!panel.IsOut())
        panel.SlideOut();
}

void CMainDlg::ToggleHelpPanel() {
    if (helpPanel_.IsOut())
        helpPanel_.SlideIn();
    else
        ShowTweakHelp(std::string());
}

void CMainDlg::OnApply() {
    if (!CMessageBox::AskYesNo(window_, "Do you wish to save the Changes you have made?") ||
        !Exists())
        return;
    for (int kind = kFirstTweakPage; kind <= kLastTweakPage; ++kind) {
        // A page not yet made is made now: Apply writes what every page shows.
        ITweakPage* page = EnsureTweakPage(kind);
        // A page's messages run their own loops: should this window be gone after one, the
        // pages that are left have nothing to read and nothing is written from them.
        if (page != nullptr && (page->Apply() == 0 || !Exists()))
            return;
    }
    EnableButton(IDC_MAIN_APPLY, false);
    EnableButton(IDC_MAIN_CANCEL, false);
    EnableButton(IDC_MAIN_AUTOTUNE, false);
    // May end the program: nothing of this window may be used after it.
    AskToRestart(kAskIfPending, window_);
}

void CMainDlg::AskToRestart(RestartMode mode, HWND asker) {
    PromptRestart(mode, restartCount_, owner_.RestartHost(), asker);
}

void CMainDlg::OnCancelChanges() {
    if (!CMessageBox::AskYesNo(window_, "Do you wish to Cancel the Changes you have made?"))
        return;
    ReloadTweakPages();
}

void CMainDlg::ReloadTweakPages() {
    for (int kind = kFirstTweakPage; kind <= kLastTweakPage; ++kind)
        if (ITweakPage* page = EnsureTweakPage(kind))
            page->Load();
    pending_.Reset();
    EnableButton(IDC_MAIN_APPLY, false);
    EnableButton(IDC_MAIN_CANCEL, false);
}

void CMainDlg::DropMenu(int buttonId) {
    for (int i = 0; i < 4; ++i) {
        if (kMenus[i].button != buttonId)
            continue;
        const RECT place = Button(buttonId)->WindowRect();
        // Paint the page now: under Wine a menu dropped after another one otherwise shows the
        // pager's background where the page is until the page is next painted.
        RedrawWindow(pageHost_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        menus_[i]->Drop(window_, place.left, place.bottom + kMenus[i].drop);
        return;
    }
}

void CMainDlg::PrepareMenu(UINT menuId, HMENU popup) {
    if (menuId == IDR_FILE_MENU) {
        DWORD backedUp = 0;
        settings_.GetBackedUp(backedUp);
        EnableMenuItem(popup, ID_FILE_RESTORE_BACKUP,
                       MF_BYCOMMAND | (backedUp == 0 ? MF_GRAYED : MF_ENABLED));
    } else if (menuId == IDR_OPTIONS_MENU) {
        showAtStartupWhenOpened_ = 1;
        settings_.GetShowAtStartup(showAtStartupWhenOpened_);
        CheckMenuItem(popup, ID_OPTIONS_HIDE_AT_STARTUP,
                      MF_BYCOMMAND | (showAtStartupWhenOpened_ == 0 ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMainDlg::OnMenuCommand(UINT /*menuId*/, UINT command) {
    switch (command) {
    case ID_FILE_RESTORE_BACKUP:
        // The open tweak pages show the restored values, not the ones they were loaded with.
        OnRestoreBackup(window_, *this, [this] { ReloadTweakPages(); });
        break;
    case ID_FILE_WHAT_CHANGED: {
        // The open tweak pages show what was put back; those needing a restart are counted.
        CWhatChangedDlg changes(*this, [this](int restarts) {
            restartCount_ += restarts;
            ReloadTweakPages();
        });
        changes.Show(window_);
        break;
    }
    case ID_FILE_CLOSE:
        // Posted: the menu host that runs this command belongs to the window being closed.
        PostMessageA(owner_.OwnerWindow(), IMainWindowOwner::kCloseMainWindowMessage, 0, 0);
        break;
    case ID_OPTIONS_HIDE_AT_STARTUP:
        settings_.SetShowAtStartup(showAtStartupWhenOpened_ == 0 ? 1 : 0);
        break;
    case ID_OPTIONS_MEMORY:
        ShowMemoryOptions(window_);
        return;
    case ID_OPTIONS_CPU_TEST:
        ShowCpuTestOptions(window_);
        return;
    case ID_VIEW_AUTOTUNE:
        ShowSection(kAutoTune);
        break;
    case ID_VIEW_MANUAL:
        ShowSection(kManual);
        break;
    case ID_VIEW_STATUS:
        ShowSection(kStatus);
        break;
    case ID_VIEW_BURNIN:
        ShowSection(kBurnIn);
        break;
    case ID_HELP_ONLINE:
        OpenHelpFile(std::string(), window_);
        break;
    case ID_HELP_ABOUT:
        owner_.ShowAbout();
        break;
    case ID_HELP_WEBSITE:
        OpenWebPage(kProductWebPage, window_);
        break;
    default:
        return;
    }
    // The keyboard stays here, where Tab and Space go on working (the invisible owner would
    // take it otherwise).
    if (Exists())
        Focus();
}

BOOL CMainDlg::OnButtonClicked(int id) {
    for (int module = 0; module < kModuleCount; ++module) {
        if (kTweakButtons[module] == id) {
            ShowTweakPage(static_cast<Module>(module));
            return TRUE;
        }
    }
    switch (id) {
    case IDC_MAIN_AUTOTUNE:
        ShowSection(kAutoTune);
        return TRUE;
    case IDC_MAIN_MANUAL:
        ShowSection(kManual);
        return TRUE;
    case IDC_MAIN_STATUS:
        ShowSection(kStatus);
        return TRUE;
    case IDC_MAIN_BURNIN:
        ShowSection(kBurnIn);
        return TRUE;
    case IDC_MAIN_MEMORY_STATUS:
        ShowMemoryStatusPage();
        return TRUE;
    case IDC_MAIN_CPU_TEST:
        ShowCpuTestPage();
        return TRUE;
    case IDC_MAIN_FILE_MENU:
    case IDC_MAIN_OPTIONS_MENU:
    case IDC_MAIN_VIEW_MENU:
    case IDC_MAIN_HELP_MENU:
        DropMenu(id);
        return TRUE;
    case IDC_MAIN_MINIMIZE:
        owner_.MinimizeOwner();
        return TRUE;
    case IDC_MAIN_CLOSE:
    case IDC_MAIN_CLOSE_BOTTOM:
        PostMessageA(owner_.OwnerWindow(), IMainWindowOwner::kCloseMainWindowMessage, 0, 0);
        return TRUE;
    case IDC_MAIN_OPEN_HELP:
        ToggleHelpPanel();
        return TRUE;
    case IDC_MAIN_APPLY:
        OnApply();
        return TRUE;
    case IDC_MAIN_CANCEL:
        OnCancelChanges();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMainDlg::FollowMove() {
    const RECT place = WindowRect();
    HWND owner = owner_.OwnerWindow();
    if (owner != nullptr)
        SetWindowPos(owner, nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    helpPanel_.Dock();
}

bool CMainDlg::RealizePalettes() {
    // Only a screen of 256 colours or fewer draws through a palette; on any other, realising
    // one changes nothing on the screen and would only repaint every button.
    HDC screen = GetDC(nullptr);
    const bool palettes = screen != nullptr && (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    if (!palettes)
        return false;
    RealizeSkinPalette();
    for (const auto& button : buttons_)
        button->RealizeButtonPalette();
    return true;
}

void CMainDlg::OnTimer(UINT_PTR id) {
    if (id != kMemoryPageTimer)
        return;
    StopTimer(kMemoryPageTimer);
    EnsurePage(kMemoryStatusPage);
    HelpPanel();
}

void CMainDlg::OnDestroy() {
    for (auto& menu : menus_)
        if (menu)
            menu->Destroy();
    helpPanel_.Destroy();
}

BOOL CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CLOSE:
        // Closing hides the program to the tray; it keeps running.
        PostMessageA(owner_.OwnerWindow(), IMainWindowOwner::kCloseMainWindowMessage, 0, 0);
        return TRUE;
    case WM_MOVE:
        FollowMove();
        return FALSE;
    case WM_SHOWWINDOW:
        helpPanel_.FollowMain(wParam != FALSE);
        // A timer's message comes after every paint: the page is made once the window is drawn.
        if (wParam != FALSE && (!pages_[kMemoryStatusPage].page || !helpPanel_.Exists()))
            StartTimer(kMemoryPageTimer, 0);
        return FALSE;
    case WM_PALETTECHANGED: {
        // A change made by one of our own windows needs nothing more: they all draw with the
        // same palette, and answering it would start the next change.
        HWND changer = reinterpret_cast<HWND>(wParam);
        if (changer != window_ && !IsChild(window_, changer))
            RealizePalettes();
        return FALSE;
    }
    case WM_QUERYNEWPALETTE:
        result = RealizePalettes() ? TRUE : FALSE;
        return TRUE;
    default:
        return CSkinDialog::OnMessage(message, wParam, lParam, result);
    }
}
