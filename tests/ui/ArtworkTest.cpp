#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <windows.h>

#include "res/resource.h"
#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"
#include "ui/SkinRegion.h"

namespace {

// A width and height, or a region's left and top.
using Size = std::pair<int, int>;

Size SizeOf(UINT id) {
    CSkinBitmap bitmap;
    if (bitmap.LoadFromResource(id) == nullptr)
        return Size{0, 0};
    return Size{bitmap.Width(), bitmap.Height()};
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
    const Size size = SizeOf(normal);
    ASSERT_GT(size.first, 0) << normal;
    for (unsigned id : {hover, pressed, disabled}) {
        EXPECT_EQ(SizeOf(id), size) << id;
        ExpectCleanEdges(id);
    }
    ExpectCleanEdges(normal);
    // The shape fills the bitmap's rectangle, so the pictures line up with the window.
    RECT box = {};
    GetRgnBox(ShapeOf(normal), &box);
    EXPECT_EQ(Size(box.left, box.top), Size(0, 0)) << normal;
    EXPECT_EQ(Size(box.right, box.bottom), size) << normal;
}

// The window skins, and the banners and the band that fill their places in the main window.
TEST(Artwork, TheWindowSkinsBannersAndBandHaveTheirSizes) {
    const struct {
        UINT id;
        Size size;
    } sizes[] = {{IDB_MAIN_SKIN, {442, 490}},      {IDB_HELP_PANEL, {294, 392}},
                 {IDB_BANNER_AUTOTUNE, {414, 26}}, {IDB_BANNER_MANUAL, {414, 26}},
                 {IDB_BANNER_STATUS, {414, 26}},   {IDB_BANNER_BURNIN, {414, 26}},
                 {IDB_AUTOTUNE_BAND, {414, 42}}};
    for (const auto& s : sizes)
        EXPECT_EQ(SizeOf(s.id), s.size) << s.id;
    for (UINT id : {IDB_MAIN_SKIN, IDB_HELP_PANEL, IDB_ABOUT_PICTURE})
        ExpectCleanEdges(id);
    CRegionHandle main = ShapeOf(IDB_MAIN_SKIN);
    EXPECT_FALSE(PtInRegion(main, 0, 0));   // rounded corner
    EXPECT_FALSE(PtInRegion(main, 441, 5)); // beside the body, above the help tab
    EXPECT_TRUE(PtInRegion(main, 220, 250));
}

// A button's name and four pictures: normal, hover, pressed and disabled (the menus and the
// window's own buttons are never disabled and show their normal picture).
// clang-format off
#define PICTURES(name) \
    IDB_##name##_NORMAL, IDB_##name##_HOVER, IDB_##name##_PRESSED, IDB_##name##_DISABLED
#define STATES(name) #name, PICTURES(name)
#define ENABLED(name) \
    #name, IDB_##name##_NORMAL, IDB_##name##_HOVER, IDB_##name##_PRESSED, IDB_##name##_NORMAL
// clang-format on

struct Button {
    const char* name;
    UINT normal, hover, pressed, disabled;
    int x, y, width, height;
};

// The buttons of the main window in the Manual Tweaks section, where and how large a user sees
// them: menus, section buttons, minimise and close along the top, the nine tweak buttons in a row
// below, the help tab on the right edge, Apply, Cancel and Close at the bottom.
const Button kManualSectionButtons[] = {
    // clang-format off
    {ENABLED(MENU_FILE), 15, 14, 31, 16},      {ENABLED(MENU_OPTIONS), 48, 14, 59, 16},
    {ENABLED(MENU_VIEW), 109, 14, 38, 16},     {ENABLED(MENU_HELP), 149, 14, 36, 16},
    {ENABLED(MINIMIZE), 364, 13, 22, 18},      {ENABLED(CLOSE), 390, 13, 22, 18},
    {STATES(AUTOTUNE), 22, 33, 60, 21},        {STATES(MANUAL), 84, 34, 60, 21},
    {STATES(STATUS), 146, 34, 60, 21},         {STATES(BURNIN), 208, 33, 60, 21},
    {STATES(SYSTEM), 15, 83, 42, 40},          {STATES(DESKTOP), 60, 83, 42, 40},
    {STATES(STARTMENU), 105, 84, 42, 39},      {STATES(INTERNET), 150, 84, 42, 39},
    {STATES(CDROM), 195, 83, 42, 40},          {STATES(HDD), 240, 86, 42, 37},
    {STATES(MEMORY), 285, 83, 42, 40},         {STATES(BOOTUP), 330, 83, 42, 40},
    {STATES(SHUTDOWN), 375, 83, 42, 40},       {STATES(OPEN_HELP), 418, 233, 24, 44},
    {STATES(APPLY), 205, 448, 66, 24},         {STATES(CANCEL), 278, 448, 66, 24},
    {STATES(CLOSE_MAIN), 346, 448, 66, 24},
    // clang-format on
};
// The System Status and Burn-in sections show their Memory and CPU Tests buttons in the first
// tweak button's place.
const Button kOtherSectionButtons[] = {
    {STATES(MEMORY), 15, 83, 42, 40},
    {STATES(CPU_TESTS), 15, 83, 42, 40},
};

void ExpectFitsTheMainSkin(const Button& button, HRGN main) {
    SCOPED_TRACE(button.name);
    ExpectFourMatchingStates(button.normal, button.hover, button.pressed, button.disabled);
    EXPECT_EQ(SizeOf(button.normal), Size(button.width, button.height));
    CRegionHandle shape = ShapeOf(button.normal);
    OffsetRgn(shape, button.x, button.y);
    CRegionHandle outside(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(outside, shape, main, RGN_DIFF), NULLREGION)
        << "the button is cut off by the window's shape";
}

TEST(Artwork, TheMainWindowButtonsHaveTheirSizesAndFitTheSkinWithoutOverlapping) {
    CRegionHandle main = ShapeOf(IDB_MAIN_SKIN);
    for (const Button& other : kOtherSectionButtons)
        ExpectFitsTheMainSkin(other, main);
    for (const Button& a : kManualSectionButtons) {
        ExpectFitsTheMainSkin(a, main);
        for (const Button& b : kManualSectionButtons) {
            const RECT ra = {a.x, a.y, a.x + a.width, a.y + a.height};
            const RECT rb = {b.x, b.y, b.x + b.width, b.y + b.height};
            RECT both = {};
            EXPECT_TRUE(&a == &b || !IntersectRect(&both, &ra, &rb))
                << a.name << " overlaps " << b.name;
        }
    }
}

TEST(Artwork, PageButtonsHaveFourStatesThatFitThePages) {
    const UINT buttons[][4] = {
        {PICTURES(GET_HELP)},       {PICTURES(TO_SYSTEM_TWEAKS)}, {PICTURES(TO_MEMORY_STATUS)},
        {PICTURES(TO_CPU_TEST)},    {PICTURES(START_TUNING)},     {PICTURES(BACK_TO_INTRO)},
        {PICTURES(BEGIN_TUNING)},   {PICTURES(VIEW_RESULTS)},     {PICTURES(OPTIMIZE_NOW)},
        {PICTURES(GO_BACK)},        {PICTURES(FREE_MEMORY)},      {PICTURES(MEMORY_OPTIONS)},
        {PICTURES(START_CPU_TEST)}, {PICTURES(STOP_CPU_TEST)},    {PICTURES(CPU_TEST_OPTIONS)},
    };
    for (const auto& button : buttons) {
        ExpectFourMatchingStates(button[0], button[1], button[2], button[3]);
        // Side by side at 45 and 170 on the intro pages, 125 and 245 on the test page.
        EXPECT_LE(SizeOf(button[0]).first, 118) << button[0];
    }
}

TEST(Artwork, PageHostBackgroundsFitTheFrameAndHoldThePager) {
    auto check = [](UINT id, int pagerX, int pagerWidth) {
        EXPECT_EQ(SizeOf(id), Size(400, 321)) << id;
        CRegionHandle shape = ShapeOf(id);
        CRegionHandle pager(CreateRectRgn(pagerX, 24, pagerX + pagerWidth, 24 + 287));
        CRegionHandle uncovered(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(CombineRgn(uncovered, pager, shape, RGN_DIFF), NULLREGION) << id;
        ExpectCleanEdges(id);
    };
    // The section pages' pager at 22,24, 356 x 287; the others' at 10,24, 381 wide.
    for (UINT id : {IDB_HOST_AUTOTUNE, IDB_HOST_MANUAL, IDB_HOST_STATUS, IDB_HOST_BURNIN})
        check(id, 22, 356);
    for (UINT id :
         {IDB_HOST_SYSTEM, IDB_HOST_DESKTOP, IDB_HOST_STARTMENU, IDB_HOST_INTERNET, IDB_HOST_CDROM,
          IDB_HOST_HDD, IDB_HOST_MEMORY, IDB_HOST_SHUTDOWN, IDB_HOST_BOOTUP, IDB_HOST_CPU_TEST})
        check(id, 10, 381);
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
