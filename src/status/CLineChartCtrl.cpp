#include "status/CLineChartCtrl.h"

#include <new>

#include "ui/CClientDC.h"
#include "ui/CGdiObject.h"
#include "ui/CPaintDC.h"
#include "ui/CSelectedObject.h"

bool CLineChartCtrl::gridPhase_ = false;

CLineChartCtrl::CLineChartCtrl() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

CLineChartCtrl::~CLineChartCtrl() {
    series_.clear();
    picture_.Reset();
}

int CLineChartCtrl::AddSeries(COLORREF colour, int maximum, int minimum) {
    try {
        series_.push_back(Series{colour, maximum, minimum, 0, 0, true});
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!picture_)
        PreparePicture();
    if (window_ != nullptr)
        Invalidate(true);
    return 1;
}

void CLineChartCtrl::PreparePicture() {
    if (window_ == nullptr)
        return;
    const RECT client = ClientRect();
    CClientDC dc(window_);
    if (!picture_.Create(dc, client.right, client.bottom))
        return;
    SetBkColor(picture_, kBackground);
    CBrushHandle grid(CreateHatchBrush(HS_CROSS, kGrid));
    FillRect(picture_, &client, grid);
}

int CLineChartCtrl::SetValue(size_t index, int value) {
    if (index >= series_.size())
        return 0;
    Series& series = series_[index];
    int held = value > series.maximum ? series.maximum : value;
    held = held < series.minimum ? series.minimum : held;
    const int former = series.current;
    series.previous = former;
    series.current = held;
    return former;
}

int CLineChartCtrl::RowOf(int value, int maximum, int minimum, int height) {
    const double range = static_cast<double>(maximum) - minimum;
    if (range <= 0 || height <= 0)
        return height > 0 ? height - 1 : 0;
    // Measured from the maximum, so that a minimum other than 0 is placed right too; the
    // minimum itself would fall one row below the picture, so it goes on the last row.
    const int row = static_cast<int>(height * (maximum - static_cast<double>(value)) / range);
    return row < 0 ? 0 : (row >= height ? height - 1 : row);
}

void CLineChartCtrl::ShowSeries(size_t index, bool show) {
    if (index < series_.size())
        series_[index].shown = show;
}

void CLineChartCtrl::Advance() {
    if (!picture_)
        return;
    const int w = picture_.Width();
    const int h = picture_.Height();
    BitBlt(picture_, 0, 0, w, h, picture_, kStep, 0, SRCCOPY);
    const RECT strip = {w - kStep, 0, w, h};
    CBrushHandle lines(CreateHatchBrush(HS_HORIZONTAL, kGrid));
    FillRect(picture_, &strip, lines);

    const bool wasClear = !gridPhase_;
    gridPhase_ = !gridPhase_;
    if (wasClear) {
        CPenHandle gridPen(CreatePen(PS_SOLID, 1, kGrid));
        CSelectedObject selected(picture_, gridPen.Get());
        MoveToEx(picture_, w - 2, 0, nullptr);
        LineTo(picture_, w - 2, h);
    }
    for (const Series& series : series_) {
        if (!series.shown)
            continue;
        CPenHandle pen(CreatePen(PS_SOLID, 1, series.colour));
        CSelectedObject selected(picture_, pen.Get());
        MoveToEx(picture_, w - 5, RowOf(series.previous, series.maximum, series.minimum, h),
                 nullptr);
        LineTo(picture_, w - 1, RowOf(series.current, series.maximum, series.minimum, h));
    }
    if (window_ != nullptr)
        Invalidate(false);
}

LRESULT CLineChartCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        if (!picture_)
            break; // the class background shows
        CPaintDC dc(window_);
        picture_.CopyTo(dc);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (!picture_)
            break;
        picture_.CopyTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (picture_)
            return 1;
        break;
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}
