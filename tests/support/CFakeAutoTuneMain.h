#pragma once

#include "platform/SystemActions.h"
#include "support/CRecordingMainWindow.h"

// The recording main window that also stands in for the host window's restart.
class CFakeAutoTuneMain : public CRecordingMainWindow, public IRestartHost {
public:
    int PendingRestartCount() override { return 0; }
    BOOL RestartSystem() override {
        Record("RestartSystem");
        return TRUE;
    }
    void QuitForRestart() override { Record("QuitForRestart"); }
};
