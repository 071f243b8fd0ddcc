#pragma once

#include <cstddef>
#include <windows.h>

// A bitmap resource is a packed DIB: an information block, its colour table and the pixels,
// uncompressed or run-length encoded (BI_RLE8, BI_RLE4). A DIB section cannot take encoded
// pixels, so they are decoded here.

// A DIB section with the block's own depth, size and colour table, holding its pixels; null when
// the block is malformed or of a form other than a BITMAPINFOHEADER (or later) one with
// uncompressed, bit-field or run-length encoded pixels.
HBITMAP CreateDibSectionFromPacked(const BYTE* block, size_t size);

// Decodes BI_RLE8 (bits 8) or BI_RLE4 (bits 4) pixels into the bottom-up rows of an
// uncompressed bitmap of width x height (each row padded to four bytes; `pixels` holds
// `pixelBytes`). Pixels the data skips keep their value. False when the data is cut short or
// would write outside the bitmap; nothing outside `pixels` is ever written.
bool DecodeRunLengths(const BYTE* data, size_t size, int bits, int width, int height, BYTE* pixels,
                      size_t pixelBytes);

// The packed DIB of bitmap resource `id` of `module` and its size; null when there is none.
const BYTE* FindPackedDib(HMODULE module, UINT id, size_t& size);

// Bitmap resource `id` as a DIB section with its own colour table, its pixels decoded; a resource
// with an old-style header is left to LoadImage. Null when it is missing or malformed.
HBITMAP LoadDibSectionResource(HMODULE module, UINT id);
