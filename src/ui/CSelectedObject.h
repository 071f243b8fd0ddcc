#pragma once

#include <windows.h>

// Selects a GDI object (bitmap, pen, brush, font) into a device context and puts the previous
// one back when the holder goes out of scope.
class CSelectedObject {
public:
    CSelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~CSelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

    // FALSE when the object could not be selected (a bitmap selected elsewhere, for example).
    explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
