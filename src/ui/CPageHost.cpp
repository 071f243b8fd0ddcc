#include "ui/CPageHost.h"

#include <commctrl.h>

#include "platform/COptionalApi.h"
#include "res/resource.h"
#include "ui/SkinRegion.h"

void CPageHost::RegisterControlClasses() {
    // Looked up at run time: the first Windows 95 release lacks the function (the program checks
    // for it at start-up and ends with a message).
    static const bool registered =
        COptionalApi::InitCommonControls(ICC_PAGESCROLLER_CLASS | ICC_BAR_CLASSES) != FALSE;
    (void)registered;
}

BOOL CPageHost::Create(HWND parent) {
    RegisterControlClasses();
    if (!CModelessDialog::Create(IDD_PAGE_HOST, parent))
        return FALSE;
    pager_.Attach(Item(IDC_PAGE_PAGER));
    if (pager_.Handle() == nullptr || !SetBackground(IDB_HOST_AUTOTUNE)) {
        Destroy();
        return FALSE;
    }
    return TRUE;
}

BOOL CPageHost::SetBackground(UINT bitmapId) {
    return SetSkin(bitmapId, kSkinTransparent);
}

void CPageHost::PlacePager(int x, int y, int width, int height) const {
    pager_.SetPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPageHost::CenterOn(const RECT& area) const {
    const RECT own = WindowRect();
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    MoveTo(area.left + (area.right - area.left - width) / 2,
           area.top + (area.bottom - area.top - height) / 2);
}

BOOL CPageHost::OnNotify(int /*id*/, NMHDR* header, LRESULT& result) {
    return pager_.OnNotify(header, result);
}
