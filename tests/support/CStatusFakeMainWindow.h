#pragma once

#include <string>
#include <vector>

#include "ui/IMainWindow.h"

// A main window for the status pages that records what the pages ask of it.
class CStatusFakeMainWindow : public IMainWindow {
public:
    std::vector<bool> lockCalls;
    std::vector<std::string> helpTexts;

    void NotifyPageChange(int, int, int) override {}
    void CountRestartChange() override {}
    void ShowTweakHelp(const std::string& text) override { helpTexts.push_back(text); }
    void LockNavigation(bool busy) override { lockCalls.push_back(busy); }
    void EnableAutoTuneButton(bool) override {}
    bool EnsureOriginalBackup() override { return true; }
    void OpenHelpFile(const std::string&) override {}
    void ShowAutoTuneSection() override {}
    void ShowManualSection() override {}
    void ShowStatusSection() override {}
    void ShowBurnInSection() override {}
    void ShowTweakPage(Module) override {}
    void ShowMemoryStatusPage() override {}
    void ShowCpuTestPage() override {}
    void ShowAnalysisPage() override {}
    void ShowRecommendationsPage(const std::vector<std::string>&) override {}
};
