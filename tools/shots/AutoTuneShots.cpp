// The Auto Tune pages held on screen for pictures; tools/shots/autotune-shots.sh runs
// them one at a time and captures the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include "autotune/CAnalysisPage.h"
#include "autotune/CAnalyzerSet.h"
#include "autotune/CAutoTuneIntroPage.h"
#include "autotune/CRecommendationsPage.h"
#include "platform/CTimeScale.h"
#include "res/resource.h"
#include "support/CRecordingMainWindow.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/MessagePump.h"
#include "support/TestParentWindow.h"
#include "support/TestRegistry.h"

namespace {

constexpr DWORD kHold = 8000; // ms on screen after the page is ready

class AutoTuneShots : public testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateTestParent("AutoTuneShotsParent", 20, 20, 442, 490,
                                   WS_POPUP | WS_BORDER | WS_VISIBLE);
        ASSERT_NE(parent_, nullptr);
        StoreText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "FontSmoothing", "1");
    }
    void TearDown() override {
        CTimeScale::SetDivisor(1);
        DestroyWindow(parent_);
    }
    template <class Page> void Open(Page& page) {
        ASSERT_TRUE(page.CreatePage(parent_));
        SetWindowPos(page, nullptr, 43, 40, 356, 287, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(page, SW_SHOW);
        UpdateWindow(parent_);
    }
    static void Click(HWND page, int id) {
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    }
    std::vector<std::string> Texts() {
        CAnalyzerSet analyzers;
        analyzers.RecommendAll();
        const CAnalyzerSet::ModuleTexts texts = analyzers.Compile();
        return std::vector<std::string>(texts.begin(), texts.end());
    }

    CRegistrySandbox sandbox_;
    CRecordingMainWindow main_;
    HWND parent_ = nullptr;
};

TEST_F(AutoTuneShots, Intro) {
    CAutoTuneIntroPage page(main_);
    Open(page);
    PumpMessages(kHold);
}

// Real time: the picture is taken while the System module is examined.
TEST_F(AutoTuneShots, Analysis) {
    CAnalysisPage page(main_);
    Open(page);
    PumpMessages(500);
    Click(page, IDC_ANALYSIS_BEGIN);
    PumpMessages(12000);
}

TEST_F(AutoTuneShots, Results) {
    CRecommendationsPage page(main_);
    Open(page);
    page.SetResults(Texts());
    PumpMessages(kHold);
}

TEST_F(AutoTuneShots, Committed) {
    CScriptedMessages messages;
    messages.Answer(IDYES).Answer(IDNO);
    CTimeScale::SetDivisor(100);
    CRecommendationsPage page(main_);
    Open(page);
    page.SetResults(Texts());
    Click(page, IDC_RESULTS_OPTIMIZE);
    PumpMessages(kHold);
}

} // namespace
