#pragma once

#include <memory>

class CHostDlg;

// The application: creates the host window and the tray icon, then runs the message loop until
// the quit message, which only the host's QuitForRestart posts.
class CTorvaneApp {
public:
    CTorvaneApp();
    ~CTorvaneApp();

    // Start-up; FALSE when the host window could not be created.
    bool InitInstance();
    // The message loop; returns the quit code.
    int Run();

    CHostDlg* Host() const { return host_.get(); }

private:
    std::unique_ptr<CHostDlg> host_;
};
