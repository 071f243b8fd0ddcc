#pragma once

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "ui/CSkinButton.h"

// The skin buttons of one window: made from the rows of its button table, then found, shown and
// enabled by id. The pages and the main window share it.
class CSkinButtonSet {
public:
    struct Look {
        UINT normal, hover, pressed, disabled;
    };

    // Creates a button as a child of `parent` at x, y (client pixels): its window text, its four
    // bitmaps and its tooltip (none when empty), shown and enabled as asked. False when it cannot
    // be made.
    bool Add(HWND parent, int id, const char* text, const char* tooltip, const Look& look, int x,
             int y, bool shown = true, bool enabled = true);
    // The button of that id, or null.
    CSkinButton* Find(int id) const;
    // Each does nothing when there is no such button or it is already so.
    void Show(int id, bool show) const;
    void Enable(int id, bool enable) const;

    using Buttons = std::vector<std::unique_ptr<CSkinButton>>;
    Buttons::const_iterator begin() const { return buttons_.begin(); }
    Buttons::const_iterator end() const { return buttons_.end(); }

private:
    Buttons buttons_;
};
