#pragma once

#include <windows.h>

// The one palette of the program's artwork: every colour found in the colour tables of the
// module's bitmap resources (the transparent magenta left out). Each skin bitmap carries only
// the colours it uses, in its own order; realising each one in turn would make them fight over
// the hardware palette of a 256-colour display. Every skin is drawn with this palette selected
// instead: the main window realises it as the foreground palette and every other window as a
// background palette, so all skins keep their colours at once.
class CSkinPalette {
public:
    // Built on first use from the program's own module; null when no bitmap has a colour table.
    static HPALETTE Handle();
    // A new palette of the colours of `module`'s bitmap resources, or null; the caller owns it.
    static HPALETTE Build(HMODULE module);

    // Selects `palette` into the context and realises it: in the foreground for a window that
    // is not a child of another, in the background for everything else (children, memory
    // contexts). Returns the previous palette (null when `palette` is null), for Restore.
    static HPALETTE Select(HDC dc, HPALETTE palette);
    static void Restore(HDC dc, HPALETTE previous);
};
