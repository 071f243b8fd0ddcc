#pragma once

#include "ui/CDialog.h"

// A dialog that runs its own message loop until it is ended.
class CModalDialog : public CDialog {
public:
    // Runs the dialog; returns the code given to End (-1 when it could not be created).
    INT_PTR DoModal(UINT resourceId, HWND parent);
    void End(INT_PTR result) { EndDialog(window_, result); }

protected:
    void OnOK() override { End(IDOK); }
    void OnCancel() override { End(IDCANCEL); }
};
