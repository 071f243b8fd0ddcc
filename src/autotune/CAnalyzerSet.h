#pragma once

#include <array>
#include <string>

#include "autotune/CBootupAnalyzer.h"
#include "autotune/CCDROMAnalyzer.h"
#include "autotune/CDesktopAnalyzer.h"
#include "autotune/CHDDAnalyzer.h"
#include "autotune/CInternetAnalyzer.h"
#include "autotune/CRAMAnalyzer.h"
#include "autotune/CShutdownAnalyzer.h"
#include "autotune/CStartMenuAnalyzer.h"
#include "autotune/CSystemAnalyzer.h"
#include "ui/Modules.h"

// The nine module analysers of one main window, and the compile step that turns their
// recommendations and the system's current values into one text of changes per module.
class CAnalyzerSet : public Modules {
public:
    using ModuleTexts = std::array<std::string, kModuleCount>;

    CSystemAnalyzer system;
    CDesktopAnalyzer desktop;
    CStartMenuAnalyzer startMenu;
    CInternetAnalyzer internet;
    CCDROMAnalyzer cdrom;
    CHDDAnalyzer hardDisk;
    CRAMAnalyzer memory;
    CBootupAnalyzer bootup;
    CShutdownAnalyzer shutdown;

    void RecommendAll();
    // The analyser of one module.
    CModuleAnalyzer& Of(Module module);

    // Reads the current values through fresh module objects and lists, per module, a line for
    // every checked value that differs from its recommendation. Checks of one family only are
    // skipped on the other. The Internet values are not read: until Auto Tune has committed
    // ("Has Tuned" 0) its three lines always appear, afterwards none.
    ModuleTexts Compile() const;
    // Writes the module's recommended values through fresh module objects, each where the
    // running Windows has it; the Internet values only when the analysis listed them.
    void Commit(Module module, bool internetListed) const;
};
