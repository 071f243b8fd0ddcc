#pragma once

#include <string>
#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CSkinBitmap.h"
#include "ui/CSkinCache.h"
#include "ui/CPaintedControl.h"

// A push button drawn from four bitmaps (normal, hover, pressed, disabled) and shaped by the
// first: its transparent pixels are not part of the button, neither for drawing nor for the
// mouse. The hover picture shows while the mouse is over the shape.
//
// Every skin button is a tab stop. Its window text is its name for screen readers: the words its
// picture shows (the picture is drawn over it), which a tooltip may say at more length. The
// focused button shows a dotted focus rectangle inside its shape unless the window's keyboard
// cues are hidden, and Space presses it as it does a plain push button.
class CSkinButton : public CPaintedControl {
public:
    ~CSkinButton() override;

    // Creates the shaped button at `at` of the parent (client pixels), sized to the shape of the
    // normal bitmap; the bitmaps are resource ids. FALSE when a bitmap, the shape or the window
    // fails.
    BOOL Create(const std::string& caption, DWORD style, UINT normal, UINT hover, UINT pressed,
                UINT disabled, COLORREF transparent, HWND parent, int id, POINT at = {0, 0});
    // The same with the four bitmaps read from .bmp files.
    BOOL Create(const std::string& caption, DWORD style, const std::string& normal,
                const std::string& hover, const std::string& pressed, const std::string& disabled,
                COLORREF transparent, HWND parent, int id);

    // Registers the button with the tooltip control that the skin buttons of its top-level
    // window share (made on first use) and sets the text; `activate` false takes the button's
    // tip out again. The window text stays the caption.
    void SetTooltip(const std::string& text, bool activate = true);
    // Realises the palette of the picture now shown and repaints.
    void RealizeButtonPalette();

    // The shared tooltip control, once the button has a tip.
    HWND Tooltip() const { return tooltip_; }
    // Where the focus rectangle is drawn, in client pixels.
    const RECT& FocusRect() const { return focusRect_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

private:
    enum Picture { kNormal, kHover, kPressed, kDisabled };

    BOOL Build(const std::string& caption, DWORD style, const CSkinCache::Shape& shape,
               HWND parent, int id, POINT at);
    const CSkinBitmap& Current() const;
    void Paint(HDC dc) override;
    void Redraw();
    // Sets or clears the hover state for a mouse position in client coordinates.
    void HoverTest(POINT point);
    bool InShape(POINT point) const;
    // The largest inset of the shape's box, from 3 pixels in, whose corners lie on the shape.
    RECT InnerFocusRect() const;
    bool ShowsFocus() const;
    // Follows the window's keyboard cues: hidden until the keyboard is used on Windows 2000 and
    // later when the user chose so.
    void UpdateFocusCue(WPARAM change);
    // Re-checks the hover state where the mouse is now (after the keyboard pressed the button).
    void HoverTestAtCursor();
    void EnsureTooltip();
    // Takes the button's tool out of the shared tooltip, which goes with the last one.
    void LeaveTooltip();
    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);

    // Normal, hover, pressed, disabled: the cache's pictures, or those read from files.
    const CSkinBitmap* pictures_[4] = {};
    CSkinBitmap ownPictures_[4];
    CRegionHandle shape_;
    POINT origin_ = {};
    RECT focusRect_ = {};
    bool heldDown_ = false;
    bool hovering_ = false;
    bool captured_ = false;
    bool tracking_ = false;
    bool hideFocus_ = false;
    bool focused_ = false; // followed from the focus messages rather than asked at each paint
    HWND tooltip_ = nullptr;
    bool hasTool_ = false;
};
