#pragma once

#include <windows.h>

// A plain white top-level window of its own class, to hold the pages and controls under test.
// Registers `className` with `procedure` on first use; null when the window cannot be made.
HWND CreateTestParent(const char* className, int x, int y, int width, int height,
                      DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0,
                      WNDPROC procedure = DefWindowProcA);
