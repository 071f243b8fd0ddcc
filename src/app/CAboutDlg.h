#pragma once

#include "ui/CModalDialog.h"

// The About box (dialog 100).
class CAboutDlg : public CModalDialog {
protected:
    BOOL OnInit() override;
};
