#include "ui/CPaintedControl.h"

#include "ui/CPaintDC.h"

bool CPaintedControl::HandlePaint(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(window_);
        Paint(dc);
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    default:
        return false;
    }
}
