#include <gtest/gtest.h>

#include <functional>
#include <vector>
#include <windows.h>

#include "support/CPixelCanvas.h"
#include "ui/CGdiObject.h"
#include "ui/SkinRegion.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kOpaque = RGB(40, 60, 120);

// A bitmap whose pixels come from `colour(x, y)`.
HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    CPixelCanvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixelColor(x, y, colour(x, y));
    return canvas.TakeBitmap();
}

std::vector<RECT> Rectangles(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> block(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(block.data());
    GetRegionData(region, size, data);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

CRegionHandle RegionOf(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    CBitmapHandle bitmap(MakeBitmap(width, height, colour));
    return CRegionHandle(CreateRegionFromBitmap(bitmap, kMagenta, kSkinTolerance));
}

TEST(SkinRegion, AnAllMagentaBitmapGivesAnEmptyRegion) {
    CRegionHandle region = RegionOf(24, 10, [](int, int) { return kMagenta; });
    ASSERT_TRUE(region);
    RECT box = {};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    EXPECT_TRUE(Rectangles(region).empty());
}

TEST(SkinRegion, ToleranceCountsNearMagentaAsTransparentAndNothingFurther) {
    EXPECT_TRUE(IsTransparentPixel(RGB(250, 5, 250), kMagenta, kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(246, 0, 255), kMagenta, kSkinTolerance));
    EXPECT_TRUE(IsTransparentPixel(RGB(247, 8, 255), kMagenta, kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(255, 9, 255), kMagenta, kSkinTolerance));
    // Bounds clamp at 0 and 255 rather than wrapping around.
    EXPECT_TRUE(IsTransparentPixel(RGB(0, 0, 0), RGB(3, 3, 3), kSkinTolerance));
    EXPECT_FALSE(IsTransparentPixel(RGB(255, 255, 255), RGB(3, 3, 3), kSkinTolerance));

    // The same rule decides the region: (250, 5, 250) drops out, (246, 0, 255) stays.
    CRegionHandle region = RegionOf(3, 1, [](int x, int) {
        return x == 0 ? RGB(250, 5, 250) : (x == 1 ? RGB(246, 0, 255) : RGB(250, 5, 250));
    });
    ASSERT_TRUE(region);
    const std::vector<RECT> rects = Rectangles(region);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 1);
    EXPECT_EQ(rects[0].right, 2);
}

TEST(SkinRegion, OpaqueTransparentOpaqueGivesTwoOneRowRectangles) {
    CRegionHandle region =
        RegionOf(7, 1, [](int x, int) { return x == 2 || x == 3 ? kMagenta : kOpaque; });
    ASSERT_TRUE(region);
    const std::vector<RECT> rects = Rectangles(region);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].left, 0);
    EXPECT_EQ(rects[0].right, 2);
    EXPECT_EQ(rects[1].left, 4);
    EXPECT_EQ(rects[1].right, 7);
    for (const RECT& r : rects) {
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.bottom, 1);
    }
}

TEST(SkinRegion, RowsKeepTheirPlaceFromTheTop) {
    // Only the second row from the top is opaque, and only its last two pixels.
    CRegionHandle region =
        RegionOf(5, 4, [](int x, int y) { return y == 1 && x >= 3 ? kOpaque : kMagenta; });
    ASSERT_TRUE(region);
    RECT box = {};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 3);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 2);
}

// Every pixel of the region matches its picture, across batches of 2000 rectangles.
void ExpectCheckerboard(int width, int height) {
    auto colour = [](int x, int y) { return (x + y) % 2 == 0 ? kOpaque : kMagenta; };
    CRegionHandle region = RegionOf(width, height, colour);
    ASSERT_TRUE(region);
    EXPECT_EQ(Rectangles(region).size(), static_cast<size_t>(width / 2 * height));
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((PtInRegion(region, x, y) != FALSE) != (colour(x, y) == kOpaque))
                ++mismatches;
    EXPECT_EQ(mismatches, 0);
}

TEST(SkinRegion, ACheckerboardRowOf4000PixelsIsExactlyOneFullBatch) {
    ExpectCheckerboard(4000, 1);
}

TEST(SkinRegion, ACheckerboardOfSeveralBatchesIsCorrectEverywhere) {
    ExpectCheckerboard(4000, 3);
}

TEST(SkinRegion, NoBitmapGivesNoRegion) {
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, kMagenta, kSkinTolerance), nullptr);
}

} // namespace
