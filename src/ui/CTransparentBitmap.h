#pragma once

#include <windows.h>

#include "ui/CGdiObject.h"

// A bitmap drawn so that its pixels of one colour leave the background visible.
class CTransparentBitmap {
public:
    // Loads the bitmap resource; FALSE when it does not exist.
    BOOL LoadFromResource(UINT id);
    // Takes an existing bitmap (the object deletes it).
    void Attach(HBITMAP bitmap) { bitmap_.Reset(bitmap); }

    // Draws the bitmap with its top-left corner at (x, y); pixels of `transparent` are left out.
    void Draw(HDC dc, int x, int y, COLORREF transparent) const;

    HBITMAP Handle() const { return bitmap_.Get(); }
    SIZE Size() const;

private:
    CBitmapHandle bitmap_;
};
