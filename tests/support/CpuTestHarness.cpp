#include "support/CpuTestHarness.h"

namespace {

std::function<void(HWND)> g_script;
const char* g_title = nullptr;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", g_title);
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return; // not up yet: the timer fires again
    KillTimer(nullptr, timer);
    auto script = std::move(g_script);
    g_script = nullptr;
    script(dialog);
}

} // namespace

CTestFrame::CTestFrame(int width, int height) {
    RECT rect = {0, 0, width, height};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    window_ =
        CreateWindowExA(0, "STATIC", "CPU test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                        20, 20, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
}

CTestFrame::~CTestFrame() {
    Destroy();
}

void CTestFrame::Destroy() {
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
}

INT_PTR DriveModal(const char* title, const std::function<INT_PTR()>& show,
                   const std::function<void(HWND dialog)>& script) {
    g_title = title;
    g_script = script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &RunScript);
    const INT_PTR result = show();
    if (g_script) {
        // The dialog never came up.
        KillTimer(nullptr, timer);
        g_script = nullptr;
    }
    return result;
}




bool Pump(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done && done())
            return true;
        if (GetTickCount() - start >= milliseconds)
            return !done;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
}
