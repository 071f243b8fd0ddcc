#include "support/CModalScript.h"

namespace {
CModalScript* g_active = nullptr;
}

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
    HWND dialog = FindWindowA("#32770", self->caption_.c_str());
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

void ClickDialogButton(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
