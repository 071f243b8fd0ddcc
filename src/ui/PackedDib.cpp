#include "ui/PackedDib.h"

#include <cstring>
#include <vector>

namespace {

unsigned long long RowBytes(int width, int bits) {
    return (static_cast<unsigned long long>(width) * static_cast<unsigned>(bits) + 31) / 32 * 4;
}

// Where decoded pixels go: rows of one bitmap, every write checked against its bounds.
class PixelRows {
public:
    PixelRows(BYTE* pixels, int bits, int width, int height)
        : pixels_(pixels), bits_(bits), width_(width), height_(height),
          stride_(static_cast<size_t>(RowBytes(width, bits))) {}

    // True when `count` pixels from the current place lie within the current row.
    bool Fits(unsigned count) const {
        return y_ >= 0 && y_ < height_ && x_ >= 0 && static_cast<long long>(x_) + count <= width_;
    }
    void Put(BYTE value) {
        BYTE* row = pixels_ + static_cast<size_t>(y_) * stride_;
        if (bits_ == 8) {
            row[x_] = value;
        } else {
            BYTE& pair = row[x_ / 2];
            pair = (x_ % 2 == 0) ? static_cast<BYTE>((pair & 0x0F) | (value << 4))
                                 : static_cast<BYTE>((pair & 0xF0) | (value & 0x0F));
        }
        ++x_;
    }
    void NextRow() {
        x_ = 0;
        ++y_;
    }
    bool Move(int dx, int dy) {
        x_ += dx;
        y_ += dy;
        return x_ <= width_ && y_ <= height_;
    }

private:
    BYTE* pixels_;
    int bits_;
    int width_;
    int height_;
    size_t stride_;
    int x_ = 0;
    int y_ = 0;
};

// The index of pixel `n` of a run or copied stretch whose data byte is `byte`.
BYTE Nibble(int bits, BYTE byte, unsigned n) {
    if (bits == 8)
        return byte;
    return n % 2 == 0 ? static_cast<BYTE>(byte >> 4) : static_cast<BYTE>(byte & 0x0F);
}

} // namespace

bool DecodeRunLengths(const BYTE* data, size_t size, int bits, int width, int height, BYTE* pixels,
                      size_t pixelBytes) {
    if ((bits != 8 && bits != 4) || width <= 0 || height <= 0 || data == nullptr ||
        pixels == nullptr || RowBytes(width, bits) * static_cast<unsigned>(height) > pixelBytes)
        return false;
    PixelRows rows(pixels, bits, width, height);
    size_t at = 0;
    while (at + 2 <= size) {
        const unsigned count = data[at];
        const BYTE value = data[at + 1];
        at += 2;
        if (count > 0) { // a run: one index, or at 4 bits two alternating ones
            if (!rows.Fits(count))
                return false;
            for (unsigned n = 0; n < count; ++n)
                rows.Put(Nibble(bits, value, n));
        } else if (value == 0) {
            rows.NextRow();
        } else if (value == 1) {
            return true;
        } else if (value == 2) { // a move right and up, skipping pixels
            if (at + 2 > size || !rows.Move(data[at], data[at + 1]))
                return false;
            at += 2;
        } else { // `value` pixels copied as they are, padded to a whole word
            const size_t bytes = bits == 8 ? value : (value + 1u) / 2;
            if (at + bytes > size || !rows.Fits(value))
                return false;
            for (unsigned n = 0; n < value; ++n)
                rows.Put(Nibble(bits, data[at + (bits == 8 ? n : n / 2)], n));
            at += bytes + (bytes % 2);
        }
    }
    return at == size; // data that simply ends also ends the bitmap; a half code is cut short
}

HBITMAP CreateDibSectionFromPacked(const BYTE* block, size_t size) {
    BITMAPINFOHEADER header = {};
    if (block == nullptr || size < sizeof(header))
        return nullptr;
    std::memcpy(&header, block, sizeof(header));
    const int bits = header.biBitCount;
    if (header.biSize < sizeof(header) || header.biSize > size || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return nullptr;
    const DWORD compression = header.biCompression;
    const bool encoded = compression == BI_RLE8 || compression == BI_RLE4;
    if (encoded && (header.biHeight < 0 || bits != (compression == BI_RLE8 ? 8 : 4)))
        return nullptr;
    if (!encoded && compression != BI_RGB &&
        !(compression == BI_BITFIELDS && (bits == 16 || bits == 32)))
        return nullptr;

    unsigned long long colours = header.biClrUsed;
    if (bits <= 8 && colours == 0)
        colours = 1ull << bits;
    if (bits <= 8 && colours > (1ull << bits))
        return nullptr;
    const unsigned long long masks =
        compression == BI_BITFIELDS && header.biSize == sizeof(header) ? 3 * sizeof(DWORD) : 0;
    const unsigned long long infoBytes = header.biSize + masks + colours * sizeof(RGBQUAD);
    if (infoBytes > size)
        return nullptr;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const unsigned long long pixelBytes = RowBytes(header.biWidth, bits) * height;
    const BYTE* data = block + infoBytes;
    const size_t dataBytes = size - static_cast<size_t>(infoBytes);
    if (!encoded && pixelBytes > dataBytes)
        return nullptr;

    // The same information block, describing uncompressed pixels.
    std::vector<BYTE> info(block, block + infoBytes);
    BITMAPINFOHEADER* plain = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    if (encoded) {
        plain->biCompression = BI_RGB;
        plain->biSizeImage = 0;
    }
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()),
                                      DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    if (pixels == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    if (!encoded) {
        std::memcpy(pixels, data, static_cast<size_t>(pixelBytes));
    } else if (!DecodeRunLengths(data, dataBytes, bits, header.biWidth, height,
                                 static_cast<BYTE*>(pixels), static_cast<size_t>(pixelBytes))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

const BYTE* FindPackedDib(HMODULE module, UINT id, size_t& size) {
    size = 0;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const BYTE* block = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (block != nullptr)
        size = SizeofResource(module, resource);
    return block;
}

HBITMAP LoadDibSectionResource(HMODULE module, UINT id) {
    size_t size = 0;
    const BYTE* block = FindPackedDib(module, id, size);
    if (block == nullptr)
        return nullptr;
    if (size >= sizeof(DWORD) && *reinterpret_cast<const DWORD*>(block) < sizeof(BITMAPINFOHEADER))
        return static_cast<HBITMAP>(
            LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return CreateDibSectionFromPacked(block, size);
}
