#include "ui/CModelessDialog.h"

BOOL CModelessDialog::Create(UINT resourceId, HWND parent) {
    HWND window = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(resourceId), parent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    // A dialog whose initialisation failed destroys itself: it was not created.
    if (window == nullptr || !IsWindow(window)) {
        window_ = nullptr;
        return FALSE;
    }
    window_ = window;
    return TRUE;
}

CModelessDialog::~CModelessDialog() {
    // The window must not outlive the object its procedure dispatches to.
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
}
