#include <gtest/gtest.h>

#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "support/CPixelCanvas.h"
#include "support/MessagePump.h"
#include "support/TestParentWindow.h"
#include "ui/CSkinBitmap.h"
#include "ui/CSkinButton.h"
#include "ui/SkinRegion.h"

namespace {

// The System Tweaks button: rounded corners, so its pixel 0,0 is transparent.
constexpr UINT kNormal = 190, kHover = 192, kPressed = 191, kDisabled = 193;
constexpr int kButtonId = 1510;
constexpr int kLeft = 120, kTop = 100;

int g_clicks = 0;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks;
    return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF BitmapPixel(UINT id, int x, int y) {
    CSkinBitmap bitmap;
    bitmap.LoadFromResource(id);
    CPixelCanvas canvas(bitmap.Width(), bitmap.Height());
    bitmap.Draw(canvas.DC());
    return canvas.Pixel(x, y);
}

class SkinButton : public testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateTestParent("SkinButtonTestParent", kLeft, kTop, 200, 120,
                                   WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, ParentProc);
        ASSERT_NE(parent_, nullptr);
        ASSERT_TRUE(button_.Create("System Tweaks", WS_VISIBLE, kNormal, kHover, kPressed,
                                   kDisabled, kSkinTransparent, parent_, kButtonId));
        button_.MoveTo(20, 30);
        SetForegroundWindow(parent_);
        PumpMessages(100);
        // A pixel where the normal and hover pictures differ tells which one is shown.
        CSkinBitmap normal;
        normal.LoadFromResource(kNormal);
        for (int y = normal.Height() / 2; y < normal.Height() && probe_.x < 0; ++y)
            for (int x = 2; x < normal.Width() && probe_.x < 0; ++x)
                if (BitmapPixel(kNormal, x, y) != BitmapPixel(kHover, x, y))
                    probe_ = POINT{x, y};
        ASSERT_GE(probe_.x, 0);
        g_clicks = 0;
    }
    void TearDown() override {
        SetCursorPos(600, 600);
        PumpMessages(50);
        DestroyWindow(parent_);
    }

    // Puts the real mouse on a point of the button (client pixels) and lets it be seen.
    void MouseTo(int x, int y) {
        POINT screen = {x, y};
        ClientToScreen(button_, &screen);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof(input));
        PumpMessages(100);
    }
    COLORREF Shown() { return ScreenPixel(button_, probe_.x, probe_.y); }
    // The picture shown once the button has had up to a second to react.
    COLORREF ShownAfterMove(UINT expected) {
        PumpMessages(1000, [&] { return Shown() == Expected(expected); });
        return Shown();
    }
    COLORREF Expected(UINT id) { return BitmapPixel(id, probe_.x, probe_.y); }
    void Click(UINT down, int x, int y, int upX, int upY) {
        button_.Send(down, MK_LBUTTON, MAKELPARAM(x, y));
        button_.Send(WM_LBUTTONUP, 0, MAKELPARAM(upX, upY));
    }

    HWND parent_ = nullptr;
    CSkinButton button_;
    POINT probe_ = {-1, -1};
};

TEST_F(SkinButton, TheButtonTakesTheShapeAndSizeOfItsNormalPictureAndNeedsAllFour) {
    CSkinBitmap normal;
    normal.LoadFromResource(kNormal);
    const RECT place = button_.WindowRect();
    EXPECT_EQ(place.right - place.left, normal.Width());
    EXPECT_EQ(place.bottom - place.top, normal.Height());
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button_, shape), ERROR);
    EXPECT_FALSE(PtInRegion(shape, 0, 0)); // transparent corner
    EXPECT_TRUE(PtInRegion(shape, normal.Width() / 2, normal.Height() / 2));
    DeleteObject(shape);
    EXPECT_EQ(Shown(), Expected(kNormal));

    // A missing bitmap fails and makes no window.
    CSkinButton missing;
    EXPECT_FALSE(missing.Create("x", WS_VISIBLE, kNormal, kHover, kPressed, 9999, kSkinTransparent,
                                GetDesktopWindow(), 1));
    EXPECT_EQ(missing.Handle(), nullptr);
}

TEST_F(SkinButton, TheHoverPictureFollowsThePointerOnTheShape) {
    MouseTo(20, 20);
    EXPECT_EQ(ShownAfterMove(kHover), Expected(kHover));
    EXPECT_EQ(GetCapture(), button_.Handle()); // held to see the pointer leave
    // Still inside the button's rectangle, but on a pixel that is not part of the button.
    MouseTo(0, 0);
    EXPECT_EQ(ShownAfterMove(kNormal), Expected(kNormal));
    EXPECT_NE(GetCapture(), button_.Handle());
    // Back onto the shape along a short path, as a real pointer moves.
    MouseTo(10, 10);
    MouseTo(21, 20);
    EXPECT_EQ(ShownAfterMove(kHover), Expected(kHover));
    // The leave from the corner, told late, with the pointer back on the shape: still hovered.
    button_.Send(WM_MOUSELEAVE, 0, 0);
    PumpMessages(100);
    EXPECT_EQ(Shown(), Expected(kHover));
    MouseTo(100, 20); // over the parent, beside the button
    EXPECT_EQ(ShownAfterMove(kNormal), Expected(kNormal));
}

TEST_F(SkinButton, ADisabledButtonDrawsTheDisabledPictureAndIgnoresTheMouse) {
    MouseTo(20, 20);
    ASSERT_EQ(ShownAfterMove(kHover), Expected(kHover));
    button_.Enable(false);
    PumpMessages(50);
    EXPECT_EQ(Shown(), Expected(kDisabled));
    MouseTo(21, 21);
    EXPECT_EQ(Shown(), Expected(kDisabled));
    button_.Enable(true);
    MouseTo(100, 20); // over the parent, beside the button
    EXPECT_EQ(ShownAfterMove(kNormal), Expected(kNormal));
}

TEST_F(SkinButton, HoldingShowsThePressedPictureAndOnlyAReleaseOnTheShapeClicks) {
    button_.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(Shown(), Expected(kPressed));
    button_.Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_NE(Shown(), Expected(kPressed));
    EXPECT_EQ(g_clicks, 1);
    Click(WM_LBUTTONDBLCLK, 20, 20, 20, 20); // two quick clicks are two clicks
    EXPECT_EQ(g_clicks, 2);
    Click(WM_LBUTTONDOWN, 20, 20, 0, 0); // released over a transparent corner
    EXPECT_EQ(g_clicks, 2);
    EXPECT_NE(GetCapture(), button_.Handle());
}

// Every pixel of the window as it is drawn now, row by row.
std::vector<COLORREF> Pixels(HWND window) {
    UpdateWindow(window);
    RECT client = {};
    GetClientRect(window, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i] ? 1 : 0;
    return count;
}

void PressKey(WORD key, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
    PumpMessages(100);
}

TEST_F(SkinButton, TheKeyboardScreenReadersAndTooltipsReachTheButton) {
    // Screen readers announce the window text: the caption, the words of the picture, which a
    // tooltip saying more leaves as it is.
    // The tooltip is made once and its text replaced.
    EXPECT_EQ(button_.Text(), "System Tweaks");
    button_.SetTooltip("System Tweaks");
    button_.SetTooltip("Desktop Tweaks");
    EXPECT_EQ(button_.Text(), "System Tweaks");
    ASSERT_NE(button_.Tooltip(), nullptr);
    EXPECT_EQ(SendMessageA(button_.Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[80] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = button_;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageA(button_.Tooltip(), TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "Desktop Tweaks");
    EXPECT_TRUE(button_.Style() & WS_TABSTOP);

    // The focused button carries a dotted rectangle inside its shape, and only then.
    const std::vector<COLORREF> unfocused = Pixels(button_);
    const RECT focus = button_.FocusRect();
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(button_, shape);
    EXPECT_TRUE(PtInRegion(shape, focus.left, focus.top));
    EXPECT_TRUE(PtInRegion(shape, focus.right - 1, focus.bottom - 1));
    DeleteObject(shape);
    SetFocus(button_);
    ASSERT_EQ(GetFocus(), button_.Handle());
    EXPECT_GT(Differences(Pixels(button_), unfocused), 20);
    // Keyboard cues hidden (a mouse user on Windows 2000 and later): no rectangle.
    button_.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS));
    EXPECT_EQ(Differences(Pixels(button_), unfocused), 0);
    button_.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    EXPECT_GT(Differences(Pixels(button_), unfocused), 20);

    // Space presses the focused button, also while the mouse rests on it and holds the capture.
    MouseTo(20, 20);
    ASSERT_EQ(ShownAfterMove(kHover), Expected(kHover));
    PressKey(VK_SPACE, true);
    EXPECT_EQ(Shown(), Expected(kPressed));
    EXPECT_EQ(g_clicks, 0);
    PressKey(VK_SPACE, false);
    EXPECT_EQ(g_clicks, 1);
    EXPECT_EQ(Shown(), Expected(kHover));
    EXPECT_EQ(GetCapture(), button_.Handle()); // still watching for the pointer to leave

    SetFocus(parent_);
    PumpMessages(50);
    MouseTo(100, 20);
    EXPECT_EQ(ShownAfterMove(kNormal), Expected(kNormal));
    EXPECT_EQ(Differences(Pixels(button_), unfocused), 0);
}

} // namespace
