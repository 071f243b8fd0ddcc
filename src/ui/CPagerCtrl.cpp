#include "ui/CPagerCtrl.h"

BOOL CPagerCtrl::OnNotify(const NMHDR* header, LRESULT& result) const {
    if (header == nullptr || header->hwndFrom != window_)
        return FALSE;
    if (header->code == static_cast<UINT>(PGN_CALCSIZE)) {
        NMPGCALCSIZE* size = reinterpret_cast<NMPGCALCSIZE*>(const_cast<NMHDR*>(header));
        if (size->dwFlag == PGF_CALCWIDTH)
            size->iWidth = childWidth;
        else if (size->dwFlag == PGF_CALCHEIGHT)
            size->iHeight = childHeight;
        result = 0;
        return TRUE;
    }
    if (header->code == static_cast<UINT>(PGN_SCROLL)) {
        result = 0;
        return TRUE;
    }
    return FALSE;
}
