// A program that imports a function Windows XP and its predecessors lack (GetTickCount64 came
// with Vista): the import audit must reject it.
#include <windows.h>

int main() {
    return GetTickCount64() == 0 ? 1 : 0;
}
