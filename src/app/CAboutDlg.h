#pragma once

#include "ui/CGdiObject.h"
#include "ui/CHyperLink.h"
#include "ui/CModalDialog.h"
#include "ui/CTransparentBitmap.h"

// The About box (dialog 100): the picture, the product line and build, the support link and a
// notice.
class CAboutDlg : public CModalDialog {
protected:
    BOOL OnInit() override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CTransparentBitmap picture_;
    CHyperLink support_;
    CFontHandle productFont_;
    CFontHandle noticeFont_;
};
