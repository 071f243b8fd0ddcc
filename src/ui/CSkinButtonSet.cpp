#include "ui/CSkinButtonSet.h"

#include "ui/SkinRegion.h"

bool CSkinButtonSet::Add(HWND parent, int id, const char* text, const char* tooltip,
                         const Look& look, int x, int y, bool shown, bool enabled) {
    auto button = std::make_unique<CSkinButton>();
    // Made in the state asked for: showing or disabling it afterwards costs the system more.
    const DWORD style = WS_CHILD | WS_TABSTOP | (shown ? WS_VISIBLE : 0) | (enabled ? 0 : WS_DISABLED);
    if (!button->Create(text, style, look.normal, look.hover, look.pressed, look.disabled,
                        kSkinTransparent, parent, id, POINT{x, y}))
        return false;
    if (tooltip != nullptr && tooltip[0] != '\0')
        button->SetTooltip(tooltip);
    buttons_.push_back(std::move(button));
    return true;
}

CSkinButton* CSkinButtonSet::Find(int id) const {
    for (const auto& button : buttons_)
        if (button->Id() == id)
            return button.get();
    return nullptr;
}

// A change of state costs the system a round of messages even when there is nothing to change:
// the buttons already so are left alone.
void CSkinButtonSet::Show(int id, bool show) const {
    CSkinButton* button = Find(id);
    if (button != nullptr && ((button->Style() & WS_VISIBLE) != 0) != show)
        button->Show(show ? SW_SHOW : SW_HIDE);
}

void CSkinButtonSet::Enable(int id, bool enable) const {
    CSkinButton* button = Find(id);
    if (button != nullptr && button->IsEnabled() != enable)
        button->Enable(enable);
}
