#include "app/CAboutDlg.h"

#include "res/resource.h"

BOOL CAboutDlg::OnInit() {
    SetItemText(IDC_ABOUT_PRODUCT, "Torvane v2.0");
    SetItemText(IDC_ABOUT_BUILD, "build 106");
    return TRUE;
}
