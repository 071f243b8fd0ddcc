#pragma once

#include <string>
#include <windows.h>

#include "ui/CGdiObject.h"

// A device-independent bitmap with the palette made from its colour table, so that it shows
// its own colours on a 256-colour display.
class CSkinBitmap {
public:
    CSkinBitmap() = default;
    CSkinBitmap(const CSkinBitmap&) = delete;
    CSkinBitmap& operator=(const CSkinBitmap&) = delete;
    CSkinBitmap(CSkinBitmap&&) noexcept = default;
    CSkinBitmap& operator=(CSkinBitmap&&) noexcept = default;

    // Load the bitmap and its palette; return the bitmap, or null when it cannot be loaded.
    HBITMAP LoadFromResource(UINT id);
    HBITMAP LoadFromFile(const std::string& path);

    // Copies the bitmap to 0,0 of the context with its palette realised, stretched to
    // width x height when either is nonzero (a zero one keeps the bitmap's own).
    void Draw(HDC dc, int width = 0, int height = 0) const;
    // Copies the bitmap into `rect` (stretched when the sizes differ), clipped to `clip` (device
    // coordinates) when there is one.
    void DrawClipped(HDC dc, const RECT& rect, HRGN clip) const;
    // Selects and realises the palette it is drawn with into the context (in the foreground for
    // a top-level window, else in the background); returns the previous palette, or null.
    HPALETTE SelectInto(HDC dc) const;
    // The palette it is drawn with: the program's skin palette (CSkinPalette), which holds the
    // colours of every bitmap resource, or its own when the program has none.
    HPALETTE DrawingPalette() const;

    HBITMAP Handle() const { return bitmap_.Get(); }
    HPALETTE Palette() const { return palette_.Get(); }
    // True once bitmap and palette are ready (false for a bitmap with an old-style header).
    bool IsLoaded() const { return loaded_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Reset();

private:
    // Takes the loaded bitmap and reads size and colour table from its information block of
    // `size` bytes.
    HBITMAP Adopt(HBITMAP bitmap, const BYTE* info, size_t size);
    void Copy(HDC dc, int x, int y, int width, int height) const;

    CBitmapHandle bitmap_;
    CPaletteHandle palette_;
    bool loaded_ = false;
    int width_ = 0;
    int height_ = 0;
};
