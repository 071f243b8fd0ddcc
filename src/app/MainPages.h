#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "ui/CPage.h"
#include "ui/IMainWindow.h"
#include "ui/ITweakPage.h"

// The one place where the main window's pages and the section option dialogs are made.

// The 17 pages in the order the main window creates them: the six section pages, the nine tweak
// pages in module order, the memory status page and the CPU test page.
enum MainPageKind : int {
    kAutoTuneIntroPage,
    kAnalysisPage,
    kRecommendationsPage,
    kManualIntroPage,
    kStatusIntroPage,
    kBurnInIntroPage,
    kFirstTweakPage,
    kLastTweakPage = kFirstTweakPage + IMainWindow::kModuleCount - 1,
    kMemoryStatusPage,
    kCpuTestPage,
    kMainPageCount
};

inline int TweakPageKind(IMainWindow::Module module) {
    return kFirstTweakPage + static_cast<int>(module);
}

// A made page; `tweak` is the same object seen as a tweak page (null for the other pages).
struct MainPage {
    std::unique_ptr<CPage> page;
    ITweakPage* tweak = nullptr;
};

// Makes one page (not yet created as a window).
using MainPageFactory = std::function<MainPage(int kind, IMainWindow& main)>;

// The program's own pages.
MainPage MakeMainPage(int kind, IMainWindow& main);

// Hands the nine per-module result texts to the recommendations page made by MakeMainPage.
void HandRecommendations(CPage& page, const std::vector<std::string>& texts);

// The Options menu's dialogs (modal).
void ShowMemoryOptions(HWND parent);
void ShowCpuTestOptions(HWND parent);
