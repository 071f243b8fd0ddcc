#pragma once

#include <deque>
#include <string>
#include <vector>
#include <windows.h>

// Takes the place of the message box while it lives: records every text shown and answers with
// the scripted buttons in order (IDNO once the script is used up for questions, IDOK for reports).
// The answer kShowBox shows the real box instead, for a CModalScript to drive.
class CScriptedMessages {
public:
    static constexpr int kShowBox = -1;

    CScriptedMessages();
    ~CScriptedMessages();
    CScriptedMessages(const CScriptedMessages&) = delete;
    CScriptedMessages& operator=(const CScriptedMessages&) = delete;

    CScriptedMessages& Answer(int button) {
        answers_.push_back(button);
        return *this;
    }
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<UINT>& Types() const { return types_; }
    const std::vector<HWND>& Owners() const { return owners_; }

private:
    std::deque<int> answers_;
    std::vector<std::string> texts_;
    std::vector<UINT> types_;
    std::vector<HWND> owners_;
};
