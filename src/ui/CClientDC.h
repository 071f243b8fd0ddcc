#pragma once

#include <windows.h>

// The device context of a window's client area, released when the holder goes out of scope.
class CClientDC {
public:
    explicit CClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~CClientDC() {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
