#pragma once

#include <windows.h>

// A 32-bit picture in memory whose pixels a test reads directly: the target of WM_PRINTCLIENT,
// or the source of bitmaps a test builds pixel by pixel.
class CPixelCanvas {
public:
    CPixelCanvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC DC() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    COLORREF Pixel(int x, int y) const;
    // How many pixels have the colour.
    int Count(COLORREF colour) const;
    void SetPixelColor(int x, int y, COLORREF colour);
    void Fill(COLORREF colour);
    // Asks a window to draw its client area into the canvas (WM_PRINTCLIENT).
    void PrintClient(HWND window);
    // Hands the bitmap over (deselected): the caller deletes it; the canvas is unusable after.
    HBITMAP TakeBitmap();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
    int width_;
    int height_;
};

// The colour of a pixel of a window as the screen shows it (after the window has painted).
COLORREF ScreenPixel(HWND window, int x, int y);
