#pragma once

#include <string>
#include <windows.h>

// A window handle with one-line methods over the user32 calls the program makes. It does not
// own the window: destroying it is an explicit act.
class CWindow {
public:
    CWindow() = default;
    explicit CWindow(HWND window) : window_(window) {}
    virtual ~CWindow() = default;

    HWND Handle() const { return window_; }
    operator HWND() const { return window_; }
    bool Exists() const { return window_ != nullptr && IsWindow(window_); }
    void Attach(HWND window) { window_ = window; }
    HWND Detach() {
        HWND window = window_;
        window_ = nullptr;
        return window;
    }
    BOOL Destroy() {
        HWND window = Detach();
        return window != nullptr && DestroyWindow(window);
    }

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    int Id() const { return GetDlgCtrlID(window_); }
    HWND Parent() const { return GetParent(window_); }

    BOOL Show(int command) const { return ShowWindow(window_, command); }
    bool IsVisible() const { return IsWindowVisible(window_) != FALSE; }
    bool IsEnabled() const { return IsWindowEnabled(window_) != FALSE; }
    bool IsMinimized() const { return IsIconic(window_) != FALSE; }
    BOOL Enable(bool enable) const { return EnableWindow(window_, enable ? TRUE : FALSE); }
    BOOL Move(int x, int y, int width, int height, bool repaint = true) const {
        return MoveWindow(window_, x, y, width, height, repaint ? TRUE : FALSE);
    }
    BOOL SetPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const {
        return SetWindowPos(window_, insertAfter, x, y, width, height, flags);
    }
    BOOL MoveTo(int x, int y) const {
        return SetPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT WindowRect() const {
        RECT rect = {};
        GetWindowRect(window_, &rect);
        return rect;
    }
    RECT ClientRect() const {
        RECT rect = {};
        GetClientRect(window_, &rect);
        return rect;
    }
    BOOL Invalidate(bool erase = true) const {
        return InvalidateRect(window_, nullptr, erase ? TRUE : FALSE);
    }
    BOOL Update() const { return UpdateWindow(window_); }
    BOOL BringToForeground() const { return SetForegroundWindow(window_); }
    HWND Focus() const { return SetFocus(window_); }

    UINT_PTR StartTimer(UINT_PTR id, UINT milliseconds) const {
        return SetTimer(window_, id, milliseconds, nullptr);
    }
    BOOL StopTimer(UINT_PTR id) const { return KillTimer(window_, id); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }
    BOOL Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return PostMessageA(window_, message, wParam, lParam);
    }

    BOOL SetText(const std::string& text) const { return SetWindowTextA(window_, text.c_str()); }
    std::string Text() const;
    BOOL SetItemText(int id, const std::string& text) const {
        return SetDlgItemTextA(window_, id, text.c_str());
    }
    std::string ItemText(int id) const;

    // Per-id helpers for a dialog's controls.
    LRESULT SendItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendDlgItemMessageA(window_, id, message, wParam, lParam);
    }
    BOOL CheckButton(int id, bool checked) const {
        return CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool IsButtonChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    BOOL EnableItem(int id, bool enable) const {
        return EnableWindow(Item(id), enable ? TRUE : FALSE);
    }
    BOOL ShowItem(int id, bool show) const {
        return ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
    }

    LONG_PTR Style() const { return GetWindowLongPtrA(window_, GWL_STYLE); }
    LONG_PTR ExStyle() const { return GetWindowLongPtrA(window_, GWL_EXSTYLE); }

protected:
    HWND window_ = nullptr;
};
