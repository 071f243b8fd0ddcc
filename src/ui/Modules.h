#pragma once

// The nine tweak modules, in the order of the Manual Tweaks buttons' pages, of Apply, of Auto
// Tune's lists and commit, and of the backup files. Classes that speak of modules derive from
// this to name them as their own (IMainWindow::kDesktop, CAnalyzerSet::kMemory).
struct Modules {
    enum Module : int {
        kSystem,
        kDesktop,
        kStartMenu,
        kInternet,
        kCDROM,
        kHardDisk,
        kMemory,
        kBootup,
        kShutdown,
        kModuleCount
    };
};
