#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <windows.h>

#include "support/CPixelCanvas.h"
#include "ui/CGdiObject.h"
#include "ui/SkinRegion.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kOpaque = RGB(40, 60, 120);
using Colour = COLORREF (*)(int x, int y);

// The region of a bitmap whose pixels come from `colour(x, y)`.
CRegionHandle RegionOf(int width, int height, Colour colour) {
    CPixelCanvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixelColor(x, y, colour(x, y));
    CBitmapHandle bitmap(canvas.TakeBitmap());
    return CRegionHandle(CreateRegionFromBitmap(bitmap, kMagenta, kSkinTolerance));
}

// The region's rectangles in order, each as "left,top-right,bottom ".
std::string Rectangles(HRGN region) {
    std::vector<BYTE> block(GetRegionData(region, 0, nullptr));
    RGNDATA* data = reinterpret_cast<RGNDATA*>(block.data());
    GetRegionData(region, static_cast<DWORD>(block.size()), data);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::string text;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        text += std::to_string(rects[i].left) + "," + std::to_string(rects[i].top) + "-" +
                std::to_string(rects[i].right) + "," + std::to_string(rects[i].bottom) + " ";
    return text;
}

TEST(SkinRegion, TransparentPixelsWithinTheToleranceAreLeftOutRowByRowFromTheTop) {
    EXPECT_TRUE(IsTransparentPixel(RGB(250, 5, 250), kMagenta, kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(246, 0, 255), kMagenta, kSkinTolerance));
    EXPECT_TRUE(IsTransparentPixel(RGB(247, 8, 255), kMagenta, kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(255, 9, 255), kMagenta, kSkinTolerance));
    // Bounds clamp at 0 and 255 rather than wrapping around.
    EXPECT_TRUE(IsTransparentPixel(RGB(0, 0, 0), RGB(3, 3, 3), kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(255, 255, 255), RGB(3, 3, 3), kSkinTolerance));

    const struct {
        const char* what;
        int width, height;
        Colour colour;
        const char* rectangles;
    } cases[] = {
        {"all magenta: an empty region", 24, 10, [](int, int) { return kMagenta; }, ""},
        // The tolerance decides the region too: (250, 5, 250) drops out, (246, 0, 255) stays.
        {"near and far from magenta", 3, 1,
         [](int x, int) { return x == 1 ? RGB(246, 0, 255) : RGB(250, 5, 250); }, "1,0-2,1 "},
        {"opaque, transparent, opaque", 7, 1,
         [](int x, int) { return x == 2 || x == 3 ? kMagenta : kOpaque; }, "0,0-2,1 4,0-7,1 "},
        {"only the end of the second row opaque", 5, 4,
         [](int x, int y) { return y == 1 && x >= 3 ? kOpaque : kMagenta; }, "3,1-5,2 "},
    };
    for (const auto& c : cases) {
        CRegionHandle region = RegionOf(c.width, c.height, c.colour);
        ASSERT_TRUE(region) << c.what;
        EXPECT_EQ(Rectangles(region), c.rectangles) << c.what;
        RECT box = {};
        EXPECT_EQ(GetRgnBox(region, &box) == NULLREGION, *c.rectangles == '\0') << c.what;
    }
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, kMagenta, kSkinTolerance), nullptr);
}

// Every pixel of the region matches its picture, across batches of 2000 rectangles: one row of
// 4000 pixels is exactly one full batch, three rows are several.
TEST(SkinRegion, CheckerboardsOfOneAndSeveralBatchesAreCorrectEverywhere) {
    const Colour colour = [](int x, int y) { return (x + y) % 2 == 0 ? kOpaque : kMagenta; };
    for (int height : {1, 3}) {
        CRegionHandle region = RegionOf(4000, height, colour);
        ASSERT_TRUE(region) << height;
        const std::string rectangles = Rectangles(region);
        EXPECT_EQ(std::count(rectangles.begin(), rectangles.end(), ' '), 2000 * height);
        int mismatches = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 4000; ++x)
                mismatches += (PtInRegion(region, x, y) != FALSE) != (colour(x, y) == kOpaque);
        EXPECT_EQ(mismatches, 0) << height;
    }
}

} // namespace
