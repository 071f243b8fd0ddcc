#pragma once

#include <string>
#include <vector>

#include "platform/SystemActions.h"
#include "ui/IMainWindow.h"

// A main window for the Auto Tune pages that records every call as a line ("LockNavigation 1")
// and the texts handed to the results page, and answers the backup question as told. It also
// stands in for the host window's restart.
class CFakeAutoTuneMain : public IMainWindow, public IRestartHost {
public:
    std::vector<std::string> calls;
    std::vector<std::string> results;
    bool backupAnswer = true;

    void NotifyPageChange(int changed, int counted, int reset) override {
        Record("NotifyPageChange " + std::to_string(changed) + std::to_string(counted) +
               std::to_string(reset));
    }
    void CountRestartChange() override { Record("CountRestartChange"); }
    void ShowTweakHelp(const std::string& text) override { Record("ShowTweakHelp " + text); }
    void LockNavigation(bool busy) override {
        Record(busy ? "LockNavigation 1" : "LockNavigation 0");
    }
    void EnableAutoTuneButton(bool enable) override {
        Record(enable ? "EnableAutoTuneButton 1" : "EnableAutoTuneButton 0");
    }
    bool EnsureOriginalBackup() override {
        Record("EnsureOriginalBackup");
        return backupAnswer;
    }
    void OpenHelpFile(const std::string& path) override { Record("OpenHelpFile " + path); }
    void ShowAutoTuneSection() override { Record("ShowAutoTuneSection"); }
    void ShowManualSection() override { Record("ShowManualSection"); }
    void ShowStatusSection() override { Record("ShowStatusSection"); }
    void ShowBurnInSection() override { Record("ShowBurnInSection"); }
    void ShowTweakPage(Module module) override {
        Record("ShowTweakPage " + std::to_string(module));
    }
    void ShowMemoryStatusPage() override { Record("ShowMemoryStatusPage"); }
    void ShowCpuTestPage() override { Record("ShowCpuTestPage"); }
    void ShowAnalysisPage() override { Record("ShowAnalysisPage"); }
    void ShowRecommendationsPage(const std::vector<std::string>& texts) override {
        Record("ShowRecommendationsPage");
        results = texts;
    }

    int PendingRestartCount() override { return 0; }
    BOOL RestartSystem() override {
        Record("RestartSystem");
        return TRUE;
    }
    void QuitForRestart() override { Record("QuitForRestart"); }

private:
    void Record(const std::string& call) { calls.push_back(call); }
};
