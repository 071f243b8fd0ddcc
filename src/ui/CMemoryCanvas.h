#pragma once

#include <windows.h>

#include "ui/CGdiObject.h"

// An off-screen picture: a memory device context with a compatible bitmap of a given size
// selected into it. Used to draw without flicker and copy the result in one step.
class CMemoryCanvas {
public:
    CMemoryCanvas() = default;
    CMemoryCanvas(HDC compatible, int width, int height) { Create(compatible, width, height); }
    ~CMemoryCanvas() { Reset(); }
    CMemoryCanvas(const CMemoryCanvas&) = delete;
    CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

    // Makes a picture of the given size compatible with `compatible`; FALSE when that fails.
    BOOL Create(HDC compatible, int width, int height);
    // Deselects and deletes the bitmap, then the memory context.
    void Reset();

    HDC DC() const { return dc_; }
    operator HDC() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Copies the whole picture to (x, y) of another context.
    BOOL CopyTo(HDC target, int x = 0, int y = 0) const {
        return BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
    }

private:
    HDC dc_ = nullptr;
    CBitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
