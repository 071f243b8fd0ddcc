#include "ui/CDialog.h"

namespace {

// Messages whose dialog-procedure result is the answer itself rather than DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

} // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (self == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result)) {
            if (ReturnsResultDirectly(message))
                return static_cast<INT_PTR>(result);
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInit();
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
            if (id == IDOK)
                OnOK();
            else
                OnCancel();
            return TRUE;
        }
        if (code == BN_CLICKED && lParam != 0 && OnButtonClicked(id))
            return TRUE;
        return OnCommand(wParam, lParam);
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (!OnNotify(static_cast<int>(wParam), header, result))
            return FALSE;
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}
