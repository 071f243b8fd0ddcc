#include "support/CModalScript.h"

namespace {
CModalScript* g_active = nullptr;

bool IsDialogCalled(HWND window, const std::string& caption) {
    char className[16] = {};
    char text[256] = {};
    return window != nullptr && GetClassNameA(window, className, sizeof(className)) > 0 &&
           lstrcmpA(className, "#32770") == 0 && GetWindowTextA(window, text, sizeof(text)) >= 0 &&
           caption == text;
}

// The open modal dialog is the active window; other dialogs may share its caption (the
// program's own windows are called "Torvane" too).
HWND FindDialog(const std::string& caption) {
    HWND active = GetActiveWindow();
    if (IsDialogCalled(active, caption))
        return active;
    return FindWindowA("#32770", caption.c_str());
}
} // namespace

CModalScript::CModalScript(std::string caption, Script script)
    : caption_(std::move(caption)), script_(std::move(script)) {
    g_active = this;
    timer_ = SetTimer(nullptr, 0, 10, &CModalScript::OnTimer);
}

CModalScript::~CModalScript() {
    if (timer_ != 0)
        KillTimer(nullptr, timer_);
    g_active = nullptr;
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    CModalScript* self = g_active;
    if (self == nullptr)
        return;
    HWND dialog = FindDialog(self->caption_);
    if (dialog == nullptr || !IsWindowVisible(dialog) ||
        GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId())
        return;
    // One dialog per script; the script may pump messages itself.
    KillTimer(nullptr, self->timer_);
    self->timer_ = 0;
    ++self->seen_;
    if (self->script_)
        self->script_(dialog);
    if (IsWindow(dialog) && IsWindowVisible(dialog))
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

