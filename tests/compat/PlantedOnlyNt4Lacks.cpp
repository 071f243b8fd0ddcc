// Imports CreateToolhelp32Snapshot, which every target but Windows NT 4.0 exports: the import
// audit must reject it for NT 4.0 alone.
#include <windows.h>
#include <tlhelp32.h>

int main() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    return snapshot == INVALID_HANDLE_VALUE ? 1 : 0;
}
