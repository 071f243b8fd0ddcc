#include "app/MainPages.h"

#include "app/CPlaceholderPage.h"
#include "app/CSectionIntroPage.h"
#include "platform/CMessageBox.h"

namespace {

// Names of the pages that other parts of the program provide.
const char* const kPageNames[kMainPageCount] = {"Auto Tune",
                                                "Auto Tune analysis",
                                                "Auto Tune results",
                                                nullptr,
                                                nullptr,
                                                nullptr,
                                                "System Tweaks",
                                                "Desktop Tweaks",
                                                "Start Menu Tweaks",
                                                "Internet Tweaks",
                                                "CD-ROM Tweaks",
                                                "Hard Disk Tweaks",
                                                "Memory Tweaks",
                                                "Boot-up Tweaks",
                                                "Shutdown Tweaks",
                                                "Memory Status",
                                                "CPU Test"};

} // namespace

MainPage MakeMainPage(int kind, IMainWindow& main) {
    MainPage made;
    switch (kind) {
    case kManualIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kManual, main);
        return made;
    case kStatusIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kStatus, main);
        return made;
    case kBurnInIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kBurnIn, main);
        return made;
    default:
        break;
    }
    if (kind < 0 || kind >= kMainPageCount)
        return made;
    auto page = std::make_unique<CPlaceholderPage>(kPageNames[kind], main);
    if (kind >= kFirstTweakPage && kind <= kLastTweakPage)
        made.tweak = page.get();
    made.page = std::move(page);
    return made;
}

void HandRecommendations(CPage& /*page*/, const std::vector<std::string>& /*texts*/) {}

void ShowMemoryOptions(HWND parent) {
    CMessageBox::Report(parent, "The memory optimization options are not available yet.");
}

void ShowCpuTestOptions(HWND parent) {
    CMessageBox::Report(parent, "The CPU burn-in test options are not available yet.");
}
