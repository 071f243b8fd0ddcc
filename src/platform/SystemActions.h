#pragma once

#include <string>
#include <windows.h>

// Actions that leave the program: restarting Windows, opening pages and mail with the shell,
// emptying folders. Each reports its own failures with the program's fixed texts.

// The maker's pages, opened in the browser.
constexpr const char* kProductWebPage = "http://www.ostranderworks.com/torvane/";
constexpr const char* kSupportWebPage = "http://www.ostranderworks.com/torvane/support/";

// Decimal text of a signed number.
std::string IntToText(int value);

// Opens a path or address with the shell's "open" verb; reports a failure over `owner`.
void OpenWebPage(const std::string& target, HWND owner);

// Opens a help page given relative to the program directory; empty means the start page.
void OpenHelpFile(const std::string& relativePath, HWND owner);

// Link kinds of the hyperlink control.
enum LinkKind : int { kLinkMail = 1, kLinkWeb = 2, kLinkTarget = 4 };

// What OpenLink hands to the shell for a link: "mailto:" or "http://" put in front unless
// already there (in any case), the mail subject appended; empty for an unknown kind.
std::string BuildLinkTarget(int kind, const std::string& address, const std::string& subject);
void OpenLink(int kind, const std::string& address, const std::string& subject, HWND owner);

// What the restart question needs from the program's windows.
class IRestartHost {
public:
    virtual ~IRestartHost() = default;
    // Committed changes that need a restart (the main window's restart counter; 0 without one).
    virtual int PendingRestartCount() = 0;
    // Starts the restart of Windows; TRUE when it was started.
    virtual BOOL RestartSystem() = 0;
    // Saves the main window's place and ends the program.
    virtual void QuitForRestart() = 0;
};

// Mode 0 always asks; mode 1 asks only when a change needing a restart was committed. The
// question and its report belong to `owner`, the window that asks.
void PromptRestart(int mode, IRestartHost& host, HWND owner);

// Restarts Windows, enabling the shutdown privilege on the NT family. TRUE when started.
BOOL RestartWindows();
