#include "ui/CMemoryCanvas.h"

BOOL CMemoryCanvas::Create(HDC compatible, int width, int height) {
    Reset();
    if (width <= 0 || height <= 0)
        return FALSE;
    dc_ = CreateCompatibleDC(compatible);
    if (dc_ == nullptr)
        return FALSE;
    // A bitmap compatible with the memory context would be monochrome: take the original's.
    bitmap_.Reset(compatible != nullptr ? CreateCompatibleBitmap(compatible, width, height)
                                        : nullptr);
    if (!bitmap_) {
        HDC screen = GetDC(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
    }
    if (!bitmap_) {
        Reset();
        return FALSE;
    }
    previous_ = SelectObject(dc_, bitmap_.Get());
    width_ = width;
    height_ = height;
    return TRUE;
}

void CMemoryCanvas::Reset() {
    if (dc_ != nullptr && previous_ != nullptr)
        SelectObject(dc_, previous_);
    previous_ = nullptr;
    bitmap_.Reset();
    if (dc_ != nullptr)
        DeleteDC(dc_);
    dc_ = nullptr;
    width_ = height_ = 0;
}
