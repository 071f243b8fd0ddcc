// Imports nothing unusual but is marked for subsystem version 5.0 (linked with
// --subsystem console:5.0), which the loaders of 95, 98, ME and NT 4 refuse.
#include <windows.h>

int main() {
    return GetVersion() == 0 ? 1 : 0;
}
