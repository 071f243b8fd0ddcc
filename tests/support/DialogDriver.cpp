#include "support/DialogDriver.h"

#include <commctrl.h>

namespace {

void Notify(HWND dialog, int id, WORD code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace

void ClickDialogButton(HWND dialog, int id) {
    Notify(dialog, id, BN_CLICKED);
}

void PressButton(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetBox(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
    Notify(dialog, id, BN_CLICKED);
}

void ToggleBox(HWND dialog, int id) {
    SetBox(dialog, id, !IsChecked(dialog, id));
}

void TypeText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void LeaveField(HWND dialog, int id) {
    Notify(dialog, id, EN_KILLFOCUS);
}

void SelectEntry(HWND dialog, int id, int index) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(dialog, id, CBN_SELCHANGE);
}

std::string ItemText(HWND dialog, int id) {
    std::string text(GetWindowTextLengthA(GetDlgItem(dialog, id)) + 1, '\0');
    text.resize(GetDlgItemTextA(dialog, id, &text[0], static_cast<int>(text.size())));
    return text;
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool IsItemEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

int SelectedEntry(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

int BarPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, PBM_GETPOS, 0, 0));
}
