// Imports InitCommonControls by its number (17) instead of its name, through an import library
// made from PlantedOrdinal.def: the audit cannot check a number against the export lists and
// must reject it.
#include <windows.h>
#include <commctrl.h>

int main() {
    InitCommonControls();
    return 0;
}
