#pragma once

#include <string>
#include <windows.h>

// Web pages, help pages and links handed to the shell's "open" verb (the browser, the mail
// program). Each reports its own failures with the program's fixed texts.

// The maker's pages, opened in the browser.
constexpr const char* kProductWebPage = "http://www.ostranderworks.com/torvane/";
constexpr const char* kSupportWebPage = "http://www.ostranderworks.com/torvane/support/";

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
