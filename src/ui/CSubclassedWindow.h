#pragma once

#include <windows.h>

#include "ui/CWindow.h"

// A window whose messages pass through this object first: an existing control attached by its
// id, or a window the program created. Unhandled messages go on to the original procedure.
class CSubclassedWindow : public CWindow {
public:
    ~CSubclassedWindow() override;

    BOOL Subclass(HWND window);
    BOOL SubclassItem(HWND parent, int id) { return Subclass(GetDlgItem(parent, id)); }
    // Gives the window its original procedure back.
    void Unsubclass();

    // The object attached to a window, or null.
    static CSubclassedWindow* FromHandle(HWND window);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallOriginal(message, wParam, lParam);
    }
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcA(original_, window_, message, wParam, lParam);
    }
    // Called after the window is gone (WM_NCDESTROY); the object may be reused afterwards.
    virtual void OnWindowGone() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC original_ = nullptr;
};
