#include "ui/CSkinBitmap.h"

#include <vector>

#include "ui/CGdiObject.h"
#include "ui/CMemoryDC.h"
#include "ui/CSelectedObject.h"
#include "ui/CSkinPalette.h"
#include "ui/PackedDib.h"

namespace {

constexpr size_t kFileHeaderSize = sizeof(BITMAPFILEHEADER); // 14 bytes
constexpr size_t kMaxColourTable = 256 * sizeof(RGBQUAD);    // 1024 bytes

bool ReadWholeFile(const std::string& path, std::vector<BYTE>& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Only the headers and the colour table are read from the file itself.
    data.assign(kFileHeaderSize + sizeof(BITMAPINFOHEADER) + kMaxColourTable, 0);
    DWORD read = 0;
    const BOOL ok = ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok)
        return false;
    data.resize(read);
    return true;
}

} // namespace

void CSkinBitmap::Reset() {
    bitmap_.Reset();
    palette_.Reset();
    loaded_ = false;
    width_ = height_ = 0;
}

HBITMAP CSkinBitmap::LoadFromResource(UINT id) {
    Reset();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    size_t size = 0;
    const BYTE* info = FindPackedDib(instance, id, size);
    HBITMAP bitmap = info != nullptr ? LoadDibSectionResource(instance, id) : nullptr;
    if (bitmap == nullptr)
        return nullptr;
    return Adopt(bitmap, info, size);
}

HBITMAP CSkinBitmap::LoadFromFile(const std::string& path) {
    Reset();
    std::vector<BYTE> data;
    if (!ReadWholeFile(path, data) || data.size() < kFileHeaderSize + sizeof(DWORD) ||
        data[0] != 'B' || data[1] != 'M')
        return nullptr;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return nullptr;
    return Adopt(bitmap, data.data() + kFileHeaderSize, data.size() - kFileHeaderSize);
}

HBITMAP CSkinBitmap::Adopt(HBITMAP bitmap, const BYTE* info, size_t size) {
    bitmap_.Reset(bitmap);
    BITMAP shape = {};
    GetObjectA(bitmap, sizeof(shape), &shape);
    width_ = shape.bmWidth;
    height_ = shape.bmHeight;

    BITMAPINFOHEADER header = {};
    if (size < sizeof(DWORD))
        return bitmap;
    CopyMemory(&header, info, size < sizeof(header) ? size : sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || size < sizeof(BITMAPINFOHEADER))
        return bitmap; // an old-style header: drawn without palette handling
    width_ = header.biWidth;
    height_ = header.biHeight < 0 ? -header.biHeight : header.biHeight;

    size_t colours = 0;
    if (header.biBitCount <= 15)
        colours = header.biClrUsed != 0 ? header.biClrUsed : (size_t{1} << header.biBitCount);
    // A table may not claim more entries than a palette holds or than the data carries.
    const size_t available = (size - header.biSize) / sizeof(RGBQUAD);
    if (colours > 256)
        colours = 256;
    if (colours > available)
        colours = available;
    if (colours > 0) {
        std::vector<BYTE> block(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY), 0);
        LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = static_cast<WORD>(colours);
        const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(info + header.biSize);
        for (size_t i = 0; i < colours; ++i) {
            palette->palPalEntry[i].peRed = table[i].rgbRed;
            palette->palPalEntry[i].peGreen = table[i].rgbGreen;
            palette->palPalEntry[i].peBlue = table[i].rgbBlue;
            palette->palPalEntry[i].peFlags = 0;
        }
        palette_.Reset(CreatePalette(palette));
    }
    loaded_ = true;
    return bitmap;
}

HPALETTE CSkinBitmap::DrawingPalette() const {
    if (!palette_)
        return nullptr; // an old-style bitmap: drawn without palette handling
    HPALETTE shared = CSkinPalette::Handle();
    return shared != nullptr ? shared : palette_.Get();
}

HPALETTE CSkinBitmap::SelectInto(HDC dc) const {
    return CSkinPalette::Select(dc, DrawingPalette());
}

void CSkinBitmap::Copy(HDC dc, int x, int y, int width, int height) const {
    if (!bitmap_)
        return;
    CMemoryDC source(dc);
    CSelectedObject selected(source, bitmap_.Get());
    if (!selected)
        return;
    HPALETTE previous = SelectInto(dc);
    if (width == width_ && height == height_) {
        BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    } else {
        const int mode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, source, 0, 0, width_, height_, SRCCOPY);
        SetStretchBltMode(dc, mode);
    }
    CSkinPalette::Restore(dc, previous);
}

void CSkinBitmap::Draw(HDC dc, int width, int height) const {
    Copy(dc, 0, 0, width != 0 ? width : width_, height != 0 ? height : height_);
}

void CSkinBitmap::DrawClipped(HDC dc, const RECT& rect, HRGN clip) const {
    const bool shaped = clip != nullptr && SelectClipRgn(dc, clip) != ERROR;
    Copy(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (shaped)
        SelectClipRgn(dc, nullptr);
}
