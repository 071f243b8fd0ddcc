#pragma once

#include <string>

#include "autotune/CAnalyzerSet.h"
#include "ui/CColorProgressCtrl.h"
#include "ui/CPage.h"

struct AnalysisStep;

// The second page of Auto Tune: a timed examination of the nine modules. "Begin Tune" starts a
// chain of one-shot timers (one pending at a time); each tick moves the progress bar, words the
// message and does its part: exercising the disk with a scratch file, letting a module's analyser
// recommend, or compiling the texts of the changes. The page owns the analysers it fills. While
// a run goes on the main window's navigation is locked. A scratch file that cannot be written
// ends the run and says why.
class CAnalysisPage : public CPage {
public:
    explicit CAnalysisPage(IMainWindow& main);
    ~CAnalysisPage() override;

    // The one timer now pending (0 when none).
    UINT_PTR PendingTimer() const { return timer_; }
    bool IsRunning() const { return running_; }
    const CAnalyzerSet::ModuleTexts& Texts() const { return texts_; }

    static const char* const kReadyTitle;
    static const char* const kReadyMessage;
    static const char* const kRunningTitle;
    static const char* const kRunningMessage;
    static const char* const kPreparingMessage;
    static const char* const kDoneTitle;
    static const char* const kDoneMessage;

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowReady();
    void BeginRun();
    void RunStep(const AnalysisStep& step);
    void Finish();
    // Ends a run whose scratch file could not be written, then reports it.
    void StopWithError(DWORD error);
    // Ends the run's timer and scratch file without touching the main window.
    void Halt();

    void SetNextTimer(UINT_PTR id, UINT milliseconds);
    void DeleteScratchFile();
    void SetPosition(int position);

    CColorProgressCtrl progress_;
    CAnalyzerSet analyzers_;
    CAnalyzerSet::ModuleTexts texts_;
    UINT_PTR timer_ = 0;
    bool running_ = false;
    std::string scratchPath_; // the scratch file of the step under way, until deleted
};
