#include "ui/CSkinDialog.h"

#include <utility>
#include <windowsx.h>

#include "platform/COptionalApi.h"
#include "ui/CClientDC.h"
#include "ui/CPaintDC.h"
#include "ui/CSkinCache.h"
#include "ui/SkinRegion.h"

const CSkinBitmap CSkinDialog::kNoSkin;

BOOL CSkinDialog::SetSkin(UINT bitmapId, COLORREF transparent) {
    // Picture and shape come from the program-wide cache; the window gets a copy of the shape.
    const CSkinBitmap* skin = CSkinCache::Bitmap(bitmapId);
    const CSkinCache::Shape* shape = skin != nullptr ? CSkinCache::ShapeOf(bitmapId, transparent)
                                                     : nullptr;
    if (shape == nullptr)
        return FALSE;
    CRegionHandle windowShape(CSkinCache::CopyRegion(*shape));
    if (!windowShape)
        return FALSE;
    const RECT box = shape->box;
    skin_ = skin;
    if (window_ == nullptr)
        return TRUE;
    // The window covers the whole shape, which keeps the coordinates of the bitmap.
    SetPos(nullptr, 0, 0, box.right, box.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A window not on the screen yet is drawn when it is shown.
    if (SetWindowRgn(window_, windowShape.Get(), IsWindowVisible(window_)) == 0)
        return FALSE;
    windowShape.Release(); // the window owns it now
    Invalidate(false);
    return TRUE;
}

void CSkinDialog::RealizeSkinPalette() {
    if (window_ == nullptr || skin_->DrawingPalette() == nullptr)
        return;
    {
        CClientDC dc(window_);
        HPALETTE previous = skin_->SelectInto(dc);
        SelectPalette(dc, previous, FALSE);
        RealizePalette(dc);
    }
    // The colours of everything inside may have moved: the children repaint as well.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HWND CSkinDialog::DragTarget() const {
    // A skin inside another window (the page host) moves the window it belongs to, never
    // itself out of its place.
    if (Style() & WS_CHILD) {
        HWND root = COptionalApi::Ancestor(window_, GA_ROOT);
        return root != nullptr ? root : window_;
    }
    return window_;
}

BOOL CSkinDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        if (skin_->Handle() == nullptr)
            return FALSE;
        CPaintDC dc(window_);
        skin_->Draw(dc);
        result = 0;
        return TRUE;
    }
    case WM_ERASEBKGND:
        if (skin_->Handle() == nullptr)
            return FALSE;
        result = 1;
        return TRUE;
    case WM_SETCURSOR:
        if (cursor_ == nullptr || LOWORD(lParam) != HTCLIENT)
            return FALSE;
        SetCursor(cursor_);
        result = TRUE;
        return TRUE;
    case WM_LBUTTONDOWN:
        dragStart_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        dragging_ = true;
        SetCapture(window_);
        result = 0;
        return TRUE;
    case WM_MOUSEMOVE: {
        if (cursor_ != nullptr)
            SetCursor(cursor_);
        if (!dragging_)
            return FALSE;
        const int dx = GET_X_LPARAM(lParam) - dragStart_.x;
        const int dy = GET_Y_LPARAM(lParam) - dragStart_.y;
        if (dx != 0 || dy != 0) {
            CWindow target(DragTarget());
            const RECT place = target.WindowRect();
            POINT topLeft = {place.left + dx, place.top + dy};
            HWND owner = GetParent(target);
            if ((target.Style() & WS_CHILD) && owner != nullptr)
                ScreenToClient(owner, &topLeft);
            target.MoveTo(topLeft.x, topLeft.y);
        }
        result = 0;
        return TRUE;
    }
    case WM_LBUTTONUP:
        if (!dragging_)
            return FALSE;
        dragging_ = false;
        ReleaseCapture();
        result = 0;
        return TRUE;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return FALSE;
    default:
        (void)wParam;
        return FALSE;
    }
}
