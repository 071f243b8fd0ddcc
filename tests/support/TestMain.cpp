#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "platform/WindowsVersion.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_WIN95_CLASSES | ICC_PAGESCROLLER_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    int family = 0;
    std::string name = "(none)";
    DetectWindowsVersion(family, name);
    printf("Emulated Windows: family %d, %s\n", family, name.c_str());
    return RUN_ALL_TESTS();
}
