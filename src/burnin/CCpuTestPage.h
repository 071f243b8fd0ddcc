#pragma once

#include <memory>
#include <string>
#include <windows.h>
#include <commctrl.h>

#include "burnin/CCpuTestWorker.h"
#include "ui/CColorProgressCtrl.h"
#include "ui/CPage.h"

// The CPU burn-in test page: runs the stored number of test runs one after another, each on a
// worker thread of its own, shows the running test's progress and the finished runs on two bars,
// and reports whether every run ended with the right results. Navigation is locked while it runs.
class CCpuTestPage : public CPage {
public:
    static constexpr DWORD kFinalPause = 50; // ms the full bar shows before the next run

    explicit CCpuTestPage(IMainWindow& main);
    ~CCpuTestPage() override;

    bool IsRunning() const { return running_; }
    // The runs of a test for a stored count: held at the largest int, never wrapped round to a
    // count below 1 (which would run nothing and call the processor stable).
    static int RunCount(DWORD stored) {
        return stored > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<int>(stored);
    }

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void Start();
    void Stop();
    void ShowOptions();
    void RunNextTest();
    void OnProgress(int value, LPARAM tag);
    // Back to idle after the last run, a stop or a wrong result.
    void EndRuns();
    void SetTotalRange();

    CColorProgressCtrl currentBar_;
    CColorProgressCtrl totalBar_;
    std::unique_ptr<CCpuTestWorker> worker_; // the most recently started run
    int count_ = 3;                          // N, the runs of a test
    int index_ = 1;                          // k, the run that starts next
    unsigned serial_ = 0; // tells this page's runs apart, so a late message of an old run is known
    bool running_ = false;
};
