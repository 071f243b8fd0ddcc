#include "app/CSectionIntroPage.h"

#include "platform/ProgramPaths.h"
#include "platform/ShellOpen.h"
#include "res/resource.h"
#include "ui/IMainWindow.h"

namespace {

struct IntroFacts {
    UINT dialog;
    const char* helpPage;
    PageButton next;
    void (*go)(IMainWindow& main);
    // Text statics and their places (left, top, width, height in page pixels).
    int textCount;
    RECT texts[2];
};

const PageButton kGetHelp = {IDC_INTRO_GET_HELP,
                             "Help",
                             "Get Help",
                             IDB_GET_HELP_NORMAL,
                             IDB_GET_HELP_HOVER,
                             IDB_GET_HELP_PRESSED,
                             IDB_GET_HELP_DISABLED,
                             45,
                             205};

const IntroFacts kIntros[] = {
    {IDD_MANUAL_INTRO,
     kHelpManualPage,
     {IDC_INTRO_TO_SYSTEM_TWEAKS, "To System Tweaks", "To System Tweaks", IDB_TO_SYSTEM_TWEAKS_NORMAL,
      IDB_TO_SYSTEM_TWEAKS_HOVER, IDB_TO_SYSTEM_TWEAKS_PRESSED, IDB_TO_SYSTEM_TWEAKS_DISABLED, 170,
      205},
     [](IMainWindow& main) { main.ShowTweakPage(IMainWindow::kSystem); },
     2,
     {{20, 18, 336, 106}, {20, 112, 336, 192}}},
    {IDD_STATUS_INTRO,
     kHelpStatusPage,
     {IDC_INTRO_TO_MEMORY_STATUS, "To Memory Status", "To Memory Status", IDB_TO_MEMORY_STATUS_NORMAL,
      IDB_TO_MEMORY_STATUS_HOVER, IDB_TO_MEMORY_STATUS_PRESSED, IDB_TO_MEMORY_STATUS_DISABLED, 170,
      205},
     [](IMainWindow& main) { main.ShowMemoryStatusPage(); },
     1,
     {{20, 18, 336, 192}, {}}},
    {IDD_BURNIN_INTRO,
     kHelpBurnInPage,
     {IDC_INTRO_TO_CPU_TEST, "To CPU Test", "To CPU Test", IDB_TO_CPU_TEST_NORMAL, IDB_TO_CPU_TEST_HOVER,
      IDB_TO_CPU_TEST_PRESSED, IDB_TO_CPU_TEST_DISABLED, 170, 205},
     [](IMainWindow& main) { main.ShowCpuTestPage(); },
     1,
     {{20, 18, 336, 192}, {}}},
};

const int kTextIds[2] = {IDC_INTRO_TEXT, IDC_INTRO_TEXT2};

} // namespace

CSectionIntroPage::CSectionIntroPage(Section section, IMainWindow& main)
    : CPage(kIntros[section].dialog, main), section_(section) {}

BOOL CSectionIntroPage::OnInit() {
    const IntroFacts& facts = kIntros[section_];
    SetPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < facts.textCount; ++i) {
        const RECT& place = facts.texts[i];
        CWindow(Item(kTextIds[i]))
            .Move(place.left, place.top, place.right - place.left, place.bottom - place.top);
    }
    MakeLabels(kTextIds, static_cast<size_t>(facts.textCount));
    const PageButton buttons[] = {kGetHelp, facts.next};
    if (!CreateButtons(buttons, 2)) {
        // A page without its buttons is no page: its creation fails.
        DestroyWindow(Handle());
        return FALSE;
    }
    return TRUE;
}

BOOL CSectionIntroPage::OnButtonClicked(int id) {
    const IntroFacts& facts = kIntros[section_];
    if (id == IDC_INTRO_GET_HELP) {
        OpenHelpFile(facts.helpPage, Handle());
        Main().ShowTweakHelp(std::string());
        return TRUE;
    }
    if (id == facts.next.id) {
        facts.go(Main());
        return TRUE;
    }
    return FALSE;
}
