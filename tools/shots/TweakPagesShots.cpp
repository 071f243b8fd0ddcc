#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "support/CRecordingMainWindow.h"
#include "support/CRegistrySandbox.h"
#include "support/EmulatedSystem.h"
#include "support/MessagePump.h"
#include "manual/TweakPages.h"

namespace {

// Shows each of the nine pages in a plain window for tools/shots/tweak-pages-shots.sh,
// which takes the pictures: the program names the page in C:\shots\ready.txt and waits until
// the script has removed the file.
TEST(TweakPagesShots, ShowEveryPage) {
    const char* names[] = {"system", "desktop", "startmenu", "internet", "cdrom",
                           "hdd",    "memory",  "bootup",    "shutdown"};
    CreateDirectoryA("C:\\shots", nullptr);
    std::string version = EmulatedVersionName();
    if (version.rfind("win", 0) == 0)
        version = version.substr(3);
    CRegistrySandbox sandbox;
    CRecordingMainWindow main;
    for (int m = 0; m < IMainWindow::kModuleCount; ++m) {
        HWND window =
            CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0,
                            442, 490, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        auto page = CreateTweakPage(static_cast<IMainWindow::Module>(m), main);
        ASSERT_TRUE(page->CreatePage(window));
        page->MoveTo(30, 20);
        page->Show(SW_SHOW);
        UpdateWindow(window);
        PumpMessages(700);
        const std::string name = std::string("tweaks-") + names[m] + "-" + version;
        HANDLE ready = CreateFileA("C:\\shots\\ready.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(ready, name.data(), static_cast<DWORD>(name.size()), &written, nullptr);
        CloseHandle(ready);
        PumpMessages(20000, [] {
            return GetFileAttributesA("C:\\shots\\ready.txt") == INVALID_FILE_ATTRIBUTES;
        });
        page.reset();
        DestroyWindow(window);
    }
}

} // namespace
