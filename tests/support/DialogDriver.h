#pragma once

#include <string>
#include <windows.h>

// What a user does to a dialog's controls, done by messages as the dialog would receive them,
// and what the controls show.

// A click on a button, a skin button or a text: the dialog gets its BN_CLICKED.
void ClickDialogButton(HWND dialog, int id);
// A click on the control itself (BM_CLICK): a check box or radio button changes, then notifies.
void PressButton(HWND dialog, int id);
// A check box set as a click leaves it, then the dialog hears of it.
void SetBox(HWND dialog, int id, bool checked);
// A check box clicked: it toggles and notifies.
void ToggleBox(HWND dialog, int id);
// Typing into a field (the field changes and sends its EN_CHANGE), and leaving it.
void TypeText(HWND dialog, int id, const std::string& text);
void LeaveField(HWND dialog, int id);
// An entry chosen from a drop-down list, with the list's CBN_SELCHANGE.
void SelectEntry(HWND dialog, int id, int index);

std::string ItemText(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
int SelectedEntry(HWND dialog, int id);
// A progress bar's position.
int BarPosition(HWND dialog, int id);
