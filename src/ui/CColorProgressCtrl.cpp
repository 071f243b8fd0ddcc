#include "ui/CColorProgressCtrl.h"

#include <commctrl.h>

#include "platform/CTimeScale.h"
#include "ui/CMemoryCanvas.h"
#include "ui/CSelectedObject.h"
#include "ui/ColorShades.h"

BOOL CColorProgressCtrl::Attach(HWND control) {
    if (!Subclass(control))
        return FALSE;
    PBRANGE range = {lower_, upper_};
    CallOriginal(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    if (range.iHigh > range.iLow) {
        lower_ = range.iLow;
        upper_ = range.iHigh;
    }
    position_ = static_cast<int>(CallOriginal(PBM_GETPOS, 0, 0));
    SetPosition(position_);
    RebuildPens();
    return TRUE;
}

void CColorProgressCtrl::RebuildPens() {
    for (int i = 0; i < 4; ++i) {
        pens_[i].Reset(CreatePen(PS_SOLID, 1, LighterColor(colour_, 80 - 20 * i)));
        pens_[4 + i].Reset(CreatePen(PS_SOLID, 1, DarkerColor(colour_, 20 + 20 * i)));
    }
}

void CColorProgressCtrl::SetBarColor(COLORREF colour) {
    colour_ = colour;
    RebuildPens();
    if (window_ != nullptr)
        Invalidate(false);
}

void CColorProgressCtrl::SetIndeterminate(bool on) {
    if (on == indeterminate_)
        return;
    indeterminate_ = on;
    if (on)
        StartTimer(kAnimationTimer, CTimeScale::Period(kAnimationPeriod));
    else
        StopTimer(kAnimationTimer);
    Invalidate(false);
}

void CColorProgressCtrl::SetPosition(int position) {
    position_ = position < lower_ ? lower_ : (position > upper_ ? upper_ : position);
}

int CColorProgressCtrl::DoneLength(int length) const {
    if (indeterminate_)
        return length;
    const long long span = static_cast<long long>(upper_) - lower_;
    if (span <= 0 || length <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(length) * (position_ - lower_) / span);
}

void CColorProgressCtrl::DrawBar(HDC dc, RECT done, bool vertical) const {
    CBrushHandle fill(CreateSolidBrush(colour_));
    FillRect(dc, &done, fill);
    if (indeterminate_) {
        // Diagonal stripes of a darker shade, shifted by the animation counter.
        CBrushHandle stripe(CreateSolidBrush(DarkerColor(colour_, 48)));
        const int period = kAnimationSteps;
        HRGN clip = CreateRectRgnIndirect(&done);
        SelectClipRgn(dc, clip);
        const int height = done.bottom - done.top;
        for (int x = done.left - height - period + counter_; x < done.right; x += period) {
            POINT band[4] = {{x, done.bottom},
                             {x + period / 2, done.bottom},
                             {x + period / 2 + height, done.top},
                             {x + height, done.top}};
            CSelectedObject brush(dc, stripe.Get());
            CSelectedObject pen(dc, GetStockObject(NULL_PEN));
            Polygon(dc, band, 4);
        }
        SelectClipRgn(dc, nullptr);
        DeleteObject(clip);
    }
    const int w = done.right - done.left;
    const int h = done.bottom - done.top;
    if (w < 2 || h < 2)
        return;
    // Light edges on the top and left, dark ones on the bottom and right.
    auto line = [dc](HPEN pen, int x0, int y0, int x1, int y1) {
        CSelectedObject selected(dc, pen);
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
    };
    line(pens_[1], done.left, done.top, done.right, done.top);
    line(pens_[3], done.left, done.top + 1, done.right, done.top + 1);
    line(pens_[2], done.left, done.top, done.left, done.bottom);
    line(pens_[6], done.left, done.bottom - 1, done.right, done.bottom - 1);
    line(pens_[4], done.left, done.bottom - 2, done.right, done.bottom - 2);
    line(pens_[vertical ? 5 : 7], done.right - 1, done.top, done.right - 1, done.bottom);
}

void CColorProgressCtrl::Paint(HDC dc) {
    const RECT area = ClientRect();
    CMemoryCanvas canvas(dc, area.right, area.bottom);
    HDC target = canvas ? canvas.DC() : dc;
    FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
    const bool vertical = (Style() & PBS_VERTICAL) != 0;
    RECT done = area;
    if (vertical)
        done.top = area.bottom - DoneLength(area.bottom - area.top);
    else
        done.right = area.left + DoneLength(area.right - area.left);
    if (done.right > done.left && done.bottom > done.top)
        DrawBar(target, done, vertical);
    if (canvas)
        canvas.CopyTo(dc);
}

LRESULT CColorProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (HandlePaint(message, wParam, painted))
        return painted;
    LRESULT result = 0;
    switch (message) {
    case WM_TIMER:
        if (wParam != kAnimationTimer)
            break;
        counter_ = (counter_ + 1) % kAnimationSteps;
        Invalidate(false);
        return 0;
    case PBM_SETRANGE:
        result = MAKELPARAM(lower_, upper_);
        lower_ = LOWORD(lParam);
        upper_ = HIWORD(lParam);
        SetPosition(position_);
        break;
    case PBM_SETRANGE32:
        result = MAKELPARAM(lower_, upper_);
        lower_ = static_cast<int>(wParam);
        upper_ = static_cast<int>(lParam);
        SetPosition(position_);
        break;
    case PBM_SETPOS:
        result = position_;
        SetPosition(static_cast<int>(wParam));
        break;
    case PBM_DELTAPOS:
        result = position_;
        SetPosition(position_ + static_cast<int>(wParam));
        break;
    case PBM_SETSTEP:
        result = step_;
        step_ = static_cast<int>(wParam);
        break;
    case PBM_STEPIT:
        result = position_;
        // The standard bar wraps around to the lower bound past the upper one.
        SetPosition(position_ + step_ > upper_ ? lower_ + (position_ + step_ - upper_)
                                               : position_ + step_);
        break;
    case PBM_GETPOS:
        return position_;
    case PBM_GETRANGE: {
        PBRANGE* range = reinterpret_cast<PBRANGE*>(lParam);
        if (range != nullptr) {
            range->iLow = lower_;
            range->iHigh = upper_;
        }
        return wParam ? lower_ : upper_;
    }
    case WM_DESTROY:
        if (indeterminate_)
            StopTimer(kAnimationTimer);
        indeterminate_ = false;
        break;
    default:
        return CallOriginal(message, wParam, lParam);
    }
    if (message >= PBM_SETRANGE && message <= PBM_SETRANGE32) {
        CallOriginal(message, wParam, lParam);
        Invalidate(false);
        return result;
    }
    return CallOriginal(message, wParam, lParam);
}
