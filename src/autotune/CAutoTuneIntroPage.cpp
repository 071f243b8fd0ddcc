#include "autotune/CAutoTuneIntroPage.h"

#include "backup/BackupCommands.h"
#include "platform/CAppSettings.h"
#include "platform/ShellOpen.h"
#include "res/resource.h"
#include "ui/IMainWindow.h"

namespace {

const PageButton kButtons[] = {
    {IDC_INTRO_GET_HELP, "Help", "Get Help", IDB_GET_HELP_NORMAL, IDB_GET_HELP_HOVER, IDB_GET_HELP_PRESSED,
     IDB_GET_HELP_DISABLED, 20, 240},
    {IDC_INTRO_START_TUNING, "Start", "Start Tuning", IDB_START_TUNING_NORMAL, IDB_START_TUNING_HOVER,
     IDB_START_TUNING_PRESSED, IDB_START_TUNING_DISABLED, 226, 240},
};

const int kLabels[] = {IDC_INTRO_MESSAGE};

} // namespace

const char* const CAutoTuneIntroPage::kFirstRunMessage =
    "This is the Auto Tune page.\n\nFor more Information on Auto Tune, click on the 'Help' button "
    "below \n\nTo start the Auto Tune, click on 'Start' now.";
const char* const CAutoTuneIntroPage::kTunedMessage =
    "This is the Auto Tune page.\n\nYou have completed Auto Tune in a previous session, you need "
    "not run it again. If you like to further tweak your computer, you can click on the Manual "
    "Tweak icon above.";

CAutoTuneIntroPage::CAutoTuneIntroPage(IMainWindow& main) : CPage(IDD_AUTOTUNE_INTRO, main) {}

BOOL CAutoTuneIntroPage::OnInit() {
    if (!CreateButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0]))) {
        // A page without its buttons is no page: its creation fails.
        DestroyWindow(Handle());
        return FALSE;
    }
    MakeLabels(kLabels, 1, 10);
    ShowMessage();
    return TRUE;
}

void CAutoTuneIntroPage::ShowMessage() {
    CAppSettings settings;
    DWORD hasTuned = 0;
    settings.GetHasTuned(hasTuned);
    if (CTextLabel* label = Label(IDC_INTRO_MESSAGE))
        label->SetText(hasTuned != 0 ? kTunedMessage : kFirstRunMessage);
}

BOOL CAutoTuneIntroPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_INTRO_GET_HELP:
        OpenHelpFile("Help\\AutoStart.html", Handle());
        Main().ShowTweakHelp("");
        return TRUE;
    case IDC_INTRO_START_TUNING:
        if (EnsureOriginalBackup(Handle()))
            Main().ShowAnalysisPage();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CAutoTuneIntroPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A run may have completed since the page was made: the message follows the option.
    if (message == WM_SHOWWINDOW && wParam && lParam == 0)
        ShowMessage();
    return CPage::OnMessage(message, wParam, lParam, result);
}
