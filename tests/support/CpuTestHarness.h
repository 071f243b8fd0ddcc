#pragma once

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

#include "support/CRecordingMainWindow.h"
#include "support/DialogDriver.h"

// The CPU test page reports to a recording main window.
using CCpuTestMainWindow = CRecordingMainWindow;

// A plain visible top-level window of the given client size, destroyed with the object.
class CTestFrame {
public:
    explicit CTestFrame(int width = 442, int height = 490);
    ~CTestFrame();
    CTestFrame(const CTestFrame&) = delete;
    CTestFrame& operator=(const CTestFrame&) = delete;
    HWND Handle() const { return window_; }
    void Destroy();

private:
    HWND window_ = nullptr;
};

// Runs `show` (which opens a modal dialog titled `title`) and, once the dialog is up, hands the
// dialog to `script`, which must end it. Returns what `show` returned.
INT_PTR DriveModal(const char* title, const std::function<INT_PTR()>& show,
                   const std::function<void(HWND dialog)>& script);

// Dispatches this thread's messages for the given time or until `done` reports true, looking at
// the clock after every message: a run's flood of posts may keep the queue from ever emptying.
bool Pump(DWORD milliseconds, const std::function<bool()>& done = nullptr);
