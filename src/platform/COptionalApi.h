#pragma once

#include <windows.h>

// Functions that not every supported Windows exports. The loader refuses to start a program that
// imports a function its DLL lacks, so these are looked up at run time, once per process, and
// every caller has a fallback: GetAncestor (not on Windows 95), SHDeleteKeyA (shlwapi.dll is not
// on a stock Windows 95 or NT 4 without Internet Explorer 4), InitCommonControlsEx (not in the
// common controls of the first Windows 95 release) and GlobalMemoryStatusEx (2000 and later).
// Also looked up here: GetOpenFileNameA, which every system has, so that comdlg32.dll (and the
// printing DLLs it brings) is loaded only when a file chooser is first opened, not for every
// start to the tray.
class COptionalApi {
public:
    enum Function {
        kGetAncestor,
        kSHDeleteKeyA,
        kInitCommonControlsEx,
        kGlobalMemoryStatusEx,
        kGetOpenFileNameA,
        kFunctionCount
    };

    // The function's address, or nullptr when the system lacks it. A DLL loaded for a lookup
    // stays loaded for the life of the process, as the address must stay valid.
    static FARPROC Find(Function function);

    // GetAncestor where the system has it; elsewhere the same answer from the window styles and
    // GetParent for GA_PARENT, GA_ROOT and GA_ROOTOWNER.
    static HWND Ancestor(HWND window, UINT flags);

    // InitCommonControlsEx with `classes`; FALSE when the common controls lack it or refuse.
    static BOOL InitCommonControls(DWORD classes);

    // Test use only: makes Find report `function` as missing (or present again).
    static void PretendMissing(Function function, bool missing);
};
