#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "support/CPixelCanvas.h"
#include "support/CTestFolder.h"
#include "support/MessagePump.h"
#include "support/TestParentWindow.h"
#include "ui/CColorProgressCtrl.h"
#include "ui/CModelessDialog.h"
#include "ui/CPageHost.h"
#include "ui/CSkinBitmap.h"
#include "ui/CSkinPalette.h"
#include "ui/CTextLabel.h"
#include "ui/CTransparentBitmap.h"
#include "ui/SkinRegion.h"

namespace {

std::vector<UINT> g_notifications;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY)
        g_notifications.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    return DefWindowProcA(window, message, wParam, lParam);
}

// A plain top-level window to hold controls under test.
class TestWindow {
public:
    TestWindow(int width = 300, int height = 200) {
        window_ = CreateTestParent("SkinControlsTestWindow", 40, 40, width, height,
                                   WS_POPUP | WS_VISIBLE, 0, RecordingProc);
        g_notifications.clear();
    }
    ~TestWindow() { DestroyWindow(window_); }
    operator HWND() const { return window_; }

    HWND Child(const char* className, DWORD style, int width, int height, const char* text = "") {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, width,
                               height, window_, reinterpret_cast<HMENU>(77),
                               GetModuleHandleA(nullptr), nullptr);
    }

private:
    HWND window_;
};

// --- the palette-aware bitmap ----------------------------------------------------------------

// A palette's entries in order.
std::vector<COLORREF> Colours(HPALETTE palette) {
    std::vector<PALETTEENTRY> entries(GetPaletteEntries(palette, 0, 0, nullptr));
    GetPaletteEntries(palette, 0, static_cast<UINT>(entries.size()), entries.data());
    std::vector<COLORREF> colours;
    for (const PALETTEENTRY& e : entries)
        colours.push_back(RGB(e.peRed, e.peGreen, e.peBlue));
    return colours;
}

std::string BitmapFile(WORD bits, const std::vector<RGBQUAD>& table, int width, int height) {
    const DWORD stride = ((width * bits + 31) / 32) * 4;
    BITMAPINFOHEADER info = {
        sizeof(BITMAPINFOHEADER),         width, height, 1, bits, BI_RGB, stride * height, 0, 0,
        static_cast<DWORD>(table.size()), 0};
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info) + static_cast<DWORD>(table.size() * 4);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string data(reinterpret_cast<const char*>(&file), sizeof(file));
    data.append(reinterpret_cast<const char*>(&info), sizeof(info));
    data.append(reinterpret_cast<const char*>(table.data()), table.size() * 4);
    data.append(info.biSizeImage, '\0');
    return data;
}

// On a 256-colour display each skin realising its own palette (its colours in its own order)
// would recolour whatever the others drew: every skin draws through the one palette of all.
TEST(SkinPalette, EverySkinDrawsThroughOnePaletteThatHoldsAllItsColours) {
    HPALETTE shared = CSkinPalette::Handle();
    ASSERT_NE(shared, nullptr);
    const std::vector<COLORREF> all = Colours(shared);
    EXPECT_GT(all.size(), 100u);
    EXPECT_LE(all.size(), 256u);
    const auto holds = [&all](COLORREF c) { return std::count(all.begin(), all.end(), c) > 0; };
    EXPECT_FALSE(holds(kSkinTransparent)) << "the transparent colour is never shown";

    // The main skin, a 16-colour page host background and a page button.
    for (UINT id : {IDB_MAIN_SKIN, IDB_HOST_AUTOTUNE, IDB_GET_HELP_NORMAL}) {
        CSkinBitmap skin;
        ASSERT_NE(skin.LoadFromResource(id), nullptr) << id;
        EXPECT_EQ(skin.DrawingPalette(), shared) << id;
        for (COLORREF c : Colours(skin.Palette()))
            EXPECT_TRUE(c == kSkinTransparent || holds(c)) << id << ": " << std::hex << c;

        // Drawing gives the context its own palette back.
        CPixelCanvas canvas(skin.Width(), skin.Height());
        skin.Draw(canvas.DC());
        EXPECT_EQ(GetCurrentObject(canvas.DC(), OBJ_PAL), GetStockObject(DEFAULT_PALETTE)) << id;
    }
}

// A resource's or a file's colour table becomes the bitmap's palette, in red, green, blue order.
TEST(SkinBitmap, AResourceOrFilesColourTableBecomesItsPalette) {
    CSkinBitmap skin;
    ASSERT_NE(skin.LoadFromResource(IDB_MAIN_SKIN), nullptr);
    EXPECT_TRUE(skin.IsLoaded());
    EXPECT_EQ(skin.Width(), 442);
    EXPECT_EQ(skin.Height(), 490);
    ASSERT_NE(skin.Palette(), nullptr);
    EXPECT_GT(Colours(skin.Palette()).size(), 16u);
    EXPECT_LE(Colours(skin.Palette()).size(), 256u);
    EXPECT_EQ(skin.LoadFromResource(9999), nullptr);
    EXPECT_FALSE(skin.IsLoaded());

    CTestFolder folder("skinbitmap");
    const std::string path = folder / "four.bmp";
    // Colour-table entries are stored blue, green, red.
    CTestFolder::WriteFile(path, BitmapFile(4, {{10, 20, 30, 0}, {200, 100, 50, 0}}, 3, 2));
    CSkinBitmap bitmap;
    ASSERT_NE(bitmap.LoadFromFile(path), nullptr);
    EXPECT_TRUE(bitmap.IsLoaded());
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(Colours(bitmap.Palette()),
              (std::vector<COLORREF>{RGB(30, 20, 10), RGB(50, 100, 200)}));
    EXPECT_EQ(bitmap.LoadFromFile(folder / "missing.bmp"), nullptr);
    CTestFolder::WriteFile(folder / "junk.bmp", "not a bitmap at all");
    EXPECT_EQ(bitmap.LoadFromFile(folder / "junk.bmp"), nullptr);
}

// --- the coloured progress bar ---------------------------------------------------------------

TEST(ColorProgress, TheDonePartIsFilledWithTheBarColourFromTheLeftOrTheBottom) {
    TestWindow window;
    CColorProgressCtrl bar;
    ASSERT_TRUE(bar.Attach(window.Child(PROGRESS_CLASSA, 0, 200, 20)));
    bar.SetBarColor(RGB(0, 255, 0));
    bar.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    bar.Send(PBM_SETPOS, 50);
    CPixelCanvas canvas(200, 20);
    canvas.PrintClient(bar);
    EXPECT_EQ(canvas.Pixel(50, 10), RGB(0, 255, 0));
    EXPECT_EQ(canvas.Pixel(150, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(bar.DoneLength(200), 100);

    bar.Send(PBM_SETPOS, 250); // held at the upper bound
    EXPECT_EQ(bar.Send(PBM_GETPOS), 100);
    canvas.PrintClient(bar);
    EXPECT_EQ(canvas.Pixel(190, 10), RGB(0, 255, 0));
    bar.Send(PBM_SETRANGE32, 10, 20);
    bar.Send(PBM_SETPOS, 15);
    EXPECT_EQ(bar.DoneLength(200), 100);

    // A vertical bar fills from the bottom.
    CColorProgressCtrl upright;
    ASSERT_TRUE(upright.Attach(window.Child(PROGRESS_CLASSA, PBS_VERTICAL, 20, 100)));
    upright.SetBarColor(RGB(255, 0, 0));
    upright.Send(PBM_SETPOS, 25);
    CPixelCanvas column(20, 100);
    column.PrintClient(upright);
    EXPECT_EQ(column.Pixel(10, 90), RGB(255, 0, 0));
    EXPECT_EQ(column.Pixel(10, 40), GetSysColor(COLOR_BTNFACE));
}

// --- the transparent-colour painter ---------------------------------------------------------

TEST(TransparentBitmap, MagentaPixelsLeaveTheBackgroundVisible) {
    CTransparentBitmap picture;
    ASSERT_TRUE(picture.LoadFromResource(IDB_ABOUT_PICTURE));
    const SIZE size = picture.Size();
    CPixelCanvas canvas(size.cx + 20, size.cy + 20, RGB(0, 0, 200));
    picture.Draw(canvas.DC(), 10, 10, kSkinTransparent);
    EXPECT_EQ(canvas.Pixel(10, 10), RGB(0, 0, 200)); // the picture's corner is magenta
    EXPECT_EQ(canvas.Pixel(5, 30), RGB(0, 0, 200));  // outside the picture
    const COLORREF centre = canvas.Pixel(10 + size.cx / 2, 10 + size.cy / 2);
    EXPECT_NE(centre, RGB(0, 0, 200));
    EXPECT_NE(centre, kSkinTransparent);
}

// --- the text label --------------------------------------------------------------------------

TEST(TextLabel, AlignmentFollowsTheStaticStyle) {
    EXPECT_EQ(CTextLabel::TextFormat(SS_LEFT, "a"), UINT(DT_LEFT | DT_WORDBREAK));
    EXPECT_EQ(CTextLabel::TextFormat(SS_CENTER, "a"), UINT(DT_CENTER | DT_WORDBREAK));
    EXPECT_EQ(CTextLabel::TextFormat(SS_RIGHT | SS_NOPREFIX, "a"),
              UINT(DT_RIGHT | DT_WORDBREAK | DT_NOPREFIX));
    EXPECT_EQ(CTextLabel::TextFormat(SS_LEFT | SS_CENTERIMAGE, "one line"),
              UINT(DT_SINGLELINE | DT_VCENTER | DT_CENTER));
    EXPECT_EQ(CTextLabel::TextFormat(SS_RIGHT | SS_CENTERIMAGE, "two\r\nlines"),
              UINT(DT_RIGHT | DT_WORDBREAK));
}

TEST(TextLabel, TransparentOpaqueAndLinkLabels) {
    TestWindow window;
    CTextLabel label;
    ASSERT_TRUE(label.Attach(window.Child("STATIC", SS_LEFT, 120, 30, "Tahoma")));
    label.SetTransparent(true).SetFontName("Tahoma", 0).SetFontSize(10).SetTextColor(RGB(0, 0, 0));
    EXPECT_EQ(std::string(label.FontDescription().lfFaceName), "Tahoma");
    EXPECT_LT(label.FontDescription().lfHeight, 0);
    CPixelCanvas canvas(120, 30, RGB(0, 200, 0));
    canvas.PrintClient(label);
    EXPECT_EQ(canvas.Pixel(110, 25), RGB(0, 200, 0));
    int inked = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 20; ++y)
            inked += canvas.Pixel(x, y) != RGB(0, 200, 0);
    EXPECT_GT(inked, 10); // the text was drawn

    label.SetTransparent(false).SetBkColor(RGB(255, 255, 255));
    canvas.PrintClient(label);
    EXPECT_EQ(canvas.Pixel(110, 25), RGB(255, 255, 255));

    // A link in notify mode tells the parent instead of opening.
    CTextLabel link;
    ASSERT_TRUE(link.Attach(window.Child("STATIC", SS_LEFT, 120, 20, "not a file")));
    link.SetLink(true, RGB(255, 0, 0)).SetNotify(true);
    EXPECT_EQ(link.Send(WM_NCHITTEST, 0, MAKELPARAM(45, 45)), HTCLIENT);
    link.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(g_notifications.size(), 1u);
    EXPECT_EQ(g_notifications[0], CTextLabel::kLinkClicked);
}

// --- the page host ---------------------------------------------------------------------------

TEST(PageHost, TakesItsBackgroundsShapeAnswersThePagerAndDragsItsWindow) {
    TestWindow window(500, 400);
    CPageHost host;
    ASSERT_TRUE(host.Create(window));
    RECT place = host.WindowRect();
    EXPECT_EQ(place.right - place.left, 400);
    EXPECT_EQ(place.bottom - place.top, 321);
    char className[32] = {};
    GetClassNameA(host.Pager(), className, sizeof(className));
    EXPECT_STREQ(className, "SysPager");

    EXPECT_TRUE(host.SetBackground(IDB_HOST_SYSTEM));
    EXPECT_FALSE(host.SetBackground(9999)); // keeps the one it has
    EXPECT_NE(host.Skin().Handle(), nullptr);

    host.Pager().childWidth = 381;
    host.Pager().childHeight = 412;
    NMPGCALCSIZE question = {};
    question.hdr = {host.Pager(), IDC_PAGE_PAGER, static_cast<UINT>(PGN_CALCSIZE)};
    question.dwFlag = PGF_CALCHEIGHT;
    host.Send(WM_NOTIFY, IDC_PAGE_PAGER, reinterpret_cast<LPARAM>(&question));
    EXPECT_EQ(question.iHeight, 412);
    question.dwFlag = PGF_CALCWIDTH;
    host.Send(WM_NOTIFY, IDC_PAGE_PAGER, reinterpret_cast<LPARAM>(&question));
    EXPECT_EQ(question.iWidth, 381);

    // Dragging the host moves the window it sits in, not the host.
    host.MoveTo(15, 20);
    host.Show(SW_SHOW);
    const RECT before = CWindow(window).WindowRect();
    host.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    host.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(15, 12));
    host.Send(WM_LBUTTONUP, 0, MAKELPARAM(15, 12));
    const RECT after = CWindow(window).WindowRect();
    EXPECT_EQ(after.left - before.left, 10);
    EXPECT_EQ(after.top - before.top, 7);
    RECT inside = host.WindowRect();
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&inside), 2);
    EXPECT_EQ(inside.left, 15);
    EXPECT_EQ(inside.top, 20);
    EXPECT_FALSE(host.IsDragging());
}

// A page whose initialisation fails (its buttons could not be made) destroys itself: it then
// counts as not created, and the window that builds it gives up.
class CFailingDialog : public CModelessDialog {
protected:
    BOOL OnInit() override {
        DestroyWindow(Handle());
        return FALSE;
    }
};

TEST(ModelessDialog, OneThatDestroysItselfInItsInitialisationIsNotCreated) {
    CFailingDialog dialog;
    EXPECT_FALSE(dialog.Create(IDD_TRAY, nullptr));
    EXPECT_FALSE(dialog.Exists());
    EXPECT_EQ(dialog.Handle(), nullptr);
}

} // namespace
