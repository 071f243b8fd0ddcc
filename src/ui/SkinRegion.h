#pragma once

#include <windows.h>

// The tolerance the skins use: a pixel within 8 of the transparent colour on every channel
// counts as transparent.
constexpr COLORREF kSkinTolerance = 0x080808;
// The transparent colour of every skin.
constexpr COLORREF kSkinTransparent = RGB(255, 0, 255);

// True when every channel of `pixel` lies within `tolerance` of `transparent` (bounds clamped
// to 0..255).
bool IsTransparentPixel(COLORREF pixel, COLORREF transparent, COLORREF tolerance);

// The region of all pixels of the bitmap that are not transparent, in bitmap coordinates, or
// null (no bitmap, or the system refused). A bitmap with no opaque pixel gives an empty region.
// Rows are turned into one-pixel-high rectangles and handed to the system in batches of 2000.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance);
