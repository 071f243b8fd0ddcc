#include "platform/CMessageBox.h"

#include "platform/CModalLoop.h"

namespace {
CMessageBox::Handler& CurrentHandler() {
    static CMessageBox::Handler handler;
    return handler;
}
} // namespace

int CMessageBox::Show(HWND owner, const std::string& text, UINT type) {
    CModalLoop::Scope loop;
    if (CurrentHandler())
        return CurrentHandler()(owner, text, type);
    return MessageBoxA(owner, text.c_str(), "Torvane", type);
}

void CMessageBox::SetHandler(Handler handler) {
    CurrentHandler() = std::move(handler);
}
