#include "ui/CModalDialog.h"

INT_PTR CModalDialog::DoModal(UINT resourceId, HWND parent) {
    return DialogBoxParamA(Instance(), MAKEINTRESOURCEA(resourceId), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}
