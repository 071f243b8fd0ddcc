#include "platform/CModalLoop.h"

namespace {
int g_depth = 0;
HWND g_waiting = nullptr;
UINT g_message = 0;

void PostWaiting() {
    HWND window = g_waiting;
    g_waiting = nullptr;
    if (window != nullptr && IsWindow(window))
        PostMessageA(window, g_message, 0, 0);
}
} // namespace

CModalLoop::Scope::Scope() {
    ++g_depth;
}

CModalLoop::Scope::~Scope() {
    if (--g_depth == 0)
        PostWaiting();
}

int CModalLoop::Depth() {
    return g_depth;
}

void CModalLoop::PostWhenDone(HWND window, UINT message) {
    g_waiting = window;
    g_message = message;
    if (g_depth == 0)
        PostWaiting();
}
