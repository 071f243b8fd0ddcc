#include "app/CAboutDlg.h"

#include "platform/ShellOpen.h"
#include "res/resource.h"
#include "ui/CPaintDC.h"
#include "ui/SkinRegion.h"

namespace {

HFONT MakeArial(int height, bool bold) {
    LOGFONTA description = {};
    description.lfHeight = height;
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    return CreateFontIndirectA(&description);
}

} // namespace

BOOL CAboutDlg::OnInit() {
    SetItemText(IDC_ABOUT_PRODUCT, "Torvane v2.0");
    SetItemText(IDC_ABOUT_BUILD, "build 106");
    picture_.LoadFromResource(IDB_ABOUT_PICTURE);
    productFont_.Reset(MakeArial(28, true));
    noticeFont_.Reset(MakeArial(12, false));
    CWindow(Item(IDC_ABOUT_PRODUCT)).Send(WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.Get()));
    CWindow(Item(IDC_ABOUT_NOTICE)).Send(WM_SETFONT, reinterpret_cast<WPARAM>(noticeFont_.Get()));
    if (support_.AttachItem(window_, IDC_ABOUT_SUPPORT))
        support_.SetLink(kLinkWeb, kSupportWebPage);
    return TRUE;
}

BOOL CAboutDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
    if (message != WM_PAINT || !picture_.Handle())
        return FALSE;
    CPaintDC dc(window_);
    RECT place = CWindow(Item(IDC_ABOUT_PICTURE)).WindowRect();
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    picture_.Draw(dc, place.left, place.top, kSkinTransparent);
    result = 0;
    return TRUE;
}
