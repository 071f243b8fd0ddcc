#include "app/MainPages.h"

#include "app/CSectionIntroPage.h"
#include "autotune/CAnalysisPage.h"
#include "autotune/CAutoTuneIntroPage.h"
#include "autotune/CRecommendationsPage.h"
#include "burnin/CCpuTestOptionsDlg.h"
#include "burnin/CCpuTestPage.h"
#include "status/CMemoryOptionsDlg.h"
#include "status/CMemoryStatusPage.h"
#include "manual/TweakPages.h"

MainPage MakeMainPage(int kind, IMainWindow& main) {
    MainPage made;
    if (kind >= kFirstTweakPage && kind <= kLastTweakPage) {
        auto page = CreateTweakPage(static_cast<IMainWindow::Module>(kind - kFirstTweakPage), main);
        made.tweak = page.get();
        made.page = std::move(page);
        return made;
    }
    switch (kind) {
    case kAutoTuneIntroPage:
        made.page = std::make_unique<CAutoTuneIntroPage>(main);
        break;
    case kAnalysisPage:
        made.page = std::make_unique<CAnalysisPage>(main);
        break;
    case kRecommendationsPage:
        made.page = std::make_unique<CRecommendationsPage>(main);
        break;
    case kManualIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kManual, main);
        break;
    case kStatusIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kStatus, main);
        break;
    case kBurnInIntroPage:
        made.page = std::make_unique<CSectionIntroPage>(CSectionIntroPage::kBurnIn, main);
        break;
    case kMemoryStatusPage:
        made.page = std::make_unique<CMemoryStatusPage>(main);
        break;
    case kCpuTestPage:
        made.page = std::make_unique<CCpuTestPage>(main);
        break;
    default:
        break;
    }
    return made;
}

void HandRecommendations(CPage& page, const std::vector<std::string>& texts) {
    // Pages made by a test's own factory are not the results page.
    if (auto* results = dynamic_cast<CRecommendationsPage*>(&page))
        results->SetResults(texts);
}

void ShowMemoryOptions(HWND parent) {
    CMemoryOptionsDlg().Show(parent);
}

void ShowCpuTestOptions(HWND parent) {
    CCpuTestOptionsDlg().Show(parent);
}
