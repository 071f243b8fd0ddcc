#include "ui/CSubclassedWindow.h"

#include <map>

namespace {

// The objects attached to windows, found by handle on every message. Kept in the process rather
// than as a window property: under Wine each property read is a request to the server, and a
// skin button receives dozens of messages while its window is made, shaped and painted.
class AttachedObjects {
public:
    AttachedObjects() { InitializeCriticalSection(&lock_); }
    AttachedObjects(const AttachedObjects&) = delete;
    AttachedObjects& operator=(const AttachedObjects&) = delete;

    CSubclassedWindow* Find(HWND window) {
        Locked locked(lock_);
        const auto found = objects_.find(window);
        return found != objects_.end() ? found->second : nullptr;
    }
    bool Add(HWND window, CSubclassedWindow* object) {
        Locked locked(lock_);
        return objects_.emplace(window, object).second;
    }
    void Remove(HWND window, const CSubclassedWindow* object) {
        Locked locked(lock_);
        const auto found = objects_.find(window);
        if (found != objects_.end() && found->second == object)
            objects_.erase(found);
    }

private:
    struct Locked {
        explicit Locked(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
        ~Locked() { LeaveCriticalSection(&lock_); }
        CRITICAL_SECTION& lock_;
    };
    CRITICAL_SECTION lock_;
    std::map<HWND, CSubclassedWindow*> objects_;
};

AttachedObjects& Attached() {
    // Never destroyed: an object may let its window go while the program's statics are torn down.
    static AttachedObjects* const objects = new AttachedObjects;
    return *objects;
}

} // namespace

CSubclassedWindow::~CSubclassedWindow() {
    Unsubclass();
}

BOOL CSubclassedWindow::Subclass(HWND window) {
    if (window == nullptr || original_ != nullptr || !IsWindow(window) ||
        !Attached().Add(window, this))
        return FALSE;
    window_ = window;
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::Procedure)));
    return TRUE;
}

void CSubclassedWindow::Unsubclass() {
    if (original_ == nullptr || window_ == nullptr)
        return;
    if (IsWindow(window_))
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    Attached().Remove(window_, this);
    original_ = nullptr;
    window_ = nullptr;
}

CSubclassedWindow* CSubclassedWindow::FromHandle(HWND window) {
    return Attached().Find(window);
}

LRESULT CALLBACK CSubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    CSubclassedWindow* self = FromHandle(window);
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_;
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        Attached().Remove(window, self);
        self->original_ = nullptr;
        self->window_ = nullptr;
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        self->OnWindowGone();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}
