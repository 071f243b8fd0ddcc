#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/CWindow.h"

// The "SysPager" common control in which a page scrolls. It asks its parent for the size of its
// child; the parent hands those questions to OnNotify, which answers with the stored size.
class CPagerCtrl : public CWindow {
public:
    void SetChild(HWND child) const { Send(PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(child)); }
    void SetBackgroundColor(COLORREF colour) const { Send(PGM_SETBKCOLOR, 0, colour); }
    void SetButtonSize(int pixels) const { Send(PGM_SETBUTTONSIZE, 0, pixels); }
    // Asks the pager to measure its child again (after the size fields changed).
    void RecalcSize() const { Send(PGM_RECALCSIZE); }

    // Answers the pager's notifications; TRUE when the notification was the pager's.
    BOOL OnNotify(const NMHDR* header, LRESULT& result) const;

    // The size of the child to report.
    int childWidth = 0;
    int childHeight = 0;
};
