#pragma once

#include <string>
#include <vector>

#include "ui/IMainWindow.h"

// A main window for pages on their own. It keeps the pending-change counter as the real one does,
// records every call as a line ("LockNavigation 1") and keeps what the pages handed over: help
// texts, navigation locks, restart items and the texts for the results page. The restart question
// is only recorded ("AskToRestart 0"), never asked.
class CRecordingMainWindow : public IMainWindow {
public:
    std::vector<std::string> calls;
    std::vector<std::string> helpTexts;
    std::vector<bool> locks;
    std::vector<std::string> results;
    int counter = 0;
    bool applyEnabled = false;
    int restartChanges = 0;

    void NotifyPageChange(int changed, int counted, int reset) override {
        Record("NotifyPageChange " + std::to_string(changed) + std::to_string(counted) +
               std::to_string(reset));
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
    void CountRestartChange() override {
        Record("CountRestartChange");
        ++restartChanges;
    }
    void AskToRestart(RestartMode mode, HWND /*asker*/) override {
        Record("AskToRestart " + std::to_string(mode));
    }
    void ShowTweakHelp(const std::string& text) override {
        Record("ShowTweakHelp " + text);
        helpTexts.push_back(text);
    }
    void LockNavigation(bool busy) override {
        Record(busy ? "LockNavigation 1" : "LockNavigation 0");
        locks.push_back(busy);
    }
    void EnableAutoTuneButton(bool enable) override {
        Record(enable ? "EnableAutoTuneButton 1" : "EnableAutoTuneButton 0");
    }
    void ReloadTweakPages() override { Record("ReloadTweakPages"); }
    void ShowAutoTuneSection() override { Record("ShowAutoTuneSection"); }
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

protected:
    void Record(const std::string& call) { calls.push_back(call); }
};
