#include "ui/CModalDialog.h"

#include "platform/CModalLoop.h"

INT_PTR CModalDialog::DoModal(UINT resourceId, HWND parent) {
    CModalLoop::Scope loop;
    return DialogBoxParamA(Instance(), MAKEINTRESOURCEA(resourceId), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}
