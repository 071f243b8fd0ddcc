// Drives a running Torvane from outside, as the shell and the user do:
//   tray_driver wait-tray SECONDS   waits until the tray icon's window exists
//   tray_driver visible-windows     prints the number of visible windows of the program
//   tray_driver menu-exit           right-clicks the tray icon and chooses "Exit Torvane"
//   tray_driver tray-gone SECONDS   waits until the tray icon's window is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const UINT kTrayCallback = 0x8001;

HWND FindTray() {
    return FindWindowA("#32770", "Torvane Tray");
}

bool WaitFor(bool wantPresent, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if ((FindTray() != nullptr) == wantPresent)
            return true;
        Sleep(100);
    }
    return false;
}

int g_visible = 0;
DWORD g_process = 0;

BOOL CALLBACK CountVisible(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == g_process && IsWindowVisible(window)) {
        RECT rect;
        GetWindowRect(window, &rect);
        // The host window is shown with no size at all; it is not something the user sees.
        if (rect.right > rect.left && rect.bottom > rect.top)
            ++g_visible;
    }
    return TRUE;
}

HWND FindPopupMenu() {
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menu))
            return menu;
    }
    return nullptr;
}

void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = key;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(150);
}

int MenuExit() {
    HWND tray = FindTray();
    if (tray == nullptr) {
        std::puts("no tray icon window");
        return 1;
    }
    // What the shell sends when the user right-clicks the icon.
    PostMessageA(tray, kTrayCallback, 128, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    for (int i = 0; i < 100 && menu == nullptr; ++i) {
        Sleep(100);
        menu = FindPopupMenu();
    }
    if (menu == nullptr) {
        std::puts("the tray menu did not open");
        return 1;
    }
    // Up from no selection picks the last item, "Exit Torvane".
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    if (std::strcmp(argv[1], "wait-tray") == 0)
        return WaitFor(true, seconds) ? 0 : 1;
    if (std::strcmp(argv[1], "tray-gone") == 0)
        return WaitFor(false, seconds) ? 0 : 1;
    if (std::strcmp(argv[1], "menu-exit") == 0)
        return MenuExit();
    if (std::strcmp(argv[1], "visible-windows") == 0) {
        HWND tray = FindTray();
        if (tray == nullptr)
            return 1;
        GetWindowThreadProcessId(tray, &g_process);
        EnumWindows(CountVisible, 0);
        std::printf("%d\n", g_visible);
        return 0;
    }
    return 2;
}
