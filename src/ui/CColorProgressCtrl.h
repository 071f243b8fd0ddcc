#pragma once

#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CPaintedControl.h"

// A progress bar painted in a colour of the program's choosing, with bevelled edges. Range and
// position go through the standard progress-bar messages; the control keeps its own copy of
// them, so it also works with the oldest common controls.
class CColorProgressCtrl : public CPaintedControl {
public:
    static constexpr UINT_PTR kAnimationTimer = 100;
    static constexpr UINT kAnimationPeriod = 25;
    static constexpr int kAnimationSteps = 20;

    BOOL Attach(HWND control);
    BOOL AttachItem(HWND parent, int id) { return Attach(GetDlgItem(parent, id)); }

    // Changes the bar colour, rebuilds the bevel pens and repaints.
    void SetBarColor(COLORREF colour);
    COLORREF BarColor() const { return colour_; }
    // The whole bar filled and striped, the stripes moving on a 25 ms timer.
    void SetIndeterminate(bool on);

    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    int Position() const { return position_; }
    // The filled part of a bar `length` pixels long for the stored range and position.
    int DoneLength(int length) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RebuildPens();
    void Paint(HDC dc) override;
    void DrawBar(HDC dc, RECT done, bool vertical) const;
    void SetPosition(int position);

    COLORREF colour_ = GetSysColor(COLOR_HIGHLIGHT);
    // Shades of the bar colour: [0..3] lighter by 80, 60, 40, 20; [4..7] darker by 20 .. 80.
    CPenHandle pens_[8];
    bool indeterminate_ = false;
    int counter_ = 0;
    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
    int step_ = 10;
};
