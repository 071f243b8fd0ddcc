#include <windows.h>

#include "app/CCommandLine.h"
#include "app/CTorvaneApp.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR commandLine,
                   int /*show*/) {
    // A switch does its work and ends the program before any window or tray icon exists.
    const int code = CCommandLine(commandLine != nullptr ? commandLine : "").Run();
    if (code != CCommandLine::kStartProgram)
        return code;
    CTorvaneApp app;
    if (!app.InitInstance())
        return 1;
    return app.Run();
}
