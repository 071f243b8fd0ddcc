#include "app/RestartQuestion.h"

#include "platform/CMessageBox.h"

void PromptRestart(IRestartQuestion::RestartMode mode, int pendingRestarts, IRestartHost& host,
                   HWND owner) {
    if (mode == IRestartQuestion::kAskIfPending && pendingRestarts <= 0)
        return;
    if (!CMessageBox::AskYesNo(owner, "Changes you have made will require that you restart "
                                      "Windows!\n\nDo you wish to restart now?"))
        return;
    if (!host.RestartSystem()) {
        CMessageBox::Show(
            owner, "Torvane was unable to restart your System.\nPlease restart manually.", MB_OK);
        return;
    }
    if (mode == IRestartQuestion::kAskIfPending)
        host.QuitForRestart();
}
