#include "ui/CSubclassedWindow.h"

namespace {
const char kObjectProperty[] = "Torvane.Object";
}

CSubclassedWindow::~CSubclassedWindow() {
    Unsubclass();
}

BOOL CSubclassedWindow::Subclass(HWND window) {
    if (window == nullptr || original_ != nullptr || FromHandle(window) != nullptr)
        return FALSE;
    if (!SetPropA(window, kObjectProperty, this))
        return FALSE;
    window_ = window;
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::Procedure)));
    return TRUE;
}

void CSubclassedWindow::Unsubclass() {
    if (original_ == nullptr || window_ == nullptr)
        return;
    if (IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(window_, kObjectProperty);
    }
    original_ = nullptr;
    window_ = nullptr;
}

CSubclassedWindow* CSubclassedWindow::FromHandle(HWND window) {
    return static_cast<CSubclassedWindow*>(GetPropA(window, kObjectProperty));
}

LRESULT CALLBACK CSubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    CSubclassedWindow* self = FromHandle(window);
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_;
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(window, kObjectProperty);
        self->original_ = nullptr;
        self->window_ = nullptr;
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        self->OnWindowGone();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}
