#include <windows.h>

#include "app/CTorvaneApp.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    CTorvaneApp app;
    if (!app.InitInstance())
        return 1;
    return app.Run();
}
