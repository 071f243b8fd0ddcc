#pragma once

#include <windows.h>

// Counts the nested message loops the program is inside: every message box, modal dialog and
// chooser runs one until it is answered, and the code that opened it goes on afterwards with the
// windows it had. A window under such a loop must therefore stay as it is until the loop ends:
// whoever would destroy or re-create one asks here first and waits for the end.
class CModalLoop {
public:
    // Marks one nested loop for its lifetime.
    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // How many nested loops run now (0 in the program's own message loop).
    static int Depth();
    // Posts `message` to `window` once no nested loop runs any more: at once when none runs,
    // else when the outermost one ends. One request is kept; a new one replaces it.
    static void PostWhenDone(HWND window, UINT message);
};
