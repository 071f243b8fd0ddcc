#pragma once

#include <functional>
#include <string>
#include <windows.h>

// Every question and report of the program goes through here. Tests install a handler that
// records the text and answers as scripted; the program itself always shows a real box.
class CMessageBox {
public:
    using Handler = std::function<int(HWND owner, const std::string& text, UINT type)>;

    // Shows the text with the program's caption and returns the button chosen (IDOK, IDYES...).
    static int Show(HWND owner, const std::string& text, UINT type = MB_OK);
    static bool AskYesNo(HWND owner, const std::string& text) {
        return Show(owner, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    static void Report(HWND owner, const std::string& text) {
        Show(owner, text, MB_OK | MB_ICONINFORMATION);
    }

    // Test use only: an empty handler restores the real message box.
    static void SetHandler(Handler handler);
};
