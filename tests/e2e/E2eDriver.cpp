// Drives a running Torvane from outside, as the shell and the user do. The end-to-end scripts
// click and type with real input (xdotool); this tool tells them where things are on the screen
// and what the program shows. It looks at the windows of Wine's virtual desktop "Torvane" when
// there is one.
//   e2e_driver wait-tray SECONDS        waits until the tray icon's window exists
//   e2e_driver tray-gone SECONDS        waits until the tray icon's window is gone
//   e2e_driver visible-windows          prints the number of visible windows of the program
//   e2e_driver tray-point               prints "x y", the screen point of the tray icon in the
//                                       taskbar of Wine's virtual desktop
//   e2e_driver locate TEXT [SECONDS]    waits for a visible window whose text is TEXT (an "&"
//                                       mnemonic ignored; while the program runs, only its
//                                       own windows) and prints "x y", its centre
//                                       (exit code 3: scrolled out of view in its pager)
//   e2e_driver locate-box LABEL [SECONDS]  the same for the check box in front of a label
//   e2e_driver locate-next TEXT [SECONDS]  the same for the window that follows it (a field)
//   e2e_driver pager-arrow TEXT [SECONDS]  the lower scroll arrow of the pager that holds it
//   e2e_driver wait-enabled TEXT [SECONDS] waits until the window showing TEXT is enabled
//   e2e_driver box-state LABEL          prints 1 when that check box is checked, else 0
//   e2e_driver message [SECONDS]        waits for a message box and prints its text on one line
//   e2e_driver gone TEXT [SECONDS]      waits until no visible window has the text TEXT
//   e2e_driver texts                    prints the text of every visible window of the program,
//                                       one a line (line breaks in a text become spaces)
//   e2e_driver progress                 prints the position of every visible progress bar of
//                                       the program, one a line
//   e2e_driver wait-menu [SECONDS]      waits until a popup menu is open
//   e2e_driver warp DIVISOR DLL         loads DLL (the time warp) into the running program and
//                                       divides its timer periods and waits by DIVISOR
#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int kMessageTextId = 0xFFFF; // the text of a message box

// The program runs in Wine's virtual desktop "Torvane" when the scripts start it there; look at
// the windows of that desktop once it exists.
void AttachToDesktop() {
    static bool attached = false;
    if (attached)
        return;
    if (HDESK desktop = OpenDesktopA("Torvane", 0, FALSE, GENERIC_ALL))
        attached = SetThreadDesktop(desktop) != FALSE;
}

HWND FindTray() {
    AttachToDesktop();
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

bool OfProgram(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == g_process;
}

// The process of the running program, known by its tray icon's window.
bool FindProgram() {
    HWND tray = FindTray();
    if (tray == nullptr) {
        std::fprintf(stderr, "no running program\n");
        return false;
    }
    GetWindowThreadProcessId(tray, &g_process);
    return true;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM) {
    if (OfProgram(window) && IsWindowVisible(window)) {
        RECT rect;
        GetWindowRect(window, &rect);
        // The host window is shown with no size at all; it is not something the user sees.
        if (rect.right > rect.left && rect.bottom > rect.top)
            ++g_visible;
    }
    return TRUE;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    std::string plain;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&')
            plain += *c;
    }
    return plain;
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

struct Search {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    if (IsWindowVisible(window) && TextOf(window) == search.text) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    // While the program runs, only its own windows count: the taskbar of Wine's desktop has a
    // "Start" button too.
    if (g_process != 0 && !OfProgram(window))
        return TRUE;
    if (!MatchText(window, param))
        return FALSE;
    EnumChildWindows(window, MatchText, param);
    return reinterpret_cast<Search*>(param)->found == nullptr;
}

// A visible window showing TEXT: one of the program's while it runs, else any.
HWND FindByText(const char* text) {
    HWND tray = FindTray();
    g_process = 0;
    if (tray != nullptr)
        GetWindowThreadProcessId(tray, &g_process);
    Search search{text, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForText(const char* text, int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        if (HWND window = FindByText(text))
            return window;
        Sleep(100);
    }
    return nullptr;
}

void PrintCentre(const RECT& rect) {
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The part of a window that its parents leave in view (a page scrolled in its pager hides
// what lies below the pager's edge).
bool VisiblePart(HWND window, RECT& part) {
    GetWindowRect(window, &part);
    for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(parent)) {
        if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0)
            break;
        RECT outer;
        GetWindowRect(parent, &outer);
        if (!IntersectRect(&part, &part, &outer))
            return false;
        window = parent;
    }
    return true;
}

const int kScrolledAway = 3;

int Locate(const char* text, int seconds) {
    HWND window = WaitForText(text, seconds);
    if (window == nullptr) {
        std::fprintf(stderr, "no visible window shows \"%s\"\n", text);
        return 1;
    }
    RECT rect;
    if (!VisiblePart(window, rect)) {
        std::fprintf(stderr, "\"%s\" is scrolled out of view\n", text);
        return kScrolledAway;
    }
    PrintCentre(rect);
    return 0;
}

// The lower arrow of the pager that holds the window showing TEXT.
int PagerArrow(const char* text, int seconds) {
    HWND window = WaitForText(text, seconds);
    for (; window != nullptr; window = GetParent(window)) {
        char kind[32] = {};
        GetClassNameA(window, kind, sizeof kind);
        if (lstrcmpiA(kind, "SysPager") == 0) {
            RECT rect;
            GetWindowRect(window, &rect);
            std::printf("%ld %ld\n", (rect.left + rect.right) / 2, rect.bottom - 5);
            return 0;
        }
    }
    std::fprintf(stderr, "\"%s\" is not in a pager\n", text);
    return 1;
}

// The check box of a row sits in front of its label, on the label's first line.
HWND FindBox(const char* label, int seconds) {
    HWND text = WaitForText(label, seconds);
    if (text == nullptr) {
        std::fprintf(stderr, "no visible label \"%s\"\n", label);
        return nullptr;
    }
    RECT labelRect;
    GetWindowRect(text, &labelRect);
    HWND best = nullptr;
    LONG bestGap = 0;
    for (HWND child = GetWindow(GetParent(text), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[32] = {};
        GetClassNameA(child, kind, sizeof kind);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(kind, "Button") != 0 || (style & 0x0F) != BS_AUTOCHECKBOX)
            continue;
        RECT box;
        GetWindowRect(child, &box);
        const LONG gap = labelRect.left - box.right;
        if (box.bottom < labelRect.top || box.top > labelRect.top + 12 || gap < 0)
            continue;
        if (best == nullptr || gap < bestGap) {
            best = child;
            bestGap = gap;
        }
    }
    if (best == nullptr)
        std::fprintf(stderr, "no check box in front of \"%s\"\n", label);
    return best;
}

int LocateBox(const char* label, int seconds) {
    HWND box = FindBox(label, seconds);
    if (box == nullptr)
        return 1;
    RECT rect;
    GetWindowRect(box, &rect);
    PrintCentre(rect);
    return 0;
}

int BoxState(const char* label, int seconds) {
    HWND box = FindBox(label, seconds);
    if (box == nullptr)
        return 1;
    std::printf("%d\n", SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    return 0;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
    char kind[16] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (IsWindowVisible(window) && std::strcmp(kind, "#32770") == 0 &&
        GetDlgItem(window, kMessageTextId) != nullptr) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

int Message(int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        HWND box = nullptr;
        EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box));
        if (box != nullptr) {
            std::printf("%s\n", OneLine(TextOf(GetDlgItem(box, kMessageTextId))).c_str());
            return 0;
        }
        Sleep(100);
    }
    std::fprintf(stderr, "no message box appeared\n");
    return 1;
}

// The window after the one showing TEXT in its dialog: the field that follows a label or a
// radio button.
int LocateNext(const char* text, int seconds) {
    HWND window = WaitForText(text, seconds);
    HWND next = window != nullptr ? GetWindow(window, GW_HWNDNEXT) : nullptr;
    if (next == nullptr) {
        std::fprintf(stderr, "nothing follows \"%s\"\n", text);
        return 1;
    }
    RECT rect;
    GetWindowRect(next, &rect);
    PrintCentre(rect);
    return 0;
}

int WaitEnabled(const char* text, int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        HWND window = FindByText(text);
        if (window != nullptr && IsWindowEnabled(window))
            return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "\"%s\" is not shown enabled\n", text);
    return 1;
}

int Gone(const char* text, int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        if (FindByText(text) == nullptr)
            return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "\"%s\" is still shown\n", text);
    return 1;
}

BOOL CALLBACK PrintChildText(HWND window, LPARAM) {
    if (IsWindowVisible(window))
        std::printf("%s\n", OneLine(TextOf(window)).c_str());
    return TRUE;
}

BOOL CALLBACK PrintTexts(HWND window, LPARAM) {
    if (OfProgram(window) && IsWindowVisible(window)) {
        std::printf("%s\n", OneLine(TextOf(window)).c_str());
        EnumChildWindows(window, PrintChildText, 0);
    }
    return TRUE;
}

int Texts() {
    if (!FindProgram())
        return 1;
    EnumWindows(PrintTexts, 0);
    return 0;
}

BOOL CALLBACK PrintChildProgress(HWND window, LPARAM) {
    char kind[32] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (IsWindowVisible(window) && lstrcmpiA(kind, PROGRESS_CLASSA) == 0)
        std::printf("%ld\n", static_cast<long>(SendMessageA(window, PBM_GETPOS, 0, 0)));
    return TRUE;
}

BOOL CALLBACK PrintProgress(HWND window, LPARAM) {
    if (OfProgram(window) && IsWindowVisible(window))
        EnumChildWindows(window, PrintChildProgress, 0);
    return TRUE;
}

int Progress() {
    if (!FindProgram())
        return 1;
    EnumWindows(PrintProgress, 0);
    return 0;
}

// An open popup menu is a visible window of the menu class, "#32768".
int WaitMenu(int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu != nullptr && IsWindowVisible(menu))
            return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "no menu opened\n");
    return 1;
}

// Wine's taskbar draws the tray icons itself, right-aligned, one small icon each; Torvane's is
// the only one.
int TrayPoint() {
    HWND bar = FindWindowA("Shell_TrayWnd", nullptr);
    RECT rect;
    if (bar == nullptr || !GetWindowRect(bar, &rect) || rect.bottom <= rect.top) {
        std::fprintf(stderr, "no taskbar\n");
        return 1;
    }
    std::printf("%ld %ld\n", rect.right - 11, (rect.top + rect.bottom) / 2);
    return 0;
}

DWORD RunRemote(HANDLE process, LPTHREAD_START_ROUTINE start, LPVOID argument) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
    if (thread == nullptr)
        return 0;
    WaitForSingleObject(thread, 10000);
    DWORD result = 0;
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return result;
}

// Where the module loaded from `path` lies in the process `id`, or 0. A thread's exit code holds
// only 32 bits, so LoadLibraryA's answer from a remote thread is no address in a 64-bit program.
UINT_PTR RemoteModuleBase(DWORD id, const char* path) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, id);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    UINT_PTR base = 0;
    for (BOOL more = Module32First(snapshot, &module); more && base == 0;
         more = Module32Next(snapshot, &module)) {
        if (lstrcmpiA(module.szExePath, path) == 0)
            base = reinterpret_cast<UINT_PTR>(module.modBaseAddr);
    }
    CloseHandle(snapshot);
    return base;
}

// Loads the time warp into the program and calls its WarpTime(divisor) there; WarpTime answers
// how many imports it redirected.
int Warp(UINT divisor, const char* dll) {
    char path[MAX_PATH];
    if (GetFullPathNameA(dll, MAX_PATH, path, nullptr) == 0)
        return 1;
    HMODULE local = LoadLibraryA(path);
    FARPROC warpTime = local != nullptr ? GetProcAddress(local, "WarpTime@4") : nullptr;
    if (warpTime == nullptr)
        warpTime = local != nullptr ? GetProcAddress(local, "WarpTime") : nullptr;
    HWND tray = FindTray();
    if (warpTime == nullptr || tray == nullptr) {
        std::fprintf(stderr, "no time warp or no running program\n");
        return 1;
    }
    DWORD id = 0;
    GetWindowThreadProcessId(tray, &id);
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
    if (process == nullptr)
        return 1;
    const SIZE_T size = std::strlen(path) + 1;
    LPVOID remotePath = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    int result = 1;
    if (remotePath != nullptr && WriteProcessMemory(process, remotePath, path, size, nullptr)) {
        auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
        RunRemote(process, loadLibrary, remotePath);
        const UINT_PTR remote = RemoteModuleBase(id, path);
        if (remote != 0) {
            const UINT_PTR offset =
                reinterpret_cast<UINT_PTR>(warpTime) - reinterpret_cast<UINT_PTR>(local);
            auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(remote + offset);
            const DWORD redirected =
                RunRemote(process, start, reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(divisor)));
            std::printf("%lu imports redirected\n", redirected);
            result = redirected == 2 ? 0 : 1;
        }
    }
    if (remotePath != nullptr)
        VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    AttachToDesktop();
    const std::string command = argv[1];
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    const int textSeconds = argc > 3 ? std::atoi(argv[3]) : 20;
    if (command == "wait-tray")
        return WaitFor(true, seconds) ? 0 : 1;
    if (command == "tray-gone")
        return WaitFor(false, seconds) ? 0 : 1;
    if (command == "tray-point")
        return TrayPoint();
    if (command == "locate" && argc > 2)
        return Locate(argv[2], textSeconds);
    if (command == "locate-box" && argc > 2)
        return LocateBox(argv[2], textSeconds);
    if (command == "pager-arrow" && argc > 2)
        return PagerArrow(argv[2], textSeconds);
    if (command == "locate-next" && argc > 2)
        return LocateNext(argv[2], textSeconds);
    if (command == "wait-enabled" && argc > 2)
        return WaitEnabled(argv[2], textSeconds);
    if (command == "box-state" && argc > 2)
        return BoxState(argv[2], textSeconds);
    if (command == "gone" && argc > 2)
        return Gone(argv[2], textSeconds);
    if (command == "message")
        return Message(seconds);
    if (command == "warp" && argc > 3)
        return Warp(static_cast<UINT>(std::atoi(argv[2])), argv[3]);
    if (command == "texts")
        return Texts();
    if (command == "progress")
        return Progress();
    if (command == "wait-menu")
        return WaitMenu(seconds);
    if (command == "visible-windows") {
        if (!FindProgram())
            return 1;
        EnumWindows(CountVisible, 0);
        std::printf("%d\n", g_visible);
        return 0;
    }
    return 2;
}
