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

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

const int kMessageTextId = 0xFFFF; // the text of a message box
const int kScrolledAway = 3;

// Says what went wrong on the error stream; the exit code of a failed command.
int Fail(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    return 1;
}

// Asks `done` ten times a second, at least once, for up to `seconds` seconds.
bool Poll(int seconds, const std::function<bool()>& done) {
    for (int i = 0; i <= seconds * 10; ++i) {
        if (done())
            return true;
        Sleep(100);
    }
    return false;
}

// Polls as above; the exit code, with `failure` (which may name `text`) said when it fails.
int Await(int seconds, const char* failure, const char* text, const std::function<bool()>& done) {
    return Poll(seconds, done) ? 0 : Fail(failure, text);
}

// The program runs in Wine's virtual desktop "Torvane" when the scripts start it there; look at
// the windows of that desktop once it exists.
void AttachToDesktop() {
    static bool attached = false;
    if (attached)
        return;
    if (HDESK desktop = OpenDesktopA("Torvane", 0, FALSE, GENERIC_ALL))
        attached = SetThreadDesktop(desktop) != FALSE;
}

// The process of the running program, known by its tray icon's window (0 when none runs).
DWORD g_process = 0;
HWND FindTray() {
    AttachToDesktop();
    HWND tray = FindWindowA("#32770", "Torvane Tray");
    g_process = 0;
    if (tray != nullptr)
        GetWindowThreadProcessId(tray, &g_process);
    return tray;
}

bool OfProgram(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == g_process;
}

std::string ClassOf(HWND window) {
    char kind[32] = {};
    GetClassNameA(window, kind, sizeof kind);
    return kind;
}

// A window's text without its "&" mnemonic marks; with `oneLine`, line breaks become spaces.
std::string TextOf(HWND window, bool oneLine = false) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    std::string plain;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&')
            plain += oneLine && (*c == '\r' || *c == '\n') ? ' ' : *c;
    }
    return plain;
}

// Calls `visit` for every visible top-level window of the running program and, with `children`,
// for each of their visible children right after it.
using Visit = std::function<void(HWND)>;
BOOL CALLBACK VisitVisibleChild(HWND child, LPARAM param) {
    if (IsWindowVisible(child))
        (*reinterpret_cast<const Visit*>(param))(child);
    return TRUE;
}

struct Walk {
    bool children;
    const Visit& visit;
};

BOOL CALLBACK VisitProgramWindow(HWND window, LPARAM param) {
    const auto& walk = *reinterpret_cast<const Walk*>(param);
    if (OfProgram(window) && IsWindowVisible(window)) {
        walk.visit(window);
        if (walk.children)
            EnumChildWindows(window, VisitVisibleChild, reinterpret_cast<LPARAM>(&walk.visit));
    }
    return TRUE;
}

int ForEachProgramWindow(bool children, const Visit& visit) {
    if (FindTray() == nullptr)
        return Fail("no running program");
    Walk walk{children, visit};
    EnumWindows(VisitProgramWindow, reinterpret_cast<LPARAM>(&walk));
    return 0;
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
    FindTray();
    Search search{text, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForText(const char* text, int seconds) {
    HWND window = nullptr;
    Poll(seconds, [&] { return (window = FindByText(text)) != nullptr; });
    return window;
}

int PrintPoint(LONG x, LONG y) {
    std::printf("%ld %ld\n", x, y);
    return 0;
}

int PrintCentre(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return PrintPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The centre of the part of the window showing TEXT that its parents leave in view (a page
// scrolled in its pager hides what lies below the pager's edge).
int Locate(const char* text, int seconds) {
    HWND window = WaitForText(text, seconds);
    if (window == nullptr)
        return Fail("no visible window shows \"%s\"", text);
    RECT part;
    GetWindowRect(window, &part);
    for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(parent)) {
        if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0)
            break;
        RECT outer;
        GetWindowRect(parent, &outer);
        if (!IntersectRect(&part, &part, &outer)) {
            Fail("\"%s\" is scrolled out of view", text);
            return kScrolledAway;
        }
        window = parent;
    }
    return PrintPoint((part.left + part.right) / 2, (part.top + part.bottom) / 2);
}

// The lower arrow of the pager that holds the window showing TEXT.
int PagerArrow(const char* text, int seconds) {
    for (HWND window = WaitForText(text, seconds); window != nullptr; window = GetParent(window)) {
        if (lstrcmpiA(ClassOf(window).c_str(), "SysPager") == 0) {
            RECT rect;
            GetWindowRect(window, &rect);
            return PrintPoint((rect.left + rect.right) / 2, rect.bottom - 5);
        }
    }
    return Fail("\"%s\" is not in a pager", text);
}

// The check box of a row sits in front of its label, on the label's first line.
HWND FindBox(const char* label, int seconds) {
    HWND text = WaitForText(label, seconds);
    if (text == nullptr) {
        Fail("no visible label \"%s\"", label);
        return nullptr;
    }
    RECT labelRect;
    GetWindowRect(text, &labelRect);
    HWND best = nullptr;
    LONG bestGap = 0;
    for (HWND child = GetWindow(GetParent(text), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(ClassOf(child).c_str(), "Button") != 0 || (style & 0x0F) != BS_AUTOCHECKBOX)
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
        Fail("no check box in front of \"%s\"", label);
    return best;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        GetDlgItem(window, kMessageTextId) != nullptr) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

int Message(int seconds) {
    HWND box = nullptr;
    if (!Poll(seconds, [&box] {
            EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box));
            return box != nullptr;
        }))
        return Fail("no message box appeared");
    std::printf("%s\n", TextOf(GetDlgItem(box, kMessageTextId), true).c_str());
    return 0;
}

// Wine's taskbar draws the tray icons itself, right-aligned, one small icon each; Torvane's is
// the only one.
int TrayPoint() {
    HWND bar = FindWindowA("Shell_TrayWnd", nullptr);
    RECT rect;
    if (bar == nullptr || !GetWindowRect(bar, &rect) || rect.bottom <= rect.top)
        return Fail("no taskbar");
    return PrintPoint(rect.right - 11, (rect.top + rect.bottom) / 2);
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
    const char* text = argc > 2 ? argv[2] : nullptr;
    const int textSeconds = argc > 3 ? std::atoi(argv[3]) : 20;
    if (command == "wait-tray" || command == "tray-gone") {
        const bool present = command == "wait-tray";
        return Poll(seconds, [present] { return (FindTray() != nullptr) == present; }) ? 0 : 1;
    }
    if (command == "tray-point")
        return TrayPoint();
    if (command == "message")
        return Message(seconds);
    if (command == "warp" && argc > 3)
        return Warp(static_cast<UINT>(std::atoi(argv[2])), argv[3]);
    if (command == "texts")
        return ForEachProgramWindow(
            true, [](HWND window) { std::printf("%s\n", TextOf(window, true).c_str()); });
    if (command == "progress")
        return ForEachProgramWindow(true, [](HWND window) {
            if (lstrcmpiA(ClassOf(window).c_str(), PROGRESS_CLASSA) == 0)
                std::printf("%ld\n", static_cast<long>(SendMessageA(window, PBM_GETPOS, 0, 0)));
        });
    if (command == "visible-windows") {
        // The host window is shown with no size at all; it is not something the user sees.
        int visible = 0;
        const int failed = ForEachProgramWindow(false, [&visible](HWND window) {
            RECT rect;
            GetWindowRect(window, &rect);
            visible += rect.right > rect.left && rect.bottom > rect.top;
        });
        if (failed == 0)
            std::printf("%d\n", visible);
        return failed;
    }
    // An open popup menu is a visible window of the menu class, "#32768".
    if (command == "wait-menu")
        return Await(seconds, "no menu opened", "", [] {
            HWND menu = FindWindowA("#32768", nullptr);
            return menu != nullptr && IsWindowVisible(menu);
        });
    if (text == nullptr)
        return 2;
    if (command == "locate")
        return Locate(text, textSeconds);
    if (command == "pager-arrow")
        return PagerArrow(text, textSeconds);
    if (command == "locate-next") {
        HWND window = WaitForText(text, textSeconds);
        HWND next = window != nullptr ? GetWindow(window, GW_HWNDNEXT) : nullptr;
        return next != nullptr ? PrintCentre(next) : Fail("nothing follows \"%s\"", text);
    }
    if (command == "locate-box" || command == "box-state") {
        HWND box = FindBox(text, textSeconds);
        if (box == nullptr)
            return 1;
        if (command == "locate-box")
            return PrintCentre(box);
        std::printf("%d\n", SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return 0;
    }
    if (command == "wait-enabled")
        return Await(textSeconds, "\"%s\" is not shown enabled", text, [text] {
            HWND window = FindByText(text);
            return window != nullptr && IsWindowEnabled(window);
        });
    if (command == "gone")
        return Await(textSeconds, "\"%s\" is still shown", text,
                     [text] { return FindByText(text) == nullptr; });
    return 2;
}
