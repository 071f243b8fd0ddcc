#include "ui/CPage.h"

#include "ui/SkinRegion.h"

#include <commctrl.h>

BOOL CPage::CreateButtons(const PageButton* buttons, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const PageButton& row = buttons[i];
        if (!buttons_.Add(Handle(), row.id, row.caption, row.tooltip,
                          {row.normal, row.hover, row.pressed, row.disabled}, row.x, row.y))
            return FALSE;
    }
    return TRUE;
}

void CPage::ScrollToTop() const {
    HWND parent = GetParent(Handle());
    char kind[16] = {};
    if (parent != nullptr && GetClassNameA(parent, kind, sizeof kind) > 0 &&
        lstrcmpiA(kind, WC_PAGESCROLLERA) == 0)
        SendMessageA(parent, PGM_SETPOS, 0, 0);
}

void CPage::MakeLabels(const int* ids, size_t count, int points) {
    for (size_t i = 0; i < count; ++i) {
        auto label = std::make_unique<CTextLabel>();
        if (!label->AttachItem(Handle(), ids[i]))
            continue;
        label->SetTransparent(true).SetFontName("Tahoma", 0).SetFontSize(points);
        labels_.push_back(std::move(label));
    }
}

CTextLabel* CPage::Label(int id) {
    for (auto& label : labels_)
        if (label->Id() == id)
            return label.get();
    return nullptr;
}

void CPage::SetLabelText(int id, const std::string& text) {
    if (CTextLabel* label = Label(id))
        label->SetText(text);
    else
        SetItemText(id, text);
}

BOOL CPage::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORDLG) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        result = reinterpret_cast<LRESULT>(whiteBrush_.Get());
        return TRUE;
    }
    return FALSE;
}
