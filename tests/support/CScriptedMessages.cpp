#include "support/CScriptedMessages.h"

#include "platform/CMessageBox.h"

CScriptedMessages::CScriptedMessages() {
    CMessageBox::SetHandler([this](HWND, const std::string& text, UINT type) {
        texts_.push_back(text);
        types_.push_back(type);
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
}

CScriptedMessages::~CScriptedMessages() {
    CMessageBox::SetHandler(nullptr);
}
