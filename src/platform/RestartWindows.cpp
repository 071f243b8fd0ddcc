#include "platform/RestartWindows.h"

#include "platform/CHandle.h"
#include "platform/WindowsVersion.h"

namespace {

bool SetShutdownPrivilege(HANDLE token, const LUID& luid, DWORD attributes) {
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = luid;
    privileges.Privileges[0].Attributes = attributes;
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}

} // namespace

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
