#pragma once

#include <functional>
#include <string>
#include <windows.h>

// Plays a script on the first modal dialog with the given caption that this thread shows while
// the object lives: a thread timer looks for the dialog from inside its modal loop and hands it
// to the script, which drives it by messages. A dialog the script leaves open is cancelled, so a
// test never hangs on a dialog.
class CModalScript {
public:
    using Script = std::function<void(HWND dialog)>;

    CModalScript(std::string caption, Script script);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    // 1 once the dialog was seen.
    int Seen() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

    std::string caption_;
    Script script_;
    UINT_PTR timer_ = 0;
    int seen_ = 0;
};

