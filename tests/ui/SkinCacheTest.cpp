#include <gtest/gtest.h>

#include <memory>
#include <windows.h>
#include <commctrl.h>

#include "support/TestParentWindow.h"
#include "ui/CSkinButton.h"
#include "ui/CSkinCache.h"
#include "ui/SkinRegion.h"

namespace {

// The System Tweaks and Desktop Tweaks buttons: normal, hover, pressed, disabled.
constexpr UINT kSystem[4] = {190, 192, 191, 193};
constexpr UINT kDesktop[4] = {162, 164, 163, 165};

int ObjectsNow() {
    int count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++count;
    return count;
}

// Opens a window with the two buttons, both with tips, and closes it again.
void OpenAndClose(HWND* tooltip, int* tools) {
    HWND parent = CreateTestParent("SkinCacheTestParent", 100, 100, 200, 120);
    ASSERT_NE(parent, nullptr);
    {
        CSkinButton system, desktop;
        ASSERT_TRUE(system.Create("System Tweaks", WS_VISIBLE, kSystem[0], kSystem[1], kSystem[2],
                                  kSystem[3], kSkinTransparent, parent, 1510, POINT{5, 5}));
        ASSERT_TRUE(desktop.Create("Desktop Tweaks", WS_VISIBLE, kDesktop[0], kDesktop[1],
                                   kDesktop[2], kDesktop[3], kSkinTransparent, parent, 1503,
                                   POINT{60, 5}));
        system.SetTooltip("System Tweaks");
        desktop.SetTooltip("Desktop Tweaks");
        *tooltip = system.Tooltip();
        EXPECT_EQ(desktop.Tooltip(), *tooltip);
        *tools = static_cast<int>(SendMessageA(*tooltip, TTM_GETTOOLCOUNT, 0, 0));
        // A tip switched off takes only that button's tool out.
        desktop.SetTooltip("Desktop Tweaks", false);
        EXPECT_EQ(SendMessageA(*tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
        EXPECT_EQ(GetWindow(*tooltip, GW_OWNER), parent);
    }
    DestroyWindow(parent);
}

TEST(SkinCache, PicturesAndShapesAreMadeOnceAndWindowsShareOneTooltip) {
    // The cache answers the same picture and shape every time, in the picture's coordinates.
    const CSkinBitmap* picture = CSkinCache::Bitmap(kSystem[0]);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(CSkinCache::Bitmap(kSystem[0]), picture);
    EXPECT_EQ(CSkinCache::Bitmap(9999), nullptr);
    const CSkinCache::Shape* shape = CSkinCache::ShapeOf(kSystem[0], kSkinTransparent);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(CSkinCache::ShapeOf(kSystem[0], kSkinTransparent), shape);
    EXPECT_LE(shape->box.right, picture->Width());
    EXPECT_LE(shape->box.bottom, picture->Height());
    EXPECT_FALSE(PtInRegion(shape->region, 0, 0)); // a rounded, transparent corner

    // The first window loads the pictures; later ones make and leave no objects of their own.
    HWND tooltip = nullptr;
    int tools = 0;
    OpenAndClose(&tooltip, &tools);
    EXPECT_EQ(tools, 2); // one control, a tool per button
    EXPECT_FALSE(IsWindow(tooltip)); // gone with the last button
    const int objects = ObjectsNow();
    for (int i = 0; i < 3; ++i)
        OpenAndClose(&tooltip, &tools);
    EXPECT_EQ(ObjectsNow(), objects);
}

} // namespace
