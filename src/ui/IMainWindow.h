#pragma once

#include <string>
#include <vector>

#include "ui/IRestartQuestion.h"
#include "ui/Modules.h"

// What a page may ask of the main window that shows it. Pages know the main window only through
// this interface, so that each page can be built and tested on its own. The restart question
// (IRestartQuestion) is the main window's too: after Auto Tune's commit the results page asks it.
class IMainWindow : public Modules, public IRestartQuestion {
public:
    // Pending-change bookkeeping behind Apply and Cancel: `changed` 1 when a control moved away
    // from its stored value, 0 when it came back or was committed; `counted` 1 to count it;
    // `reset` 1 to set the counter to 0.
    virtual void NotifyPageChange(int changed, int counted, int reset) = 0;
    // One committed item that Windows picks up only after a restart.
    virtual void CountRestartChange() = 0;
    // Shows the text in the help panel (an empty text keeps the current one) and slides it out.
    virtual void ShowTweakHelp(const std::string& text) = 0;
    // Disables (busy) or enables the section, menu, help and close buttons around long work.
    virtual void LockNavigation(bool busy) = 0;
    virtual void EnableAutoTuneButton(bool enable) = 0;
    // The stored values changed beneath the open tweak pages (Auto Tune committed): they read
    // them again, and the pending changes are forgotten.
    virtual void ReloadTweakPages() = 0;

    virtual void ShowAutoTuneSection() = 0;
    virtual void ShowTweakPage(Module module) = 0;
    virtual void ShowMemoryStatusPage() = 0;
    virtual void ShowCpuTestPage() = 0;
    virtual void ShowAnalysisPage() = 0;
    // Hands the nine per-module result texts (module order) to the results page and shows it.
    virtual void ShowRecommendationsPage(const std::vector<std::string>& texts) = 0;

protected:
    ~IMainWindow() = default;
};
