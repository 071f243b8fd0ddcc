#pragma once

#include <windows.h>

#include "ui/CPagerCtrl.h"
#include "ui/CSkinDialog.h"

// The skinned frame in which the main window shows its pages: dialog 297 with one pager
// (control 1217) whose child is the page. Its background bitmap changes with the page.
class CPageHost : public CSkinDialog {
public:
    // Creates the host as a child of `parent` with the first background (bitmap 205).
    BOOL Create(HWND parent);
    // Replaces the background and the shape (magenta transparent); FALSE when that fails.
    BOOL SetBackground(UINT bitmapId);
    // Places the pager in the host's pixels.
    void PlacePager(int x, int y, int width, int height) const;
    // Moves the host so that its centre is the centre of `area` (in the parent's pixels).
    void CenterOn(const RECT& area) const;

    CPagerCtrl& Pager() { return pager_; }

    // Makes the pager and bar classes of the common controls known (once per process).
    static void RegisterControlClasses();

protected:
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;

private:
    CPagerCtrl pager_;
};
