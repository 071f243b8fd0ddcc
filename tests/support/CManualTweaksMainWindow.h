#pragma once

#include <string>
#include <vector>

#include "ui/IMainWindow.h"

// A main window for the tweak pages on their own: keeps the pending-change counter as the real
// one does and records what the pages asked for.
class CManualTweaksMainWindow : public IMainWindow {
public:
    int counter = 0;
    bool applyEnabled = false;
    int restartChanges = 0;
    std::vector<std::string> helpTexts;
    std::vector<bool> locks;

    void NotifyPageChange(int changed, int counted, int reset) override {
        if (reset != 0)
            counter = 0;
        if (counted != 1) {
            applyEnabled = changed != 0;
            return;
        }
        if (changed != 0)
            ++counter;
        else if (counter > 0)
            --counter;
        applyEnabled = counter > 0;
    }
    void CountRestartChange() override { ++restartChanges; }
    void ShowTweakHelp(const std::string& text) override { helpTexts.push_back(text); }
    void LockNavigation(bool busy) override { locks.push_back(busy); }
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
