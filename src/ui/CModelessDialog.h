#pragma once

#include "ui/CDialog.h"

// A dialog that lives beside the message loop until it is destroyed.
class CModelessDialog : public CDialog {
public:
    // Creates the dialog from its resource; FALSE when that fails.
    BOOL Create(UINT resourceId, HWND parent);

    ~CModelessDialog() override;

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
