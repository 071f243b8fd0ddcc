#include "support/CScriptedMessages.h"

#include "platform/CMessageBox.h"

CScriptedMessages::CScriptedMessages() {
    CMessageBox::SetHandler([this](HWND owner, const std::string& text, UINT type) {
        texts_.push_back(text);
        types_.push_back(type);
        owners_.push_back(owner);
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer == kShowBox ? MessageBoxA(owner, text.c_str(), "Torvane", type) : answer;
        }
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
}

CScriptedMessages::~CScriptedMessages() {
    CMessageBox::SetHandler(nullptr);
}
