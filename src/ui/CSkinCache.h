#pragma once

#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"

// The skin pictures of the program's resources and their shapes, each loaded or built once and
// kept while the program runs: the main window is destroyed whenever it is closed to the tray
// and built again from the same pictures when it is opened. Everything here belongs to the user
// interface thread.
class CSkinCache {
public:
    // The opaque pixels of a picture (within kSkinTolerance of the transparent colour counts as
    // transparent), in the picture's coordinates, and their bounding box.
    struct Shape {
        CRegionHandle region;
        RECT box;
    };

    // The picture of bitmap resource `id`, or null when it cannot be loaded.
    static const CSkinBitmap* Bitmap(UINT id);
    // The shape of bitmap resource `id` for that transparent colour, or null when the picture or
    // the region cannot be made. Callers copy the region before handing it to a window.
    static const Shape* ShapeOf(UINT id, COLORREF transparent);
    // A new region equal to `shape`'s, moved by dx, dy; null when the system refuses.
    static HRGN CopyRegion(const Shape& shape, int dx = 0, int dy = 0);
};
