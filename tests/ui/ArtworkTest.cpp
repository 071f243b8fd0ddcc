#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "SkinLayout.h"
#include "res/resource.h"
#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"
#include "ui/SkinRegion.h"

namespace {

SIZE SizeOf(UINT id) {
    CSkinBitmap bitmap;
    if (bitmap.LoadFromResource(id) == nullptr)
        return SIZE{0, 0};
    return SIZE{bitmap.Width(), bitmap.Height()};
}

CRegionHandle ShapeOf(UINT id, COLORREF tolerance = kSkinTolerance) {
    CSkinBitmap bitmap;
    bitmap.LoadFromResource(id);
    return CRegionHandle(CreateRegionFromBitmap(bitmap.Handle(), kSkinTransparent, tolerance));
}

// A bitmap's edge pixels are exact magenta or clearly opaque: no fringe within the tolerance.
void ExpectCleanEdges(UINT id) {
    CRegionHandle loose = ShapeOf(id);
    CRegionHandle exact = ShapeOf(id, 0);
    ASSERT_TRUE(loose) << id;
    ASSERT_TRUE(exact) << id;
    EXPECT_TRUE(EqualRgn(loose, exact)) << "bitmap " << id << " has near-magenta pixels";
}

void ExpectFourMatchingStates(unsigned normal, unsigned hover, unsigned pressed,
                              unsigned disabled) {
    const SIZE size = SizeOf(normal);
    ASSERT_GT(size.cx, 0) << normal;
    for (unsigned id : {hover, pressed, disabled}) {
        const SIZE other = SizeOf(id);
        EXPECT_EQ(other.cx, size.cx) << id;
        EXPECT_EQ(other.cy, size.cy) << id;
        ExpectCleanEdges(id);
    }
    ExpectCleanEdges(normal);
    // The shape fills the bitmap's rectangle, so the pictures line up with the window.
    RECT box = {};
    GetRgnBox(ShapeOf(normal), &box);
    EXPECT_EQ(box.left, 0) << normal;
    EXPECT_EQ(box.top, 0) << normal;
    EXPECT_EQ(box.right, size.cx) << normal;
    EXPECT_EQ(box.bottom, size.cy) << normal;
}

TEST(Artwork, TheWindowSkinsHaveTheirSizes) {
    EXPECT_EQ(SizeOf(IDB_MAIN_SKIN).cx, 442);
    EXPECT_EQ(SizeOf(IDB_MAIN_SKIN).cy, 490);
    EXPECT_EQ(SizeOf(IDB_HELP_PANEL).cx, 294);
    EXPECT_EQ(SizeOf(IDB_HELP_PANEL).cy, 392);
    for (UINT id : {IDB_MAIN_SKIN, IDB_HELP_PANEL, IDB_ABOUT_PICTURE})
        ExpectCleanEdges(id);
    CRegionHandle main = ShapeOf(IDB_MAIN_SKIN);
    EXPECT_FALSE(PtInRegion(main, 0, 0));   // rounded corner
    EXPECT_FALSE(PtInRegion(main, 441, 5)); // beside the body, above the help tab
    EXPECT_TRUE(PtInRegion(main, 220, 250));
}

TEST(Artwork, EveryMainWindowButtonLiesWithinTheMainSkin) {
    CRegionHandle main = ShapeOf(IDB_MAIN_SKIN);
    for (const SkinButtonPlace& button : kMainWindowButtons) {
        ExpectFourMatchingStates(button.normal, button.hover, button.pressed, button.disabled);
        CRegionHandle shape = ShapeOf(button.normal);
        OffsetRgn(shape, button.x, button.y);
        CRegionHandle outside(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(CombineRgn(outside, shape, main, RGN_DIFF), NULLREGION)
            << "button " << button.id << " is cut off by the window's shape";
    }
}

TEST(Artwork, TheTweakButtonsSitInTheirRowWithoutOverlapping) {
    for (const SkinButtonPlace& a : kMainWindowButtons) {
        for (const SkinButtonPlace& b : kMainWindowButtons) {
            if (a.id >= b.id || !a.manualSection || !b.manualSection)
                continue;
            const SIZE sa = SizeOf(a.normal);
            const SIZE sb = SizeOf(b.normal);
            const RECT ra = {a.x, a.y, a.x + sa.cx, a.y + sa.cy};
            const RECT rb = {b.x, b.y, b.x + sb.cx, b.y + sb.cy};
            RECT both = {};
            EXPECT_FALSE(IntersectRect(&both, &ra, &rb)) << a.id << " overlaps " << b.id;
        }
    }
}

TEST(Artwork, PageButtonsHaveFourStatesThatFitThePages) {
    for (const SkinPageButton& button : kPageButtons) {
        ExpectFourMatchingStates(button.normal, button.hover, button.pressed, button.disabled);
        // Side by side at 45 and 170 on the intro pages, 125 and 245 on the test page.
        EXPECT_LE(SizeOf(button.normal).cx, 118) << button.normal;
    }
}

TEST(Artwork, PageHostBackgroundsFitTheFrameAndHoldThePager) {
    auto check = [](UINT id, int pagerX, int pagerWidth) {
        const SIZE size = SizeOf(id);
        EXPECT_EQ(size.cx, 400) << id;
        EXPECT_EQ(size.cy, 321) << id;
        CRegionHandle shape = ShapeOf(id);
        CRegionHandle pager(CreateRectRgn(pagerX, 24, pagerX + pagerWidth, 24 + 287));
        CRegionHandle uncovered(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(CombineRgn(uncovered, pager, shape, RGN_DIFF), NULLREGION) << id;
        ExpectCleanEdges(id);
    };
    for (unsigned id : kSectionHostBitmaps)
        check(id, 22, 356);
    for (unsigned id : kWideHostBitmaps)
        check(id, 10, 381);
}

TEST(Artwork, BannersAndTheBandFillTheirPlaces) {
    for (UINT id : {IDB_BANNER_AUTOTUNE, IDB_BANNER_MANUAL, IDB_BANNER_STATUS, IDB_BANNER_BURNIN}) {
        EXPECT_EQ(SizeOf(id).cx, 414) << id;
        EXPECT_EQ(SizeOf(id).cy, 26) << id;
    }
    EXPECT_EQ(SizeOf(IDB_AUTOTUNE_BAND).cx, 414);
    EXPECT_EQ(SizeOf(IDB_AUTOTUNE_BAND).cy, 42);
}

TEST(Artwork, IconsHaveMasksAndCursorsLoad) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (UINT id : {IDI_MAINFRAME, IDI_TRAY_NORMAL, IDI_TRAY_FRAME1, IDI_TRAY_FRAME2,
                    IDI_TRAY_FRAME3, IDI_TRAY_FRAME4, IDI_TRAY_FRAME5}) {
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << id << " at " << size;
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            EXPECT_NE(info.hbmMask, nullptr) << id;
            BITMAP mask = {};
            GetObjectA(info.hbmMask, sizeof(mask), &mask);
            EXPECT_EQ(mask.bmWidth, size) << id;
            DeleteObject(info.hbmMask);
            DeleteObject(info.hbmColor);
            DestroyIcon(icon);
        }
    }
    EXPECT_NE(LoadCursorA(instance, MAKEINTRESOURCEA(IDC_SKIN_CURSOR)), nullptr);
    EXPECT_NE(LoadCursorA(instance, MAKEINTRESOURCEA(IDC_LINK_CURSOR)), nullptr);
}

} // namespace
