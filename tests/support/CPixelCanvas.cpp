#include "support/CPixelCanvas.h"

CPixelCanvas::CPixelCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
}

CPixelCanvas::~CPixelCanvas() {
    if (dc_ != nullptr && previous_ != nullptr)
        SelectObject(dc_, previous_);
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
    if (dc_ != nullptr)
        DeleteDC(dc_);
}

COLORREF CPixelCanvas::Pixel(int x, int y) const {
    GdiFlush();
    const DWORD value = bits_[y * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int CPixelCanvas::Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            count += Pixel(x, y) == colour ? 1 : 0;
    return count;
}

void CPixelCanvas::SetPixelColor(int x, int y, COLORREF colour) {
    GdiFlush();
    bits_[y * width_ + x] =
        (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

void CPixelCanvas::Fill(COLORREF colour) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            SetPixelColor(x, y, colour);
}

void CPixelCanvas::PrintClient(HWND window) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
}

HBITMAP CPixelCanvas::TakeBitmap() {
    SelectObject(dc_, previous_);
    previous_ = nullptr;
    HBITMAP bitmap = bitmap_;
    bitmap_ = nullptr;
    return bitmap;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}
