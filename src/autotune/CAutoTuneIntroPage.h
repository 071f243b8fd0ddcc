#pragma once

#include "ui/CPage.h"

// The first page of Auto Tune: a message worded by whether Auto Tune has run before, the help
// page and the start of a run behind the first-run backup question.
class CAutoTuneIntroPage : public CPage {
public:
    explicit CAutoTuneIntroPage(IMainWindow& main);

    static const char* const kFirstRunMessage;
    static const char* const kTunedMessage;

protected:
    BOOL OnInit() override;
    BOOL OnButtonClicked(int id) override;
    BOOL OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowMessage();
};
