#pragma once

#include <windows.h>

#include "ui/CSubclassedWindow.h"

// A control that draws itself: WM_PAINT and WM_PRINTCLIENT go to Paint, and erasing the
// background is left out (Paint covers the whole client area).
class CPaintedControl : public CSubclassedWindow {
protected:
    virtual void Paint(HDC dc) = 0;
    // Handles the painting messages; true when `message` was one, with its result.
    bool HandlePaint(UINT message, WPARAM wParam, LRESULT& result);
};
