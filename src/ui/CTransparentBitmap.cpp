#include "ui/CTransparentBitmap.h"

#include "ui/CMemoryDC.h"
#include "ui/CSelectedObject.h"
#include "ui/PackedDib.h"

BOOL CTransparentBitmap::LoadFromResource(UINT id) {
    bitmap_.Reset(LoadDibSectionResource(GetModuleHandleA(nullptr), id));
    return bitmap_ ? TRUE : FALSE;
}

SIZE CTransparentBitmap::Size() const {
    BITMAP shape = {};
    if (bitmap_)
        GetObjectA(bitmap_.Get(), sizeof(shape), &shape);
    return SIZE{shape.bmWidth, shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight};
}

void CTransparentBitmap::Draw(HDC dc, int x, int y, COLORREF transparent) const {
    if (!bitmap_)
        return;
    const SIZE size = Size();
    CMemoryDC image(dc);
    CMemoryDC maskDc(dc);
    CBitmapHandle mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    if (!image || !maskDc || !mask)
        return;
    CSelectedObject selectedImage(image, bitmap_.Get());
    CSelectedObject selectedMask(maskDc, mask.Get());
    // The mask: white where the picture has the transparent colour, black elsewhere.
    const COLORREF oldImageBk = SetBkColor(image, transparent);
    BitBlt(maskDc, 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
    SetBkColor(image, oldImageBk);
    // picture ^ background, kept only where the mask is black, ^ picture again: the picture
    // where it is opaque, the background where it is transparent.
    const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, size.cx, size.cy, image, 0, 0, SRCINVERT);
    BitBlt(dc, x, y, size.cx, size.cy, maskDc, 0, 0, SRCAND);
    BitBlt(dc, x, y, size.cx, size.cy, image, 0, 0, SRCINVERT);
    SetBkColor(dc, oldBk);
    SetTextColor(dc, oldText);
}
