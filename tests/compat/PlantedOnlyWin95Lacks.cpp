// Imports IsDebuggerPresent, which every target but Windows 95 exports: the import audit must
// reject it for Windows 95 alone, so an audit that read only some systems' lists would pass it.
#include <windows.h>

int main() {
    return IsDebuggerPresent() ? 1 : 0;
}
