#include "platform/SystemActions.h"

#include <cstdio>
#include <cstring>
#include <shellapi.h>

#include "platform/CHandle.h"
#include "platform/CMessageBox.h"
#include "platform/ProgramPaths.h"
#include "platform/WindowsVersion.h"

namespace {

bool ShellOpen(const std::string& target) {
    const HINSTANCE result =
        ShellExecuteA(GetDesktopWindow(), "open", target.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const size_t length = std::char_traits<char>::length(prefix);
    return text.size() >= length &&
           CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text.c_str(),
                          static_cast<int>(length), prefix, static_cast<int>(length)) == CSTR_EQUAL;
}

bool SetShutdownPrivilege(HANDLE token, const LUID& luid, DWORD attributes) {
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = luid;
    privileges.Privileges[0].Attributes = attributes;
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}

} // namespace

std::string IntToText(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%d", value);
    return buffer;
}

void OpenWebPage(const std::string& target, HWND owner) {
    if (!ShellOpen(target))
        CMessageBox::Show(owner, "We are unable to load the webpage:\n" + target + ".", MB_OK);
}

void OpenHelpFile(const std::string& relativePath, HWND owner) {
    const std::string page = relativePath.empty() ? std::string(kHelpStartPage) : relativePath;
    OpenWebPage(GetProgramDirectory() + "\\" + page, owner);
}

std::string BuildLinkTarget(int kind, const std::string& address, const std::string& subject) {
    switch (kind) {
    case kLinkMail: {
        std::string target = StartsWithNoCase(address, "mailto:") ? address : "mailto:" + address;
        if (!subject.empty())
            target += "?subject=" + subject;
        return target;
    }
    case kLinkWeb:
        return StartsWithNoCase(address, "http://") ? address : "http://" + address;
    case kLinkTarget:
        return address;
    default:
        return std::string();
    }
}

void OpenLink(int kind, const std::string& address, const std::string& subject, HWND owner) {
    if (kind != kLinkMail && kind != kLinkWeb && kind != kLinkTarget)
        return;
    const HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const bool opened = ShellOpen(BuildLinkTarget(kind, address, subject));
    SetCursor(previous);
    if (!opened)
        CMessageBox::Show(owner,
                          kind == kLinkMail ? "We are unable to locate your default e-mail program."
                                            : "We are unable to locate your default browser.",
                          MB_OK);
}

void PromptRestart(int mode, IRestartHost& host, HWND owner) {
    if (mode != 0 && host.PendingRestartCount() == 0)
        return;
    if (!CMessageBox::AskYesNo(owner, "Changes you have made will require that you restart "
                                      "Windows!\n\nDo you wish to restart now?"))
        return;
    if (!host.RestartSystem()) {
        CMessageBox::Show(
            owner, "Torvane was unable to restart your System.\nPlease restart manually.", MB_OK);
        return;
    }
    if (mode == 1)
        host.QuitForRestart();
}

BOOL RestartWindows() {
    const int family = DetectWindowsFamily();
    if (IsNineXFamily(family))
        return ExitWindowsEx(EWX_REBOOT, 0) != FALSE;
    if (!IsNTFamily(family))
        return FALSE;

    CHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                          token.Receive()))
        return FALSE;
    LUID luid = {};
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid))
        return FALSE;
    if (!SetShutdownPrivilege(token.Get(), luid, SE_PRIVILEGE_ENABLED))
        return FALSE;
    if (!ExitWindowsEx(EWX_REBOOT, 0))
        return FALSE;
    return SetShutdownPrivilege(token.Get(), luid, 0);
}
