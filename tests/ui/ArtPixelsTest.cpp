#include <gtest/gtest.h>

#include <cstring>
#include <vector>
#include <windows.h>

#include "ArtPixelSums.h"
#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"
#include "ui/CTransparentBitmap.h"
#include "ui/PackedDib.h"

namespace {

// FNV-1a of the red, green and blue bytes of every pixel, rows top-down, as tools/art lists them.
unsigned PixelSum(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                       {}};
    std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 4);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return 0;
    unsigned sum = 0x811C9DC5u;
    for (size_t p = 0; p < pixels.size(); p += 4)
        for (int channel : {2, 1, 0})
            sum = (sum ^ pixels[p + channel]) * 0x01000193u;
    return sum;
}

// Every bitmap resource shows exactly the colours tools/art drew, whatever form it is stored in:
// loaded as the skins load it, as the About picture loads it, and as a device-dependent bitmap
// the way the main window loads its banners (on a display deep enough to hold every colour).
TEST(ArtPixels, EveryBitmapResourceShowsTheColoursItWasDrawnWith) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HDC screen = GetDC(nullptr);
    const bool trueColour = GetDeviceCaps(screen, BITSPIXEL) >= 24;
    ReleaseDC(nullptr, screen);
    for (const ArtPixelSum& art : kArtPixelSums) {
        CSkinBitmap skin;
        ASSERT_NE(skin.LoadFromResource(art.id), nullptr) << art.id;
        EXPECT_TRUE(skin.IsLoaded()) << art.id;
        EXPECT_EQ(skin.Width(), art.width) << art.id;
        EXPECT_EQ(skin.Height(), art.height) << art.id;
        EXPECT_EQ(PixelSum(skin.Handle(), art.width, art.height), art.sum) << "bitmap " << art.id;

        CTransparentBitmap picture;
        ASSERT_TRUE(picture.LoadFromResource(art.id)) << art.id;
        EXPECT_EQ(PixelSum(picture.Handle(), art.width, art.height), art.sum) << art.id;

        if (trueColour) {
            CBitmapHandle plain(LoadBitmapA(instance, MAKEINTRESOURCEA(art.id)));
            ASSERT_TRUE(plain) << art.id;
            EXPECT_EQ(PixelSum(plain, art.width, art.height), art.sum) << "LoadBitmap " << art.id;
        }
    }
}

struct RunLengthCase {
    const char* what;
    int bits, width, height;
    std::vector<BYTE> data;
    bool decodes;
    std::vector<BYTE> pixels; // bottom-up rows, each padded to four bytes
};

// Bitmaps of 4 x 2 pixels at 8 bits, 5 x 1 at 4 bits; skipped pixels keep the 0xEE they had.
TEST(ArtPixels, RunLengthDataDecodesOrIsRefusedWithoutWritingOutsideTheBitmap) {
    const RunLengthCase cases[] = {
        {"runs, a copied stretch, row and bitmap ends", 8, 4, 2,
         {3, 7, 1, 9, 0, 0, 0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, true, {7, 7, 7, 9, 1, 2, 3, 4}},
        {"a move right and up skips pixels", 8, 4, 2, {0, 2, 2, 1, 2, 5, 0, 1}, true,
         {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 5, 5}},
        {"data that ends without an end mark", 8, 4, 2, {4, 1, 0, 0, 4, 2}, true,
         {1, 1, 1, 1, 2, 2, 2, 2}},
        {"alternating run and a copied stretch at 4 bits", 4, 5, 1, {2, 0x12, 0, 3, 0x34, 0x50, 0, 1},
         true, {0x12, 0x34, 0x5E, 0xEE}},
        {"a run past the row's end", 8, 4, 2, {5, 1, 0, 1}, false, {}},
        {"a copied stretch cut short", 8, 4, 2, {0, 4, 1, 2}, false, {}},
        {"rows past the last", 8, 4, 2, {0, 0, 0, 0, 1, 1, 0, 1}, false, {}},
        {"half a code", 8, 4, 2, {4, 1, 0}, false, {}},
        {"a move past the bitmap", 8, 4, 2, {0, 2, 9, 0, 1, 1}, false, {}},
        {"a move cut short", 8, 4, 2, {0, 2, 1}, false, {}},
        {"a depth without run lengths", 24, 4, 2, {0, 1}, false, {}},
    };
    for (const RunLengthCase& c : cases) {
        const size_t stride = ((static_cast<size_t>(c.width) * c.bits + 31) / 32) * 4;
        const size_t bytes = stride * c.height;
        std::vector<BYTE> out(bytes + 8, 0xEE); // eight more bytes that must stay as they are
        EXPECT_EQ(DecodeRunLengths(c.data.data(), c.data.size(), c.bits, c.width, c.height,
                                   out.data(), bytes),
                  c.decodes)
            << c.what;
        EXPECT_EQ(std::vector<BYTE>(out.begin() + bytes, out.end()), std::vector<BYTE>(8, 0xEE))
            << c.what;
        if (c.decodes) {
            EXPECT_EQ(std::vector<BYTE>(out.begin(), out.begin() + bytes), c.pixels) << c.what;
        }
    }
}

// A packed bitmap of 2 x 2 pixels at 8 bits with two colours, its pixels raw or run-length
// encoded; blocks that claim more than they hold make no bitmap.
TEST(ArtPixels, PackedBitmapsBecomeDibSectionsWithTheirOwnColours) {
    auto block = [](DWORD compression, DWORD colours, const std::vector<BYTE>& pixels) {
        BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, compression,
                                   static_cast<DWORD>(pixels.size()), 0, 0, colours, 0};
        const RGBQUAD table[2] = {{255, 0, 0, 0}, {0, 0, 255, 0}}; // blue, red
        std::vector<BYTE> out(sizeof(header) + sizeof(table) + pixels.size());
        std::memcpy(out.data(), &header, sizeof(header));
        std::memcpy(out.data() + sizeof(header), table, sizeof(table));
        std::memcpy(out.data() + sizeof(header) + sizeof(table), pixels.data(), pixels.size());
        return out;
    };
    const std::vector<BYTE> raw = {0, 1, 0, 0, 1, 1, 0, 0};
    const std::vector<BYTE> encoded = {1, 0, 1, 1, 0, 0, 2, 1, 0, 1};
    const std::vector<BYTE> sound[] = {block(BI_RGB, 2, raw), block(BI_RLE8, 2, encoded)};
    for (const std::vector<BYTE>& packed : sound) {
        CBitmapHandle bitmap(CreateDibSectionFromPacked(packed.data(), packed.size()));
        ASSERT_TRUE(bitmap);
        DIBSECTION dib = {};
        ASSERT_EQ(GetObjectA(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
        EXPECT_EQ(dib.dsBmih.biBitCount, 8);
        EXPECT_EQ(dib.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
        const BYTE* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
        EXPECT_EQ(std::vector<BYTE>(bits, bits + 8), raw);
    }
    std::vector<BYTE> cut = block(BI_RGB, 2, raw);
    cut.resize(cut.size() - 1);
    std::vector<BYTE> overrun = block(BI_RLE8, 2, {3, 0, 0, 1});
    const std::vector<BYTE> unsound[] = {cut, overrun, block(BI_RGB, 300, raw),
                                         block(BI_RLE4, 2, encoded), block(BI_JPEG, 2, raw)};
    for (const std::vector<BYTE>& packed : unsound)
        EXPECT_EQ(CreateDibSectionFromPacked(packed.data(), packed.size()), nullptr);
}

} // namespace
