#pragma once

#include <windows.h>

// A memory device context compatible with another one (the screen's when none is given),
// deleted when the holder goes out of scope.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
    ~CMemoryDC() {
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};
