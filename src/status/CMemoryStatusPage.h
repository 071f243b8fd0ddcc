#pragma once

#include <memory>
#include <string>
#include <windows.h>

#include "platform/CAppSettings.h"
#include "status/CLineChartCtrl.h"
#include "status/CMemoryOptimizer.h"
#include "ui/CColorProgressCtrl.h"
#include "ui/CPage.h"

// The System Status memory page: total, used and free physical memory, a graph of the free
// memory over the last three minutes with the automatic-optimisation level, and the commands
// "Free Physical Memory" (optimise now, with a progress bar and a report of what it gained) and
// "Memory Options".
class CMemoryStatusPage : public CPage {
public:
    // Posted to the page at the end of a "Free Physical Memory" run: report what it reclaimed.
    static constexpr UINT kReportMessage = WM_APP + 3;
    static constexpr UINT_PTR kSampleTimer = 4;
    static constexpr UINT kSamplePeriod = 2000;
    // After the optimiser has started, the bar runs to 95 and then waits for this much free
    // memory, polling at most for the wait limit before it finishes anyway.
    static constexpr DWORD kRecoveredMegabytes = 8;
    static constexpr int kWaitPosition = 95;
    static constexpr DWORD kWaitPoll = 100;
    static constexpr DWORD kWaitLimit = 30000;

    // Without an optimiser the page makes its own.
    explicit CMemoryStatusPage(IMainWindow& main,
                               std::unique_ptr<CMemoryOptimizer> optimizer = nullptr);
    ~CMemoryStatusPage() override;

    // "Free Physical Memory": runs the optimiser with the progress display; the report follows
    // through kReportMessage.
    void FreeMemoryNow();
    // "Memory Options": the options dialog, modal.
    void ShowOptions();

    UINT_PTR SampleTimer() const { return sampleTimer_; }

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Figures {
        ULONGLONG total = 0; // bytes
        ULONGLONG used = 0;
        ULONGLONG free = 0;
    };
    static Figures ReadFigures();

    void Sample();
    void ResetProgress();
    void StepProgress(DWORD sleepMilliseconds);
    void RunProgressLoop();
    void Report();

    std::unique_ptr<CMemoryOptimizer> optimizer_;
    CAppSettings settings_;
    CLineChartCtrl chart_;
    CColorProgressCtrl progress_;
    UINT_PTR sampleTimer_ = 0;
    Figures before_;
    // The used and free KB last written to their labels; a label changes only with its figure.
    // No figure can be kNothingShown, so the first sample always writes both, 0 KB included.
    static constexpr ULONGLONG kNothingShown = ~0ull;
    ULONGLONG shownUsedKB_ = kNothingShown;
    ULONGLONG shownFreeKB_ = kNothingShown;
};
