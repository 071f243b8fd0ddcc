#include "autotune/CRecommendationsPage.h"

#include <commctrl.h>

#include "autotune/CAnalyzerSet.h"
#include "platform/CAppSettings.h"
#include "platform/CMessageBox.h"
#include "platform/CRegKey.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "ui/CClientDC.h"
#include "ui/CSelectedObject.h"
#include "ui/IMainWindow.h"

namespace {

const char kLinkvaneKey[] = "SOFTWARE\\Ostrander Works\\Linkvane";

constexpr int kButtonTop = 248; // page pixels, as in the button table
constexpr int kButtonHeight = 26;
constexpr int kGap = 8;

const PageButton kButtons[] = {
    {IDC_RESULTS_GO_BACK, "Go Back", "Go Back", IDB_GO_BACK_NORMAL, IDB_GO_BACK_HOVER, IDB_GO_BACK_PRESSED,
     IDB_GO_BACK_DISABLED, 20, kButtonTop},
    {IDC_RESULTS_OPTIMIZE, "Optimize System Now", "Optimize System now", IDB_OPTIMIZE_NOW_NORMAL, IDB_OPTIMIZE_NOW_HOVER,
     IDB_OPTIMIZE_NOW_PRESSED, IDB_OPTIMIZE_NOW_DISABLED, 226, kButtonTop},
};

const int kTitleLabels[] = {IDC_RESULTS_TITLE};
const int kTextLabels[] = {IDC_RESULTS_TEXT};

constexpr COLORREF kBarColour = 0x00FF00; // green

// The commit, module by module: its message, the bar's position and the pause after the writes.
struct CommitStep {
    const char* message;
    int position;
    CAnalyzerSet::Module module;
    DWORD sleep; // ms
};

const CommitStep kCommitSteps[] = {
    {"\nPlease wait...\n\nCommiting Settings for System Module.", 11, CAnalyzerSet::kSystem, 1000},
    {"\nPlease wait...\n\nCommiting Settings for Start Menu Module.", 22, CAnalyzerSet::kStartMenu,
     1000},
    {"\nPlease wait...\n\nCommiting Settings for Desktop Module.", 33, CAnalyzerSet::kDesktop,
     1000},
    {"\nPlease wait...\n\nCommiting Settings for Internet Module.", 44, CAnalyzerSet::kInternet,
     1000},
    {"\nPlease wait...\n\nCommiting Settings for CDROM Module.", 55, CAnalyzerSet::kCDROM, 2000},
    {"\nPlease wait...\n\nCommiting Settings for Harddisk Module.", 66, CAnalyzerSet::kHardDisk,
     2000},
    {"\nPlease wait...\n\nCommiting Settings for Memory Module.", 77, CAnalyzerSet::kMemory, 2000},
    {"\nPlease wait...\n\nCommiting Settings for Bootup Module.", 88, CAnalyzerSet::kBootup, 1000},
    {"\nPlease wait...\n\nCommiting Settings for Shutdown Module.", 99, CAnalyzerSet::kShutdown,
     1000},
};

void SetCursorShape(LPCSTR shape) {
    SetCursor(LoadCursorA(nullptr, shape));
}

} // namespace

const char* const CRecommendationsPage::kTitle = "Torvane Recommendations:";
const char* const CRecommendationsPage::kOptimizedText =
    "\nYour System is already Optimized. There are no further changes Torvane can make at this "
    "moment.\n\nHowever, you can switch over to Manual Tweaks to explore and customize other "
    "System and Windows Settings.";
const char* const CRecommendationsPage::kCommitQuestion =
    "Do you Wish to Commit the Optimized Values to your System?";
const char* const CRecommendationsPage::kCommittedTitle =
    "Torvane has completed the Auto Tune process.";
const char* const CRecommendationsPage::kCommittedText =
    "\nOptmized Settings have been committed.\n\nYou will need to restart Windows for the Changes "
    "to Take Effect.";

CRecommendationsPage::CRecommendationsPage(IMainWindow& main)
    : CPage(IDD_AUTOTUNE_RESULTS, main) {}

bool CRecommendationsPage::IsLinkvaneInstalled() {
    CRegKey key;
    return key.Open(HKEY_LOCAL_MACHINE, kLinkvaneKey, KEY_ALL_ACCESS) == ERROR_SUCCESS;
}

BOOL CRecommendationsPage::OnInit() {
    CreateButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0]));
    MakeLabels(kTitleLabels, 1, 10);
    MakeLabels(kTextLabels, 1, 9);
    progress_.AttachItem(Handle(), IDC_RESULTS_PROGRESS);
    progress_.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    progress_.Send(PBM_SETPOS, 0);
    progress_.SetBarColor(kBarColour);
    textPlace_ = ItemPlace(IDC_RESULTS_TEXT);
    barPlace_ = ItemPlace(IDC_RESULTS_PROGRESS);
    pageHeight_ = ClientRect().bottom;
    return TRUE;
}

RECT CRecommendationsPage::ItemPlace(int id) const {
    RECT place = {};
    GetWindowRect(Item(id), &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void CRecommendationsPage::FitText(const std::string& text) {
    HWND label = Item(IDC_RESULTS_TEXT);
    const int width = textPlace_.right - textPlace_.left;
    RECT needed = {0, 0, width, 0};
    {
        CClientDC dc(label);
        CTextLabel* textLabel = Label(IDC_RESULTS_TEXT);
        CSelectedObject font(dc, textLabel != nullptr ? textLabel->Font()
                                                      : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    const int templateHeight = textPlace_.bottom - textPlace_.top;
    const int height =
        needed.bottom + kGap > templateHeight ? needed.bottom + kGap : templateHeight;
    SetWindowPos(label, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int grown = height - templateHeight;
    SetWindowPos(Item(IDC_RESULTS_PROGRESS), nullptr, barPlace_.left, barPlace_.top + grown, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int barBottom = barPlace_.bottom + grown;
    const int buttonTop = barBottom + kGap > kButtonTop ? barBottom + kGap : kButtonTop;
    for (const PageButton& row : kButtons)
        if (CSkinButton* button = Button(row.id))
            button->MoveTo(row.x, buttonTop);
    const int pageHeight = buttonTop + kButtonHeight + kGap > pageHeight_
                               ? buttonTop + kButtonHeight + kGap
                               : pageHeight_;
    SetPos(nullptr, 0, 0, ClientRect().right, pageHeight,
           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(true);
}

void CRecommendationsPage::SetResults(const std::vector<std::string>& texts) {
    // After a commit the page is shown anew for a new analysis: its title and buttons return.
    SetLabelText(IDC_RESULTS_TITLE, kTitle);
    ShowButton(IDC_RESULTS_GO_BACK, true);
    ShowButton(IDC_RESULTS_OPTIMIZE, true);
    EnableButton(IDC_RESULTS_GO_BACK, true);
    ShowItem(IDC_RESULTS_PROGRESS, false);
    if (CTextLabel* label = Label(IDC_RESULTS_TEXT))
        label->SetFontSize(9);

    const bool linkvane = IsLinkvaneInstalled();
    std::string joined;
    for (size_t module = 0; module < texts.size() && module < IMainWindow::kModuleCount; ++module) {
        if (module == IMainWindow::kInternet && linkvane)
            continue;
        joined += texts[module];
    }
    internetListed_ = !linkvane && texts.size() > IMainWindow::kInternet &&
                      !texts[IMainWindow::kInternet].empty();
    const std::string shown = joined.empty() ? std::string(kOptimizedText) : joined;
    FitText(shown);
    SetLabelText(IDC_RESULTS_TEXT, shown);
    EnableButton(IDC_RESULTS_OPTIMIZE, !joined.empty());
}

BOOL CRecommendationsPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_RESULTS_OPTIMIZE:
        // Only a Yes commits: a question ended any other way (its window destroyed under it,
        // which ends the box with 0) is no consent, and a page that is gone commits nothing.
        if (CMessageBox::Show(Handle(), kCommitQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES &&
            Exists())
            Commit();
        return TRUE;
    case IDC_RESULTS_GO_BACK:
        Main().ShowAutoTuneSection();
        return TRUE;
    default:
        return FALSE;
    }
}

void CRecommendationsPage::Commit() {
    ShowButton(IDC_RESULTS_OPTIMIZE, false);
    ShowButton(IDC_RESULTS_GO_BACK, false);
    // A long list was scrolled to reach the button; the commit's short messages and its bar
    // belong at the top of the page, in view.
    FitText(std::string());
    ScrollToTop();
    Main().LockNavigation(true);
    SetCursorShape(IDC_WAIT);
    SetLabelText(IDC_RESULTS_TITLE, "Torvane is now saving the Changes.");
    ShowItem(IDC_RESULTS_PROGRESS, true);
    Update();
    CTimeScale::Sleep(100);
    SetLabelText(IDC_RESULTS_TEXT, "");

    // The recommendations depend on nothing but the machine, so they are made afresh here.
    CAnalyzerSet analyzers;
    analyzers.RecommendAll();
    for (const CommitStep& step : kCommitSteps) {
        SetLabelText(IDC_RESULTS_TEXT, step.message);
        progress_.Send(PBM_SETPOS, static_cast<WPARAM>(step.position));
        Update();
        analyzers.Commit(step.module, internetListed_);
        CTimeScale::Sleep(step.sleep);
    }

    SetLabelText(IDC_RESULTS_TITLE, kCommittedTitle);
    SetLabelText(IDC_RESULTS_TEXT, kCommittedText);
    progress_.Send(PBM_SETPOS, 100);
    CAppSettings settings;
    settings.SetShowAtStartup(0);
    settings.SetHasTuned(1);
    SetCursorShape(IDC_ARROW);
    Main().LockNavigation(false);
    Main().EnableAutoTuneButton(false);
    // Open tweak pages still hold the values from before the commit: a later change back to
    // one of those would count as no change and never be written.
    Main().ReloadTweakPages();
    Update();
    Main().AskToRestart(IMainWindow::kAskAlways, Handle());
}
