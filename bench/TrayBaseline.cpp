// The trivial program that Torvane's start-up to the tray is measured against. It does the least
// a tray program does: registers a window class, creates one window that is never shown, adds a
// notification-area icon (the system's standard application icon) and waits in its message loop.
// WM_CLOSE removes the icon and ends it.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "BaselineWindow.h"

namespace {

const UINT kIconId = 1;
const UINT kCallbackMessage = WM_APP + 1;

void NotifyIcon(DWORD action, HWND window) {
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = kIconId;
    if (action == NIM_ADD) {
        record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        record.uCallbackMessage = kCallbackMessage;
        record.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        std::strncpy(record.szTip, kBaselineTitle, sizeof(record.szTip) - 1);
    }
    Shell_NotifyIconA(action, &record);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        NotifyIcon(NIM_DELETE, window);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kBaselineClass;
    if (RegisterClassA(&windowClass) == 0)
        return 1;
    HWND window = CreateWindowA(kBaselineClass, kBaselineTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                instance, nullptr);
    if (window == nullptr)
        return 1;
    NotifyIcon(NIM_ADD, window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
