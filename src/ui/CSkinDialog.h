#pragma once

#include <windows.h>

#include "ui/CGdiObject.h"
#include "ui/CModelessDialog.h"
#include "ui/CSkinBitmap.h"

// A dialog drawn from a bitmap and shaped by it: the bitmap's transparent pixels are not part
// of the window. Dragging anywhere on the skin moves the window.
class CSkinDialog : public CModelessDialog {
public:
    // Loads the skin, shapes the window after it and sizes the window to the shape (the position
    // stays); FALSE when the bitmap or its shape cannot be made.
    BOOL SetSkin(UINT bitmapId, COLORREF transparent);
    // The cursor shown while the mouse is over the window (null: the class cursor).
    void SetSkinCursor(HCURSOR cursor) { cursor_ = cursor; }
    // Realises the skin's palette in the window and repaints it.
    void RealizeSkinPalette();

    const CSkinBitmap& Skin() const { return *skin_; }
    bool IsDragging() const { return dragging_; }

protected:
    // Paint, drag and cursor handling; derived classes pass unhandled messages on to here.
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The window a drag moves: this one, or for a child skin the top-level window it sits in.
    HWND DragTarget() const;

    static const CSkinBitmap kNoSkin;
    const CSkinBitmap* skin_ = &kNoSkin; // the cache's picture once a skin is set
    HCURSOR cursor_ = nullptr;
    bool dragging_ = false;
    POINT dragStart_ = {};
};
