#include "ui/CSkinButtonSet.h"

#include "ui/SkinRegion.h"

bool CSkinButtonSet::Add(HWND parent, int id, const char* text, const char* tooltip,
                         const Look& look, int x, int y) {
    auto button = std::make_unique<CSkinButton>();
    if (!button->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, look.normal, look.hover,
                        look.pressed, look.disabled, kSkinTransparent, parent, id, POINT{x, y}))
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

void CSkinButtonSet::Show(int id, bool show) const {
    if (CSkinButton* button = Find(id))
        button->Show(show ? SW_SHOW : SW_HIDE);
}

void CSkinButtonSet::Enable(int id, bool enable) const {
    if (CSkinButton* button = Find(id))
        button->Enable(enable);
}
